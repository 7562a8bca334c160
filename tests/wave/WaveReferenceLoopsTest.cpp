// The interpolating and scaling operations against slow loops written straight
// from their rules, on random data: every sample must agree, so a faster loop
// may not round, truncate or read one sample differently.
#include "WaveBufferTestSupport.h"

#include "platform/SampleConvert.h"
#include "wave/SinusTable.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using Samples16 = std::vector<int16_t>;

// Truncation toward zero, low 16 bits kept (the values here stay far inside 64 bits).
int16_t Trunc16(double v)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(static_cast<int64_t>(v)) & 0xFFFFu));
}

// s read at pos: integer part i by truncation, fraction f = pos - i; only
// sample i when f is 0, else (1 - f) s[i] + f s[i + 1]. The index of the second
// sample is held to the last one, which stands in for the sample after a Wave.
double Read(const int16_t* s, int32_t last, double pos)
{
    const int32_t i = static_cast<int32_t>(pos);
    const double f = pos - i;
    if (f == 0)
        return s[i];
    return (1 - f) * s[i] + f * s[std::min(i + 1, last)];
}

double WrapRange(double x, double min, double max)
{
    const double w = max - min;
    if (x < min)
        x += w * std::trunc((min - x) / w + 1);
    return x - w * std::trunc((x - min) / w);
}

class WaveReferenceLoopsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        StopFlag flag = 0;
        CreateSinusTable(&flag);
    }
    static void TearDownTestSuite() { DeleteSinusTable(); }

    Samples16 RandomSamples(int32_t n)
    {
        std::uniform_int_distribution<int> sample(-32768, 32767);
        Samples16 s(static_cast<size_t>(n));
        for (int16_t& v : s)
            v = static_cast<int16_t>(sample(random));
        return s;
    }
    int32_t Int(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random); }
    double Real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }

    // Head, new samples, tail.
    static Samples16 Framed(const Samples16& w, int32_t begin, int32_t end, const Samples16& made)
    {
        Samples16 out(w.begin(), w.begin() + begin);
        out.insert(out.end(), made.begin(), made.end());
        out.insert(out.end(), w.begin() + end, w.end());
        return out;
    }

    std::mt19937 random{20261210};
    StopFlag stop = 0;
};

Samples16 ResampledToLength(const Samples16& w, int32_t begin, int32_t end, int32_t n, bool reversed)
{
    const int32_t r = end - begin;
    const double step = double(r) / n;
    double pos = reversed ? r - step : 0;
    Samples16 made;
    for (int32_t k = 0; k < n; ++k) {
        // Relative to begin; reversed, the last position may round a hair below 0.
        const int32_t i = static_cast<int32_t>(pos);
        const double f = pos - i;
        const int32_t last = static_cast<int32_t>(w.size()) - 1;
        const double v =
            f == 0 ? w[begin + i] : (1 - f) * w[begin + i] + f * w[std::min(begin + i + 1, last)];
        made.push_back(Trunc16(v));
        pos = reversed ? pos - step : pos + step;
    }
    return made;
}

TEST_F(WaveReferenceLoopsTest, ResamplingToLengthAndByFactor)
{
    for (int round = 0; round < 400; ++round) {
        const Samples16 w = RandomSamples(Int(1, 300));
        const int32_t values = static_cast<int32_t>(w.size());
        // Half the ranges end at the end of the Wave, where the last sample stands in.
        int32_t begin = Int(0, values - 1);
        int32_t end = round % 2 ? values : Int(begin + 1, values);
        const bool reversed = round % 4 >= 2;
        // Some steps below a quarter sample, where reads share a pair of samples.
        const int32_t n = Int(1, (round % 3 ? 3 : 12) * (end - begin) + 5);
        SCOPED_TRACE(testing::Message() << "round " << round << " range " << begin << ".." << end << " n " << n);
        RefPtr<Wave> wave = MakeWave(w);
        const int32_t b0 = begin;
        const int32_t e0 = end;
        EXPECT_EQ(ValuesOf(wave->resampleRangeToLength(&stop, n, reversed, begin, end)),
                  Framed(w, b0, e0, ResampledToLength(w, b0, e0, n, reversed)));
        EXPECT_EQ(end, b0 + n);

        const double factor = round % 3 ? Real(-3, 3) : Real(-12, 12);
        begin = b0;
        end = e0;
        const int32_t nf = static_cast<int32_t>((e0 - b0 - 1) * std::fabs(factor) + 1);
        EXPECT_EQ(ValuesOf(wave->resampleRange(&stop, factor, begin, end)),
                  Framed(w, b0, e0, ResampledToLength(w, b0, e0, nf, factor < 0)))
            << factor;
    }
}

