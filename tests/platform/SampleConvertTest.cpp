#include "platform/SampleConvert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(SampleConvert, TruncatesAndWrapsLikeTheEngine)
{
    struct Case {
        double in;
        int16_t out;
    } cases[] = {
        {0.0, 0},
        {1.9, 1},
        {-1.9, -1},
        {32767.0, 32767},
        {32768.0, -32768},
        {-32768.0, -32768},
        {-32769.0, 32767},
        {65536.0 + 5.0, 5},
        {1e300, -1},  // saturates to INT64_MAX, whose low 16 bits are all set
        {-1e300, 0},  // INT64_MIN has zero low bits
        {std::numeric_limits<double>::infinity(), -1},
        {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToSample(c.in), c.out) << c.in;
}

TEST(SampleConvert, Int32Saturates)
{
    EXPECT_EQ(ToInt32(2.7), 2);
    EXPECT_EQ(ToInt32(-2.7), -2);
    EXPECT_EQ(ToInt32(1e20), INT32_MAX);
    EXPECT_EQ(ToInt32(-1e20), INT32_MIN);
    EXPECT_EQ(ToInt32(std::nan("")), 0);
}
