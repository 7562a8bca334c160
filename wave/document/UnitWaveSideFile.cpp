#include "wave/document/UnitWaveSideFile.h"

#include "foundation/QuotedText.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWaveVal.h"
#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/MessageService.h"
#include "wave/MonoSound.h"
#include "wave/LongestWave.h"
#include "wave/Sound.h"
#include "wave/StereoSound.h"
#include "wave/document/DocumentWindowAccess.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveWindowAccess.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewWaveGroupModel.h"
#include "wave/view/ViewXml.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

namespace {

const char* const SideFileVersion = "8.0";

std::string VersionError(const std::string& version)
{
    return "Unknown version " + QuotedText(version) + " of the Wave Shadow File; only version \"" + SideFileVersion
         + "\" can be read.";
}

const TDTDItemPtr& UnitWaveGrammar()
{
    using namespace GrammarBuilder;
    static const TDTDItemPtr grammar = [] {
        TDTDItemPtr wavePos = Text("WavePos");
        TDTDItemPtr valueDraw =
            Element("ValueDraw", Choice({Element("Part", Sequence({wavePos, wavePos})), Element("Cursor", wavePos)}));
        TDTDItemPtr drawPoint = Element("DrawPoint", Sequence({Text("Position"), Text("WaveValue")}));
        TDTDItemPtr userDraw = Element("UserDraw", Sequence({Choice({Empty("DrawLinear"), Empty("DrawParabola")}),
                                                             RepeatMin0(drawPoint), Text("DrawLength")}));
        TDTDItemPtr emptyWave = Element("EmptyWave", Sequence({Choice({Empty("Mono"), Empty("Stereo")}),
                                                               Text("SampleFreq"), Text("BytesPerSample")}));
        return Element("UnitWave", Sequence({Text("Version"), Choice({valueDraw, userDraw}),
                                             TViewWaveState::GetViewWaveGroupDefinition(), Optional(emptyWave)}));
    }();
    return grammar;
}

// Everything a side file holds, read and checked before any of it is applied.
struct SideFileContent {
    bool userDraw = false;
    const TXMLItem* userDrawElement = nullptr;
    int32_t selectBegin = 0;
    int32_t selectEnd = 0;
    uint8_t drawKind = DrawLinear;
    std::vector<std::pair<int16_t, double>> nodes; // value, position
    double drawLength = 1.0;
    const TXMLItem* drawLengthElement = nullptr;
    TViewWaveState view;
    bool emptyWave = false;
    int16_t channels = 1;
    int32_t sampleFreq = 0;
    int16_t bytesPerSample = 2;
};

// The message for a drawing longer than any wave at freq.
std::string LongestDrawing(int32_t freq)
{
    // Rounded down, so that a drawing of the length told is allowed.
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", std::floor((LongestWaveValues - 1.0) / std::max(freq, 1) * 10) / 10);
    return "In DrawLength: At " + std::to_string(freq) + " Hz a drawing can last at most " + seconds +
           " s; a longer one would pass the longest wave.";
}

bool Fail(const TXMLItem* at, const std::string& message, std::string& error, int32_t& line, int32_t& column)
{
    line = at->GetLine();
    column = at->GetColumn();
    error = message;
    return false;
}

bool ReadValueDraw(const TXMLItem* valueDraw, SideFileContent& content, std::string& error, int32_t& line,
                   int32_t& column)
{
    const TXMLItem* choice = valueDraw->GetFirst();
    if (WhichElement(choice, {"Part", "Cursor"}) == 1) {
        unitIntegerPos cursor;
        if (!ReadValueElement(cursor, choice->GetFirst(), "WavePos", "Cursor WavePos", error, line, column))
            return false;
        content.selectBegin = content.selectEnd = cursor.GetValue();
        return true;
    }
    const TXMLItem* first = choice->GetFirst();
    unitIntegerPos begin;
    unitIntegerPos end;
    if (!ReadValueElement(begin, first, "WavePos", "Part WavePos 1", error, line, column))
        return false;
    if (!ReadValueElement(end, first->GetNext(), "WavePos", "Part WavePos 2", error, line, column))
        return false;
    // A range written backwards by hand is still the same range.
    content.selectBegin = std::min(begin.GetValue(), end.GetValue());
    content.selectEnd = std::max(begin.GetValue(), end.GetValue());
    return true;
}

// The drawn points must make a drawing: at least two, from 0 to 1, increasing.
bool ReadUserDraw(const TXMLItem* userDraw, SideFileContent& content, std::string& error, int32_t& line,
                  int32_t& column)
{
    content.userDraw = true;
    content.userDrawElement = userDraw;
    const TXMLItem* item = userDraw->GetFirst();
    content.drawKind = WhichElement(item, {"DrawLinear", "DrawParabola"}) == 1 ? DrawParabola : DrawLinear;
    for (item = item->GetNext(); IsElement(item, "DrawPoint"); item = item->GetNext()) {
        const TXMLItem* positionElement = item->GetFirst();
        unitFactorPosMax1 position;
        unitWaveVal value;
        if (!ReadValueElement(position, positionElement, "Position", "DrawPoint Position", error, line, column))
            return false;
        if (!ReadValueElement(value, positionElement->GetNext(), "WaveValue", "DrawPoint WaveValue", error, line,
                              column))
            return false;
        double p = position.GetValue();
        if (content.nodes.empty() && p != 0.0)
            return Fail(item, "In DrawPoint: The first point of a drawing must lie at position 0.", error, line,
                        column);
        if (!content.nodes.empty() && !(p > content.nodes.back().second))
            return Fail(item, "In DrawPoint: The points of a drawing must have increasing positions.", error, line,
                        column);
        content.nodes.emplace_back(value.GetValue(), p);
        if (p == 1.0 && IsElement(item->GetNext(), "DrawPoint"))
            return Fail(item->GetNext(), "In DrawPoint: The points of a drawing must have increasing positions.",
                        error, line, column);
    }
    if (content.nodes.size() < 2 || content.nodes.back().second != 1.0)
        return Fail(userDraw, "In UserDraw: A drawing needs at least two points, the last at position 1.", error,
                    line, column);
    unitTimePos length;
    if (!ReadValueElement(length, item, "DrawLength", "DrawLength", error, line, column))
        return false;
    content.drawLength = length.GetValue();
    content.drawLengthElement = item;
    return true;
}

bool ReadEmptyWave(const TXMLItem* emptyWave, SideFileContent& content, std::string& error, int32_t& line,
                   int32_t& column)
{
    content.emptyWave = true;
    const TXMLItem* item = emptyWave->GetFirst();
    content.channels = WhichElement(item, {"Mono", "Stereo"}) == 1 ? 2 : 1;
    item = item->GetNext();
    unitIntegerPosMore sampleFreq;
    if (!ReadValueElement(sampleFreq, item, "SampleFreq", "SampleFreq", error, line, column))
        return false;
    content.sampleFreq = sampleFreq.GetValue();
    item = item->GetNext();
    unitIntegerPosMore bytesPerSample;
    if (!ReadValueElement(bytesPerSample, item, "BytesPerSample", "BytesPerSample", error, line, column))
        return false;
    if (bytesPerSample.GetValue() != 1 && bytesPerSample.GetValue() != 2)
        return Fail(item, "In BytesPerSample: Only 1 or 2 bytes per sample are supported.", error, line, column);
    content.bytesPerSample = static_cast<int16_t>(bytesPerSample.GetValue());
    // The grammar allows nothing more; reported, and the format read is kept.
    const TXMLItem* xmlEmpty = item->GetNext();
    QB_CHECK(!xmlEmpty);
    return true;
}

// Reads the whole UnitWave element into content, for a wave of waveValues
// values; view starts from what the window shows, so that what the file
// leaves out stays.
bool ReadContent(const TXMLItem* unitWave, int32_t waveValues, SideFileContent& content, std::string& error,
                 int32_t& line, int32_t& column)
{
    ExpectElement(unitWave, "UnitWave");
    const TXMLItem* version = ExpectElement(unitWave->GetFirst(), "Version");
    // The token reader takes the last Version text anywhere in the file; this one must agree.
    if (version->GetValue() != SideFileVersion)
        return Fail(version, VersionError(version->GetValue()), error, line, column);
    const TXMLItem* draw = version->GetNext();
    if (WhichElement(draw, {"ValueDraw", "UserDraw"}) == 0) {
        if (!ReadValueDraw(draw, content, error, line, column))
            return false;
    } else if (!ReadUserDraw(draw, content, error, line, column)) {
        return false;
    }
    const TXMLItem* after = nullptr;
    if (!TViewWaveState::ReadViewWaveGroupXml(content.view, ExpectElement(draw->GetNext(), "SplitPosition"),
                                              waveValues, error, line, column, after))
        return false;
    if (after) {
        if (!ReadEmptyWave(ExpectElement(after, "EmptyWave"), content, error, line, column))
            return false;
        QB_ASSERT(after->GetNext() == nullptr);
    }
    return true;
}

// Reads the tokens of a side file; 0 is never the result here.
int LoadTokens(TUnitWave& unit, const TXMLToken& document, const std::string& version, std::string& error,
               bool pending, std::shared_ptr<Sound>& sound)
{
    if (document.GetTokenKind() == xmlTokenError) {
        error = document.GetErrorText();
        return 2;
    }
    // Without any version the grammar says what is missing.
    if (!version.empty() && version != SideFileVersion) {
        error = VersionError(version);
        return 2;
    }
    TXMLComplexElement holder("");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!UnitWaveGrammar()->Match(holder, cursor, error, fatal))
        return 2;
    int32_t line = 0;
    int32_t column = 0;
    if (!unit.ReadUnitWaveXml(holder.GetFirst(), error, line, column, pending, sound)) {
        error += " At line " + std::to_string(line) + ", column " + std::to_string(column + 1) + ".";
        return 2;
    }
    return 1;
}

