// main of the UI test programs: GoogleTest with the watchdog that keeps a blocked case from
// hanging the run.
#include <gtest/gtest.h>

#include "case_watchdog.h"

namespace {
constexpr int kSecondsPerCase = 60;
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    korvel_test::WatchCases(kSecondsPerCase);
    return RUN_ALL_TESTS();
}
