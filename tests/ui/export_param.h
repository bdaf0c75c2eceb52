// The exports of the catalogue as the parameters of a table test, each case named after its export:
//   INSTANTIATE_TEST_SUITE_P(EveryExport, SomeTest, testing::ValuesIn(catalogue::Exports()), ExportTestName);
#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "catalogue/export_table.h"

std::string ExportTestName(const testing::TestParamInfo<catalogue::ExportEntry>& info);

namespace catalogue {
// A failing case names its entry by the export instead of dumping its bytes.
void PrintTo(const ExportEntry& entry, std::ostream* os);
}  // namespace catalogue
