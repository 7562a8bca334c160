#include "wave/document/UnitWave.h"

#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/LongestWave.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UndoUnit.h"
#include "wave/document/WaveDocumentHost.h"
#include "wave/document/WaveWindowAccess.h"

#include <algorithm>

TUnitWave::TUnitWave(const TWaveFileProps& waveFileProps, const std::string& name, const std::string& fileName)
    : TSoundUnit(UnitKindWave)
{
    Name = name;
    FileName = fileName;
    QB_CHECK(waveFileProps.MonoStereo == 1 || waveFileProps.MonoStereo == 2);
    QB_CHECK(waveFileProps.BytesPSample == 1 || waveFileProps.BytesPSample == 2);
    // After the box, carry on with a format the sounds can hold.
    int16_t bytes = waveFileProps.BytesPSample == 1 ? 1 : 2;
    int32_t freq = static_cast<int32_t>(waveFileProps.SampleFreq);
    if (waveFileProps.MonoStereo == 1)
        TheSound = std::make_shared<MonoSound>(freq, bytes);
    else
        TheSound = std::make_shared<StereoSound>(freq, bytes);
    InitState();
}

TUnitWave::TUnitWave(std::shared_ptr<Sound> sound, const std::string& name, const std::string& fileName)
    : TSoundUnit(UnitKindWave), TheSound(std::move(sound))
{
    Name = name;
    FileName = fileName;
    if (!TheSound)
        TheSound = std::make_shared<MonoSound>(44100, 2);
    WaveChanged = 0;
    ShadowChanged = 0;
    InitState();
}

TUnitWave::~TUnitWave()
{
    WaveHost().DeleteUndoOfUnit(this);
}

void TUnitWave::InitState()
{
    ChildWave = nullptr;
    KeepSound = 0;
    stopFlag = 0;
    UserDrawing = 0;
    DrawNodes.reset();
    CursorPos = 0;
    AnchorPos = 0;
}

void TUnitWave::SetChildWave(WaveWindowAccess* window)
{
    ChildWave = window;
}

void TUnitWave::SetAllProps(const TWaveEffectProps& props)
{
    static_cast<TWaveEffectProps&>(*this) = props;
}

std::shared_ptr<Sound> TUnitWave::ExchangeSound(std::shared_ptr<Sound> sound)
{
    std::shared_ptr<Sound> previous = std::move(TheSound);
    TheSound = std::move(sound);
    if (!TheSound && previous)
        TheSound = previous->NewEmpty();
    return previous;
}

// ---- format ----

uint32_t TUnitWave::GetSampleFreq() const
{
    return static_cast<uint32_t>(TheSound->sampleFreq);
}

uint16_t TUnitWave::GetMonoStereo() const
{
    return static_cast<uint16_t>(TheSound->channels);
}

uint16_t TUnitWave::GetBytesPSample() const
{
    return static_cast<uint16_t>(TheSound->GetBytesPSample());
}

int32_t TUnitWave::GetValues() const
{
    return TheSound->GetValues();
}

// ---- selection ----

int32_t TUnitWave::ClampMark(int32_t position) const
{
    return static_cast<int32_t>(Clamp(position, 0, GetValues()));
}

int32_t TUnitWave::GetSelectBegin() const
{
    return std::min(CursorPos, AnchorPos);
}

int32_t TUnitWave::GetSelectEnd() const
{
    return std::max(CursorPos, AnchorPos);
}

void TUnitWave::SetCursorPos(int32_t position)
{
    CursorPos = ClampMark(position);
}

void TUnitWave::SetAnchorPos(int32_t position)
{
    AnchorPos = ClampMark(position);
}

void TUnitWave::SetCursor(int32_t position)
{
    CursorPos = ClampMark(position);
    AnchorPos = CursorPos;
}

void TUnitWave::SetSelection(int32_t begin, int32_t end)
{
    QB_CHECK(begin <= end);
    // Reversed bounds are reported and stored as given; the marks still
    // span the same range.
    int32_t b = ClampMark(begin);
    int32_t e = ClampMark(end);
    // The moving mark stays at the end of the selection where it was.
    if (CursorPos >= AnchorPos) {
        CursorPos = e;
        AnchorPos = b;
    } else {
        CursorPos = b;
        AnchorPos = e;
    }
}

