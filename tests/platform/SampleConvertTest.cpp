#include "platform/SampleConvert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

// ---- the fast path: the same sample as ToSample for every input ----

namespace {

// Every value near the edges where a conversion can go wrong: the sample range,
// the 16-bit wrap, the 32-bit range the fast path relies on, the 64-bit
// saturation, the smallest and largest numbers, infinities, both zeros, and
// for each edge its neighbours a few units in the last place away, whole
// numbers around it and fractions on either side.
std::vector<double> BoundaryValues()
{
    const double edges[] = {0.0,
                            0.5,
                            1.0,
                            32767.0,
                            32768.0,
                            65535.0,
                            65536.0,
                            1073741824.0,
                            2147418112.0, // 2^31 - 2^16
                            2147483647.0,
                            2147483648.0,
                            4294967296.0,
                            4503599627370496.0, // 2^52
                            9007199254740992.0, // 2^53
                            9223372036854775807.0,
                            18446744073709551616.0,
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min()};
    std::vector<double> values;
    for (const double edge : edges) {
        for (const double sign : {1.0, -1.0}) {
            const double e = sign * edge;
            double up = e;
            double down = e;
            for (int k = 0; k < 64; ++k) {
                values.push_back(up);
                values.push_back(down);
                up = std::nextafter(up, std::numeric_limits<double>::infinity());
                down = std::nextafter(down, -std::numeric_limits<double>::infinity());
            }
            for (int k = -3; k <= 3; ++k)
                for (const double f : {0.0, 0.25, 0.5, 0.75, 0.999999})
                    values.push_back(e + k + f);
        }
    }
    for (const double special : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::signaling_NaN(), std::nan("1"), std::nan("0x7ffff")})
        values.push_back(special);
    return values;
}

// The block conversion at every alignment, so that each value falls on every
// lane of a group and into the tail.
void ExpectBlocksAgree(const std::vector<double>& values)
{
    std::vector<int16_t> expected(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        expected[i] = ToSample(values[i]);
    std::vector<int16_t> got(values.size());
    for (size_t offset = 0; offset < 8 && offset < values.size(); ++offset) {
        const size_t n = values.size() - offset;
        ToSamples(values.data() + offset, got.data(), n);
        const auto wrong = std::mismatch(got.begin(), got.begin() + n, expected.begin() + offset);
        ASSERT_TRUE(wrong.first == got.begin() + n)
            << values[offset + size_t(wrong.first - got.begin())] << " at offset " << offset;
    }
}

// The first value whose fast conversion differs from ToSample, if any.
std::string FirstDifference(const std::vector<double>& values)
{
    for (const double v : values)
        if (ToSampleFast(v) != ToSample(v))
            return std::to_string(v);
    return "";
}

bool InsideInt32(double v)
{
    return v > -2147483649.0 && v < 2147483648.0;
}

} // namespace

TEST(SampleConvert, FastPathsAgreeAtEveryBoundary)
{
    const std::vector<double> values = BoundaryValues();
    for (const double v : values) {
        ASSERT_EQ(ToSampleFast(v), ToSample(v)) << v;
        if (InsideInt32(v)) {
            ASSERT_EQ(ToSampleInRange(v), ToSample(v)) << v;
        }
    }
    ExpectBlocksAgree(values);
}

// Every double within 1/16 of 2^31, -2^31 and -2^31 - 1: where the processor's
// 32-bit conversion turns from exact to "indefinite", and where the exact
// result is the indefinite value itself.
TEST(SampleConvert, FastPathsAgreeOnEveryDoubleAroundThe32BitEdges)
{
    for (const double edge : {2147483648.0, -2147483648.0, -2147483649.0}) {
        std::vector<double> values;
        for (double v = edge - 0.0625; v <= edge + 0.0625; v = std::nextafter(v, 1e300))
            values.push_back(v);
        EXPECT_EQ(FirstDifference(values), "");
        ExpectBlocksAgree(values);
    }
}

TEST(SampleConvert, FastPathsAgreeOnARandomSweep)
{
    std::mt19937_64 random(20261211);
    std::vector<double> values;
    // Any bit pattern: every exponent, both signs, NaNs with any payload.
    for (int i = 0; i < 200000; ++i)
        values.push_back(std::bit_cast<double>(random()));
    // Values a sound operation computes: around the samples, around the wrap,
    // and across the 32-bit range and a little beyond.
    for (const double span : {40000.0, 200000.0, 2.2e9, 1e19}) {
        std::uniform_real_distribution<double> real(-span, span);
        for (int i = 0; i < 200000; ++i)
            values.push_back(real(random));
    }
    // Blocks mixing good values with ones that need the general way.
    std::shuffle(values.begin(), values.end(), random);
    EXPECT_EQ(FirstDifference(values), "");
    for (const double v : values) {
        if (InsideInt32(v) && ToSampleInRange(v) != ToSample(v))
            FAIL() << v;
    }
    ExpectBlocksAgree(values);
}
