// The catalogue's sample calls for the table tests.
#include "sample_call.h"

#include <stdexcept>

catalogue::HostCall SampleCall(const catalogue::ExportEntry& entry) {
    std::size_t bad = 0;
    std::optional<catalogue::HostCall> host =
        catalogue::HostCall::Parse(entry.args, catalogue::SampleTexts(entry.args), &bad);
    if (!host) throw std::runtime_error(std::string(entry.name) + ": the sample of argument " + std::to_string(bad) +
                                        " does not parse");
    return std::move(*host);
}

std::string ExportTestName(const testing::TestParamInfo<catalogue::ExportEntry>& info) { return info.param.name; }

void catalogue::PrintTo(const ExportEntry& entry, std::ostream* os) { *os << entry.name; }
