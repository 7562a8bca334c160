// The main window's wave commands. A command with settings opens its dialog
// on a copy of the active document's record; on OK the record becomes the
// main window's last-used one and goes to the document's command, between a
// new undo snapshot and the change mark. The commands are rows of two tables.
#include "shell/gui/MainFormWaveCommands.h"

#include "foundation/commands/ActionId.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/ProgressWindow.h"
#include "music/document/UnitMuz.h"
#include "shell/gui/DlgWaveFileProp.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/dialogs/DlgBalanceProps.h"
#include "wave/gui/dialogs/DlgBlockFilterProps.h"
#include "wave/gui/dialogs/DlgBlockProps.h"
#include "wave/gui/dialogs/DlgBlockTriangleProps.h"
#include "wave/gui/dialogs/DlgDistortProps.h"
#include "wave/gui/dialogs/DlgHighLowProps.h"
#include "wave/gui/dialogs/DlgLeftRightProps.h"
#include "wave/gui/dialogs/DlgLengthProps.h"
#include "wave/gui/dialogs/DlgLineProps.h"
#include "wave/gui/dialogs/DlgMFreqProps.h"
#include "wave/gui/dialogs/DlgMixProps.h"
#include "wave/gui/dialogs/DlgNoiseProps.h"
#include "wave/gui/dialogs/DlgPerEchoProps.h"
#include "wave/gui/dialogs/DlgRandomEchoProps.h"
#include "wave/gui/dialogs/DlgResNotchProps.h"
#include "wave/gui/dialogs/DlgRollInProps.h"
#include "wave/gui/dialogs/DlgRollOutProps.h"
#include "wave/gui/dialogs/DlgRotateProps.h"
#include "wave/gui/dialogs/DlgShiftProps.h"
#include "wave/gui/dialogs/DlgSilenceProps.h"
#include "wave/gui/dialogs/DlgSinusProps.h"
#include "wave/gui/dialogs/DlgTempoPitchProps.h"
#include "wave/gui/dialogs/DlgUpProps.h"
#include "wave/gui/dialogs/DlgVolumeProps.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

using A = ActionId;
using P = TWaveEffectProps;

// ---------------------------------------------------------------- commands with a dialog

// When a command ends before its dialog opens.
enum class TGuard {
    None,
    OperationTime,              // an operation time of exactly 0
    OperationTimeUnlessDrawing, // the same, but for a wave drawn by hand
};

// What a row does beyond the plain pattern.
template <class Props>
struct TRowRule {
    // While drawn by hand the command acts on the drawing and keeps the undo snapshot.
    bool drawingAware = false;
    TGuard guard = TGuard::None;
    // The copy's field that takes the operation time before the dialog opens.
    double Props::*operationTime = nullptr;
};

// One command with a settings dialog, run on the active wave document.
struct TDialogCommand {
    ActionId action;
    std::function<void(TMainForm&, TUnitWave&)> run;
};

bool Passes(TGuard guard, const TUnitWave& unit)
{
    switch (guard) {
    case TGuard::OperationTime: return unit.GetOperationTime() != 0;
    case TGuard::OperationTimeUnlessDrawing: return unit.IsUserDrawing() || unit.GetOperationTime() != 0;
    case TGuard::None: break;
    }
    return true;
}

// The dialog is built as Dialog(owner, extra(unit)..., the copy); its record
// is the document's member `record`, and the main window keeps the same member.
template <class Dialog, class Props, class... Extra>
TDialogCommand DialogRow(ActionId action, Props P::*record, void (TUnitWave::*command)(const Props&),
                         TRowRule<Props> rule = {}, Extra... extra)
{
    return {action, [=](TMainForm& form, TUnitWave& unit) {
                if (!Passes(rule.guard, unit))
                    return;
                Props copy = unit.*record;
                // A record without an operation time compiles no access to one.
                if constexpr (requires { &Props::OperationTime; })
                    if (rule.operationTime)
                        copy.*rule.operationTime = unit.GetOperationTime();
                Dialog dialog(&form, extra(unit)..., copy);
                if (ExecDialog(dialog) != QDialog::Accepted)
                    return;
                RunWaveCommand(form, unit, rule.drawingAware, [&] {
                    Props& lastUsed = form.EffectSettings().*record;
                    lastUsed = dialog.GetProps();
                    (unit.*command)(lastUsed);
                });
            }};
}

// What some dialogs get from the document before the record.
auto Caption(const char* caption)
{
    return [caption](const TUnitWave&) { return QString(caption); };
}
bool Drawing(const TUnitWave& unit) { return unit.IsUserDrawing(); }
double OperationTime(const TUnitWave& unit) { return unit.GetOperationTime(); }
int MonoStereo(const TUnitWave& unit) { return unit.GetMonoStereo(); }
uint32_t SampleFreq(const TUnitWave& unit) { return unit.GetSampleFreq(); }

