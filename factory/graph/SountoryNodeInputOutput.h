#pragma once
#include "factory/graph/SountoryAlgInputOutput.h"

#include <cstdint>
#include <string>

class TSountoryNode;

// What a node's input and output pins share: the node they belong to, their
// place on its left or right edge, and the mark of pin rebuilding.
class TSountoryNodeInputOutput : public TSountoryAlgInputOutput {
public:
    TSountoryNodeInputOutput(std::string name, TSountoryNode* node, double height, uint8_t fixed,
                             ::ValueDomType kind, ::ValueDomain domain);

    void GetPinSizes(int32_t& circle, int32_t& square, int32_t& triangle) const override;
    // Between the node's top + 8 and bottom - 7.
    int32_t GetPinY(const TCanvasRect& edge) const override;
    int32_t GetLineY(const TCanvasRect& edge) const;

    // Node name "." pin name.
    std::string GetFullName() const;
    // The pin centre's y on the node's current window rectangle.
    int32_t GetWindowPoint() const;
    void DragTo(int32_t windowY);
    bool SameValueDomain(const TSountoryNodeInputOutput& other) const;
    // Takes over the other pin's Fixed and Height.
    void CopyLayout(const TSountoryNodeInputOutput& other);
    // The name and type lines beside the pin on the given side.
    void DrawLabel(TCanvas& canvas, const TCanvasRect& nodeRect, Side side) const;

    TSountoryNode* GetSountoryNode() const { return SountoryNode; }

    uint8_t ReplaceMark = 0;

protected:
    TSountoryNode* SountoryNode;
};
