// One program, two parts: without arguments it is the test, which runs itself again as the
// debugged child; the child runs only the TraceChild cases.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "child_mode.h"

namespace {
bool g_child = false;
}  // namespace

bool IsChild() noexcept { return g_child; }

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], kChildArgument) == 0) g_child = true;
    testing::InitGoogleTest(&argc, argv);
    if (g_child) testing::GTEST_FLAG(filter) = "*TraceChild*";
    const int status = RUN_ALL_TESTS();
    if (g_child) OutputDebugStringA(kChildEndMarker);
    return status;
}