// Every command with a settings dialog.
std::vector<TDialogCommand> DialogCommands()
{
    return {
        // generators
        DialogRow<TDlgLineProps>(A::MakeLine, &P::LineProps, &TUnitWave::MakeLine),
        DialogRow<TDlgSilenceProps>(A::MakeSilence, &P::SilenceProps, &TUnitWave::MakeSilence),
        DialogRow<TDlgNoiseProps>(A::MakeNoise, &P::NoiseProps, &TUnitWave::MakeNoise),
        DialogRow<TDlgBlockTriangleProps>(A::MakeBlock, &P::MakeBlockProps, &TUnitWave::MakeBlock, {},
                                          Caption("Make Block")),
        DialogRow<TDlgBlockTriangleProps>(A::MakeTriangle, &P::MakeTriangleProps, &TUnitWave::MakeTriangle, {},
                                          Caption("Make Triangle")),
        DialogRow<TDlgSinusProps>(A::MakeSinus, &P::SinusProps, &TUnitWave::MakeSinus),
        DialogRow<TDlgMFreqProps>(A::MakeMFreq, &P::MFreqProps, &TUnitWave::MakeMFreq),
        // simple effects
        DialogRow<TDlgVolumeProps>(A::Volume, &P::VolumeProps, &TUnitWave::Volume, {.drawingAware = true},
                                   Drawing),
        DialogRow<TDlgRotateProps>(A::Rotate, &P::RotateProps, &TUnitWave::Rotate, {}, OperationTime),
        DialogRow<TDlgBlockProps>(A::Block, &P::BlockProps, &TUnitWave::Block),
        DialogRow<TDlgRollInProps>(A::RollIn, &P::RollInProps, &TUnitWave::RollIn, {}, SampleFreq),
        DialogRow<TDlgRollOutProps>(A::RollOut, &P::RollOutProps, &TUnitWave::RollOut,
                                    {.guard = TGuard::OperationTime, .operationTime = &TRollOutProps::OperationTime}),
        DialogRow<TDlgLengthProps>(A::Length, &P::LengthProps, &TUnitWave::Length,
                                   {.drawingAware = true, .guard = TGuard::OperationTimeUnlessDrawing}),
        DialogRow<TDlgUpProps>(A::MoveV, &P::UpProps, &TUnitWave::MoveV, {.drawingAware = true}),
        DialogRow<TDlgShiftProps>(A::MoveH, &P::ShiftProps, &TUnitWave::MoveH, {}, MonoStereo),
        DialogRow<TDlgDistortProps>(A::Distort, &P::DistortProps, &TUnitWave::Distort),
        DialogRow<TDlgTempoPitchProps>(A::TempoPitch, &P::TempoPitchProps, &TUnitWave::TempoPitch,
                                       {.operationTime = &TTempoPitchProps::OperationTime}),
        // channels
        DialogRow<TDlgLeftRightProps>(A::MixLeftRight, &P::LeftRightProps, &TUnitWave::MixLeftRight),
        DialogRow<TDlgBalanceProps>(A::Balance, &P::BalanceProps, &TUnitWave::Balance),
        // echoes
        DialogRow<TDlgPerEchoProps>(A::PerEcho, &P::PerEchoProps, &TUnitWave::PerEcho),
        DialogRow<TDlgRandomEchoProps>(A::RndEcho, &P::RandomEchoProps, &TUnitWave::RndEcho),
        // filters
        DialogRow<TDlgHighLowProps>(A::FilterHigh, &P::HighProps, &TUnitWave::FilterHigh, {}, Caption("High Filter")),
        DialogRow<TDlgHighLowProps>(A::FilterLow, &P::LowProps, &TUnitWave::FilterLow, {}, Caption("Low Filter")),
        DialogRow<TDlgResNotchProps>(A::FilterRes, &P::ResProps, &TUnitWave::FilterRes, {},
                                     Caption("Resonant Filter"), SampleFreq),
        DialogRow<TDlgResNotchProps>(A::FilterNotch, &P::NotchProps, &TUnitWave::FilterNotch, {},
                                     Caption("Notch Filter"), SampleFreq),
        DialogRow<TDlgBlockFilterProps>(A::FilterBlock, &P::BlockFilterProps, &TUnitWave::FilterBlock),
        // edit
        DialogRow<TDlgMixProps>(A::EditMix, &P::MixProps, &TUnitWave::EditMix),
    };
}

// ---------------------------------------------------------------- commands without a dialog

struct TPlainCommand {
    ActionId action;
    void (TUnitWave::*command)();
    bool drawingAware;
};

constexpr TPlainCommand PlainCommands[] = {
    {A::MaxVolume, &TUnitWave::MaxVolume, true},
    {A::NormalizeVertically, &TUnitWave::NormalizeVertically, true},
    {A::Reverse, &TUnitWave::Reverse, false},
    {A::EditDelete, &TUnitWave::EditDelete, false},
    {A::EditTrim, &TUnitWave::EditTrim, false},
    {A::EditCut, &TUnitWave::EditCut, false},
    {A::EditPaste, &TUnitWave::EditPaste, false},
    {A::EditSwap, &TUnitWave::EditSwap, false},
    {A::EditExtract, &TUnitWave::EditExtract, false},
};

// ---------------------------------------------------------------- the rest

