// The main window's split and merge commands: new wave windows made from
// existing ones, placed over them, after which the sources go.
#include "shell/gui/MainFormSplitMerge.h"

#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/ProgressWindow.h"
#include "shell/SplitMergeBounds.h"
#include "shell/SplitMergeSounds.h"
#include "shell/gui/MainForm.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWaveGroup.h"
#include "wave/gui/dialogs/DlgMergeHorProps.h"
#include "wave/gui/dialogs/DlgMergeVertProps.h"
#include "wave/gui/dialogs/DlgSplitHorProps.h"
#include "wave/props/MergeHorProps.h"
#include "wave/props/MergeVertProps.h"
#include "wave/view/ViewPane.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

namespace {

using A = ActionId;

// What every new window of one command takes from its source.
struct TNewWindowLook {
    TWaveViewProps waveViewProps;
    TVoldViewProps voldViewProps;
    uint8_t showKind = 0;
};

TNewWindowLook LookOf(const TMDIChildWave& window)
{
    return {window.GetWaveViewProps(), window.GetVoldViewProps(), window.GetShowKind()};
}

TWindowBounds BoundsOf(const TMDIChildWave& window)
{
    const QRect r = window.geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

TMDIChildWave* WindowOf(const TUnitWave* unit)
{
    return unit ? dynamic_cast<TMDIChildWave*>(unit->GetChildWave()) : nullptr;
}

std::string Of(const TUnitWave& unit)
{
    return "of " + unit.GetName();
}

std::string OfBoth(const TUnitWave& a, const TUnitWave& b)
{
    return "of (" + a.GetName() + " and " + b.GetName() + ")";
}

// A new document around the sound with a name and no file name, in a window
// of its own at the given place. It keeps a new document's own settings
// records: results of split and merge do not take the last-used ones.
TMDIChildWave* MakeWindow(TMainForm& form, SoundPtr sound, const std::string& prefix, const std::string& suffix,
                          const TNewWindowLook& look, const TWindowBounds& bounds)
{
    auto unit = std::make_unique<TUnitWave>(std::move(sound), form.NewUnitName(prefix, suffix), "");
    TMDIChildWave* window = form.CreateWaveWindow(std::move(unit), look.waveViewProps, look.voldViewProps);
    window->SetShowKind(look.showKind);
    window->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    return window;
}

// A source goes at once, without the save question; its volume-diagram writer
// is stopped first. Windows that drew it as their envelope repaint without it.
void DropSource(TMainForm& form, TMDIChildWave* window)
{
    const std::string name = window->GetUnitName();
    form.SetClosingWindow(window);
    window->GetViewWaveGroup()->StopVolumeWriter();
    delete window;
    form.RefreshEnvelopeUsersByName(name);
}

// The zoom of a source pane, when it is zoomed: first and last visible sample.
std::optional<std::pair<int32_t, int32_t>> PaneZoom(const TMDIChildWave& window, int pane)
{
    const TViewPane* view = window.GetViewWaveGroup()->GetView(pane);
    if (!view || !view->IsZoomed())
        return std::nullopt;
    return std::make_pair(static_cast<int32_t>(view->FirstVisibleWavePos()),
                          static_cast<int32_t>(view->LastVisibleWavePos()));
}

} // namespace

bool SplitVertically(TMainForm& form, TMDIChildWave& source)
{
    TUnitWave* unit = source.GetUnitWave();
    const auto* stereo = unit ? dynamic_cast<const StereoSound*>(unit->GetSound().get()) : nullptr;
    if (!stereo)
        return false;
    TBusyGuard guard(form.Busy());
    const std::vector<SoundPtr> sounds = SplitVertSounds(*stereo);
    const std::vector<TWindowBounds> bounds = SplitVertBounds(BoundsOf(source));
    const TNewWindowLook look = LookOf(source);
    const double splitPosition = source.GetViewWaveGroup()->GetSplitPosition();
    const int32_t cursor = unit->GetCursorPos(), anchor = unit->GetAnchorPos();
    const std::array<std::optional<std::pair<int32_t, int32_t>>, 2> zoom{PaneZoom(source, 1), PaneZoom(source, 2)};
    const std::string suffix = Of(*unit);

    std::array<TMDIChildWave*, 2> made{};
    const std::array<const char*, 2> prefixes{"Left Part", "Right Part"};
    for (size_t i = 0; i < made.size(); ++i) {
        made[i] = MakeWindow(form, sounds[i], prefixes[i], suffix, look, bounds[i]);
        made[i]->GetViewWaveGroup()->SetSplitPosition(splitPosition);
    }
    for (TMDIChildWave* window : made) {
        TUnitWave* document = window->GetUnitWave();
        if (cursor != anchor)
            document->SelectRange(std::min(cursor, anchor), std::max(cursor, anchor));
        else
            document->PlaceCursor(cursor);
        for (int pane = 1; pane <= 2; ++pane) {
            if (zoom[pane - 1])
                window->GetViewWaveGroup()->GetView(pane)->ZoomToRange(zoom[pane - 1]->first, zoom[pane - 1]->second,
                                                                       false);
        }
    }
    DropSource(form, &source);
    for (TMDIChildWave* window : made)
        window->SoundChanged();
    return true;
}

bool SplitHorizontally(TMainForm& form, TMDIChildWave& source, uint8_t resultKind)
{
    TUnitWave* unit = source.GetUnitWave();
    if (!unit || !unit->GetSound())
        return false;
    TBusyGuard guard(form.Busy());
    TProgressWindow progress(&form);
    const int32_t values = unit->GetValues();
    const TSplitHorPlan plan = PlanSplitHor(values, unit->GetCursorPos(), unit->GetAnchorPos(), resultKind);
    const std::vector<SoundPtr> sounds = SplitHorSounds(*unit->GetSound(), plan);
    if (sounds.empty())
        return false;
    const std::vector<TWindowBounds> bounds =
        SplitHorBounds(BoundsOf(source), values, plan.firstEnd, plan.lastBegin, plan.hasMiddle);
    const TNewWindowLook look = LookOf(source);
    const std::string suffix = Of(*unit);

    // Made first, middle, last; sounds and bounds come first, last, middle.
    std::vector<TMDIChildWave*> made;
    made.push_back(MakeWindow(form, sounds[0], "First Part", suffix, look, bounds[0]));
    TMDIChildWave* middle =
        plan.hasMiddle ? MakeWindow(form, sounds[2], "Middle Part", suffix, look, bounds[2]) : nullptr;
    made.push_back(MakeWindow(form, sounds[1], "Last Part", suffix, look, bounds[1]));
    if (middle)
        made.push_back(middle);
    DropSource(form, &source);
    for (TMDIChildWave* window : made)
        window->SoundChanged();
    return true;
}

bool MergeHorizontally(TMainForm& form, const TMergeHorProps& props)
{
    TUnitWave* first = props.First.GetUnitWave();
    TUnitWave* last = props.Last.GetUnitWave();
    TMDIChildWave* firstWindow = WindowOf(first);
    TMDIChildWave* lastWindow = WindowOf(last);
    if (!firstWindow || !lastWindow || first == last)
        return false;
    TBusyGuard guard(form.Busy());
    TProgressWindow progress(&form);
    SoundPtr merged =
        MergeHorSound(first->GetSound(), last->GetSound(), props.MonoStereo, props.SampleFreq, props.BytesPSample);
    if (!merged)
        return false;
    TMDIChildWave* window =
        MakeWindow(form, std::move(merged), "Merge Hor.", OfBoth(*first, *last),
                   {props.WaveViewProps, props.VoldViewProps, props.ShowKind},
                   MergeHorBounds(BoundsOf(*firstWindow), BoundsOf(*lastWindow)));
    DropSource(form, firstWindow);
    DropSource(form, lastWindow);
    window->SoundChanged();
    return true;
}

bool MergeVertically(TMainForm& form, const TMergeVertProps& props)
{
    TUnitWave* left = props.Left.GetUnitWave();
    TUnitWave* right = props.Right.GetUnitWave();
    TMDIChildWave* leftWindow = WindowOf(left);
    TMDIChildWave* rightWindow = WindowOf(right);
    if (!leftWindow || !rightWindow || left == right || !left->GetSound() || !right->GetSound())
        return false;
    TBusyGuard guard(form.Busy());
    TProgressWindow progress(&form);
    SoundPtr merged = MergeVertSound(*left->GetSound(), *right->GetSound(), props.SampleFreq, props.BytesPSample,
                                     props.MakeLengthsEqual);
    if (!merged)
        return false;
    TMDIChildWave* window =
        MakeWindow(form, std::move(merged), "Merge Vert.", OfBoth(*left, *right),
                   {props.WaveViewProps, props.VoldViewProps, props.ShowKind},
                   MergeVertBounds(BoundsOf(*leftWindow), BoundsOf(*rightWindow)));
    DropSource(form, leftWindow);
    DropSource(form, rightWindow);
    window->SoundChanged();
    return true;
}

void InstallSplitMergeHandlers(TMainForm& form)
{
    form.SetActionHandler(A::SplitV, [&form] {
        if (TMDIChildWave* window = form.ActiveWaveWindow())
            SplitVertically(form, *window);
    });
    // A selection asks how to cut (and the answer is kept); a cursor cuts there.
    form.SetActionHandler(A::SplitH, [&form] {
        TMDIChildWave* window = form.ActiveWaveWindow();
        TUnitWave* unit = window ? window->GetUnitWave() : nullptr;
        if (!unit)
            return;
        TSplitHorProps& kept = form.EffectSettings().SplitHorProps;
        if (unit->GetCursorPos() != unit->GetAnchorPos()) {
            TDlgSplitHorProps dialog(&form, kept);
            if (ExecDialog(dialog) != QDialog::Accepted)
                return;
            kept = dialog.GetProps();
        }
        SplitHorizontally(form, *window, kept.Result);
    });
    // The merge records are only handed to their dialogs: each merge starts afresh.
    form.SetActionHandler(A::MergeH, [&form] {
        TDlgMergeHorProps dialog(&form, form.EffectSettings().MergeHorProps);
        if (ExecDialog(dialog) == QDialog::Accepted)
            MergeHorizontally(form, dialog.GetProps());
    });
    form.SetActionHandler(A::MergeV, [&form] {
        TDlgMergeVertProps dialog(&form, form.EffectSettings().MergeVertProps);
        if (ExecDialog(dialog) == QDialog::Accepted)
            MergeVertically(form, dialog.GetProps());
    });
}
