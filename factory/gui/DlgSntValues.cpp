#include "factory/gui/DlgSntValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowHeight = 22;
constexpr int NameX = 10;
constexpr int DesignedWidth = 406;

// The width a row's name needs in the font in use.
int NameWidth(const QString& name, bool label)
{
    if (label)
        return QLabel(name).sizeHint().width();
    return QCheckBox(name).sizeHint().width();
}

} // namespace

TDlgSntValues::TDlgSntValues(QWidget* owner, std::unique_ptr<TValuesForm> form)
    : TOKHelpRightDlg(owner), ValuesForm(std::move(form))
{
    setObjectName("DlgSntValues");
    setWindowTitle(QString::fromStdString(ValuesForm->Caption()));
    SetHelpContext(ValuesForm->HelpContext());
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setSizeGripEnabled(true);
    setMinimumSize(330, 130);

    auto* frameLayout = new QVBoxLayout(Bevel());
    frameLayout->setContentsMargins(0, 0, 0, 0);
    sboValues = new QScrollArea(Bevel());
    sboValues->setObjectName("sboValues");
    sboValues->setFrameShape(QFrame::NoFrame);
    // The rows take the box's width; they scroll when taller.
    sboValues->setWidgetResizable(true);
    frameLayout->addWidget(sboValues);
    Rows = new QWidget;
    Rows->setObjectName("Rows");
    Rows->installEventFilter(this);
    const int wider = BuildRows();
    sboValues->setWidget(Rows);
    resize(DesignedWidth + wider, ValuesForm->ClientHeight());
    LayoutEditors();
    Filling = false;
}

TDlgSntValues::~TDlgSntValues() = default;

int TDlgSntValues::BuildRows()
{
    const bool labels = ValuesForm->Items() == TValuesForm::FactoryInputs;
    // The names keep their designed column unless one needs more in the font in
    // use; then the column, the editors after it and the dialog grow, so that
    // no name is cut.
    const int designedName = labels ? 123 : 128;
    int nameWidth = designedName;
    for (const TValueRow& row : ValuesForm->Rows())
        nameWidth = std::max(nameWidth, NameWidth(QString::fromStdString(row.Name), labels));
    const int wider = nameWidth - designedName;
    const int editorX = (labels ? 135 : 140) + wider;
    int y = 10;
    int index = 0;
    for (const TValueRow& row : ValuesForm->Rows()) {
        const QString name = QString::fromStdString(row.Name);
        QCheckBox* check = nullptr;
        QLabel* label = nullptr;
        if (labels) {
            label = new QLabel(name, Rows);
            label->setGeometry(NameX, y, nameWidth, 15);
        } else {
            check = new QCheckBox(name, Rows);
            check->setGeometry(NameX, y, nameWidth, 15);
            check->setChecked(row.Own);
            check->setEnabled(!row.Connected);
        }
        QWidget* editor = nullptr;
        switch (row.Editor) {
        case TValueEditor::Flag: {
            auto* flag = new QCheckBox("Flag Set", Rows);
            flag->setChecked(row.Flag);
            connect(flag, &QCheckBox::clicked, this, [this, index] { MarkRow(index); });
            editor = flag;
            break;
        }
        case TValueEditor::Combo:
        case TValueEditor::WaveCombo:
        case TValueEditor::TypeList: {
            auto* combo = new QComboBox(Rows);
            // Wave names may be typed: a window opened later is found by name.
            combo->setEditable(row.Editor == TValueEditor::WaveCombo);
            for (const std::string& item : row.Items)
                combo->addItem(QString::fromStdString(item));
            combo->setCurrentIndex(row.Selected);
            if (row.Editor == TValueEditor::WaveCombo)
                combo->setEditText(QString::fromStdString(row.Text));
            connect(combo, &QComboBox::currentTextChanged, this, [this, index] { MarkRow(index); });
            editor = combo;
            break;
        }
        case TValueEditor::Edit: {
            auto* edit = new QLineEdit(QString::fromStdString(row.Text), Rows);
            connect(edit, &QLineEdit::textChanged, this, [this, index] { MarkRow(index); });
            editor = edit;
            break;
        }
        }
        editor->setEnabled(!row.Connected);
        editor->setGeometry(editorX + (row.Editor == TValueEditor::Edit ? 4 : 0), y, 10, 17);
        y += RowHeight;
        if (labels) {
            if (!row.Description.empty()) {
                auto* description = new QLabel(QString::fromStdString(row.Description), Rows);
                description->setGeometry(NameX, y, 100, 13 * row.DescriptionLines);
                description->setProperty("description", true);
                y += 13 * row.DescriptionLines;
            }
            y += 5;
        }
        Checks.push_back(check);
        Labels.push_back(label);
        Editors.push_back(editor);
        ++index;
    }
    // Tab order: name box, then editor, row by row.
    QWidget* previous = nullptr;
    for (size_t i = 0; i < Editors.size(); ++i) {
        for (QWidget* each : {static_cast<QWidget*>(Checks[i]), Editors[i]}) {
            if (!each)
                continue;
            if (previous)
                setTabOrder(previous, each);
            previous = each;
        }
    }
    Rows->setMinimumHeight(y);
    return wider;
}

void TDlgSntValues::LayoutEditors()
{
    const int width = Rows->width();
    for (QWidget* editor : Editors) {
        const QRect r = editor->geometry();
        editor->setGeometry(r.x(), r.y(), std::max(10, width - r.x() - 10), r.height());
    }
    for (QLabel* description : Rows->findChildren<QLabel*>())
        if (description->property("description").toBool())
            description->resize(width - 12, description->height());
}

bool TDlgSntValues::eventFilter(QObject* watched, QEvent* event)
{
    // The editors reach to the right edge of the rows, whatever their width.
    if (watched == Rows && event->type() == QEvent::Resize)
        LayoutEditors();
    return TOKHelpRightDlg::eventFilter(watched, event);
}

void TDlgSntValues::MarkRow(int row)
{
    if (Filling)
        return;
    if (QCheckBox* check = Checks[static_cast<size_t>(row)])
        check->setChecked(true);
}

void TDlgSntValues::accept()
{
    std::vector<TValueRowState> states;
    for (size_t i = 0; i < Editors.size(); ++i) {
        TValueRowState state;
        state.Own = !Checks[i] || Checks[i]->isChecked();
        if (auto* edit = qobject_cast<QLineEdit*>(Editors[i]))
            state.Text = edit->text().toStdString();
        else if (auto* combo = qobject_cast<QComboBox*>(Editors[i])) {
            state.Selected = combo->currentIndex();
            state.Text = combo->currentText().toStdString();
        } else if (auto* flag = qobject_cast<QCheckBox*>(Editors[i]))
            state.Flag = flag->isChecked();
        states.push_back(state);
    }
    if (ValuesForm->Apply(states))
        TOKHelpRightDlg::accept();
}