// The format dialog on the document's format; false on Cancel.
bool ChooseFormat(TMainForm& form, TWaveFileProps& chosen)
{
    TDlgWaveFileProp dialog(&form, chosen);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return false;
    chosen = dialog.GetProps();
    return true;
}

void WaveFilePropertiesExecute(TMainForm& form, TUnitWave& unit)
{
    const TWaveFileProps old(unit.GetMonoStereo(), unit.GetSampleFreq(), unit.GetBytesPSample());
    TWaveFileProps chosen = old;
    if (ChooseFormat(form, chosen))
        RunWaveCommand(form, unit, false, [&] { unit.ChangeFileProps(old, chosen); });
}

// A music holds no samples: its next wave is made in the new format. No undo.
void MusicFilePropertiesExecute(TMainForm& form, TUnitMuz& unit)
{
    const TWaveFileProps old(unit.GetMonoStereo(), unit.GetSampleFreq(), unit.GetBytesPSample());
    TWaveFileProps chosen = old;
    if (!ChooseFormat(form, chosen))
        return;
    TBusyGuard busy(form.Busy());
    unit.ChangeFileProps(old, chosen);
    unit.SetModified();
    unit.Redraw();
}

// The two draw commands: start drawing with the kind, end it with the same
// kind, or switch to the other kind.
void SetDrawMode(TMainForm& form, TMDIChildWave& window, uint8_t kind, ActionId own, ActionId other)
{
    TUnitWave& unit = *window.GetUnitWave();
    if (!unit.IsUserDrawing()) {
        window.SetDrawCursor();
        unit.StartUserDraw(kind);
        unit.SetShadowChanged();
        form.SetActionChecked(own, true);
        form.SetActionChecked(other, false);
    } else if (unit.GetDrawKind() == kind) {
        unit.EndUserDraw();
        unit.SetShadowChanged();
        form.SetActionChecked(own, false);
        window.SetDefaultCursor();
    } else {
        window.UserDrawChanged(kind);
        unit.SetShadowChanged();
        form.SetActionChecked(own, true);
        form.SetActionChecked(other, false);
        window.SetDefaultCursor();
    }
    window.SoundChanged();
}

// A handler on the active wave document; none active: nothing happens.
std::function<void()> OnActiveWave(TMainForm& form, std::function<void(TMainForm&, TUnitWave&)> run)
{
    return [&form, run = std::move(run)] {
        if (TUnitWave* unit = form.ActiveWaveUnit())
            run(form, *unit);
    };
}

std::function<void()> OnActiveWaveWindow(TMainForm& form, std::function<void(TMDIChildWave&)> run)
{
    return [&form, run = std::move(run)] {
        if (TMDIChildWave* window = form.ActiveWaveWindow())
            run(*window);
    };
}

} // namespace

void RunWaveCommand(TMainForm& form, TUnitWave& unit, bool drawingAware, const std::function<void()>& command)
{
    TBusyGuard busy(form.Busy());
    TProgressWindow progress(&form);
    const bool snapshot = !(drawingAware && unit.IsUserDrawing());
    std::unique_ptr<TUndoUnit> previous;
    if (snapshot) {
        previous = form.UndoSlot().Take();
        form.MakeUndo(&unit);
    }
    command();
    if (unit.LastCommandChanged())
        unit.SetChanged();
    else if (snapshot)
        form.UndoSlot().Put(std::move(previous));
}

void FilePropertiesExecute(TMainForm& form)
{
    if (TUnitWave* wave = form.ActiveWaveUnit())
        WaveFilePropertiesExecute(form, *wave);
    else if (TUnitMuz* music = form.Music().ActiveMuzUnit())
        MusicFilePropertiesExecute(form, *music);
}

void InstallWaveCommands(TMainForm& form)
{
    for (TDialogCommand& row : DialogCommands())
        form.SetActionHandler(row.action, OnActiveWave(form, std::move(row.run)));
    for (const TPlainCommand& row : PlainCommands) {
        form.SetActionHandler(row.action, OnActiveWave(form, [row](TMainForm& owner, TUnitWave& unit) {
                                  RunWaveCommand(owner, unit, row.drawingAware, [&] { (unit.*row.command)(); });
                              }));
    }
    // Copy changes no sample: no undo, no change mark.
    form.SetActionHandler(A::EditCopy, OnActiveWave(form, [](TMainForm& owner, TUnitWave& unit) {
                              TBusyGuard busy(owner.Busy());
                              unit.EditCopy();
                          }));
    form.SetActionHandler(A::FileProperties, [&form] { FilePropertiesExecute(form); });
    form.SetActionHandler(A::DrawWaveLin, OnActiveWaveWindow(form, [&form](TMDIChildWave& window) {
                              SetDrawMode(form, window, DrawLinear, A::DrawWaveLin, A::DrawWave3G);
                          }));
    form.SetActionHandler(A::DrawWave3G, OnActiveWaveWindow(form, [&form](TMDIChildWave& window) {
                              SetDrawMode(form, window, DrawParabola, A::DrawWave3G, A::DrawWaveLin);
                          }));
}
