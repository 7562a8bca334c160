#include "wave/gui/dialogs/DlgMergeVertProps.h"

#include "foundation/values/unitTime.h"
#include "wave/Sound.h"
#include "wave/document/UnitWave.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <algorithm>

namespace {
QString LengthText(const TUnitWave& unit)
{
    const double seconds = static_cast<double>(unit.GetValues()) / unit.GetSampleFreq();
    return QString::fromStdString(unitTime(seconds, EHS).GetText());
}
} // namespace

TDlgMergeVertProps::TDlgMergeVertProps(QWidget* owner, const TMergeVertProps& props)
    : TEffectDialog(owner, "Merge Vertically", 48, props),
      Pages(Frame(), OKButton(),
            {Props.Left, Props.Right, Props.SampleFreq, Props.BytesPSample, Props.WaveViewProps, Props.VoldViewProps,
             Props.ShowKind},
            ProposeMergeVert, "cboLeft", "cboRight", "Left", "Right")
{
    Row(Frame(), {Pages.Widget()});
    tsLength = Pages.NewOwnPage("tsLength", "Length",
                                [this](const MergeProposal& proposal, const TUnitWave& left, const TUnitWave& right) {
                                    if (!proposal.ShowLength)
                                        return false;
                                    lengthButtons->button(proposal.MakeLengthsEqual)->setChecked(true);
                                    editLengthLeft->setText(LengthText(left));
                                    editLengthRight->setText(LengthText(right));
                                    return true;
                                });
    editLengthLeft = TMergePages::NewShownEdit(tsLength, "editLengthLeft", "Left");
    editLengthRight = TMergePages::NewShownEdit(tsLength, "editLengthRight", "Right");
    rgrMakeLengthsEqual = TMergePages::NewChoice(tsLength, "rgrMakeLengthsEqual", "Make Lengths Equal",
                                                 {"Add Silence at the begin of the shortest wave",
                                                  "Add Silence at the end of the shortest wave",
                                                  "Stretch the shortest wave", "Stretch the longest wave"},
                                                 lengthButtons);

    OnShow(TShowPhase::Last, [this] { Pages.Show(); });
    Step([this](bool&) {
        Props.MakeLengthsEqual =
            Pages.IsPageVisible(tsLength) ? static_cast<uint8_t>(std::max(lengthButtons->checkedId(), 0)) : 0;
        Pages.Read();
    });
}
