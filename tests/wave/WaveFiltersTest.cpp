#include "WaveBufferTestSupport.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "wave/FilterTable.h"

#include <functional>

namespace {

using Samples16 = std::vector<int16_t>;
using Filter = std::function<RefPtr<Wave>(const Wave&, StopFlag*)>;

// An impulse and a negative one, filtered over 1..14 so that the copied
// samples at both ends are checked as well.
Samples16 Impulses()
{
    Samples16 x(16, 0);
    x[2] = 10000;
    x[9] = -6000;
    return x;
}

class WaveFiltersTest : public ::testing::Test {
protected:
    StopFlag stop = 0;
    RefPtr<Wave> impulses = MakeWave(Impulses());
    RefPtr<Wave> frequencies = MakeWave({0, 20000, -10000});
    RefPtr<Wave> widths = MakeWave({-20000, 10000});
};

struct FilterCase {
    const char* name;
    Filter filter;
    Samples16 expected;
};

// Frozen from the filter formulas worked through step by step (first values
// checked by hand: the low pass has a = 1 - 2pi/20 = 0.68584707, so the second
// pass starts at trunc(0.31415293 * 3141) = 986).
TEST_F(WaveFiltersTest, FiltersKeepTheirGoldenOutput)
{
    const Wave* f = frequencies.get();
    const Wave* w = widths.get();
    const FilterCase cases[] = {
        {"lowPass", [](const Wave& x, StopFlag* s) { return x.lowPass(s, 20, 0.5, 2, 2, 1, 14); },
         {0, 0, 986, 1353, 1392, 1273, 1091, 898, 718, -28, -377, -504, -513, -467, 0, 0}},
        {"highPass", [](const Wave& x, StopFlag* s) { return x.highPass(s, 20, 0.5, 2, 2, 1, 14); },
         {0, 0, 4703, -2954, -1562, -753, -298, -54, 65, -2707, 1899, 1057, 556, 266, 0, 0}},
        {"lowPassEnvelope",
         [=](const Wave& x, StopFlag* s) { return x.lowPassEnvelope(s, f, 0.5, 2, 1, 44100, 1, 14); },
         {0, 0, 1280, 1047, 776, 491, 234, 60, 34, -1526, -1293, -1176, -1114, -1079, 0, 0}},
        {"highPassEnvelope",
         [=](const Wave& x, StopFlag* s) { return x.highPassEnvelope(s, f, 0.5, 2, 1, 44100, 1, 14); },
         {0, 0, 8719, -1047, -776, -491, -234, -60, -34, -4473, 1293, 1176, 1114, 1079, 0, 0}},
        {"resonance", [](const Wave& x, StopFlag* s) { return x.resonance(s, 6, 0.3, 1, 14); },
         {0, 0, 1974, 272, -1318, -1362, -144, 947, 938, -1115, -843, 145, 791, 573, 0, 0}},
        {"notch", [](const Wave& x, StopFlag* s) { return x.notch(s, 6, 0.3, 1, 14); },
         {0, 0, 8025, -272, 1318, 1362, 144, -947, -938, -4884, 843, -145, -791, -573, 0, 0}},
        {"resonanceFreqEnvelope",
         [=](const Wave& x, StopFlag* s) { return x.resonanceFreqEnvelope(s, f, 0.3, 44100, 1, 14); },
         {0, 0, 1349, 1059, 656, 110, -545, -1083, -856, -2177, -1795, -1593, -1486, -1427, 0, 0}},
        {"resonanceWidthEnvelope",
         [=](const Wave& x, StopFlag* s) { return x.resonanceWidthEnvelope(s, 6, w, 1, 14); },
         {0, 0, 1511, 231, -1000, -1010, -91, 638, 560, -2054, -402, 893, 849, 129, 0, 0}},
        {"resonanceEnvelopes",
         [=](const Wave& x, StopFlag* s) { return x.resonanceEnvelopes(s, f, w, 44100, 1, 14); },
         {0, 0, 213, 200, 165, 83, -75, -289, -280, -889, -807, -755, -725, -706, 0, 0}},
        {"notchFreqEnvelope",
         [=](const Wave& x, StopFlag* s) { return x.notchFreqEnvelope(s, f, 0.3, 44100, 1, 14); },
         {0, 0, 9713, -267, -221, -114, 100, 413, 423, -5269, 686, 660, 646, 639, 0, 0}},
        {"notchWidthEnvelope", [=](const Wave& x, StopFlag* s) { return x.notchWidthEnvelope(s, 6, w, 1, 14); },
         {0, 0, 8488, -231, 1000, 1010, 91, -638, -560, -3945, 402, -893, -849, -129, 0, 0}},
        {"notchEnvelopes",
         [=](const Wave& x, StopFlag* s) { return x.notchEnvelopes(s, f, w, 44100, 1, 14); },
         {0, 0, 9786, -200, -165, -83, 75, 289, 280, -5110, 807, 755, 725, 706, 0, 0}},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ValuesOf(c.filter(*impulses, &stop)), c.expected);
    }
    EXPECT_EQ(stop, 0);
}

