// The catalogue's exports as test parameters.
#include "export_param.h"

std::string ExportTestName(const testing::TestParamInfo<catalogue::ExportEntry>& info) { return info.param.name; }

void catalogue::PrintTo(const ExportEntry& entry, std::ostream* os) { *os << entry.name; }
