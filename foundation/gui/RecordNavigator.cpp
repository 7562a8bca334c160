#include "foundation/gui/RecordNavigator.h"

#include "foundation/browser/RecordBrowser.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* ReadOnlyNumber(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setMaximumWidth(48);
    return edit;
}

} // namespace

TRecordNavigator::TRecordNavigator(QWidget* parent) : QWidget(parent)
{
    setObjectName("RecordNavigator");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);

    editCount = ReadOnlyNumber("editCount", this);
    editCursor = ReadOnlyNumber("editCursor", this);
    grid->addWidget(new QLabel("Count", this), 0, 0);
    grid->addWidget(editCount, 0, 1);
    grid->addWidget(new QLabel("Cursor", this), 0, 2);
    grid->addWidget(editCursor, 0, 3);

    // The moves carry arrow glyphs.
    int column = 0;
    for (QPushButton* button : {AddButton("btnFirst", "|<", [](TRecordBrowser& b) { b.First(); }),
                                AddButton("btnPrevious", "<", [](TRecordBrowser& b) { b.Prior(); }),
                                AddButton("btnNext", ">", [](TRecordBrowser& b) { b.Next(); }),
                                AddButton("btnLast", ">|", [](TRecordBrowser& b) { b.Last(); })})
        grid->addWidget(button, 1, column++);
    column = 0;
    for (QPushButton* button : {AddButton("btnInsert", "Insert", [](TRecordBrowser& b) { b.Insert(); }),
                                AddButton("btnAppend", "Append", [](TRecordBrowser& b) { b.Append(); }),
                                AddButton("btnDelete", "Delete", [](TRecordBrowser& b) { b.Delete(); })})
        grid->addWidget(button, 2, column++);
    column = 0;
    for (QPushButton* button : {AddButton("btnCopy", "Copy", [](TRecordBrowser& b) { b.CopyRecord(); }),
                                AddButton("btnPaste", "Paste", [](TRecordBrowser& b) { b.PasteRecord(); }),
                                AddButton("btnClear", "Clear", [](TRecordBrowser& b) { b.DeleteAll(); })})
        grid->addWidget(button, 3, column++);
    SetBrowser(nullptr);
}

QPushButton* TRecordNavigator::AddButton(const char* name, const QString& caption,
                                         std::function<void(TRecordBrowser&)> operation)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(24);
    connect(button, &QPushButton::clicked, this, [this, operation = std::move(operation)] {
        if (browser)
            operation(*browser);
    });
    return button;
}

QPushButton* TRecordNavigator::Button(const char* name) const
{
    return findChild<QPushButton*>(name);
}

void TRecordNavigator::SetBrowser(TRecordBrowser* newBrowser)
{
    browser = newBrowser;
    setEnabled(browser != nullptr);
}

void TRecordNavigator::ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward,
                                     bool canDelete, bool canPaste)
{
    editCount->setText(QString::number(count));
    editCursor->setText(QString::number(position));
    for (const char* name : {"btnFirst", "btnPrevious"})
        Button(name)->setEnabled(canBack);
    for (const char* name : {"btnNext", "btnLast"})
        Button(name)->setEnabled(canForward);
    Button("btnDelete")->setEnabled(canDelete);
    Button("btnPaste")->setEnabled(canPaste);
}
