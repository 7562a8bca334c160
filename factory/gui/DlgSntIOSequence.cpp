#include "factory/gui/DlgSntIOSequence.h"

#include "factory/document/UnitSountory.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

TDlgSntIOSequence::TDlgSntIOSequence(QWidget* owner, sntSountoryObject listKind, TUnitSountory& factory)
    : TOKHelpRightDlg(owner), ListKind(listKind), Factory(factory)
{
    setObjectName("DlgSntIOSequence");
    const bool inputs = listKind == sntSountoryObjectInput;
    setWindowTitle(inputs ? "Sequence Inputs" : "Sequence Outputs");
    SetHelpContext(67);
    OKButton()->setText("Close");
    CancelButton()->hide();

    auto* layout = new QVBoxLayout(Bevel());
    lblIOs = new QLabel(inputs ? "Inputs" : "Outputs", Bevel());
    lblIOs->setObjectName("lblIOs");
    layout->addWidget(lblIOs);
    auto* row = new QHBoxLayout;
    lbIOs = new QListWidget(Bevel());
    lbIOs->setObjectName("lbIOs");
    row->addWidget(lbIOs);
    auto* moves = new QVBoxLayout;
    btnMoveUp = new QPushButton("Move Up", Bevel());
    btnMoveUp->setObjectName("btnMoveUp");
    btnMoveDown = new QPushButton("Move Down", Bevel());
    btnMoveDown->setObjectName("btnMoveDown");
    moves->addWidget(btnMoveUp);
    moves->addWidget(btnMoveDown);
    moves->addStretch();
    row->addLayout(moves);
    layout->addLayout(row);
    grpSelected = new QGroupBox(inputs ? "Selected Input" : "Selected Output", Bevel());
    grpSelected->setObjectName("grpSelected");
    auto* selected = new QVBoxLayout(grpSelected);
    selected->addWidget(new QLabel("Description", grpSelected));
    reditDescription = new QTextEdit(grpSelected);
    reditDescription->setObjectName("reditDescription");
    reditDescription->setAcceptRichText(false);
    selected->addWidget(reditDescription);
    layout->addWidget(grpSelected);

    connect(btnMoveUp, &QPushButton::clicked, this, [this] { MoveUp(); });
    connect(btnMoveDown, &QPushButton::clicked, this, [this] { MoveDown(); });
    connect(lbIOs, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
    Fill(0);
}

TSountoryInputOutput* TDlgSntIOSequence::ItemAt(int index) const
{
    if (index < 0)
        return nullptr;
    if (ListKind == sntSountoryObjectInput) {
        for (const auto& input : Factory.Inputs())
            if (input->Sequence == index)
                return input.get();
    } else {
        for (const auto& output : Factory.Outputs())
            if (output->Sequence == index)
                return output.get();
    }
    return nullptr;
}

void TDlgSntIOSequence::Fill(int select)
{
    const QSignalBlocker block(lbIOs);
    lbIOs->clear();
    const int32_t last =
        ListKind == sntSountoryObjectInput ? Factory.GetMaxInputSequence() : Factory.GetMaxOutputSequence();
    // An item's list index is its sequence.
    for (int32_t sequence = 0; sequence <= last; ++sequence)
        if (TSountoryInputOutput* item = ItemAt(sequence))
            lbIOs->addItem(QString::fromStdString(item->Name));
    lbIOs->setCurrentRow(lbIOs->count() > 0 ? select : -1);
    Shown = nullptr;
    ShowSelected();
}

void TDlgSntIOSequence::ShowSelected()
{
    StoreDescription();
    const int index = lbIOs->currentRow();
    Shown = ItemAt(index);
    reditDescription->setPlainText(Shown ? QString::fromStdString(Shown->Description) : QString());
    btnMoveUp->setEnabled(Shown && index > 0);
    btnMoveDown->setEnabled(Shown && index < lbIOs->count() - 1);
}

void TDlgSntIOSequence::StoreDescription()
{
    if (!Shown)
        return;
    const std::string text = reditDescription->toPlainText().toStdString();
    if (text == Shown->Description)
        return;
    Shown->SetDescription(text);
    Factory.SetModified();
}

void TDlgSntIOSequence::Swap(int index, int other)
{
    TSountoryInputOutput* a = ItemAt(index);
    TSountoryInputOutput* b = ItemAt(other);
    if (!a || !b)
        return;
    StoreDescription();
    a->Sequence = other;
    b->Sequence = index;
    Factory.SetModified();
    Fill(other);
}

void TDlgSntIOSequence::MoveUp()
{
    const int index = lbIOs->currentRow();
    if (index > 0)
        Swap(index, index - 1);
}

void TDlgSntIOSequence::MoveDown()
{
    const int index = lbIOs->currentRow();
    if (index >= 0 && index < lbIOs->count() - 1)
        Swap(index, index + 1);
}

void TDlgSntIOSequence::done(int result)
{
    StoreDescription();
    TOKHelpRightDlg::done(result);
}