bool EndsWithWav(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".wav";
}

bool FileExists(const std::string& fileName)
{
    std::error_code ec;
    return std::filesystem::exists(fileName, ec);
}

} // namespace

std::string SideFileName(const std::string& waveFileName)
{
    if (EndsWithWav(waveFileName))
        return waveFileName.substr(0, waveFileName.size() - 4) + ".qbw";
    return waveFileName + ".qbw";
}

std::shared_ptr<Sound> ReadSideFileEmptyWave(const std::string& waveFileName, std::string& error)
{
    std::string sideFile = SideFileName(waveFileName);
    if (!FileExists(sideFile)) {
        error = "The file \"" + waveFileName + "\" does not exist.";
        return nullptr;
    }
    // Read into a scratch document over an empty placeholder; only the sound is wanted.
    std::shared_ptr<Sound> sound = std::make_shared<MonoSound>(44100, 2);
    TUnitWave scratch(sound, "", "");
    scratch.SetTrackChanges(false);
    std::string readError;
    if (scratch.LoadShadowFile(sideFile, readError, false, sound) != 1) {
        error = "Cannot read the file: \"" + sideFile + "\": " + readError;
        return nullptr;
    }
    if (sound == scratch.GetSound()) {
        error = "The file \"" + waveFileName + "\" does not exist.";
        return nullptr;
    }
    return sound;
}