struct BlockCase {
    const char* name;
    std::function<RefPtr<Wave>(const Wave&, StopFlag*, int32_t&, int32_t&)> filter;
    Samples16 expected;
    int32_t end;
};

TEST_F(WaveFiltersTest, BlockFiltersKeepTheirGoldenOutput)
{
    const RefPtr<Wave> blocks = MakeWave({0, 32767, -20000});
    const BlockCase cases[] = {
        {"positive block", [](const Wave& x, StopFlag* s, int32_t& b, int32_t& e) { return x.blockFilter(s, 2.5, b, e); },
         {0, 0, 1000, 2000, 2000, 0, 0, 0, 0, -600, -1200, -1200, 0, 0, 0, 0, 0, 0, 0},
         17},
        {"negative block", [](const Wave& x, StopFlag* s, int32_t& b, int32_t& e) { return x.blockFilter(s, -3, b, e); },
         {0, 0, 1666, 1666, 1666, 0, 0, 0, 0, -1000, -1000, -1000, 0, 0, 0, 0, 0, 0, 0, 0},
         18},
        {"enveloped block",
         [&](const Wave& x, StopFlag* s, int32_t& b, int32_t& e) {
             return x.blockFilterEnvelope(s, 4, blocks.get(), b, e);
         },
         {0, 0, 0, 0, 0, 625, 625, -624, -624, -624, 0, 0, 0, 0, -1228, -1228, -542, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         24},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t begin = 1;
        int32_t end = 14;
        EXPECT_EQ(ValuesOf(c.filter(*impulses, &stop, begin, end)), c.expected);
        EXPECT_EQ(begin, 1);
        EXPECT_EQ(end, c.end);
    }
}

TEST_F(WaveFiltersTest, TableHoldsTheTwelveFiltersInTheirOrder)
{
    EXPECT_EQ(std::get<HighLowFilter>(FilterTable[filterTableHighPass]), &Wave::highPass);
    EXPECT_EQ(std::get<HighLowEnvelopeFilter>(FilterTable[filterTableHighPassEnvelope]), &Wave::highPassEnvelope);
    EXPECT_EQ(std::get<HighLowFilter>(FilterTable[filterTableLowPass]), &Wave::lowPass);
    EXPECT_EQ(std::get<HighLowEnvelopeFilter>(FilterTable[filterTableLowPassEnvelope]), &Wave::lowPassEnvelope);
    EXPECT_EQ(std::get<ResNotchFilter>(FilterTable[filterTableResonance]), &Wave::resonance);
    EXPECT_EQ(std::get<ResNotchFreqEnvelopeFilter>(FilterTable[filterTableResonanceFreqEnvelope]),
              &Wave::resonanceFreqEnvelope);
    EXPECT_EQ(std::get<ResNotchWidthEnvelopeFilter>(FilterTable[filterTableResonanceWidthEnvelope]),
              &Wave::resonanceWidthEnvelope);
    EXPECT_EQ(std::get<ResNotchEnvelopesFilter>(FilterTable[filterTableResonanceEnvelopes]),
              &Wave::resonanceEnvelopes);
    EXPECT_EQ(std::get<ResNotchFilter>(FilterTable[filterTableNotch]), &Wave::notch);
    EXPECT_EQ(std::get<ResNotchFreqEnvelopeFilter>(FilterTable[filterTableNotchFreqEnvelope]),
              &Wave::notchFreqEnvelope);
    EXPECT_EQ(std::get<ResNotchWidthEnvelopeFilter>(FilterTable[filterTableNotchWidthEnvelope]),
              &Wave::notchWidthEnvelope);
    EXPECT_EQ(std::get<ResNotchEnvelopesFilter>(FilterTable[filterTableNotchEnvelopes]), &Wave::notchEnvelopes);

    // An entry runs like the operation it names.
    const auto lowPass = std::get<HighLowFilter>(FilterTable[filterTableLowPass]);
    EXPECT_EQ(ValuesOf(((*impulses).*lowPass)(&stop, 20, 0.5, 2, 2, 1, 14)),
              ValuesOf(impulses->lowPass(&stop, 20, 0.5, 2, 2, 1, 14)));
}

struct BehaviourCase {
    const char* name;
    Samples16 input;
    Filter filter;
    Samples16 expected;
};

TEST_F(WaveFiltersTest, FiltersBehaveAsTheirSettingsSay)
{
    const BehaviourCase cases[] = {
        {"a low pass whose feedback would be negative copies the range", {5, -300, 7000, 12},
         [](const Wave& x, StopFlag* s) { return x.lowPass(s, 2, 0.999999, 1, 1, 0, -1); }, {5, -300, 7000, 12}},
        {"a high pass whose feedback would be negative passes nothing", {5, -300, 7000, 12},
         [](const Wave& x, StopFlag* s) { return x.highPass(s, 2, 0.999999, 1, 1, 0, -1); }, {0, 0, 0, 0}},
        // 1 - a = 2 pi 0.6 / (0.8 10): 0.471229395 with the engine's pi gives
        // 14136.88; 6.2831853 would give 14137.17.
        {"two pi is 6.2830586", {30000},
         [](const Wave& x, StopFlag* s) { return x.lowPass(s, 10, 0.6, 1, 1, 0, -1); }, {14136}},
        {"a resonance of width 1 follows the input", {100, -2000, 30000, -32768, 7},
         [](const Wave& x, StopFlag* s) { return x.resonance(s, 10, 1, 0, -1); }, {100, -2000, 30000, -32768, 7}},
        {"a notch of width 1 outputs silence", {100, -2000, 30000, -32768, 7},
         [](const Wave& x, StopFlag* s) { return x.notch(s, 10, 1, 0, -1); }, {0, 0, 0, 0, 0}},
        {"a block of 1 gives half of the sample before", {100, -2000, 3001, 8},
         [](const Wave& x, StopFlag* s) {
             int32_t b = 0, e = -1;
             return x.blockFilter(s, 1, b, e);
         },
         {0, 50, -1000, 1500, 4, 0}},
    };
    for (const BehaviourCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ValuesOf(c.filter(*MakeWave(c.input), &stop)), c.expected);
    }
}

