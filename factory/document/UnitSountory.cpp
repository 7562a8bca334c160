#include "factory/document/UnitSountory.h"

#include "factory/document/FactoryWindowAccess.h"
#include "factory/graph/FindNamed.h"
#include "foundation/draw/CanvasHelpers.h"
#include "platform/Assertions.h"

#include <algorithm>

TUnitSountory::TUnitSountory(const std::string& name, const std::string& fileName)
    : TFileUnit(UnitKindFactory), Frame({25, 15, 460, 255}, nullptr)
{
    Name = name;
    FileName = fileName;
    RectanglePool.Frame = &Frame;
    RectanglePool.GapX = 10;
    RectanglePool.GapY = 3;
    RectanglePool.MarginX = 15;
    RectanglePool.MarginY = 5;
    SetNodesCombination(NodesShift);
}

TUnitSountory::~TUnitSountory()
{
    // Everything goes, so no connection needs to be forgotten one by one.
    Dying = true;
    InputItems.clear();
    OutputItems.clear();
    NodeItems.clear();
}

bool TUnitSountory::PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part)
{
    return Frame.PointInRectangle(point, distance, part);
}

void TUnitSountory::SetFrameRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Frame.Set({left, top, right, bottom});
}

void TUnitSountory::SetNodesCombination(uint8_t combination)
{
    NodesCombination = combination;
    RectanglePool.ShiftRightFree = combination == NodesShift ? 1 : 0;
    RectanglePool.ShiftDownFree = combination == NodesShift ? 1 : 0;
}

TSountoryInput& TUnitSountory::CreateInput(const std::string& name, double height, uint8_t fixed, ValueDomType kind,
                                           ValueDomain domain, const std::string& description, int32_t sequence)
{
    InputItems.push_back(
        std::make_unique<TSountoryInput>(name, this, height, fixed, kind, domain, description, sequence));
    return *InputItems.back();
}

TSountoryOutput& TUnitSountory::CreateOutput(const std::string& name, double height, uint8_t fixed,
                                             ValueDomType kind, ValueDomain domain, const std::string& description,
                                             int32_t sequence)
{
    OutputItems.push_back(
        std::make_unique<TSountoryOutput>(name, this, height, fixed, kind, domain, description, sequence));
    return *OutputItems.back();
}

namespace {

template <class Item>
std::unique_ptr<Item> TakeOut(std::vector<std::unique_ptr<Item>>& list, const Item* item)
{
    auto it = std::find_if(list.begin(), list.end(), [item](const auto& p) { return p.get() == item; });
    QB_ASSERT(it != list.end());
    std::unique_ptr<Item> taken = std::move(*it);
    list.erase(it);
    return taken;
}

// Closes the gap a removed item leaves in the sequence numbers.
template <class Item>
void RenumberSequence(std::vector<std::unique_ptr<Item>>& list, int32_t removed)
{
    for (const auto& item : list) {
        QB_ASSERT(item->Sequence != removed);
        if (item->Sequence > removed)
            --item->Sequence;
    }
}

template <class Item>
int32_t MaxSequence(const std::vector<std::unique_ptr<Item>>& list)
{
    int32_t max = -1;
    for (const auto& item : list)
        max = std::max(max, item->Sequence);
    return max;
}

} // namespace

std::unique_ptr<TSountoryInput> TUnitSountory::RemoveInput(const TSountoryInput* input)
{
    std::unique_ptr<TSountoryInput> taken = TakeOut(InputItems, input);
    RenumberSequence(InputItems, taken->Sequence);
    return taken;
}

std::unique_ptr<TSountoryOutput> TUnitSountory::RemoveOutput(const TSountoryOutput* output)
{
    std::unique_ptr<TSountoryOutput> taken = TakeOut(OutputItems, output);
    RenumberSequence(OutputItems, taken->Sequence);
    return taken;
}

std::unique_ptr<TSountoryNode> TUnitSountory::RemoveNode(const TSountoryNode* node)
{
    return TakeOut(NodeItems, node);
}

void TUnitSountory::BringNodeToFront(const TSountoryNode* node)
{
    QB_ASSERT(!NodeItems.empty());
    if (NodeItems.front().get() == node)
        return;
    InsertNode(RemoveNode(node));
    SetModified();
}

int32_t TUnitSountory::GetMaxInputSequence() const
{
    return MaxSequence(InputItems);
}

int32_t TUnitSountory::GetMaxOutputSequence() const
{
    return MaxSequence(OutputItems);
}

void TUnitSountory::NormalizeSequences()
{
    auto normalize = [](auto& list) {
        std::stable_sort(list.begin(), list.end(),
                         [](const auto& a, const auto& b) { return a->Sequence < b->Sequence; });
        int32_t sequence = 0;
        for (const auto& item : list)
            item->Sequence = sequence++;
    };
    normalize(InputItems);
    normalize(OutputItems);
}

int TUnitSountory::CountAskedInputs() const
{
    return static_cast<int>(std::count_if(InputItems.begin(), InputItems.end(),
                                          [](const auto& input) { return !input->IsWaveWindowInput(); }));
}

int TUnitSountory::CountAskedGenericInputs() const
{
    return static_cast<int>(std::count_if(InputItems.begin(), InputItems.end(), [](const auto& input) {
        return !input->IsWaveWindowInput() && input->IsGenericType();
    }));
}

int TUnitSountory::CountGenericOutputs() const
{
    return static_cast<int>(std::count_if(OutputItems.begin(), OutputItems.end(),
                                          [](const auto& output) { return output->IsGenericType(); }));
}

TSountoryNode* TUnitSountory::FindNode(const std::string& name, const TSountoryNode* skip) const
{
    return FindNamed(NodeItems, name, skip);
}

TSountoryInput* TUnitSountory::FindInput(const std::string& name, const TSountoryInput* skip) const
{
    return FindNamed(InputItems, name, skip);
}

TSountoryOutput* TUnitSountory::FindOutput(const std::string& name, const TSountoryOutput* skip) const
{
    return FindNamed(OutputItems, name, skip);
}

bool TUnitSountory::FindOutputNamedAsInput(const TSountoryInput& input, TSountoryOutput*& output) const
{
    output = FindOutput(input.Name, nullptr);
    return output != nullptr;
}

bool TUnitSountory::FindInputNamedAsOutput(const TSountoryOutput& output, TSountoryInput*& input) const
{
    input = FindInput(output.Name, nullptr);
    return input != nullptr;
}

void TUnitSountory::Draw(TCanvas& canvas) const
{
    const TCanvasRect frame = GetFrameRect();
    DrawBevelRect(canvas, frame, 0xFFFFFF);
    for (const auto& input : InputItems)
        input->Draw(canvas, frame);
    for (const auto& output : OutputItems)
        output->Draw(canvas, frame);
    for (auto it = NodeItems.rbegin(); it != NodeItems.rend(); ++it)
        (*it)->Draw(canvas, frame);
    if (FactoryWindow)
        FactoryWindow->DrawConnecting(canvas);
}

void TUnitSountory::DrawNode(const TSountoryNode& node, TCanvas& canvas) const
{
    node.Draw(canvas, GetFrameRect());
}
