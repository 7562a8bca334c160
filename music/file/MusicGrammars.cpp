#include "music/file/MusicGrammars.h"

#include "foundation/xml/DTDGrammar.h"
#include "wave/view/GrammarBuilder.h"

namespace {

using namespace GrammarBuilder;

TDTDItemPtr RepeatMin1(TDTDItemPtr item)
{
    return std::make_shared<TDTDRepeatMin1>(std::move(item));
}

// The elements the three versions share.
struct TCommon {
    TDTDItemPtr version = Text("Version");
    TDTDItemPtr tempo = Text("Tempo");
    TDTDItemPtr count = Text("Count");
    TDTDItemPtr length = Text("Length");
    TDTDItemPtr countFirstBar = Text("CountFirstBar");
    TDTDItemPtr pitch = Text("Pitch");
    TDTDItemPtr partLabel = Text("PartLabel");
    TDTDItemPtr selected = Empty("Selected");
    TDTDItemPtr expanded = Empty("Expanded");
    TDTDItemPtr concat = Empty("ConcatMuzPart");
    TDTDItemPtr position = Text("Position");
    TDTDItemPtr points = Text("Points");
    TDTDItemPtr height = Text("Height");
    TDTDItemPtr posInOol = Text("PosInOol");
    TDTDItemPtr roomUp = Text("RoomUp");
    TDTDItemPtr roomDown = Text("RoomDown");
    TDTDItemPtr allowJoinFlags = Empty("AllowJoinFlags");
    TDTDItemPtr extraLines = Empty("ExtraLines");
    TDTDItemPtr mute = Empty("Mute");
    TDTDItemPtr foreground = Text("ForegroundColor");
    TDTDItemPtr background = Text("BackgroundColor");
    TDTDItemPtr noteColor = Text("NoteColor");
    TDTDItemPtr stick = Choice({Empty("NoteStickUp"), Empty("NoteStickDown")});
    TDTDItemPtr shift = Choice({Empty("ShiftDoubleMol"), Empty("ShiftMol"), Empty("ShiftNormal"), Empty("ShiftCross"),
                                Empty("ShiftDoubleCross")});
    TDTDItemPtr tuplet = Choice({Empty("Duool"), Empty("Triool"), Empty("Kwartool"), Empty("Kwintool")});
    TDTDItemPtr articulation = Choice({Empty("ArtStaccatissimo"), Empty("ArtStaccato"), Empty("ArtNormal"),
                                       Empty("ArtPortato"), Empty("ArtLegato")});
    TDTDItemPtr keyNoteShift =
        Element("KeyNoteShift", Sequence({Choice({Empty("ShiftCross"), Empty("ShiftMol")}), Text("Height")}));
    TDTDItemPtr oldKey = Element("Key", Sequence({position, Text("KeyKind"), Optional(Text("OctavesUp")),
                                                  RepeatMin0(keyNoteShift)}));
    TDTDItemPtr oldShapes = Choice({Empty("NoteShapeNormal"), Empty("NoteShapeRectangle")});
    TDTDItemPtr compoundPlayer = [] {
        TDTDItemPtr sampleWave = Text("SampleWave");
        TDTDItemPtr freqUp = Optional(Text("FreqUp"));
        TDTDItemPtr volume = Text("VolumeFactor");
        TDTDItemPtr basic = Sequence({Text("BasicFreq"), sampleWave, freqUp, volume});
        TDTDItemPtr waveForm = Sequence({sampleWave, freqUp, volume});
        return Element("CompoundPlayer",
                       RepeatMin1(Choice({Element("SimpleOneSampler", basic), Element("RollOutSampler", basic),
                                          Element("ResonantSampler",
                                                  Sequence({Text("ResFactor"), sampleWave, freqUp, volume})),
                                          Element("RepeatWaveForm", waveForm),
                                          Element("RollOutWaveForm", waveForm)})));
    }();
};

const TCommon& Common()
{
    static const TCommon common;
    return common;
}

// Version 7.1 and 9.1 share the shape of the part list.
TDTDItemPtr PartList(const TDTDItemPtr& single, const TDTDItemPtr& loop, const TDTDItemPtr& select)
{
    return RepeatMin1(Choice({single, Common().concat, loop, select}));
}

TDTDItemPtr Dtd70Root()
{
    const TCommon& c = Common();
    TDTDItemPtr silence = Element("Silence", Sequence({c.position, c.length, Optional(c.points)}));
    TDTDItemPtr note = Element("Note", Sequence({c.position, c.length, Optional(c.points), c.height, Optional(c.shift)}));
    TDTDItemPtr noteGroup = Element("NoteGroup", Sequence({c.noteColor, c.oldShapes, Optional(c.stick),
                                                           c.compoundPlayer, RepeatMin0(note)}));
    TDTDItemPtr stave = Element(
        "Stave", Sequence({c.roomUp, c.roomDown, Optional(c.allowJoinFlags), Optional(Empty("AutoStick")),
                           Optional(c.mute), c.foreground, c.background, c.oldKey,
                           RepeatMin0(Choice({c.oldKey, silence})), RepeatMin1(noteGroup)}));
    TDTDItemPtr bar = Element("Bar", Sequence({c.count, c.length}));
    return Element("UnitMuz", Sequence({c.version, c.tempo, bar, RepeatMin1(stave)}));
}

TDTDItemPtr Dtd71Root()
{
    const TCommon& c = Common();
    TDTDItemPtr partNode =
        Element("PartNode", Sequence({Optional(c.partLabel), Optional(c.expanded), Optional(c.selected)}));
    TDTDItemPtr bar = Element("Bar", Sequence({c.count, c.length, Optional(c.countFirstBar)}));
    TDTDItemPtr single = Element("SingleMuzPart", Sequence({bar, partNode}));
    TDTDItemPtr loop = Element("LoopMuzPart", Sequence({c.count, partNode}));
    TDTDItemPtr turn = Element("SelectMuzPartTurn", Sequence({c.count, Optional(c.pitch), partNode}));
    TDTDItemPtr select = Element("SelectMuzPart", Sequence({RepeatMin0(turn), partNode}));
    TDTDItemPtr silence = Element(
        "Silence", Sequence({c.position, c.length, Optional(c.points), Optional(c.tuplet), Optional(c.posInOol)}));
    TDTDItemPtr keyPart = Element("KeyPart", Sequence({c.oldKey, RepeatMin0(Choice({c.oldKey, silence}))}));
    TDTDItemPtr note = Element(
        "Note", Sequence({c.position, c.length, Optional(c.points), c.height, Optional(c.shift), Optional(c.tuplet),
                          Optional(c.posInOol), Optional(c.articulation), Optional(c.stick)}));
    TDTDItemPtr notePart = Element("NotePart", RepeatMin0(note));
    TDTDItemPtr noteGroup = Element("NoteGroup", Sequence({c.noteColor, c.oldShapes, Optional(c.stick),
                                                           c.compoundPlayer, RepeatMin1(notePart)}));
    TDTDItemPtr stave = Element(
        "Stave", Sequence({c.roomUp, c.roomDown, Optional(c.allowJoinFlags), Optional(c.mute), Optional(c.extraLines),
                           c.foreground, c.background, RepeatMin1(keyPart), RepeatMin1(noteGroup)}));
    return Element("UnitMuz",
                   Sequence({c.version, c.tempo, PartList(single, loop, select), RepeatMin1(stave)}));
}

TDTDItemPtr Dtd91Root()
{
    const TCommon& c = Common();
    TDTDItemPtr enable = Empty("EnablePlayAndDraw");
    TDTDItemPtr tempoFactors = Sequence({Optional(Text("TempoStart")), Optional(Text("TempoEnd"))});
    TDTDItemPtr partNode = Element("PartNode", Sequence({Optional(c.partLabel), Optional(c.expanded),
                                                         Optional(c.selected), Optional(enable)}));
    TDTDItemPtr bar = Element("Bar", Sequence({c.count, c.length, Optional(c.countFirstBar), Optional(c.selected)}));
    TDTDItemPtr single = Element("SingleMuzPart", Sequence({bar, tempoFactors, partNode}));
    TDTDItemPtr loop = Element(
        "LoopMuzPart",
        Sequence({c.count, tempoFactors,
                  Optional(Choice({Empty("DrawFirstLoopSymbol"), Empty("DrawLastLoopSymbol")})), partNode}));
    TDTDItemPtr turn =
        Element("SelectMuzPartTurn", Sequence({c.count, Optional(c.pitch), Optional(Text("Tempo")), partNode}));
    TDTDItemPtr select = Element("SelectMuzPart", Sequence({RepeatMin0(turn), tempoFactors, partNode}));
    TDTDItemPtr key = Element("Key", Sequence({c.position, Text("KeyKind"), Optional(Text("OctavesUp")),
                                               Optional(c.selected), RepeatMin0(c.keyNoteShift)}));
    TDTDItemPtr silence =
        Element("Silence", Sequence({c.position, c.length, Optional(c.points), Optional(c.tuplet),
                                     Optional(c.posInOol), Optional(c.selected)}));
    TDTDItemPtr keyPart = Element("KeyPart", Sequence({key, RepeatMin0(Choice({key, silence}))}));
    TDTDItemPtr note = Element(
        "Note", Sequence({c.position, c.length, Optional(c.points), c.height, Optional(c.shift), Optional(c.tuplet),
                          Optional(c.posInOol), Optional(c.articulation), Optional(c.stick), Optional(c.selected)}));
    TDTDItemPtr notePart = Element("NotePart", RepeatMin0(note));
    TDTDItemPtr shapes = Choice({Empty("NoteShapeNormal"), Empty("NoteShapeRectangle"), Empty("NoteShapeTriangle"),
                                 Empty("NoteShapeDiagonalCross")});
    TDTDItemPtr noteGroup = Element(
        "NoteGroup", Sequence({c.noteColor, shapes, Optional(c.stick), Optional(c.selected),
                               Optional(Empty("EnablePlay")), Optional(Text("PlayerSet")), Optional(Text("Player")),
                               Text("FreqFactor"), Text("VolumeFactor"), Optional(Text("SoundFactory")),
                               RepeatMin1(notePart)}));
    TDTDItemPtr stave = Element(
        "Stave", Sequence({c.roomUp, c.roomDown, Optional(c.allowJoinFlags), Optional(c.selected), Optional(enable),
                           Optional(c.extraLines), c.foreground, c.background, Optional(Text("SoundFactory")),
                           RepeatMin1(keyPart), RepeatMin1(noteGroup)}));
    TDTDItemPtr view = Element("View", Sequence({Text("Left"), Text("Top")}));
    // Optional: a file without it is rendered in the format of a new music.
    TDTDItemPtr waveFormat = Element("WaveFormat", Sequence({Choice({Empty("Mono"), Empty("Stereo")}),
                                                             Text("SampleFreq"), Text("BytesPerSample")}));
    return Element("UnitMuz", Sequence({c.version, view, c.tempo, Optional(waveFormat),
                                        PartList(single, loop, select), RepeatMin1(stave)}));
}

const TDTDItemPtr& Grammar70()
{
    static const TDTDItemPtr root = Dtd70Root();
    return root;
}

const TDTDItemPtr& Grammar71()
{
    static const TDTDItemPtr root = Dtd71Root();
    return root;
}

const TDTDItemPtr& Grammar91()
{
    static const TDTDItemPtr root = Dtd91Root();
    return root;
}

} // namespace

void MusicDtd70()
{
    Grammar70();
}

void MusicDtd71()
{
    Grammar71();
}

void MusicDtd91()
{
    Grammar91();
}

TDTDItemPtr MusicGrammarOf(const std::string& version)
{
    if (version == "7.0")
        return Grammar70();
    if (version == "7.1")
        return Grammar71();
    if (version == "9.1")
        return Grammar91();
    return nullptr;
}