void TUnitWave::BuildUnitWaveGrammar()
{
    UnitWaveGrammar();
}

int TUnitWave::LoadShadowFile(const std::string& shadowFileName, std::string& error, bool pending,
                              std::shared_ptr<Sound>& sound)
{
    if (!FileExists(shadowFileName))
        return 0;
    std::string version;
    TXMLToken document(shadowFileName, version);
    return LoadTokens(*this, document, version, error, pending, sound);
}

int TUnitWave::LoadShadowBytes(std::string_view fileBytes, std::string& error, bool pending,
                               std::shared_ptr<Sound>& sound)
{
    std::string version;
    TXMLToken document(TXMLBytes{fileBytes}, version);
    return LoadTokens(*this, document, version, error, pending, sound);
}

bool TUnitWave::ReadUnitWaveXml(const TXMLItem* unitWave, std::string& error, int32_t& line, int32_t& column,
                                bool pending, std::shared_ptr<Sound>& sound)
{
    SideFileContent content;
    if (ViewGroup)
        content.view = ViewGroup->GetViewState();
    // The sound the document will hold: an empty one from the file replaces
    // only a sound without values, so a stale side file never hides samples.
    const Sound* target = sound ? sound.get() : TheSound.get();
    if (!ReadContent(unitWave, target ? target->GetValues() : 0, content, error, line, column))
        return false;

    bool replaceSound = content.emptyWave && (!target || target->GetValues() == 0);
    int16_t channels = replaceSound ? content.channels : (target ? target->channels : 1);
    if (content.userDraw && channels == 2)
        return Fail(content.userDrawElement, "In UserDraw: A stereo wave cannot be drawn by hand.", error, line,
                    column);
    if (content.userDraw && content.view.ShowKind == waveWindVolume)
        return Fail(content.userDrawElement,
                    "In UserDraw: A wave drawn by hand is shown as a waveform, not as a volume diagram.", error, line,
                    column);
    // The drawing becomes a wave of freq x DrawLength + 1 values when it is next made.
    int32_t freq = replaceSound ? content.sampleFreq : (target ? target->sampleFreq : 0);
    if (content.userDraw && !FitsLongestWave(static_cast<double>(freq) * content.drawLength + 1.0))
        return Fail(content.drawLengthElement, LongestDrawing(freq), error, line, column);

    // Everything is read and checked: apply it.
    if (replaceSound) {
        if (content.channels == 2)
            sound = std::make_shared<StereoSound>(content.sampleFreq, content.bytesPerSample);
        else
            sound = std::make_shared<MonoSound>(content.sampleFreq, content.bytesPerSample);
        target = sound.get();
    }
    int32_t values = target ? target->GetValues() : 0;
    if (content.userDraw) {
        UserDrawing = 1;
        DrawKind = content.drawKind;
        DrawLength = content.drawLength;
        std::unique_ptr<TDrawNode> head;
        TDrawNode* last = nullptr;
        for (const auto& [value, position] : content.nodes) {
            auto node = std::make_unique<TDrawNode>(value, position);
            node->Prev = last;
            TDrawNode* raw = node.get();
            if (last)
                last->Next = std::move(node);
            else
                head = std::move(node);
            last = raw;
        }
        DrawNodes = std::move(head);
        if (ChildWave)
            ChildWave->SetDrawCursor();
    } else {
        UserDrawing = 0;
        DrawNodes.reset();
        // After reading the moving mark is at the end of the selection.
        AnchorPos = std::clamp(content.selectBegin, 0, values);
        CursorPos = std::clamp(content.selectEnd, 0, values);
    }
    if (ViewGroup)
        ViewGroup->ApplyViewState(content.view, pending);
    return true;
}