TEST_F(WaveReferenceLoopsTest, ReversedResamplingReadsItsLastPositionAsItFalls)
{
    // Positions 2.4, 1.8, 1.2, 0.6 and, by the falling running sum, -2.2e-16:
    // integer part 0 and a tiny negative fraction, which tips 10 away from 20
    // to just below 10.
    RefPtr<Wave> wave = MakeWave({10, 20, 30});
    EXPECT_EQ(ValuesOf(wave->resample(&stop, -2)), (Samples16{30, 27, 22, 15, 9}));
}

TEST_F(WaveReferenceLoopsTest, StretchedMix)
{
    for (int round = 0; round < 200; ++round) {
        const Samples16 w = RandomSamples(Int(1, 200));
        const Samples16 o = RandomSamples(Int(1, round % 2 ? 20 : 400)); // steps below and above 0.25
        const int32_t values = static_cast<int32_t>(w.size());
        const int32_t begin = Int(0, values - 1);
        const int32_t end = Int(begin + 1, values);
        Samples16 expected = w;
        const double step = double(o.size() - 1) / (end - begin + 1);
        double q = 0;
        for (int32_t k = begin; k < end; ++k) {
            expected[k] = Trunc16(Read(o.data(), static_cast<int32_t>(o.size()) - 1, q) + w[k]);
            q += step;
        }
        RefPtr<Wave> other = MakeWave(o);
        EXPECT_EQ(ValuesOf(MakeWave(w)->mixStretch(&stop, other.get(), begin, end)), expected) << round;
    }
}

TEST_F(WaveReferenceLoopsTest, MixesWithFactors)
{
    // Factors small enough for the fast conversion and large ones that wrap.
    const double factors[] = {0.5, -1.75, 0.3333, 3.0, 32766.0, -40000.0, 1e9, -7.3e12};
    for (double factor : factors) {
        const Samples16 w = RandomSamples(Int(1, 50));
        const Samples16 o = RandomSamples(Int(1, 50));
        const int32_t offset = Int(-20, 20);
        Samples16 expected = w;
        for (int32_t k = 0; k < static_cast<int32_t>(o.size()); ++k) {
            const int32_t at = offset + k;
            if (at >= 0 && at < static_cast<int32_t>(w.size()))
                expected[at] = Trunc16(w[at] + o[k] * factor);
        }
        RefPtr<Wave> wave = MakeWave(w);
        RefPtr<Wave> other = MakeWave(o);
        Wave::mixAddFactor(&stop, wave, other.get(), offset, factor);
        EXPECT_EQ(ValuesOf(wave), expected) << factor;

        const double factorThis = factors[Int(0, 7)];
        const Samples16 right = RandomSamples(static_cast<int32_t>(w.size()));
        Samples16 mixed(w.size());
        for (size_t i = 0; i < w.size(); ++i)
            mixed[i] = Trunc16(w[i] * factorThis + right[i] * factor);
        RefPtr<Wave> rightWave = MakeWave(right);
        EXPECT_EQ(ValuesOf(MakeWave(w)->mixLeftRight(&stop, factorThis, rightWave.get(), factor, 0, -1)), mixed)
            << factorThis << " " << factor;
    }
}

// Volume by factors the vectorised loop takes and by those that go through the
// conversion of whole chunks (large, infinite, NaN), over several chunks and a
// tail, new and in place: every sample is ToSample of the product.
TEST_F(WaveReferenceLoopsTest, VolumeByEveryKindOfFactor)
{
    const double factors[] = {0.5,    -1.0,   1.0000001, 3.7,    32767.9,  32768.0,
                              1e6,    -1e10,  1e300,     -1e300, INFINITY, -INFINITY,
                              NAN,    0.0,    -0.0,      65535.5};
    for (const double factor : factors) {
        const Samples16 w = RandomSamples(Int(2000, 3000));
        const int32_t begin = Int(0, 10);
        const int32_t end = static_cast<int32_t>(w.size()) - Int(0, 10);
        Samples16 expected = w;
        for (int32_t k = begin; k < end; ++k)
            expected[k] = ToSample(w[k] * factor);
        EXPECT_EQ(ValuesOf(MakeWave(w)->multiplyVolume(&stop, factor, begin, end)), expected) << factor;
        RefPtr<Wave> own = MakeWave(w);
        Wave::multiplyVolumeInPlace(&stop, own, factor, begin, end);
        EXPECT_EQ(ValuesOf(own), expected) << factor;
    }
}

