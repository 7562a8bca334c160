#include "music/symbols/LoopPartSymbol.h"
#include "music/symbols/NoteShiftKinds.h"
#include "tests/music/MusicTestSupport.h"

#include <cmath>

namespace {

struct SymbolArithmetic : MusicTest {
    MusicModel m;
};

} // namespace

TEST_F(SymbolArithmetic, LengthsDotsAndTuplets)
{
    struct Case {
        uint8_t length;
        int32_t points;
        uint8_t multiOol;
        double total;
        int32_t flag;
    } cases[] = {
        {1, 0, sool, 1.0, 1},        {4, 0, sool, 0.25, 4},          {4, 1, sool, 0.375, 4},
        {2, 2, sool, 0.875, 2},      {4, 3, sool, 0.46875, 4},       {64, 3, sool, 15.0 / 512, 64},
        {4, 0, triool, 0.25, 8},     {4, 1, duool, 0.375, 8},        {8, 1, kwartool, 0.1875, 16},
        {4, 0, kwintool, 0.25, 16},  {16, 0, kwintool, 1.0 / 16, 64}, {32, 0, triool, 1.0 / 32, 64},
    };
    for (const Case& c : cases) {
        TRest rest(c.length, c.points, 0.0, m.stave, c.multiOol, 0, m.bar);
        EXPECT_DOUBLE_EQ(rest.GetLength(), c.total) << int(c.length) << " " << c.points;
        EXPECT_EQ(rest.GetFlagLength(), c.flag) << int(c.length) << " " << int(c.multiOol);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SymbolArithmetic, DrawnValuesBackToTupletValuesAndDots)
{
    struct Case {
        uint8_t multiOol;
        uint8_t flag;
        bool ok;
        uint8_t total;
    } cases[] = {{kwintool, 2, false, 0}, {kwintool, 8, true, 2}, {triool, 8, true, 4},
                 {sool, 8, true, 8},      {duool, 1, false, 0},   {kwartool, 64, true, 32}};
    for (const Case& c : cases) {
        TRest rest(4, c.multiOol == duool || c.multiOol == kwartool ? 1 : 0, 0.0, m.stave, c.multiOol, 0, m.bar);
        uint8_t total = 0;
        EXPECT_EQ(rest.FlagLength2TotalLength(c.flag, total), c.ok) << int(c.multiOol) << " " << int(c.flag);
        if (c.ok) {
            EXPECT_EQ(total, c.total);
        }
    }
    TRest duplet(4, 1, 0.0, m.stave, duool, 0, m.bar);
    TRest plain(4, 0, 0.0, m.stave, sool, 0, m.bar);
    for (int points = -1; points <= 4; ++points) {
        EXPECT_EQ(duplet.MayTotalPoints(points), points >= 1 && points <= 3) << points;
        EXPECT_EQ(plain.MayTotalPoints(points), points >= 0 && points <= 3) << points;
    }
}

TEST_F(SymbolArithmetic, OrderOfABar)
{
    TClef clef1(&m.muz, clefKindG, 0, 0.5, m.stave, 1, m.bar);
    TClef clef2(&m.muz, clefKindF, 0, 0.5, m.stave, 2, m.bar);
    TMuzNote high(&m.muz, m.group, 4, 0, 0.5, 9, m.stave, noteShiftNormal, sool, 0, 0, m.bar, drawStickAuto);
    TMuzNote low(&m.muz, m.group, 4, 0, 0.5, 2, m.stave, noteShiftNormal, sool, 0, 0, m.bar, drawStickAuto);
    TMuzNote second(&m.muz, m.group, 4, 0, 0.5, 20, m.stave, noteShiftNormal, triool, 1, 0, m.bar, drawStickAuto);
    TRest rest(4, 0, 0.5, m.stave, sool, 0, m.bar);
    TRest other(8, 0, 0.5, m.stave, sool, 0, m.bar);
    TRest earlier(4, 0, 0.25, m.stave, sool, 0, m.bar);
    struct Case {
        const TStaveSymbol& a;
        const TStaveSymbol& b;
        bool before;
    } cases[] = {
        {earlier, clef1, true}, {clef1, earlier, false}, // position first
        {clef1, high, true},    {high, clef1, false},    // clefs before notes, whatever the pitch
        {clef1, clef2, true},   {clef2, clef1, false},   // clefs by number
        {high, low, true},      {low, high, false},      // of two notes the higher first
        {high, second, true},   {second, low, false},    // place in the tuplet before pitch
        {rest, other, false},   {other, rest, false},    // two rests tie
        {rest, low, false},     {low, rest, false},      // a rest ties with a note of its place
        {clef1, clef1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.a.IsPrevOf(c.b), c.before) << &c - cases;
}

TEST_F(SymbolArithmetic, TouchRangesStartInvalidAndHitTestsPassThem)
{
    TRest rest(4, 0, 0.0, m.stave, sool, 0, m.bar);
    EXPECT_FALSE(rest.IsTouchValid());
    EXPECT_EQ(rest.DistanceX(0), TXTouchMuzSymbol::NotTouched);
    rest.ExtendTouchRange(10);
    EXPECT_EQ(rest.GetTouchLeft(), 10);
    EXPECT_EQ(rest.GetTouchRight(), 10);
    rest.ExtendTouchRange(4);
    EXPECT_EQ(rest.GetTouchLeft(), 4);
    EXPECT_EQ(rest.GetTouchRight(), 10);
    EXPECT_EQ(rest.DistanceX(12), 2);
    EXPECT_EQ(rest.DistanceX(1), 3);
    EXPECT_EQ(rest.DistanceX(7), 0);
    EXPECT_TRUE(rest.IsLeftOfMiddle(6));
    EXPECT_FALSE(rest.IsLeftOfMiddle(7));
    rest.ResetTouchRange();
    EXPECT_EQ(rest.DistanceX(7), TXTouchMuzSymbol::NotTouched);
    rest.ExtendTouchRange(30);
    EXPECT_EQ(rest.GetTouchLeft(), 30);
}

TEST_F(SymbolArithmetic, PitchIsKeptInRange)
{
    TMuzNote* note = m.Note(0, 0);
    struct Case {
        int32_t set;
        int32_t kept;
    } cases[] = {{50, 43}, {-44, -43}, {43, 43}, {-43, -43}, {7, 7}, {INT32_MIN, -43}};
    for (const Case& c : cases) {
        note->SetPitch(c.set);
        EXPECT_EQ(note->GetPitch(), c.kept) << c.set;
    }
}

TEST_F(SymbolArithmetic, BarLinesAndUpbeats)
{
    TMuzBar* bar = m.bar->GetMuzBar();
    ASSERT_TRUE(bar->SetCountAndLength(4, 4));
    struct Case {
        double position;
        double next;
    } plain[] = {{0, 1.0}, {0.99, 1.0}, {1.0, 2.0}, {2.5, 3.0}};
    for (const Case& c : plain)
        EXPECT_DOUBLE_EQ(bar->NextBarStart(c.position), c.next) << c.position;

    ASSERT_TRUE(bar->SetCountAndLength(3, 4));
    bar->IncCountFirstBar();
    EXPECT_EQ(bar->GetCountFirstBar(), 1);
    EXPECT_DOUBLE_EQ(bar->NextBarStart(0), 0.25);
    EXPECT_DOUBLE_EQ(bar->NextBarStart(0.25), 1.0);
    EXPECT_DOUBLE_EQ(bar->NextBarStart(1.0), 1.75);
    bar->IncCountFirstBar();
    EXPECT_EQ(bar->GetCountFirstBar(), 2);
    bar->IncCountFirstBar();
    EXPECT_EQ(bar->GetCountFirstBar(), 0);
    bar->DecCountFirstBar();
    EXPECT_EQ(bar->GetCountFirstBar(), 2);
    // Values the file could not hold are refused.
    EXPECT_FALSE(bar->SetCountAndLength(0, 4));
    EXPECT_FALSE(bar->SetCountAndLength(100, 4));
    EXPECT_FALSE(bar->SetCountAndLength(3, 3));
    EXPECT_EQ(bar->GetCount(), 3);
    // A smaller count keeps the upbeat inside the bar.
    EXPECT_TRUE(bar->SetCountAndLength(2, 8));
    EXPECT_EQ(bar->GetCountFirstBar(), 0);
}

TEST_F(SymbolArithmetic, ClefsMapPitchesToHeights)
{
    struct Case {
        int8_t kind;
        int32_t octaves;
        int32_t pitch;
        int32_t height;
    } cases[] = {{clefKindG, 0, 6, 0},  {clefKindG, 0, 0, -6}, {clefKindF, 0, -6, 0},
                 {clefKindC, 0, 0, 0},  {clefKindG, 1, 13, 0}, {clefKindF, -2, -20, 0}};
    for (const Case& c : cases) {
        TClef clef(&m.muz, c.kind, c.octaves, 0.0, m.stave, 1, m.bar);
        EXPECT_EQ(clef.PitchToHeight(c.pitch), c.height) << int(c.kind) << " " << c.octaves;
        EXPECT_EQ(clef.HeightToPitch(c.height), c.pitch);
    }
    TClef high(&m.muz, clefKindG, 2, 0.0, m.stave, 1, m.bar);
    EXPECT_TRUE(high.IsPitchInRange(-63));
    EXPECT_FALSE(high.IsPitchInRange(-64));
    EXPECT_TRUE(high.IsPitchInRange(23));
    EXPECT_FALSE(high.IsPitchInRange(24));
    EXPECT_TRUE(TClef(&m.muz, clefKindG, 0, 0.0, m.stave, 1, m.bar).IsBarStartClef());
    EXPECT_FALSE(TClef(&m.muz, clefKindG, 0, 0.0, m.stave, 2, m.bar).IsBarStartClef());
    EXPECT_FALSE(TClef(&m.muz, clefKindG, 0, 0.5, m.stave, 1, m.bar).IsBarStartClef());
}

TEST_F(SymbolArithmetic, KeySignatureStepsAndHeights)
{
    TClef g(&m.muz, clefKindG, 0, 0.0, m.stave, 1, m.bar);
    TClef f(&m.muz, clefKindF, 0, 0.0, m.stave, 1, m.bar);
    // The order of fifths counted on the stave: G clef sharps F C G D A E B.
    const int32_t gSharps[] = {4, 1, 5, 2, 6, 3, 0};
    const int32_t gFlats[] = {0, 3, 6, 2, 5, 1, 4};
    for (int32_t n = 0; n < 7; ++n) {
        EXPECT_EQ(g.KeySignatureStep(noteShiftKruis, n), gSharps[n]) << n;
        EXPECT_EQ(g.KeySignatureStep(noteShiftMol, n), gFlats[n]) << n;
        // An F clef lies two steps higher on the stave: the same notes, other steps.
        EXPECT_EQ(f.KeySignatureStep(noteShiftKruis, n), (gSharps[n] + 5) % 7) << n;
    }
    EXPECT_EQ(g.KeySignatureHeight(4, noteShiftKruis), 4);
    EXPECT_EQ(g.KeySignatureHeight(1, noteShiftKruis), 1);
    EXPECT_EQ(g.KeySignatureHeight(0, noteShiftMol), 0);
    EXPECT_EQ(g.KeySignatureHeight(5, noteShiftMol), -2);
    EXPECT_EQ(f.KeySignatureHeight(2, noteShiftKruis), 2);
    EXPECT_EQ(f.GetKeySignatureBottom(noteShiftMol), -5);
}

TEST_F(SymbolArithmetic, KeysReadAsCountsOfSharpsOrFlats)
{
    struct Case {
        std::vector<std::pair<int32_t, uint8_t>> entries;
        bool regular;
        int32_t count;
    } cases[] = {
        {{}, true, 0},
        {{{4, noteShiftKruis}}, true, 1},
        {{{4, noteShiftKruis}, {1, noteShiftKruis}}, true, 2},
        {{{0, noteShiftMol}, {3, noteShiftMol}}, true, -2},
        {{{1, noteShiftKruis}}, false, 0},                    // C sharp without F sharp
        {{{4, noteShiftKruis}, {0, noteShiftMol}}, false, 0}, // sharps and flats
        {{{4, noteShiftKruis}, {5, noteShiftKruis}}, false, 0},
    };
    for (const Case& c : cases) {
        TClef clef(&m.muz, clefKindG, 0, 0.0, m.stave, 1, m.bar);
        for (const auto& [step, shift] : c.entries)
            clef.SetKeyNoteShift(step, shift);
        int32_t count = 99;
        EXPECT_EQ(clef.ToonLadder(count), c.regular) << &c - cases;
        if (c.regular) {
            EXPECT_EQ(count, c.count) << &c - cases;
        }
    }
}

TEST_F(SymbolArithmetic, AClefChangeKeepsTheKeyOnItsPitches)
{
    TClef clef(&m.muz, clefKindG, 0, 0.0, m.stave, 1, m.bar);
    clef.SetKeyNoteShift(4, noteShiftKruis); // F sharp
    clef.SetKeyKind(clefKindF);
    EXPECT_EQ(clef.GetKeyNoteShift(2), noteShiftKruis);
    EXPECT_EQ(clef.GetKeyNoteShift(4), noteShiftNormal);
    int32_t count = 0;
    EXPECT_TRUE(clef.ToonLadder(count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(clef.KeySignatureHeight(clef.KeySignatureStep(noteShiftKruis, 0), noteShiftKruis), 2);
    clef.SetKeyKind(clefKindC);
    EXPECT_EQ(clef.GetKeyNoteShift(3), noteShiftKruis);
    // A kind the file cannot hold is reported and refused.
    clef.SetKeyKind(5);
    EXPECT_EQ(clef.GetKeyKind(), clefKindC);
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(SymbolArithmetic, AccidentalTablesByStep)
{
    NoteShiftKinds table;
    table.SetAt(6, noteShiftMol);
    EXPECT_EQ(table.GetAt(-1), noteShiftMol);
    table.SetAt(0, noteShiftKruis);
    EXPECT_EQ(table.GetAt(7), noteShiftKruis);
    EXPECT_EQ(table.GetAt(-7), noteShiftKruis);

    struct Case {
        int32_t from;
        int32_t to;
        int32_t entry;
        int32_t place;
    } moves[] = {{6, 0, 1, 0}, {6, 0, 0, 6}, {0, 6, 0, 1}, {6, 6, 3, 3}, {6, -6, 4, 2}};
    for (const Case& c : moves) {
        NoteShiftKinds key;
        key.SetAt(c.entry, noteShiftKruis);
        key.ChangeKeyKind(c.from, c.to);
        EXPECT_EQ(key.GetAt(c.place), noteShiftKruis) << c.from << " to " << c.to;
    }

    NoteShiftKinds full(noteShiftMol);
    NoteShiftKinds other(noteShiftKruis);
    full.FillNone(other);
    EXPECT_EQ(full, NoteShiftKinds(noteShiftMol));
    NoteShiftKinds partial(noteShiftNone);
    partial.SetAt(2, noteShiftNormal);
    partial.FillNone(other);
    EXPECT_EQ(partial.GetAt(2), noteShiftNormal);
    EXPECT_EQ(partial.GetAt(3), noteShiftKruis);
}

TEST_F(SymbolArithmetic, PeriodsAndSoundingLengths)
{
    struct Case {
        int32_t pitch;
        uint8_t shift;
        double hertz;
    } cases[] = {{0, noteShiftNormal, 261.6256}, {5, noteShiftNormal, 440.0},   {5, noteShiftKruis, 466.1638},
                 {-2, noteShiftNormal, 220.0},   {7, noteShiftNormal, 523.2511}, {6, noteShiftMol, 466.1638},
                 {7, noteShiftDoubleMol, 466.1638}, {-43, noteShiftNormal, 440.0 / 128 * std::pow(2, 2.0 / 12)}};
    for (const Case& c : cases) {
        TMuzNote note(&m.muz, m.group, 4, 0, 0.0, c.pitch, m.stave, c.shift, sool, 0, 0, m.bar, drawStickAuto);
        EXPECT_NEAR(1.0 / note.GetPeriod(), c.hertz, 1e-3) << c.pitch << " " << int(c.shift);
    }
    TMuzNote dotted(&m.muz, m.group, 4, 1, 0.0, 0, m.stave, noteShiftNormal, sool, 0, noteArtStaccato, m.bar,
                    drawStickAuto);
    EXPECT_DOUBLE_EQ(dotted.GetPlayLength(), 0.1875);
    TMuzNote member(&m.muz, m.group, 2, 0, 0.25, 0, m.stave, noteShiftNormal, triool, 2, noteArtLegato, m.bar,
                    drawStickAuto);
    EXPECT_DOUBLE_EQ(member.GetPlayLength(), 2.0 / 6);
    EXPECT_DOUBLE_EQ(member.GetStartPosition(), 0.25 + 1.0 / 3);
    EXPECT_DOUBLE_EQ(member.GetPosition(), 0.25);
}

TEST_F(SymbolArithmetic, StemsFollowTheNoteOrItsGroup)
{
    TMuzNote note(&m.muz, m.group, 4, 0, 0.0, 0, m.stave, noteShiftNormal, sool, 0, 0, m.bar,
                             drawStickAuto);
    m.group->SetDrawStickKind(drawStickDown);
    EXPECT_EQ(note.GetBerDrawStickKind(), drawStickDown);
    note.SetDrawStickKind(drawStickUp);
    EXPECT_EQ(note.GetBerDrawStickKind(), drawStickUp);
}

TEST_F(SymbolArithmetic, VerticalTouchDistances)
{
    m.stave->SetMiddleY(100);
    TRest rest(4, 0, 0.0, m.stave, sool, 0, m.bar);
    EXPECT_EQ(rest.GetTouchDistanceY(80), 5);
    EXPECT_EQ(rest.GetTouchDistanceY(90), 0);
    EXPECT_EQ(rest.GetTouchDistanceY(130), 15);
    TMuzNote note(&m.muz, m.group, 4, 0, 0.0, 0, m.stave, noteShiftNormal, sool, 0, 0, m.bar, drawStickAuto);
    note.SetDrawHeight(2);
    EXPECT_EQ(note.GetTouchDistanceY(90), 0);
    EXPECT_EQ(note.GetTouchDistanceY(97), 7);
    TClef* clef = m.StartClef();
    EXPECT_EQ(clef->GetTouchDistanceY(114), 0);
    EXPECT_EQ(clef->GetTouchDistanceY(120), 5);
    EXPECT_EQ(clef->GetTouchDistanceY(80), 5);
}

TEST_F(SymbolArithmetic, NotesTheModelCannotDrawAreReportedAndMended)
{
    // A duplet needs a dot; a quintuplet of sixteenths is the shortest.
    TMuzNote duplet(&m.muz, m.group, 4, 0, 0.0, 0, m.stave, noteShiftNormal, duool, 1, 0, m.bar, drawStickAuto);
    EXPECT_EQ(duplet.GetMultiOol(), sool);
    EXPECT_EQ(duplet.GetPosInOol(), 0);
    TMuzNote quintuplet(&m.muz, m.group, 32, 0, 0.0, 0, m.stave, noteShiftNormal, kwintool, 0, 0, m.bar,
                        drawStickAuto);
    EXPECT_EQ(quintuplet.GetMultiOol(), sool);
    TMuzNote shifted(&m.muz, m.group, 4, 0, 0.0, 60, m.stave, 9, sool, 0, 7, m.bar, 5);
    EXPECT_EQ(shifted.GetPitch(), 43);
    EXPECT_EQ(shifted.GetNoteShift(), noteShiftNormal);
    EXPECT_EQ(shifted.GetNoteArtKind(), noteArtNormal);
    EXPECT_EQ(shifted.GetDrawStickKind(), drawStickAuto);
    EXPECT_EQ(messages.Count(), 6u);
    for (const auto& shown : messages.All())
        EXPECT_EQ(shown.caption, "Assertion failed");
}

TEST_F(SymbolArithmetic, RepeatSignWidths)
{
    EXPECT_EQ(TLoopPartSymbol::GetWidth(2), 13);
    EXPECT_EQ(TLoopPartSymbol::GetWidth(3), 26);
    EXPECT_EQ(TLoopPartSymbol::GetWidth(9), 26);
    EXPECT_EQ(TLoopPartSymbol::GetWidth(12), 40);
}
