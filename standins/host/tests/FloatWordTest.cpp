#include "standins/host/internal/FloatWord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace StandinHostTests {
namespace {

using StandinHost::TruncatedWord;

TEST(FloatWordTest, TruncatesTowardZero) {
    EXPECT_EQ(TruncatedWord(1.5f), 1);
    EXPECT_EQ(TruncatedWord(-1.5f), -1);
    EXPECT_EQ(TruncatedWord(-0.75f), 0);
    EXPECT_EQ(TruncatedWord(16777216.0f), 16777216);
}

TEST(FloatWordTest, ValuesOutsideTheRangeGiveItsNearestEndAndNanGivesZero) {
    EXPECT_EQ(TruncatedWord(2147483648.0f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncatedWord(std::numeric_limits<float>::infinity()), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncatedWord(-2147483648.0f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncatedWord(-1e20f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncatedWord(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(TruncatedWord(2147483520.0f), 2147483520);  // the largest float below 2^31
}

TEST(FloatWordTest, BitsRoundTrip) {
    EXPECT_EQ(StandinHost::FloatBits(1.0f), 0x3F800000);
    EXPECT_EQ(StandinHost::FloatFromBits(0x3F800000), 1.0f);
    EXPECT_EQ(StandinHost::FloatFromBits(StandinHost::FloatBits(-2.25f)), -2.25f);
}

}  // namespace
}  // namespace StandinHostTests
