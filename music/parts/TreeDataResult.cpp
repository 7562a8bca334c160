#include "music/parts/TreeDataResult.h"

#include <vector>

TTreeDataResult::TTreeDataResult(TPartMuz* partMuz, TTreeDataResult* parentResult, int32_t pitch, int32_t count)
    : ParentResult(parentResult), PartMuz(partMuz), Pitch(pitch), Count(count)
{
}

TTreeDataResult::~TTreeDataResult()
{
    std::vector<std::unique_ptr<TTreeDataResult>> work;
    if (FirstChild)
        work.push_back(std::move(FirstChild));
    if (NextSibling)
        work.push_back(std::move(NextSibling));
    while (!work.empty()) {
        std::unique_ptr<TTreeDataResult> node = std::move(work.back());
        work.pop_back();
        if (node->FirstChild)
            work.push_back(std::move(node->FirstChild));
        if (node->NextSibling)
            work.push_back(std::move(node->NextSibling));
    }
}

void TTreeDataResult::AddChild(std::unique_ptr<TTreeDataResult> child)
{
    TTreeDataResult* raw = child.get();
    if (LastChild)
        LastChild->NextSibling = std::move(child);
    else
        FirstChild = std::move(child);
    LastChild = raw;
}

TTreeDataResult* TTreeDataResult::AddTo(TTreeDataResult& parent, TPartMuz* partMuz, int32_t pitch, int32_t count)
{
    auto node = std::make_unique<TTreeDataResult>(partMuz, &parent, pitch, count);
    TTreeDataResult* raw = node.get();
    parent.AddChild(std::move(node));
    return raw;
}
