#pragma once
#include "music/parts/MusTreeItem.h"

#include <memory>
#include <string>

class TPartMuz;

// A node of the played-order view of the part tree: one part in one
// repetition, with where and when it starts and ends. A node owns its
// children and the siblings after it, never the part it stands for.
class TTreeDataResult : public TMusTreeItem {
public:
    // The top node of a view has no part and no parent; every other node is
    // handed to its parent with AddChild.
    TTreeDataResult(TPartMuz* partMuz, TTreeDataResult* parentResult, int32_t pitch, int32_t count);
    // A new node at the end of parent's children; gives it.
    static TTreeDataResult* AddTo(TTreeDataResult& parent, TPartMuz* partMuz, int32_t pitch, int32_t count);
    // Frees the subtree and the following siblings without recursion.
    ~TTreeDataResult() override;

    TMusTreeItemKind GetMusTreeItemKind() const override { return musTreeItemResult; }

    TPartMuz* GetPartMuz() const { return PartMuz; }
    TTreeDataResult* GetParentResult() const { return ParentResult; }
    TTreeDataResult* GetFirstChild() const { return FirstChild.get(); }
    TTreeDataResult* GetNextSibling() const { return NextSibling.get(); }
    int32_t GetCount() const { return Count; }
    int32_t GetPitch() const { return Pitch; }
    void SetNameTurnPartItem(const std::string& name) { NameTurnPartItem = name; }
    bool HasNameTurnPartItem() const { return !NameTurnPartItem.empty(); }
    const std::string& GetNameTurnPartItem() const { return NameTurnPartItem; }
    // Whether this node stands for the part in the repetitions the loops
    // around it are in now (TreeDataResultTimes.cpp).
    bool IsResultOf(const TPartMuz* part) const;
    // The times, positions and tempi of this node, its children and its
    // later siblings, from position and time on (TreeDataResultTimes.cpp).
    void UpdateTreeData(double& position, double& time, double musicLength, double tempo);
    void AddChild(std::unique_ptr<TTreeDataResult> child);

    double StartTime = 0;
    double EndTime = -1.0;
    double StartPosition = 0;
    double EndPosition = 0;
    double TempoAtStart = 0;
    double TempoAtEnd = 0;

private:
    TTreeDataResult* ParentResult;
    std::unique_ptr<TTreeDataResult> FirstChild;
    std::unique_ptr<TTreeDataResult> NextSibling;
    TTreeDataResult* LastChild = nullptr;
    TPartMuz* PartMuz;
    int32_t Pitch;
    int32_t Count;
    std::string NameTurnPartItem;
};
