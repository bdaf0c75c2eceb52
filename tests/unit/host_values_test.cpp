// Host numbering: 1-based outside, 0-based inside, every value round-trips.
#include "core/host_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(HostValuesTest, ConvertsAndRoundTripsEveryValue) {
    EXPECT_EQ(core::ToZeroBased(1), 0);
    EXPECT_EQ(core::ToZeroBased(0), -1);
    EXPECT_EQ(core::ToHostBased(-1), 0);
    for (int value : {INT_MIN, INT_MIN + 1, -1, 0, 1, 3, INT_MAX - 1, INT_MAX})
        EXPECT_EQ(core::ToHostBased(core::ToZeroBased(value)), value) << value;
}

}  // namespace
