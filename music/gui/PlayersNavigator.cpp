#include "music/gui/PlayersNavigator.h"

#include "music/PlayersPresenter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

struct TButtonInfo {
    TPlayersNavigator::Button button;
    const char* name; // after "btn" and the prefix
    const char* caption;
    QStyle::StandardPixmap glyph; // SP_CustomBase: a caption instead
    const char* hint;
};

constexpr TButtonInfo ButtonInfos[] = {
    {TPlayersNavigator::First, "First", "", QStyle::SP_MediaSkipBackward, "First"},
    {TPlayersNavigator::Previous, "Previous", "", QStyle::SP_MediaSeekBackward, "Previous"},
    {TPlayersNavigator::Next, "Next", "", QStyle::SP_MediaSeekForward, "Next"},
    {TPlayersNavigator::Last, "Last", "", QStyle::SP_MediaSkipForward, "Last"},
    {TPlayersNavigator::Insert, "Insert", "Insert", QStyle::SP_CustomBase, "Insert before the current one"},
    {TPlayersNavigator::Append, "Append", "Append", QStyle::SP_CustomBase, "Append after the current one"},
    {TPlayersNavigator::Delete, "Delete", "Delete", QStyle::SP_CustomBase, "Delete the current one"},
    {TPlayersNavigator::MovePrev, "MovePrev", "", QStyle::SP_ArrowUp, "Move one place towards the front"},
    {TPlayersNavigator::MoveNext, "MoveNext", "", QStyle::SP_ArrowDown, "Move one place towards the end"},
};

QLineEdit* ReadOnlyNumber(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setMaximumWidth(44);
    return edit;
}

} // namespace

TPlayersNavigator::TPlayersNavigator(const QString& prefix, QWidget* parent) : QWidget(parent)
{
    setObjectName("nav" + prefix);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (const TButtonInfo& info : ButtonInfos) {
        auto* button = new QPushButton(QString::fromUtf8(info.caption), this);
        button->setObjectName("btn" + prefix + info.name);
        button->setAutoDefault(false);
        button->setToolTip(QString::fromUtf8(info.hint));
        if (info.glyph != QStyle::SP_CustomBase) {
            button->setIcon(style()->standardIcon(info.glyph));
            button->setFixedWidth(30);
        }
        const Button which = info.button;
        connect(button, &QPushButton::clicked, this, [this, which] {
            if (clicked)
                clicked(which);
        });
        buttons[info.button] = button;
    }
    editCount = ReadOnlyNumber("edit" + prefix + "Count", this);
    editCursor = ReadOnlyNumber("edit" + prefix + "Cursor", this);
    int column = 0;
    for (Button each : {First, Previous, Next, Last})
        grid->addWidget(buttons[each], 0, column++);
    grid->addWidget(new QLabel("Count", this), 0, column++);
    grid->addWidget(editCount, 0, column++);
    grid->addWidget(new QLabel("Cursor", this), 0, column++);
    grid->addWidget(editCursor, 0, column++);
    for (Button each : {Insert, Append, Delete, MovePrev, MoveNext})
        grid->addWidget(buttons[each], 0, column++);
    grid->setColumnStretch(column, 1);
}

void TPlayersNavigator::Show(const TNavigatorView& view)
{
    editCount->setEnabled(view.Enabled);
    editCursor->setEnabled(view.Enabled);
    editCount->setText(QString::fromStdString(view.Count));
    editCursor->setText(QString::fromStdString(view.Cursor));
    const bool enabled[ButtonCount] = {view.First,  view.Previous, view.Next,     view.Last,    view.Insert,
                                       view.Append, view.Delete,   view.MovePrev, view.MoveNext};
    for (int i = 0; i < ButtonCount; ++i)
        buttons[i]->setEnabled(enabled[i]);
}