TEST_F(WaveFiltersTest, HighPassSettlesTowardsZeroOnAConstant)
{
    const RefPtr<Wave> constant = MakeFilledWave(400, 10000);
    const Samples16 got = ValuesOf(constant->highPass(&stop, 20, 0.5, 1, 1, 0, -1));
    EXPECT_GT(got.front(), 1000);
    EXPECT_EQ(got.back(), 0);
    for (size_t i = 1; i < got.size(); ++i)
        EXPECT_LE(got[i], got[i - 1]);
}

TEST_F(WaveFiltersTest, PassesRunInOneCallOrOneAtATime)
{
    const RefPtr<Wave> both = impulses->lowPass(&stop, 20, 0.5, 2, 2, 1, 14);
    const RefPtr<Wave> once = impulses->lowPass(&stop, 20, 0.5, 2, 1, 1, 14);
    EXPECT_EQ(ValuesOf(both), ValuesOf(once->lowPass(&stop, 20, 0.5, 2, 1, 1, 14)));
}

// A period under one sample makes the four-sub-step oscillator grow without
// bound; it is raised to one sample in every such form.
TEST_F(WaveFiltersTest, PeriodsBelowOneSampleAreRaisedToOne)
{
    Samples16 noise;
    for (int i = 0; i < 300; ++i)
        noise.push_back(static_cast<int16_t>((i * 7919) % 20000 - 10000));
    const RefPtr<Wave> x = MakeWave(noise);
    EXPECT_EQ(ValuesOf(x->resonance(&stop, 0.3, 0.2, 0, -1)), ValuesOf(x->resonance(&stop, 1, 0.2, 0, -1)));
    EXPECT_EQ(ValuesOf(x->notch(&stop, 0.3, 0.2, 0, -1)), ValuesOf(x->notch(&stop, 1, 0.2, 0, -1)));
    EXPECT_EQ(ValuesOf(x->notchWidthEnvelope(&stop, 0.3, widths.get(), 0, -1)),
              ValuesOf(x->notchWidthEnvelope(&stop, 1, widths.get(), 0, -1)));
    // 20 kHz at 5512 Hz is a period of 0.28 samples.
    const RefPtr<Wave> top = MakeWave({32767});
    const RefPtr<Wave> halfWidth = MakeWave({0});
    EXPECT_EQ(ValuesOf(x->notchFreqEnvelope(&stop, top.get(), 0.5, 5512, 0, -1)),
              ValuesOf(x->notch(&stop, 1, 0.5, 0, -1)));
    EXPECT_EQ(ValuesOf(x->resonanceEnvelopes(&stop, top.get(), halfWidth.get(), 5512, 0, -1)),
              ValuesOf(x->resonance(&stop, 1, 0.5, 0, -1)));
    EXPECT_EQ(ValuesOf(x->notchEnvelopes(&stop, top.get(), halfWidth.get(), 5512, 0, -1)),
              ValuesOf(x->notch(&stop, 1, 0.5, 0, -1)));
    EXPECT_EQ(stop, 0);
}

