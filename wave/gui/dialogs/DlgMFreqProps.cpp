#include "wave/gui/dialogs/DlgMFreqProps.h"

#include "foundation/gui/RecordNavigator.h"

TDlgMFreqProps::TDlgMFreqProps(QWidget* owner, const TMFreqProps& props)
    : TEffectDialog(owner, "Multi Frequency", 37, props)
{
    editLength = LabeledEdit(Frame(), "editLength", "Length");
    QGroupBox* grpUse = NewGroup(Frame(), "grpUse", "");
    optSinus = NewOption("optSinus", "Sinus");
    Row(grpUse, {optSinus});
    optWaveForm = NewOption("optWaveForm", "Wave Form");
    cboWaveForm = NewWaveCombo("cboWaveForm");
    Row(grpUse, {optWaveForm, cboWaveForm});

    QGroupBox* grpFreqs = NewGroup(Frame(), "grpFreqs", "");
    navigator = new TRecordNavigator(grpFreqs);
    Row(grpFreqs, {navigator});
    QGroupBox* grpFreq = NewGroup(grpFreqs, "grpFreq", "Frequency");
    Row(grpFreq, {nullptr, nullptr, NewLabel("Default")});
    auto component = [&](const char* editName, const char* label, const char* boxName) {
        QLineEdit* edit = NewEdit(editName);
        QCheckBox* box = NewCheck(boxName, "");
        Row(grpFreq, {NewLabel(label), edit, box});
        QObject::connect(box, &QCheckBox::clicked, this, [this] { chkDefClick(); });
        return std::make_pair(edit, box);
    };
    std::tie(editVolume, chkDefVolume) = component("editVolume", "Start Volume", "chkDefVolume");
    std::tie(editFrequency, chkDefFrequency) = component("editFrequency", "Frequency", "chkDefFrequency");
    std::tie(editAngle, chkDefAngle) = component("editAngle", "Start Angle", "chkDefAngle");
    std::tie(editVolFact, chkDefVolFact) = component("editVolFact", "Volume Factor", "chkDefVolFact");
    std::tie(editVolFactTime, chkDefVolFactTime) =
        component("editVolFactTime", "Volume Factor at Time", "chkDefVolFactTime");

    Kind(Props.UseKind, {optSinus, optWaveForm});
    Wave(Props.WaveForm, cboWaveForm, 1, "Wave Form").When(Is(Props.UseKind, 1)).Checks({optWaveForm});
    Value(Props.Length, editLength, "Length");
    // The shown component goes into the list; a refused field keeps the browser open.
    Step([this](bool& ok) { ok = Props.Records.CloseOk(); });
    OnShow(TShowPhase::Groups, [this] {
        for (const TComponentEdit& each : ComponentEdits())
            each.box->setChecked(Props.*each.flag != 0);
    });
    OnShow(TShowPhase::Last, [this] {
        navigator->SetBrowser(&Props.Records);
        Props.Records.Open(this);
    });
}

std::array<TDlgMFreqProps::TComponentEdit, 5> TDlgMFreqProps::ComponentEdits() const
{
    return {{{editVolume, chkDefVolume, &TMFreqProps::DefVolume},
             {editFrequency, chkDefFrequency, &TMFreqProps::DefFrequency},
             {editAngle, chkDefAngle, &TMFreqProps::DefAngle},
             {editVolFact, chkDefVolFact, &TMFreqProps::DefVolFact},
             {editVolFactTime, chkDefVolFactTime, &TMFreqProps::DefVolFactTime}}};
}

void TDlgMFreqProps::chkDefClick()
{
    // Only the user's clicks arrive here, never the show's.
    for (const TComponentEdit& each : ComponentEdits())
        Props.*each.flag = each.box->isChecked() ? 1 : 0;
}

void TDlgMFreqProps::OnCancel()
{
    if (Props.Records.GetIsOpen())
        Props.Records.CloseCancel();
    navigator->SetBrowser(nullptr);
}

bool TDlgMFreqProps::ReadRecordEdits(std::unique_ptr<TMFreqBrowseRecord>& record)
{
    auto read = std::make_unique<TMFreqBrowseRecord>();
    bool ok = true;
    auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    read->StartVolume.CheckEdit(ok, text(editVolume), "Start Volume");
    read->Frequency.CheckEdit(ok, text(editFrequency), "Frequency");
    read->StartAngle.CheckEdit(ok, text(editAngle), "Start Angle");
    read->VolumeFactor.CheckEdit(ok, text(editVolFact), "Volume Factor");
    read->VolumeFactorAtTime.CheckEdit(ok, text(editVolFactTime), "Volume Factor at Time");
    if (ok)
        record = std::move(read);
    return ok;
}

void TDlgMFreqProps::ShowRecordEdits(const TMFreqBrowseRecord& record)
{
    const unit* values[] = {&record.StartVolume, &record.Frequency, &record.StartAngle, &record.VolumeFactor,
                            &record.VolumeFactorAtTime};
    const auto edits = ComponentEdits();
    for (size_t i = 0; i < edits.size(); ++i)
        edits[i].edit->setText(QString::fromStdString(values[i]->GetText()));
}

void TDlgMFreqProps::ClearRecordEdits()
{
    for (const TComponentEdit& each : ComponentEdits())
        if (Props.*each.flag == 0)
            each.edit->clear();
}

void TDlgMFreqProps::ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward, bool canDelete,
                                   bool canPaste)
{
    navigator->ShowNavigator(count, position, canBack, canForward, canDelete, canPaste);
}
