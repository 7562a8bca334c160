#pragma once
#include "music/parts/PartTreeViews.h"

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The part tree's views filled into a tree widget: each node carries its
// item, a picture by its kind, and its open state; turn nodes stand in
// rising Count order while every other node keeps its place.
class TMusicTreeWidgetSink : public TMusicTreeSink {
public:
    explicit TMusicTreeWidgetSink(QTreeWidget& tree) : Tree(tree) {}

    void BeginUpdate() override;
    void Clear() override;
    void EndUpdate() override;
    int32_t AddChildObject(int32_t parent, const std::string& text, TMusTreeItem* data, int32_t image) override;
    void SetExpanded(int32_t node, bool expanded) override;
    void SetSelected(int32_t node) override;

    // The item a node carries.
    static TMusTreeItem* ItemOf(const QTreeWidgetItem* node);

private:
    void SortTurns();

    QTreeWidget& Tree;
    std::vector<QTreeWidgetItem*> Nodes;
    std::vector<std::pair<QTreeWidgetItem*, bool>> Expanded;
    QTreeWidgetItem* Selected = nullptr;
    bool SelectNone = false;
};
