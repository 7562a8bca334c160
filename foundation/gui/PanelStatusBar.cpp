#include "foundation/gui/PanelStatusBar.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

// A panel keeps its whole text but shows what does not fit cut with an
// ellipsis, and draws nothing past its frame: a plain label lets a long text
// run over the panel beside it.
class PanelStatusBarLabel : public QLabel {
public:
    explicit PanelStatusBarLabel(QWidget* parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect inside = contentsRect();
        QRect textRect = inside.adjusted(margin(), margin(), -margin(), -margin());
        // The indent a framed label gives its text when it is given none.
        int indent = this->indent();
        if (indent < 0 && frameWidth() > 0)
            indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
        const int align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (indent > 0 && (align & Qt::AlignLeft))
            textRect.setLeft(textRect.left() + indent);
        if (indent > 0 && (align & Qt::AlignRight))
            textRect.setRight(textRect.right() - indent);
        QStyleOption option;
        option.initFrom(this);
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width());
        painter.setClipRect(inside);
        style()->drawItemText(&painter, textRect, align, option.palette, isEnabled(), shown, foregroundRole());
    }
};

// Lays the panels out from the left, each at its own width, as a status bar
// of fixed panels does: what does not fit runs past the bar's right edge and
// is cut there. A box layout given less room than the panels need squeezes
// their places while each keeps its width, so they overlap.
class FixedPanelsLayout : public QLayout {
public:
    explicit FixedPanelsLayout(QWidget* parent) : QLayout(parent) {}
    ~FixedPanelsLayout() override
    {
        while (QLayoutItem* item = takeAt(0))
            delete item;
    }

    void addItem(QLayoutItem* item) override { items.push_back(item); }
    int count() const override { return static_cast<int>(items.size()); }
    QLayoutItem* itemAt(int index) const override
    {
        return index >= 0 && index < count() ? items[static_cast<size_t>(index)] : nullptr;
    }
    QLayoutItem* takeAt(int index) override
    {
        if (index < 0 || index >= count())
            return nullptr;
        QLayoutItem* item = items[static_cast<size_t>(index)];
        items.erase(items.begin() + index);
        return item;
    }
    Qt::Orientations expandingDirections() const override { return {}; }

    QSize sizeHint() const override
    {
        int width = 0, height = 0, shown = 0;
        for (QLayoutItem* item : items)
            if (!item->isEmpty()) {
                width += item->sizeHint().width();
                height = std::max(height, item->sizeHint().height());
                ++shown;
            }
        width += std::max(shown - 1, 0) * spacing();
        return QSize(width, height) + Margins();
    }
    // Any width will do: the panels are cut, never squeezed.
    QSize minimumSize() const override
    {
        int height = 0;
        for (QLayoutItem* item : items)
            height = std::max(height, item->minimumSize().height());
        return QSize(0, height) + Margins();
    }

    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        const QRect inside = contentsRect();
        int x = inside.left();
        for (QLayoutItem* item : items) {
            if (item->isEmpty())
                continue;
            const int width = item->sizeHint().width();
            item->setGeometry(QRect(x, inside.top(), width, inside.height()));
            x += width + spacing();
        }
    }

private:
    QSize Margins() const
    {
        const QMargins margins = contentsMargins();
        return QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    }

    std::vector<QLayoutItem*> items;
};

} // namespace

TPanelStatusBar::TPanelStatusBar(const QString& name, std::initializer_list<int> widths, int raised,
                                 QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    auto* layout = new FixedPanelsLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    int n = 0;
    for (int width : widths) {
        QLabel* panel = new PanelStatusBarLabel(this);
        panel->setObjectName(QString("%1Panel%2").arg(name).arg(n));
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | (n == raised ? QFrame::Raised : QFrame::Sunken));
        panel->setTextFormat(Qt::PlainText);
        layout->addWidget(panel);
        panels.push_back(panel);
        ++n;
    }
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

int TPanelStatusBar::WidthFor(const QLabel* panel, const QString& text)
{
    // What the label itself asks for: the text in its font, its frame, margin and indent.
    QLabel probe(text);
    probe.setFont(panel->font());
    probe.setFrameStyle(panel->frameStyle());
    probe.setMargin(panel->margin());
    probe.setIndent(panel->indent());
    probe.setContentsMargins(panel->contentsMargins());
    probe.setTextFormat(panel->textFormat());
    return probe.sizeHint().width();
}

void TPanelStatusBar::FitPanel(int n, const std::vector<std::string>& texts)
{
    QLabel* panel = Panel(n);
    if (!panel)
        return;
    int width = panel->minimumWidth();
    for (const std::string& text : texts)
        width = std::max(width, WidthFor(panel, QString::fromStdString(text)));
    panel->setFixedWidth(width);
}

QString TPanelStatusBar::PanelText(int n) const
{
    QLabel* panel = Panel(n);
    return panel ? panel->text() : QString();
}
