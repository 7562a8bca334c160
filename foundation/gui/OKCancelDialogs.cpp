#include "foundation/gui/OKCancelDialogs.h"

#include "platform/HelpService.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace {

// Sizes at 96 pixels per inch; a larger font may grow the dialog, never shrink it.
constexpr int Margin = 8;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int RightFrameWidth = 281;
constexpr int BottomFrameWidth = 297;
constexpr int FrameHeight = 161;

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* owner)
{
    auto* button = new QPushButton(caption, owner);
    button->setObjectName(name);
    button->setMinimumSize(ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

void SetDialogWindowFlags(QWidget* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
}

TOKDialog::TOKDialog(QWidget* owner, TButtonPlace place, bool withHelp) : QDialog(owner)
{
    SetDialogWindowFlags(this);
    setWindowTitle("Dialog");
    setModal(true);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setMinimumSize(place == TButtonPlace::Right ? RightFrameWidth : BottomFrameWidth, FrameHeight);

    OKBtn = MakeButton("OK", "OKBtn", this);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn = MakeButton("Cancel", "CancelBtn", this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    if (withHelp) {
        HelpBtn = MakeButton("&Help", "HelpBtn", this);
        connect(HelpBtn, &QPushButton::clicked, this, &TOKDialog::HelpBtnClick);
    }

    QBoxLayout* buttons = nullptr;
    QBoxLayout* outer = nullptr;
    if (place == TButtonPlace::Right) {
        outer = new QHBoxLayout(this);
        buttons = new QVBoxLayout;
        buttons->setSpacing(5);
    } else {
        outer = new QVBoxLayout(this);
        buttons = new QHBoxLayout;
        buttons->addStretch();
    }
    outer->setContentsMargins(Margin, Margin, Margin, Margin);
    outer->addWidget(Bevel1, 1);
    for (QPushButton* button : {OKBtn, CancelBtn, HelpBtn})
        if (button)
            buttons->addWidget(button);
    buttons->addStretch();
    outer->addLayout(buttons);
    // A fixed border: the dialog keeps the size its contents need.
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void TOKDialog::HelpBtnClick()
{
    Help().ShowContext(HelpContextNumber);
}

void TOKDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Placed)
        return;
    Placed = true;
    // What the dialog filled in while showing sizes it now, before it is centred.
    if (QLayout* outer = layout())
        outer->activate();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
