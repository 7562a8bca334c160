#include "wave/gui/dialogs/MergePages.h"

#include "foundation/GuiMessages.h"
#include "foundation/values/unitFreq.h"
#include "wave/document/UnitUnitWave.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/dialogs/WaveComboBox.h"
#include "wave/view/ViewWaveGroupModel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

// How a wave is shown in its window; a document without a window shows the defaults.
struct TWaveLook {
    TWaveViewProps waveViewProps;
    TVoldViewProps voldViewProps;
    uint8_t showKind = 0;
};

TWaveLook LookOf(const TUnitWave& unit)
{
    if (const TViewWaveGroupModel* group = unit.GetViewGroup())
        return {group->GetWaveViewProps(), group->GetVoldViewProps(), group->GetShowKind()};
    return {};
}

MergeWaveFormat FormatOf(const TUnitWave& unit)
{
    return {unit.GetMonoStereo(), unit.GetSampleFreq(), unit.GetBytesPSample(), unit.GetValues()};
}

void AddRow(QWidget* container, std::initializer_list<QWidget*> cells)
{
    auto* grid = qobject_cast<QGridLayout*>(container->layout());
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    int column = 0;
    for (QWidget* cell : cells) {
        if (cell)
            grid->addWidget(cell, row, column, 1, column == static_cast<int>(cells.size()) - 1 ? -1 : 1);
        ++column;
    }
}

QString BitsText(uint16_t bytesPSample)
{
    return bytesPSample == 1 ? "8 Bits" : "16 Bits";
}

QString FrequencyText(uint32_t sampleFreq)
{
    // Whole kHz, as the list shows them.
    return QString::fromStdString(unitFreq(static_cast<double>(sampleFreq / 1000 * 1000), EHKHZ).GetText());
}

void Choose(QButtonGroup* buttons, int index)
{
    if (QAbstractButton* button = buttons->button(index))
        button->setChecked(true);
}

} // namespace

TMergePages::TMergePages(QWidget* parent, QPushButton* okButton, TFields fields, TPropose propose,
                         const char* firstName, const char* lastName, const QString& firstLabel,
                         const QString& lastLabel)
    : widget(new QWidget(parent)), okButton(okButton), fields(fields), propose(propose), firstLabel(firstLabel),
      lastLabel(lastLabel)
{
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    cboFirst = new TWaveComboBox(widget);
    cboFirst->setObjectName(firstName);
    cboLast = new TWaveComboBox(widget);
    cboLast->setObjectName(lastName);
    for (auto [label, combo] : {std::pair{firstLabel, cboFirst}, std::pair{lastLabel, cboLast}}) {
        auto* text = new QLabel(label, widget);
        text->setBuddy(combo);
        AddRow(widget, {text, combo});
        QObject::connect(combo, &QComboBox::activated, widget, [this] { EvOnChangeUnitWave(); });
    }
    lblDiffs = new QLabel("Properties of the new Wave", widget);
    AddRow(widget, {lblDiffs});
    pgcDiffs = new QTabWidget(widget);
    pgcDiffs->setObjectName("pgcDiffs");
    AddRow(widget, {pgcDiffs});
}

QWidget* TMergePages::NewPage(const char* name, const QString& caption)
{
    auto* page = new QWidget(pgcDiffs);
    page->setObjectName(name);
    new QGridLayout(page);
    pgcDiffs->addTab(page, caption);
    return page;
}

QWidget* TMergePages::NewOwnPage(const char* name, const QString& caption, TOwnPage decide)
{
    ownPage = NewPage(name, caption);
    decideOwnPage = std::move(decide);
    AddSharedPages();
    return ownPage;
}

void TMergePages::AddSharedPages()
{
    tsFrequency = NewPage("tsFrequency", "Frequency");
    editFreqFirst = NewShownEdit(tsFrequency, "editFreqFirst", firstLabel);
    editFreqLast = NewShownEdit(tsFrequency, "editFreqLast", lastLabel);
    lbFreq = new QListWidget(tsFrequency);
    lbFreq->setObjectName("lbFreq");
    for (const char* item : TWaveFileProps::FrequencyCaptions)
        lbFreq->addItem(item);
    AddRow(tsFrequency, {lbFreq});

    tsBits = NewPage("tsBits", "Bits");
    editBitsFirst = NewShownEdit(tsBits, "editBitsFirst", firstLabel);
    editBitsLast = NewShownEdit(tsBits, "editBitsLast", lastLabel);
    rgrBits = NewChoice(tsBits, "rgrBits", "Wave Values", {"8 Bits", "16 Bits"}, bitsButtons);
    Choose(bitsButtons, 1);

    tsDisplay = NewPage("tsDisplay", "Display");
    const QByteArray first = firstLabel.toUtf8(), last = lastLabel.toUtf8();
    rgrDisplay = NewChoice(tsDisplay, "rgrDisplay", "Use Display Properties of", {first.constData(), last.constData()},
                           displayButtons);
}

