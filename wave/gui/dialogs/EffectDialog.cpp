#include "wave/gui/dialogs/EffectDialog.h"

#include "foundation/GuiMessages.h"
#include "foundation/gui/GridRow.h"
#include "foundation/values/unit.h"
#include "wave/document/UnitUnitWave.h"
#include "wave/gui/dialogs/WaveComboBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace {

// Checks the button of the index and unchecks the others; none for an index out of range.
void CheckOnly(QButtonGroup* group, const std::vector<QAbstractButton*>& buttons, int index)
{
    group->setExclusive(false);
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
        buttons[static_cast<size_t>(i)]->setChecked(i == index);
    group->setExclusive(true);
}

int CheckedIndex(const std::vector<QAbstractButton*>& buttons)
{
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
        if (buttons[static_cast<size_t>(i)]->isChecked())
            return i;
    return -1;
}

} // namespace

// ---------------------------------------------------------------- fields

TEffectForm::TField& TEffectForm::TField::When(std::function<bool()> newCondition)
{
    condition = std::move(newCondition);
    return *this;
}

TEffectForm::TField& TEffectForm::TField::Checks(std::initializer_list<QAbstractButton*> buttons)
{
    if (!onUserChange)
        return *this;
    std::vector<QAbstractButton*> targets(buttons);
    onUserChange([targets] {
        for (QAbstractButton* button : targets)
            button->setChecked(true);
    });
    return *this;
}

TEffectForm::TEffectForm(QDialog* dialog, QWidget* frame) : dialog(dialog), frame(frame)
{
    GridOn(frame);
}

TEffectForm::TField& TEffectForm::Add(TShowPhase phase)
{
    TField& field = fields.emplace_back();
    field.phase = phase;
    return field;
}

TEffectForm::TField& TEffectForm::ButtonsKind(uint8_t& kind, std::vector<QAbstractButton*> buttons,
                                              QObject* groupOwner, TShowPhase phase)
{
    auto* group = new QButtonGroup(groupOwner);
    for (QAbstractButton* button : buttons)
        group->addButton(button);
    TField& field = Add(phase);
    field.readAfterRefusal = true;
    field.show = [&kind, group, buttons] { CheckOnly(group, buttons, kind); };
    field.read = [&kind, buttons](bool&) {
        const int index = CheckedIndex(buttons);
        if (index >= 0)
            kind = static_cast<uint8_t>(index);
    };
    return field;
}

TEffectForm::TField& TEffectForm::Kind(uint8_t& kind, std::initializer_list<QAbstractButton*> options)
{
    return ButtonsKind(kind, std::vector<QAbstractButton*>(options), dialog, TShowPhase::Options);
}

TEffectForm::TField& TEffectForm::RadioGroup(uint8_t& kind, QGroupBox* box)
{
    const QList<QRadioButton*> found = box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return ButtonsKind(kind, std::vector<QAbstractButton*>(found.begin(), found.end()), box, TShowPhase::Groups);
}

TEffectForm::TField& TEffectForm::Value(unit& value, QLineEdit* edit, std::string label)
{
    TField& field = Add(TShowPhase::Texts);
    field.show = [&value, edit] { edit->setText(QString::fromStdString(value.GetText())); };
    field.read = [&value, edit, label](bool& ok) { value.CheckEdit(ok, edit->text().toStdString(), label); };
    // Any change of the text, also the one showing makes; the options are set after the texts.
    field.onUserChange = [edit](std::function<void()> changed) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [changed] { changed(); });
    };
    return field;
}

TEffectForm::TField& TEffectForm::Wave(unitUnitWave& reference, TWaveComboBox* combo, uint8_t filter,
                                       std::string label)
{
    TField& field = Add(TShowPhase::Combos);
    field.show = [&reference, combo, filter] {
        combo->FillWaveNames(filter);
        reference.SelectInComboBox(*combo);
    };
    field.read = [&reference, combo, label](bool& ok) { reference.ReadFromComboBox(ok, *combo, label); };
    field.onUserChange = [combo](std::function<void()> changed) {
        QObject::connect(combo, &QComboBox::activated, combo, [changed] { changed(); });
    };
    return field;
}

