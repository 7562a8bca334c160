#include "wave/gui/dialogs/DlgShiftProps.h"

#include "foundation/gui/EditHelpers.h"
#include "foundation/values/unitTime.h"

TDlgShiftProps::TDlgShiftProps(QWidget* owner, int monoStereo, const TShiftProps& props)
    : TEffectDialog(owner, "Move Wave Horizontally", 55, props), MonoStereo(monoStereo)
{
    editDiffTimeMiddle = LabeledEdit(Frame(), "editDiffTimeMiddle", "Time Middle");
    editDiffTimeLeft = LabeledEdit(Frame(), "editDiffTimeLeft", "Time Left");
    editDiffTimeRight = LabeledEdit(Frame(), "editDiffTimeRight", "Time Right");
    chkDiffTimeEnvelope = NewCheck("chkDiffTimeEnvelope", "Envelope");
    cboDiffTimeEnvelope = NewWaveCombo("cboDiffTimeEnvelope");
    Row(Frame(), {chkDiffTimeEnvelope, cboDiffTimeEnvelope});

    const auto stereo = [this] { return MonoStereo == 2; };
    Value(Props.TimeMiddle, editDiffTimeMiddle, "Time Middle");
    Value(Props.TimeLeft, editDiffTimeLeft, "Time Left").When(stereo);
    Value(Props.TimeRight, editDiffTimeRight, "Time Right").When(stereo);
    // A mono wave has no channels to shift apart.
    OnShow(TShowPhase::Texts, [this] {
        for (QLineEdit* edit : {editDiffTimeLeft, editDiffTimeRight}) {
            if (MonoStereo == 1)
                DisableEdit(edit, true);
            else
                EnableEdit(edit);
        }
    });
    Flag(Props.TimeEnvelopeOn, chkDiffTimeEnvelope);
    Wave(Props.TimeEnvelope, cboDiffTimeEnvelope, 1, "Time Envelope")
        .When(Is(Props.TimeEnvelopeOn, 1))
        .Checks({chkDiffTimeEnvelope});
    OnShow(TShowPhase::Last, [this] { MiddleChanged = 0; });

    QObject::connect(editDiffTimeMiddle, &QLineEdit::textChanged, this, [this] { MiddleChanged = 1; });
    QObject::connect(editDiffTimeMiddle, &QLineEdit::editingFinished, this,
                     [this] { editDiffTimeMiddleExit(); });
}

void TDlgShiftProps::editDiffTimeMiddleExit()
{
    if (!MiddleChanged)
        return;
    MiddleChanged = 0;
    if (MonoStereo != 2)
        return;
    // A refusal is shown here but does not keep the dialog from closing.
    unitTime scratch(0.0, EHS);
    bool ok = true;
    scratch.CheckEdit(ok, editDiffTimeMiddle->text().toStdString(), "Time Middle");
    if (!ok)
        return;
    const QString text = QString::fromStdString(scratch.GetText());
    editDiffTimeLeft->setText(text);
    editDiffTimeRight->setText(text);
}