void TUnitWave::MoveCursorPos(int32_t position)
{
    int32_t oldCursor = CursorPos, oldBegin = GetSelectBegin(), oldEnd = GetSelectEnd();
    SetCursorPos(position);
    SetShadowChanged();
    RepaintSelectionChange(oldCursor, CursorPos, oldBegin, oldEnd, GetSelectBegin(), GetSelectEnd());
}

void TUnitWave::PlaceCursor(int32_t position)
{
    int32_t oldCursor = CursorPos, oldBegin = GetSelectBegin(), oldEnd = GetSelectEnd();
    SetCursor(position);
    SetShadowChanged();
    RepaintSelectionChange(oldCursor, CursorPos, oldBegin, oldEnd, GetSelectBegin(), GetSelectEnd());
}

void TUnitWave::SelectRange(int32_t begin, int32_t end)
{
    int32_t oldCursor = CursorPos, oldBegin = GetSelectBegin(), oldEnd = GetSelectEnd();
    SetSelection(begin, end);
    SetShadowChanged();
    RepaintSelectionChange(oldCursor, CursorPos, oldBegin, oldEnd, GetSelectBegin(), GetSelectEnd());
}

void TUnitWave::SetSelectMarks(int32_t cursorPosition, int32_t anchorPosition)
{
    int32_t oldCursor = CursorPos, oldBegin = GetSelectBegin(), oldEnd = GetSelectEnd();
    SetCursorPos(cursorPosition);
    SetAnchorPos(anchorPosition);
    SetShadowChanged();
    RepaintSelectionChange(oldCursor, CursorPos, oldBegin, oldEnd, GetSelectBegin(), GetSelectEnd());
}

void TUnitWave::RepaintSelectionChange(int32_t oldCursor, int32_t newCursor, int32_t oldBegin, int32_t oldEnd,
                                       int32_t newBegin, int32_t newEnd)
{
    if (GetValues() == 0)
        return;
    bool moved = oldCursor != newCursor;
    if (moved && ChildWave)
        ChildWave->RepaintWavePos(oldCursor);
    RepaintSelectionDiff(oldBegin, oldEnd, newBegin, newEnd);
    if (moved && ChildWave)
        ChildWave->PaintCursorLine(newCursor);
}

void TUnitWave::RepaintSelectionDiff(int32_t ob, int32_t oe, int32_t nb, int32_t ne)
{
    if (GetValues() == 0)
        return;
    if (ChildWave) {
        if (ob < nb && oe > ob)
            ChildWave->RepaintWaveRange(ob, std::min(nb, oe));
        if (oe > ne && oe > ob)
            ChildWave->RepaintWaveRange(std::max(ne, ob), oe);
        if (ob > nb && ne > nb)
            ChildWave->RepaintWaveRange(nb, std::min(ne, ob));
        if (oe < ne && ne > nb)
            ChildWave->RepaintWaveRange(std::max(nb, oe), ne);
    }
    WaveHost().WaveSelectionChanged(ChildWave);
}

// ---- operation range and protocol ----

int32_t TUnitWave::GetOperationBegin() const
{
    return CursorPos == AnchorPos ? 0 : GetSelectBegin();
}

int32_t TUnitWave::GetOperationEnd() const
{
    return CursorPos == AnchorPos ? GetValues() : GetSelectEnd();
}

double TUnitWave::GetOperationTime() const
{
    double freq = GetSampleFreq();
    if (freq <= 0)
        return 0.0;
    return (GetOperationEnd() - GetOperationBegin()) / freq;
}

void TUnitWave::BeginOperation(int32_t begin, int32_t end)
{
    bool viewWaveGroup = ChildWave && ChildWave->HasViewGroup();
    if (QB_CHECK(viewWaveGroup))
        ChildWave->BeginKeepZoom(begin, end);
    if (CursorPos == AnchorPos && begin <= 0 && end >= GetValues()) {
        WholeWaveCursor = 1;
        OldCursorPos = CursorPos;
        OldValues = GetValues();
    } else {
        WholeWaveCursor = 0;
    }
}

void TUnitWave::EndOperation(int32_t begin, int32_t newEnd)
{
    bool viewWaveGroup = ChildWave && ChildWave->HasViewGroup();
    if (QB_CHECK(viewWaveGroup))
        ChildWave->EndKeepZoom(begin, newEnd);
    if (WholeWaveCursor == 0) {
        SetSelection(begin, newEnd);
    } else if (OldValues == 0) {
        SetCursor(0);
    } else {
        // The cursor keeps its relative place in the new length.
        SetCursor(ToInt32(static_cast<double>(newEnd) / OldValues * OldCursorPos));
    }
}

