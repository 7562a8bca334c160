#include "wave/gui/dialogs/DlgRandomEchoProps.h"

#include "foundation/Dicer.h"

#include <utility>

TDlgRandomEchoProps::TDlgRandomEchoProps(QWidget* owner, const TRandomEchoProps& props)
    : TEffectDialog(owner, "Random Echo", 13, props)
{
    editCount = LabeledEdit(Frame(), "editCount", "Count");
    editRandomSeed = LabeledEdit(Frame(), "editRandomSeed", "&Random Seed");
    chkCyclable = NewCheck("chkCyclable", "Cyclable");
    Row(Frame(), {chkCyclable});

    pgcEchoManip = new QTabWidget(Frame());
    pgcEchoManip->setObjectName("pgcEchoManip");
    // Every page's tab in sight: the dialog grows to the tab row, no scroll arrows.
    pgcEchoManip->setUsesScrollButtons(false);
    pgcEchoManip->setElideMode(Qt::ElideNone);
    Row(Frame(), {pgcEchoManip});

    tsTime = NewPage("tsTime", "Time");
    optTimeLinear = NewOption("optTimeLinear", "Linear");
    Row(tsTime, {optTimeLinear});
    optTimeEnvelope = NewOption("optTimeEnvelope", "Random Envelope");
    cboTimeEnvelope = NewWaveCombo("cboTimeEnvelope");
    Row(tsTime, {optTimeEnvelope, cboTimeEnvelope});
    editTimeDiff = LabeledEdit(tsTime, "editTimeDiff", "Time Difference");
    cboTimeSource = NewSource(tsTime, "cboTimeSource");

    tsVolume = NewPage("tsVolume", "Volume");
    optVolumeNoChange = NewOption("optVolumeNoChange", "No Change");
    Row(tsVolume, {optVolumeNoChange});
    optVolumeLinear = NewOption("optVolumeLinear", "Linear");
    Row(tsVolume, {optVolumeLinear});
    optVolumeEnvelope = NewOption("optVolumeEnvelope", "Random Envelope");
    cboVolumeEnvelope = NewWaveCombo("cboVolumeEnvelope");
    Row(tsVolume, {optVolumeEnvelope, cboVolumeEnvelope});
    cboVolumeSource = NewSource(tsVolume, "cboVolumeSource");

    tsLength = NewPage("tsLength", "Length");
    optLengthNoChange = NewOption("optLengthNoChange", "No Change");
    Row(tsLength, {optLengthNoChange});
    optLengthEnvelope = NewOption("optLengthEnvelope", "Random Envelope");
    cboLengthEnvelope = NewWaveCombo("cboLengthEnvelope");
    Row(tsLength, {optLengthEnvelope, cboLengthEnvelope});
    cboLengthSource = NewSource(tsLength, "cboLengthSource");

    tsBalance = NewPage("tsBalance", "Balance");
    optBalNoChange = NewOption("optBalNoChange", "No Change");
    Row(tsBalance, {optBalNoChange});
    optBalLinear = NewOption("optBalLinear", "Linear");
    Row(tsBalance, {optBalLinear});
    optBalEnvelope = NewOption("optBalEnvelope", "Random Envelope");
    cboBalEnvelope = NewWaveCombo("cboBalEnvelope");
    Row(tsBalance, {optBalEnvelope, cboBalEnvelope});
    cboBalSource = NewSource(tsBalance, "cboBalSource");
    rgrBalVolume = NewRadioGroup(tsBalance, "rgrBalVolume", "Volume Difference", {"None", "Volume", "Filter"});
    chkBalTimeDiff = NewCheck("chkBalTimeDiff", "Time Difference");
    Row(tsBalance, {chkBalTimeDiff});

    tsPitch = NewPage("tsPitch", "Pitch");
    optPitchNoChange = NewOption("optPitchNoChange", "No Change");
    Row(tsPitch, {optPitchNoChange});
    optPitchEnvelope = NewOption("optPitchEnvelope", "Random Envelope");
    cboPitchEnvelope = NewWaveCombo("cboPitchEnvelope");
    Row(tsPitch, {optPitchEnvelope, cboPitchEnvelope});
    cboPitchSource = NewSource(tsPitch, "cboPitchSource");
    editFreqFactor = LabeledEdit(tsPitch, "editFreqFactor", "Frequency Factor");

    tsTempo = NewPage("tsTempo", "Tempo");
    optTempoNoChange = NewOption("optTempoNoChange", "No Change");
    Row(tsTempo, {optTempoNoChange});
    optTempoEnvelope = NewOption("optTempoEnvelope", "Random Envelope");
    cboTempoEnvelope = NewWaveCombo("cboTempoEnvelope");
    Row(tsTempo, {optTempoEnvelope, cboTempoEnvelope});
    cboTempoSource = NewSource(tsTempo, "cboTempoSource");

    grpPitchTempo = NewGroup(Frame(), "grpPitchTempo", "Pitch Tempo");
    rgrQuality = NewRadioGroup(grpPitchTempo, "rgrQuality", "Quality", {"Low", "High"});
    editBlockSize = LabeledEdit(grpPitchTempo, "editBlockSize", "Block Size");

    // The die of each property, by page.
    const std::pair<int32_t*, QComboBox*> dice[] = {
        {&Props.TimeDie, cboTimeSource},   {&Props.VolumeDie, cboVolumeSource}, {&Props.LengthDie, cboLengthSource},
        {&Props.BalDie, cboBalSource},     {&Props.PitchDie, cboPitchSource},   {&Props.TempoDie, cboTempoSource},
    };
    OnShow(TShowPhase::Texts, [this] { pgcEchoManip->setCurrentIndex(Props.Page); });
    for (const auto& [die, source] : dice) {
        OnShow(TShowPhase::Combos, [die = die, source = source] { source->setCurrentIndex(*die); });
    }

    Step([this](bool&) { Props.Page = pgcEchoManip->currentIndex(); });
    for (const auto& [die, source] : dice) {
        Step([die = die, source = source](bool&) {
            if (source->currentIndex() >= 0)
                *die = source->currentIndex();
        });
    }
    Kind(Props.TimeKind, {optTimeLinear, optTimeEnvelope});
    Wave(Props.TimeEnvelope, cboTimeEnvelope, 2, "Time - Random Envelope")
        .When(Is(Props.TimeKind, 1))
        .Checks({optTimeEnvelope});
    Value(Props.TimeDiff, editTimeDiff, "Time Difference");
    Kind(Props.VolumeKind, {optVolumeNoChange, optVolumeLinear, optVolumeEnvelope});
    Wave(Props.VolumeEnvelope, cboVolumeEnvelope, 2, "Volume - Random Envelope")
        .When(Is(Props.VolumeKind, 2))
        .Checks({optVolumeEnvelope});
    Kind(Props.LengthKind, {optLengthNoChange, optLengthEnvelope});
    Wave(Props.LengthEnvelope, cboLengthEnvelope, 2, "Length - Random Envelope")
        .When(Is(Props.LengthKind, 1))
        .Checks({optLengthEnvelope});
    Kind(Props.BalKind, {optBalNoChange, optBalLinear, optBalEnvelope});
    Wave(Props.BalEnvelope, cboBalEnvelope, 2, "Balance - Random Envelope")
        .When(Is(Props.BalKind, 2))
        .Checks({optBalEnvelope});
    RadioGroup(Props.BalVolumeDifference, rgrBalVolume);
    Flag(Props.BalTimeDifference, chkBalTimeDiff);
    Kind(Props.TempoKind, {optTempoNoChange, optTempoEnvelope});
    Wave(Props.TempoEnvelope, cboTempoEnvelope, 2, "Tempo - Random Envelope")
        .When(Is(Props.TempoKind, 1))
        .Checks({optTempoEnvelope});
    // The frequency factor only counts with the envelope.
    Kind(Props.PitchKind, {optPitchNoChange, optPitchEnvelope});
    Value(Props.FreqFactor, editFreqFactor, "Pitch - Frequency Factor").When(Is(Props.PitchKind, 1));
    Wave(Props.PitchEnvelope, cboPitchEnvelope, 2, "Pitch - Random Envelope")
        .When(Is(Props.PitchKind, 1))
        .Checks({optPitchEnvelope});
    Value(Props.Count, editCount, "Count");
    Value(Props.RandomSeed, editRandomSeed, "Random Seed");
    Flag(Props.Cyclable, chkCyclable);
    Value(Props.BlockSize, editBlockSize, "Block Size");
    RadioGroup(Props.Quality, rgrQuality);
}

void TDlgRandomEchoProps::accept()
{
    TEffectDialog::accept();
    editTimeDiff->setText(QString::fromStdString(Props.TimeDiff.GetText()));
}

QWidget* TDlgRandomEchoProps::NewPage(const char* name, const char* caption)
{
    auto* page = new QWidget(pgcEchoManip);
    page->setObjectName(name);
    pgcEchoManip->addTab(page, caption);
    return page;
}

QComboBox* TDlgRandomEchoProps::NewSource(QWidget* page, const char* name)
{
    auto* source = new QComboBox(page);
    source->setObjectName(name);
    source->setEditable(false);
    for (int die = 1; die <= Dicer::DICES; ++die)
        source->addItem(QString("Die %1").arg(die));
    auto* label = NewLabel("Source");
    label->setBuddy(source);
    Row(page, {label, source});
    return source;
}
