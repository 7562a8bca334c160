#include "wave/gui/dialogs/DlgMergeHorProps.h"

#include "wave/document/UnitWave.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace {
QString ChannelsText(uint16_t monoStereo)
{
    return monoStereo == 1 ? "Mono" : "Stereo";
}
} // namespace

TDlgMergeHorProps::TDlgMergeHorProps(QWidget* owner, const TMergeHorProps& props)
    : TEffectDialog(owner, "Merge Horizontally", 47, props),
      Pages(Frame(), OKButton(),
            {Props.First, Props.Last, Props.SampleFreq, Props.BytesPSample, Props.WaveViewProps, Props.VoldViewProps,
             Props.ShowKind},
            ProposeMergeHor, "cboFirst", "cboLast", "First", "Last")
{
    Row(Frame(), {Pages.Widget()});
    tsMonoStereo = Pages.NewOwnPage("tsMonoStereo", "Mono/Stereo",
                                    [this](const MergeProposal& proposal, const TUnitWave& first,
                                           const TUnitWave& last) {
                                        if (!proposal.ShowMonoStereo)
                                            return false;
                                        monoStereoButtons->button(1)->setChecked(true);
                                        editMSFirst->setText(ChannelsText(first.GetMonoStereo()));
                                        editMSLast->setText(ChannelsText(last.GetMonoStereo()));
                                        return true;
                                    });
    editMSFirst = TMergePages::NewShownEdit(tsMonoStereo, "editMSFirst", "First");
    editMSLast = TMergePages::NewShownEdit(tsMonoStereo, "editMSLast", "Last");
    rgrMonoStereo =
        TMergePages::NewChoice(tsMonoStereo, "rgrMonoStereo", QString(), {"Mono", "Stereo"}, monoStereoButtons);

    OnShow(TShowPhase::Last, [this] { Pages.Show(); });
    Step([this](bool&) {
        if (const TUnitWave* first = Pages.FirstUnit())
            Props.MonoStereo = Pages.IsPageVisible(tsMonoStereo)
                                   ? static_cast<uint16_t>(monoStereoButtons->checkedId() + 1)
                                   : first->GetMonoStereo();
        Pages.Read();
    });
}