std::unique_ptr<TXMLComplexElement> TUnitWave::WriteUnitWaveXml() const
{
    auto root = std::make_unique<TXMLComplexElement>("UnitWave");
    root->AddItem(std::make_unique<TXMLStringElement>("Version", SideFileVersion));
    if (!UserDrawing) {
        auto valueDraw = std::make_unique<TXMLComplexElement>("ValueDraw");
        if (CursorPos == AnchorPos) {
            auto cursor = std::make_unique<TXMLComplexElement>("Cursor");
            unitInteger(CursorPos, EHNone).WriteXml("WavePos", *cursor);
            valueDraw->AddItem(std::move(cursor));
        } else {
            auto part = std::make_unique<TXMLComplexElement>("Part");
            unitInteger(std::min(CursorPos, AnchorPos), EHNone).WriteXml("WavePos", *part);
            unitInteger(std::max(CursorPos, AnchorPos), EHNone).WriteXml("WavePos", *part);
            valueDraw->AddItem(std::move(part));
        }
        root->AddItem(std::move(valueDraw));
    } else {
        auto userDraw = std::make_unique<TXMLComplexElement>("UserDraw");
        WriteEmptyElement(DrawKind == DrawParabola ? "DrawParabola" : "DrawLinear", *userDraw);
        for (const TDrawNode* node = DrawNodes.get(); node; node = node->GetNext()) {
            auto point = std::make_unique<TXMLComplexElement>("DrawPoint");
            unitFactorPosMax1(node->Position, EHNone).WriteXml("Position", *point);
            unitWaveVal(node->Value, EHValue).WriteXml("WaveValue", *point);
            userDraw->AddItem(std::move(point));
        }
        unitTime(DrawLength, EHS).WriteXml("DrawLength", *userDraw);
        root->AddItem(std::move(userDraw));
    }
    if (ViewGroup)
        ViewGroup->WriteViewWaveGroupXml(*root);
    else
        TViewWaveState::WriteViewWaveGroupXml(TViewWaveState(), *root);
    if (GetValues() == 0) {
        auto emptyWave = std::make_unique<TXMLComplexElement>("EmptyWave");
        WriteEmptyElement(GetMonoStereo() == 1 ? "Mono" : "Stereo", *emptyWave);
        unitIntegerPosMore(static_cast<int32_t>(GetSampleFreq()), EHNone).WriteXml("SampleFreq", *emptyWave);
        unitIntegerPosMore(GetBytesPSample(), EHNone).WriteXml("BytesPerSample", *emptyWave);
        root->AddItem(std::move(emptyWave));
    }
    return root;
}