// Without the clamp the envelope position runs K samples past the envelope, and
// a window starting at begin + K would lose the range's first K samples.
TEST_F(WaveFiltersTest, EnvelopedBlockFilterStartsLikeTheBlockFilterAndStaysInItsEnvelope)
{
    const RefPtr<Wave> zero = MakeWave({0, 0});
    int32_t begin = 1;
    int32_t end = 14;
    const Samples16 still = ValuesOf(impulses->blockFilterEnvelope(&stop, 2, zero.get(), begin, end));
    // K = 3: the range comes out whole, half as loud, 3 samples later.
    Samples16 expected = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -3000, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    expected[5] = 5000;
    EXPECT_EQ(still, expected);
    EXPECT_EQ(end, 20);

    const RefPtr<Wave> full = MakeWave({32767, 32767});
    begin = 1;
    end = 14;
    const Samples16 enveloped = ValuesOf(impulses->blockFilterEnvelope(&stop, 3, full.get(), begin, end));
    int32_t b = 1;
    int32_t e = 14;
    const Samples16 constant = ValuesOf(impulses->blockFilter(&stop, 3, b, e));
    // Same window, same sums; the enveloped form only has a longer tail.
    ASSERT_EQ(enveloped.size(), constant.size() + 4);
    EXPECT_TRUE(std::equal(constant.begin(), constant.begin() + e, enveloped.begin()));
}

TEST_F(WaveFiltersTest, DegenerateSettingsAndRangesAreHandled)
{
    const RefPtr<Wave> x = MakeWave({100, -200, 300, 4000});
    const RefPtr<Wave> none = MakeWave({});
    // Envelopes of one sample or none, ranges of one sample or none: no
    // division by zero reaches the samples.
    EXPECT_EQ(ValuesOf(x->lowPassEnvelope(&stop, none.get(), 0.5, 1, 1, 44100, 1, 2)).size(), 4u);
    EXPECT_EQ(ValuesOf(x->highPassEnvelope(&stop, frequencies.get(), 0.5, 1, 1, 44100, 2, 2)),
              Samples16({100, -200, 300, 4000}));
    EXPECT_EQ(ValuesOf(x->resonanceEnvelopes(&stop, nullptr, nullptr, 44100, 0, 1)).size(), 4u);
    EXPECT_EQ(ValuesOf(x->notchWidthEnvelope(&stop, 5, none.get(), 3, 4)).size(), 4u);
    // A period of 0 is a cutoff beyond reach: the low pass lets everything through.
    EXPECT_EQ(ValuesOf(x->lowPass(&stop, 0, 0.5, 1, 1, 0, -1)), Samples16({100, -200, 300, 4000}));
    // No pass asked for leaves the range as it is.
    EXPECT_EQ(ValuesOf(x->lowPass(&stop, 20, 0.5, 1, 0, 0, -1)), Samples16({100, -200, 300, 4000}));
    // A block of 0 has no window: each sample stands for itself, halved.
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_EQ(ValuesOf(x->blockFilter(&stop, 0, begin, end)), Samples16({50, -100, 150, 2000, 0}));
    EXPECT_EQ(end, 5);
    begin = 2;
    end = 3;
    EXPECT_EQ(ValuesOf(x->blockFilterEnvelope(&stop, 5, none.get(), begin, end)).size(), 4u + 12u);
    EXPECT_EQ(stop, 0);
}

TEST_F(WaveFiltersTest, FailedAllocationGivesNoWaveAndOneMessage)
{
    RecordingMessageService messages;
    AllocationHook::FailNext(1);
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_FALSE(impulses->blockFilter(&stop, 3, begin, end));
    EXPECT_EQ(stop, 1);
    EXPECT_FALSE(impulses->lowPass(&stop, 20, 0.5, 1, 1, 0, -1));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "There is not enough memmory for this operation.");
    AllocationHook::Reset();
}

TEST_F(WaveFiltersTest, ASetFlagMakesNoFilteredWave)
{
    stop = 1;
    int32_t begin = 0;
    int32_t end = -1;
    EXPECT_FALSE(impulses->blockFilter(&stop, 3, begin, end));
    EXPECT_FALSE(impulses->notchEnvelopes(&stop, frequencies.get(), widths.get(), 44100, 0, -1));
}

} // namespace