// Cascaded one-pole passes, run several at a time, against one pass after the
// other straight from the rule: y = (1 - a) x + a y from 0, the output truncated.
TEST_F(WaveReferenceLoopsTest, CascadedPassesOneAfterTheOther)
{
    for (int round = 0; round < 12; ++round) {
        const Samples16 w = RandomSamples(Int(1, 3000));
        const int32_t passes = Int(1, 9);
        const bool high = round % 2 == 1;
        const double time = Real(2, 200);
        const double factor = Real(0.05, 0.95);
        const double p = std::pow(factor, 1.0 / passes);
        const double a = std::clamp(1 - WaveTwoPi * p / (std::sqrt(1 - p * p) * time), 0.0, 1.0);
        Samples16 expected = w;
        for (int32_t c = 0; c < passes; ++c) {
            double y = 0;
            for (int16_t& v : expected) {
                const double x = v;
                y = (1 - a) * x + a * y;
                v = Trunc16(high ? x - y : y);
            }
        }
        const RefPtr<Wave> wave = MakeWave(w);
        const RefPtr<Wave> got = high ? wave->highPass(&stop, time, factor, passes, passes, 0, -1)
                                      : wave->lowPass(&stop, time, factor, passes, passes, 0, -1);
        EXPECT_EQ(ValuesOf(got), expected) << round;
    }
}

TEST_F(WaveReferenceLoopsTest, RollOutAtAConstantRate)
{
    for (int round = 0; round < 200; ++round) {
        const Samples16 w = RandomSamples(Int(2, 100));
        const Samples16 form = RandomSamples(Int(2, 60));
        const int32_t values = static_cast<int32_t>(w.size());
        const int32_t begin = Int(0, values - 1);
        const int32_t end = Int(begin + 1, values);
        const int32_t beginf = Int(0, static_cast<int32_t>(form.size()) - 2);
        const int32_t endf = Int(beginf + 1, static_cast<int32_t>(form.size()));
        // Cycles from a fraction of a sample to far longer than the form.
        const double per = (round % 2 ? 1 : -1) * Real(0.3, round % 3 ? 20.0 : 900.0);
        const double count = Real(0.5, 4);
        const double startAngle = Real(0, 1);
        Samples16 made;
        double p = startAngle;
        const int32_t n = static_cast<int32_t>(std::fabs(per) * count);
        for (int32_t k = 0; k < n; ++k) {
            made.push_back(Trunc16(Read(form.data(), static_cast<int32_t>(form.size()) - 1,
                                        beginf + (endf - 1 - beginf) * p)));
            p = p + 1 / per;
            if (p >= 1)
                p = p - std::trunc(p);
            if (p < 0)
                p = p + std::trunc(1 - p);
        }
        RefPtr<Wave> formWave = MakeWave(form);
        int32_t b = begin;
        int32_t e = end;
        EXPECT_EQ(ValuesOf(MakeWave(w)->rollOut(&stop, formWave.get(), per, count, startAngle, b, e, beginf, endf)),
                  Framed(w, begin, end, made))
            << round;
        EXPECT_EQ(e, begin + n);
    }
}

TEST_F(WaveReferenceLoopsTest, RollOutWithASpeedEnvelope)
{
    for (int round = 0; round < 200; ++round) {
        const Samples16 w = RandomSamples(Int(2, 100));
        const Samples16 env = RandomSamples(Int(1, 40));
        const int32_t values = static_cast<int32_t>(w.size());
        const int32_t begin = Int(0, values - 1);
        const int32_t end = Int(begin + 1, values);
        const double lengthFactor = Real(0.2, 4);
        const double speed = Real(-3, 3);
        const double startPos = Real(0, 2);
        const int32_t r = end - begin;
        const int32_t n = static_cast<int32_t>(r * lengthFactor);
        const int32_t envLast = static_cast<int32_t>(env.size()) - 1;
        double x = begin + r * startPos;
        double q = 0;
        Samples16 made;
        for (int32_t k = 0; k < n; ++k) {
            x = x + Read(env.data(), envLast, q) * speed * (1.0L / 32767.0L);
            if (x < begin)
                x = x + std::trunc((begin - x) / r + 1) * r;
            else
                x = x - std::trunc((x - begin) / r) * r;
            const int32_t i = static_cast<int32_t>(x);
            const double f = x - i;
            made.push_back(Trunc16((1 - f) * w[i] + f * w[i == end - 1 ? begin : i + 1]));
            q += (envLast / lengthFactor) / r;
        }
        RefPtr<Wave> envWave = MakeWave(env);
        int32_t b = begin;
        int32_t e = end;
        EXPECT_EQ(ValuesOf(MakeWave(w)->rollOutEnvelope(&stop, envWave.get(), lengthFactor, speed, startPos, b, e)),
                  Framed(w, begin, end, made))
            << round;
    }
}