TEffectForm::TField& TEffectForm::Flag(uint8_t& flag, QCheckBox* box)
{
    TField& field = Add(TShowPhase::Groups);
    field.readAfterRefusal = true;
    field.show = [&flag, box] { box->setChecked(flag != 0); };
    field.read = [&flag, box](bool&) { flag = box->isChecked() ? 1 : 0; };
    return field;
}

TEffectForm::TField& TEffectForm::Check(std::string message, std::function<bool()> passes)
{
    TField& field = Add(TShowPhase::Last);
    field.read = [message = std::move(message), passes = std::move(passes)](bool& ok) {
        if (passes())
            return;
        TGuiMessages().ShowInputError(message);
        ok = false;
    };
    return field;
}

TEffectForm::TField& TEffectForm::Step(std::function<void(bool& valid)> read)
{
    TField& field = Add(TShowPhase::Last);
    field.read = std::move(read);
    return field;
}

void TEffectForm::OnShow(TShowPhase phase, std::function<void()> show)
{
    Add(phase).show = std::move(show);
}

std::function<bool()> TEffectForm::Is(const uint8_t& kind, uint8_t value)
{
    return [&kind, value] { return kind == value; };
}

void TEffectForm::ShowFields()
{
    for (TShowPhase phase : {TShowPhase::Texts, TShowPhase::Combos, TShowPhase::Groups, TShowPhase::Options,
                             TShowPhase::Last})
        for (TField& field : fields)
            if (field.phase == phase && field.show)
                field.show();
    valid = true;
}

bool TEffectForm::ReadFields()
{
    for (TField& field : fields) {
        if (!field.read || (!valid && !field.readAfterRefusal))
            continue;
        if (field.condition && !field.condition())
            continue;
        field.read(valid);
    }
    // A refusal keeps the dialog open, ready for the next OK.
    const bool accepted = valid;
    valid = true;
    return accepted;
}

// ---------------------------------------------------------------- controls

void TEffectForm::Row(QWidget* container, std::initializer_list<QWidget*> cells)
{
    QGridLayout* grid = GridOn(container);
    // The container counts its rows; the empty row after the last takes the
    // spare height, so the rows stay together at the top.
    const int row = container->property("rows").toInt();
    container->setProperty("rows", row + 1);
    grid->setRowStretch(row, 0);
    grid->setRowStretch(row + 1, 1);
    int column = 0;
    const int last = static_cast<int>(cells.size()) - 1;
    for (QWidget* cell : cells) {
        if (cell)
            grid->addWidget(cell, row, column, 1, column == last ? -1 : 1);
        ++column;
    }
}

QLabel* TEffectForm::NewLabel(const QString& text)
{
    return new QLabel(text, frame);
}

QLineEdit* TEffectForm::NewEdit(const char* name)
{
    auto* edit = new QLineEdit(frame);
    edit->setObjectName(name);
    return edit;
}

QRadioButton* TEffectForm::NewOption(const char* name, const QString& caption)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    return option;
}

QCheckBox* TEffectForm::NewCheck(const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption, frame);
    box->setObjectName(name);
    return box;
}

TWaveComboBox* TEffectForm::NewWaveCombo(const char* name)
{
    auto* combo = new TWaveComboBox(frame);
    combo->setObjectName(name);
    return combo;
}

QGroupBox* TEffectForm::NewGroup(QWidget* container, const char* name, const QString& caption)
{
    auto* group = new QGroupBox(caption, container);
    group->setObjectName(name);
    GridOn(group);
    Row(container, {group});
    return group;
}

QGroupBox* TEffectForm::NewRadioGroup(QWidget* container, const char* name, const QString& caption,
                                      std::initializer_list<const char*> items)
{
    auto* group = new QGroupBox(caption, container);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 4);
    for (const char* item : items)
        layout->addWidget(new QRadioButton(item, group));
    Row(container, {group});
    return group;
}

QLineEdit* TEffectForm::LabeledEdit(QWidget* container, const char* name, const QString& label)
{
    QLineEdit* edit = NewEdit(name);
    QLabel* text = NewLabel(label);
    text->setBuddy(edit);
    Row(container, {text, edit});
    return edit;
}