void TUnitWave::CopyToClipboard(int32_t begin, int32_t end)
{
    StopFlag stop = 0;
    SoundPtr copy = TheSound->Extract(&stop, begin, end);
    if (stop || !copy) {
        // Out of memory: the user's clipboard stays as it was.
        stopFlag = stop;
        return;
    }
    WaveHost().SetClipBoardSound(std::move(copy));
}

void TUnitWave::SwapWithUndo(TUndoUnit& undo)
{
    std::swap(TheSound, undo.TheSound);
    std::swap(CursorPos, undo.CursorPos);
    std::swap(AnchorPos, undo.AnchorPos);
    // The kept marks belong to the kept sound; keep them inside it whatever happened since.
    CursorPos = ClampMark(CursorPos);
    AnchorPos = ClampMark(AnchorPos);
    SetChanged();
    TellWindow();
}

// ---- change marks ----

bool TUnitWave::HasContent() const
{
    return GetValues() != 0 || UserDrawing != 0;
}

bool TUnitWave::IsWaveChanged() const
{
    return HasContent() && (WaveChanged != 0 || HasNoFileName());
}

bool TUnitWave::IsShadowChanged() const
{
    return HasContent() && (ShadowChanged != 0 || HasNoFileName());
}

bool TUnitWave::IsChanged() const
{
    return IsWaveChanged() || IsShadowChanged();
}

void TUnitWave::SetChanged()
{
    if (TrackChanges) {
        WaveChanged = 1;
        ShadowChanged = 1;
    }
}

void TUnitWave::SetShadowChanged()
{
    if (TrackChanges)
        ShadowChanged = 1;
}

void TUnitWave::ClearChanged()
{
    if (TrackChanges) {
        WaveChanged = 0;
        ShadowChanged = 0;
    }
}

bool TUnitWave::CanDrawWaveLin() const
{
    if (UserDrawing)
        return true;
    return GetValues() == 0 && GetMonoStereo() == 1 && ChildWave && ChildWave->GetShowKind() == 0;
}

// ---- the command steps ----

void TUnitWave::BeginCommand()
{
    // A stop left over from an earlier command must not disable this one.
    stopFlag = 0;
    lastCommandChanged = false;
}

bool TUnitWave::TakeResult(std::shared_ptr<Sound> result)
{
    if (stopFlag || !result)
        return false;
    TheSound = std::move(result);
    lastCommandChanged = true;
    return true;
}

void TUnitWave::RunLengthCommand(int32_t begin, int32_t end,
                                 const std::function<std::shared_ptr<Sound>(int32_t&, int32_t&)>& operation)
{
    int32_t b = begin, e = end;
    BeginOperation(b, e);
    if (TakeResult(operation(b, e)))
        EndOperation(b, e);
    else
        EndOperation(begin, end); // stopped: the range the command started with
    TellWindow();
}

void TUnitWave::RunKeepCommand(const std::function<std::shared_ptr<Sound>()>& operation)
{
    if (TakeResult(operation())) {
        // The marks stay; a result of another length must still contain them.
        CursorPos = ClampMark(CursorPos);
        AnchorPos = ClampMark(AnchorPos);
    }
    TellWindow();
}

void TUnitWave::TellWindow()
{
    if (ChildWave)
        ChildWave->SoundChanged();
}

void TUnitWave::Refuse(const std::string& reason)
{
    lastCommandChanged = false;
    TGuiMessages().ShowInputError(reason);
}

bool TUnitWave::RefuseLongerThanTheLongestWave(int32_t begin, int32_t end, double made)
{
    if (FitsLongestWave(GetValues() - (end - begin) + made))
        return false;
    Refuse(LongerThanTheLongestWave());
    return true;
}

bool TUnitWave::RefuseLongerThanTheLongestWave(double seconds)
{
    return RefuseLongerThanTheLongestWave(GetSelectBegin(), GetSelectEnd(), seconds * GetSampleFreq());
}

bool TUnitWave::TakeEnvelope(const unitUnitWave& reference, std::shared_ptr<Sound>& sound)
{
    sound = reference.GetSound();
    if (sound)
        return true;
    Refuse("Cannot find window " + QuotedText(reference.GetName()) + ".");
    return false;
}

bool TUnitWave::RefuseShortRange(int32_t begin, int32_t end)
{
    if (end - begin >= 2)
        return false;
    Refuse("The range must hold at least two values.");
    return true;
}
