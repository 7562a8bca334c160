#pragma once
#include "factory/graph/SountoryAlgInputOutput.h"

#include <cstdint>
#include <string>

class TUnitSountory;

// What a factory's inputs and outputs share: their place on the frame's left
// or right edge, the order callers and dialogs list them in, a description,
// and the marks of kind fitting.
class TSountoryInputOutput : public TSountoryAlgInputOutput {
public:
    TSountoryInputOutput(std::string name, TUnitSountory* factory, double height, uint8_t fixed,
                         ::ValueDomType kind, ::ValueDomain domain, std::string description, int32_t sequence);

    void GetPinSizes(int32_t& circle, int32_t& square, int32_t& triangle) const override;
    int32_t GetPinY(const TCanvasRect& edge) const override;

    // The pin centre's y on the factory's current frame.
    int32_t GetWindowPoint() const;
    // Moves the pin to a window y on the frame, kept within the edge.
    void DragTo(int32_t windowY);

    void SetDescription(const std::string& text) { Description = text; }
    bool SameValueDomain(const TSountoryInputOutput& other) const;
    void CopyFixed(const TSountoryInputOutput& other) { Fixed = other.Fixed; }

    // The name and type lines beside the pin on the given side.
    void DrawLabel(TCanvas& canvas, const TCanvasRect& frame, Side side) const;
    // "Input " or "Output " and the name, refused when the item is no wave position.
    bool CheckWavePositionAs(const char* word, std::string& message) const;

    uint8_t CanChangeWaveSubtype = 0;
    uint8_t KindChangeMark = 0;
    std::string Description;
    int32_t Sequence;

protected:
    TUnitSountory* Factory;
};
