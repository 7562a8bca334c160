#include "music/gui/MusicTreeWidgetSink.h"

#include "music/parts/MusTreeItem.h"
#include "music/parts/SelectPartItem.h"

#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int ItemRole = Qt::UserRole + 1;

// The node pictures: loop, bar, turn, turns part.
QIcon NodeIcon(int32_t image)
{
    static const struct {
        QColor fill;
        const char* mark;
    } looks[] = {{QColor(80, 160, 80), "R"}, {QColor(70, 110, 200), "B"}, {QColor(200, 150, 40), "t"},
                 {QColor(190, 90, 60), "T"}};
    if (image < 0 || image > 3)
        return {};
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(looks[image].fill.darker(150));
    painter.setBrush(looks[image].fill);
    painter.drawRect(2, 2, 15, 15);
    painter.setPen(Qt::white);
    painter.drawText(QRect(2, 2, 16, 16), Qt::AlignCenter, looks[image].mark);
    return QIcon(pixmap);
}

int32_t TurnCount(const QTreeWidgetItem* node)
{
    const auto* turn = dynamic_cast<const TCountSelectPartItem*>(TMusicTreeWidgetSink::ItemOf(node));
    return turn ? turn->GetCount().GetValue() : 0;
}

bool IsTurn(const QTreeWidgetItem* node)
{
    const TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(node);
    return item && item->GetMusTreeItemKind() == musTreeItemTurn;
}

} // namespace

TMusTreeItem* TMusicTreeWidgetSink::ItemOf(const QTreeWidgetItem* node)
{
    return node ? static_cast<TMusTreeItem*>(node->data(0, ItemRole).value<void*>()) : nullptr;
}

void TMusicTreeWidgetSink::BeginUpdate()
{
    Tree.setUpdatesEnabled(false);
}

void TMusicTreeWidgetSink::Clear()
{
    Tree.clear();
    Nodes.clear();
    Expanded.clear();
    Selected = nullptr;
    SelectNone = false;
}

void TMusicTreeWidgetSink::EndUpdate()
{
    SortTurns();
    // Opened once every node is in place, so that nothing closes them again.
    for (auto [node, expanded] : Expanded)
        node->setExpanded(expanded);
    if (Selected)
        Tree.setCurrentItem(Selected);
    else if (SelectNone)
        Tree.setCurrentItem(nullptr);
    Tree.setUpdatesEnabled(true);
}

int32_t TMusicTreeWidgetSink::AddChildObject(int32_t parent, const std::string& text, TMusTreeItem* data,
                                             int32_t image)
{
    QTreeWidgetItem* node =
        parent == TopNode ? new QTreeWidgetItem(&Tree) : new QTreeWidgetItem(Nodes.at(static_cast<size_t>(parent)));
    node->setText(0, QString::fromStdString(text));
    node->setData(0, ItemRole, QVariant::fromValue<void*>(data));
    node->setIcon(0, NodeIcon(image));
    Nodes.push_back(node);
    return static_cast<int32_t>(Nodes.size()) - 1;
}

void TMusicTreeWidgetSink::SetExpanded(int32_t node, bool expanded)
{
    if (node >= 0 && static_cast<size_t>(node) < Nodes.size())
        Expanded.emplace_back(Nodes[static_cast<size_t>(node)], expanded);
}

void TMusicTreeWidgetSink::SetSelected(int32_t node)
{
    if (node == TopNode) {
        Selected = nullptr;
        SelectNone = true;
    } else if (node >= 0 && static_cast<size_t>(node) < Nodes.size()) {
        Selected = Nodes[static_cast<size_t>(node)];
    }
}

void TMusicTreeWidgetSink::SortTurns()
{
    for (QTreeWidgetItem* parent : Nodes) {
        // A turns part's turns come first; they stand in rising Count, the others stay.
        std::vector<QTreeWidgetItem*> turns;
        for (int i = 0; i < parent->childCount() && IsTurn(parent->child(i)); ++i)
            turns.push_back(parent->child(i));
        if (turns.size() < 2)
            continue;
        std::stable_sort(turns.begin(), turns.end(),
                         [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return TurnCount(a) < TurnCount(b); });
        for (size_t i = 0; i < turns.size(); ++i)
            parent->takeChild(parent->indexOfChild(turns[i]));
        for (size_t i = 0; i < turns.size(); ++i)
            parent->insertChild(static_cast<int>(i), turns[i]);
    }
}
