#pragma once
#include <cstdint>
#include <string>

class TMusTreeItem;
class TPartMuz;
class TTreeDataResult;

// The nodes a tree view is filled with: the Music Parts dialog gives its tree
// widget, tests a recorder. A node is named by the number the sink gives it;
// TopNode stands for the view itself, above every node.
class TMusicTreeSink {
public:
    static constexpr int32_t TopNode = -1;

    virtual ~TMusicTreeSink() = default;
    // A fill runs between these two, starting from an empty view.
    virtual void BeginUpdate() {}
    virtual void Clear() = 0;
    virtual void EndUpdate() {}
    // A new last child of parent showing text and the picture; data is what
    // the dialog reads back from the node.
    virtual int32_t AddChildObject(int32_t parent, const std::string& text, TMusTreeItem* data, int32_t image) = 0;
    virtual void SetExpanded(int32_t node, bool expanded) = 0;
    // The node becomes the view's selected one; TopNode selects none.
    virtual void SetSelected(int32_t node) = 0;
};

// The pictures of the views' nodes.
enum TMusicTreeImage : int32_t {
    musicTreeImageLoop = 0,
    musicTreeImageBar = 1,
    musicTreeImageTurn = 2,
    musicTreeImageSelect = 3,
};

// The "Music Structure" view: the tree as it is built, sequences flattened
// into lists of siblings; every repeat, turns part, turn and bar a node,
// parts switched off included. The node of selected becomes the selected one.
void AddTreeNode(TPartMuz& part, TMusicTreeSink& sink, int32_t parentNode, const TMusTreeItem* selected);

// The "Music Result" view: the music in played order, every repetition
// spelled out, a turns part only where a turn names the repetition. Builds
// the result nodes below parentResult as it adds the view's nodes, and gives
// the first result node made for the part (nullptr when it adds none). Every
// repeat is left at its last repetition.
TTreeDataResult* AddTreeDataNode(TPartMuz& part, TMusicTreeSink& sink, int32_t parentNode, int32_t pitch,
                                 TTreeDataResult& parentResult);

// Whether every part's Parent is the part that holds it; each one that is
// not is reported.
bool CheckParents(TPartMuz& part);