TEST_F(WaveReferenceLoopsTest, SineFromTheTable)
{
    ASSERT_TRUE(SinusTable);
    const int16_t* table = SinusTable->getData();
    for (int round = 0; round < 200; ++round) {
        const int16_t high = static_cast<int16_t>(Int(-32768, 32767));
        const int16_t low = static_cast<int16_t>(Int(-32768, 32767));
        const double period = Real(0.7, 3000);
        const double periods = Real(0, 5);
        const double startAngle = Real(0, 1);
        int32_t n = static_cast<int32_t>(periods * period);
        if (n == 0)
            n = 1;
        const double scale = static_cast<double>((high - low) * (1.0L / 65535.0L));
        const double centre = Trunc16((high + low) * 0.5);
        double p = startAngle;
        Samples16 expected;
        for (int32_t k = 0; k < n; ++k) {
            expected.push_back(Trunc16(Read(table, 8999, 8999 * p) * scale + centre));
            p = p + 1 / period;
            if (p >= 1)
                p = p - std::trunc(p);
        }
        int32_t begin = 0;
        int32_t end = -1;
        EXPECT_EQ(ValuesOf(MakeWave({})->makeSinus(&stop, high, low, period, periods, startAngle, begin, end)),
                  expected)
            << round;
    }
}

TEST_F(WaveReferenceLoopsTest, SumOfComponents)
{
    for (int round = 0; round < 100; ++round) {
        const Samples16 form = RandomSamples(Int(2, 50));
        const int32_t count = Int(1, 4);
        std::vector<double> volumes, periods, angles, factors;
        for (int32_t c = 0; c < count; ++c) {
            volumes.push_back(Real(-2, 2));
            periods.push_back(Real(0.5, 200));
            angles.push_back(Real(-0.2, 1.2));
            factors.push_back(Real(0.98, 1.01));
        }
        const int32_t length = Int(0, 300);
        const double l = static_cast<double>(form.size());
        const int32_t formLast = static_cast<int32_t>(form.size()) - 1;
        std::vector<double> volume = volumes, position, step;
        for (int32_t c = 0; c < count; ++c) {
            position.push_back(l * angles[c]);
            step.push_back(l / periods[c]);
        }
        Samples16 expected;
        for (int32_t k = 0; k < length; ++k) {
            int16_t sample = 0;
            for (int32_t c = 0; c < count; ++c) {
                const double value =
                    position[c] < 0 || position[c] > formLast ? 0.0 : Read(form.data(), formLast, position[c]);
                sample = Trunc16(value * volume[c] + sample);
                volume[c] = volume[c] * factors[c];
                position[c] = WrapRange(position[c] + step[c], 0, formLast);
            }
            expected.push_back(sample);
        }
        RefPtr<Wave> formWave = MakeWave(form);
        int32_t begin = 0;
        int32_t end = -1;
        EXPECT_EQ(ValuesOf(MakeWave({})->multiFrequencyWaveForm(&stop, length, formWave.get(), count, volumes.data(),
                                                               periods.data(), angles.data(), factors.data(), begin,
                                                               end)),
                  expected)
            << round;
    }
}

TEST_F(WaveReferenceLoopsTest, BlockAndTriangleWithAMiddleEnvelope)
{
    for (int round = 0; round < 200; ++round) {
        const int16_t h1 = static_cast<int16_t>(Int(-32768, 32767));
        const int16_t h2 = static_cast<int16_t>(Int(-32768, 32767));
        const double period = Real(1, 100);
        const double start = Real(0, 1);
        const bool triangle = round % 2 == 1;
        const int32_t n = Int(2, 300);
        // Keep the middle off 0 and 1, where the slopes divide by zero.
        Samples16 env = RandomSamples(Int(1, 30));
        for (int16_t& v : env)
            v = static_cast<int16_t>(std::clamp<int>(v, -32700, 32700));
        const int32_t envLast = static_cast<int32_t>(env.size()) - 1;
        double p = start;
        double q = 0;
        Samples16 expected;
        for (int32_t k = 0; k < n; ++k) {
            const double middle = static_cast<double>(Read(env.data(), envLast, q) * (1.0L / 65535.0L) + 0.5);
            const double rising = (h2 - h1) / middle;
            const double falling = (h1 - h2) / (1 - middle);
            const double v = !triangle ? (p < middle ? h1 : h2)
                                       : (p < middle ? h1 + rising * p : h1 + falling * (p - 1));
            expected.push_back(Trunc16(v));
            p = WrapRange(p + 1 / period, 0, 1);
            q += double(envLast) / (n - 1);
        }
        RefPtr<Wave> envWave = MakeWave(env);
        int32_t begin = 0;
        int32_t end = -1;
        EXPECT_EQ(ValuesOf(MakeWave({})->makeBlockTriangleEnvelope(&stop, h1, h2, period, envWave.get(), n, start,
                                                                  triangle, begin, end)),
                  expected)
            << round;
    }
}

} // namespace
