#include "shell/gui/PanelStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

TPanelStatusBar::TPanelStatusBar(const QString& name, std::initializer_list<int> widths, int raised,
                                 QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    int n = 0;
    for (int width : widths) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QString("%1Panel%2").arg(name).arg(n));
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | (n == raised ? QFrame::Raised : QFrame::Sunken));
        panel->setTextFormat(Qt::PlainText);
        layout->addWidget(panel);
        panels.push_back(panel);
        ++n;
    }
    layout->addStretch(1);
}

QLabel* TPanelStatusBar::Panel(int n) const
{
    return n >= 0 && n < PanelCount() ? panels[n] : nullptr;
}

int TPanelStatusBar::PanelWidth(int n) const
{
    QLabel* panel = Panel(n);
    return panel ? panel->minimumWidth() : 0;
}

void TPanelStatusBar::SetPanelText(int n, const QString& text)
{
    if (QLabel* panel = Panel(n))
        panel->setText(text);
}

QString TPanelStatusBar::PanelText(int n) const
{
    QLabel* panel = Panel(n);
    return panel ? panel->text() : QString();
}