bool TUnitWave::Save()
{
    return SaveChanged(FileName);
}

bool TUnitWave::SaveChanged(const std::string& waveFileName)
{
    // An empty wave saved over a .wav file that still holds samples: its side
    // file takes over and the stale .wav goes, so the pair stays consistent.
    if (!HasContent() && FileExists(waveFileName))
        return SaveShadowFile(waveFileName);
    if (IsWaveChanged() && !SaveWaveFile(waveFileName))
        return false;
    if (IsChanged())
        return SaveShadowFile(waveFileName);
    return true;
}

bool TUnitWave::SaveShadowAndChangedWave(const std::string& waveFileName)
{
    if (IsWaveChanged() && !SaveWaveFile(waveFileName))
        return false;
    return SaveShadowFile(waveFileName);
}

bool TUnitWave::SaveWaveAndShadow(const std::string& waveFileName)
{
    if (!SaveWaveFile(waveFileName))
        return false;
    return SaveShadowFile(waveFileName);
}

bool TUnitWave::SaveWaveFile(const std::string& waveFileName)
{
    // An empty wave has no .wav file: its format goes into the side file.
    if (GetValues() == 0 || !TheSound)
        return true;
    // A stop flag of its own: a flag left set by an earlier command must not cut the file short.
    StopFlag stop = 0;
    return TheSound->SaveWaveFile(&stop, waveFileName, 0, GetValues());
}

bool TUnitWave::SaveShadowFile(const std::string& waveFileName)
{
    std::unique_ptr<TXMLComplexElement> tree = WriteUnitWaveXml();
    std::string error;
    if (!WriteDocument(*tree, SideFileName(waveFileName), error, "_v8_0")) {
        ShowMessage("Cannot save Wave Shadow File: " + error + "The Wave is saved correctly.", "FileError",
                    MsgIcon::Information);
        return false;
    }
    if (GetValues() == 0 && FileExists(waveFileName)) {
        std::error_code ec;
        std::filesystem::remove(waveFileName, ec);
        if (ec) {
            ShowMessage("Cannot remove the old Wave file \"" + waveFileName + "\": " + ec.message() + ".",
                        "FileError", MsgIcon::Information);
            return false;
        }
    }
    return true;
}
