#include "wave/gui/dialogs/DlgLeftRightProps.h"

#include <iterator>

const TDlgLeftRightProps::TExample TDlgLeftRightProps::Examples[8] = {
    {"Normal", {1, 0, 0, 1}},
    {"Swapped", {0, 1, 1, 0}},
    {"Extra Stereo", {0.75, -0.25, -0.25, 0.75}},
    {"Super Stereo", {0.5, -0.25, -0.25, 0.5}},
    {"Surround", {0.5, -0.5, -0.5, 0.5}},
    {"Mono", {0.5, 0.5, 0.5, 0.5}},
    {"Mono at Left, Surround at Right", {0.4, -0.8, 0.4, 0.8}},
    {"Mono at Right, Surround at Left", {0.8, 0.4, -0.8, 0.4}},
};

TDlgLeftRightProps::TDlgLeftRightProps(QWidget* owner, const TLeftRightProps& props)
    : TEffectDialog(owner, "Mix Left Right", 36, props)
{
    QLabel* lblToLeft = NewLabel("to Left");
    lblToLeft->setObjectName("lblToLeft");
    QLabel* lblToRight = NewLabel("to Right");
    lblToRight->setObjectName("lblToRight");
    Row(Frame(), {nullptr, lblToLeft, lblToRight});
    QLabel* lblFromLeft = NewLabel("from Left");
    lblFromLeft->setObjectName("lblFromLeft");
    editLeft2Left = NewEdit("editLeft2Left");
    editLeft2Right = NewEdit("editLeft2Right");
    Row(Frame(), {lblFromLeft, editLeft2Left, editLeft2Right});
    QLabel* lblFromRight = NewLabel("from Right");
    lblFromRight->setObjectName("lblFromRight");
    editRight2Left = NewEdit("editRight2Left");
    editRight2Right = NewEdit("editRight2Right");
    Row(Frame(), {lblFromRight, editRight2Left, editRight2Right});
    QLabel* lblExample = NewLabel("Example");
    lblExample->setObjectName("lblExample");
    cboExample = new QComboBox(Frame());
    cboExample->setObjectName("cboExample");
    for (const TExample& example : Examples)
        cboExample->addItem(example.item);
    cboExample->setCurrentIndex(-1);
    lblExample->setBuddy(cboExample);
    Row(Frame(), {lblExample, cboExample});

    Value(Props.LeftToLeft, editLeft2Left, "from Left to Left");
    Value(Props.LeftToRight, editLeft2Right, "from Left to Right");
    Value(Props.RightToLeft, editRight2Left, "from Right to Left");
    Value(Props.RightToRight, editRight2Right, "from Right to Right");

    QObject::connect(cboExample, &QComboBox::activated, this, [this](int index) { cboExampleChange(index); });
    // Only the user's own typing leaves the example: the texts an example or
    // the showing writes are no edit of the user's.
    for (QLineEdit* edit : {editLeft2Left, editLeft2Right, editRight2Left, editRight2Right})
        QObject::connect(edit, &QLineEdit::textEdited, this, [this] { cboExample->setCurrentIndex(-1); });
}

void TDlgLeftRightProps::cboExampleChange(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(Examples)))
        return;
    unitFactor* shares[4] = {&Props.LeftToLeft, &Props.LeftToRight, &Props.RightToLeft, &Props.RightToRight};
    QLineEdit* edits[4] = {editLeft2Left, editLeft2Right, editRight2Left, editRight2Right};
    for (int i = 0; i < 4; ++i) {
        shares[i]->SetValue(Examples[index].shares[i]);
        edits[i]->setText(QString::fromStdString(shares[i]->GetText()));
    }
}