QLineEdit* TMergePages::NewShownEdit(QWidget* page, const char* name, const QString& label)
{
    auto* edit = new QLineEdit(page);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    auto* text = new QLabel(label, page);
    text->setBuddy(edit);
    AddRow(page, {text, edit});
    return edit;
}

QGroupBox* TMergePages::NewChoice(QWidget* page, const char* name, const QString& caption,
                                  std::initializer_list<const char*> items, QButtonGroup*& buttons)
{
    auto* group = new QGroupBox(caption, page);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    buttons = new QButtonGroup(group);
    int id = 0;
    for (const char* item : items) {
        auto* option = new QRadioButton(item, group);
        buttons->addButton(option, id++);
        layout->addWidget(option);
    }
    AddRow(page, {group});
    return group;
}

void TMergePages::SetPageVisible(QWidget* page, bool visible)
{
    pgcDiffs->setTabVisible(pgcDiffs->indexOf(page), visible);
    // Without a page the box and its caption would stand empty.
    bool any = false;
    for (int i = 0; i < pgcDiffs->count(); ++i)
        any = any || pgcDiffs->isTabVisible(i);
    pgcDiffs->setVisible(any);
    lblDiffs->setVisible(any);
}

bool TMergePages::IsPageVisible(QWidget* page) const
{
    return pgcDiffs->isTabVisible(pgcDiffs->indexOf(page));
}

void TMergePages::HideAll()
{
    for (QWidget* page : {ownPage, tsFrequency, tsBits, tsDisplay})
        SetPageVisible(page, false);
}

void TMergePages::Show()
{
    cboFirst->FillWaveNames(0);
    fields.first.SelectInComboBox(*cboFirst);
    cboLast->FillWaveNames(0);
    fields.last.SelectInComboBox(*cboLast);
    // A pair preselected from the record is no choice of the user's yet.
    HideAll();
    okButton->setEnabled(false);
    // The user starts with the choice of the waves, not on a button.
    cboFirst->setFocus();
}

const TUnitWave* TMergePages::FirstUnit() const
{
    return fields.first.GetUnitWave();
}

void TMergePages::EvOnChangeUnitWave()
{
    if (cboFirst->currentIndex() < 0 || cboLast->currentIndex() < 0)
        return;
    if (cboFirst->currentIndex() == cboLast->currentIndex()) {
        TGuiMessages().ShowInputError("The chosen Waves must be different");
        okButton->setEnabled(false);
        HideAll();
        return;
    }
    bool ok = true;
    fields.first.ReadFromComboBox(ok, *cboFirst, firstLabel.toStdString());
    fields.last.ReadFromComboBox(ok, *cboLast, lastLabel.toStdString());
    const TUnitWave* first = fields.first.GetUnitWave();
    const TUnitWave* last = fields.last.GetUnitWave();
    if (!ok || !first || !last)
        return;
    okButton->setEnabled(true);

    const MergeProposal proposal = propose(FormatOf(*first), FormatOf(*last));
    SetPageVisible(ownPage, decideOwnPage(proposal, *first, *last));

    // With no entry chosen in the list the new wave keeps the first wave's rate.
    fields.sampleFreq = first->GetSampleFreq();
    SetPageVisible(tsFrequency, proposal.ShowFrequency);
    if (proposal.ShowFrequency) {
        editFreqFirst->setText(FrequencyText(first->GetSampleFreq()));
        editFreqLast->setText(FrequencyText(last->GetSampleFreq()));
        lbFreq->setCurrentRow(proposal.FrequencyIndex);
        if (proposal.FrequencyIndex < 0)
            lbFreq->clearSelection();
    }

    SetPageVisible(tsBits, proposal.ShowBits);
    if (proposal.ShowBits) {
        Choose(bitsButtons, 1);
        editBitsFirst->setText(BitsText(first->GetBytesPSample()));
        editBitsLast->setText(BitsText(last->GetBytesPSample()));
    }

    const TWaveLook a = LookOf(*first), b = LookOf(*last);
    const bool displayDiffers =
        a.showKind != b.showKind || a.waveViewProps != b.waveViewProps || a.voldViewProps != b.voldViewProps;
    SetPageVisible(tsDisplay, displayDiffers);
    if (displayDiffers)
        Choose(displayButtons, 0);
}

void TMergePages::Read()
{
    const TUnitWave* first = fields.first.GetUnitWave();
    const TUnitWave* last = fields.last.GetUnitWave();
    if (!first || !last)
        return;
    if (!IsPageVisible(tsFrequency))
        fields.sampleFreq = first->GetSampleFreq();
    else if (!lbFreq->selectedItems().isEmpty())
        fields.sampleFreq = TWaveFileProps::Frequencies[lbFreq->currentRow()];
    fields.bytesPSample =
        IsPageVisible(tsBits) ? static_cast<uint16_t>(bitsButtons->checkedId() + 1) : first->GetBytesPSample();
    // Without a choice the two windows look alike.
    const TWaveLook look = LookOf(displayButtons->checkedId() == 0 ? *first : *last);
    fields.waveViewProps = look.waveViewProps;
    fields.voldViewProps = look.voldViewProps;
    fields.showKind = look.showKind;
}
