// The child's side: each case's calls, after a marker that tells the debugger whose lines follow.
#include <gtest/gtest.h>

#include <windows.h>

#include "child_mode.h"
#include "trace_cases.h"

namespace {

class TraceChild : public testing::TestWithParam<TraceCase> {};

TEST_P(TraceChild, MakesTheCalls) {
    if (!IsChild()) GTEST_SKIP() << "run by the debugged child";
    OutputDebugStringA(CaseMarker(GetParam().name).c_str());
    GetParam().run();
}

INSTANTIATE_TEST_SUITE_P(Cases, TraceChild, testing::ValuesIn(TraceCases()),
                         [](const testing::TestParamInfo<TraceCase>& i) { return i.param.name; });

}  // namespace
