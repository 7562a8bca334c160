#pragma once
#include "factory/graph/SountoryTouchable.h"
#include "factory/values/SountoryValue.h"
#include "foundation/values/unitFactor.h"

#include <cstdint>
#include <string>

class TCanvas;

// What every pin has, factory inputs and outputs as well as node pins: a name,
// a place along its edge, a value kind with a domain and the fixed flag; and
// how a pin is drawn: a shape by kind in the kind's colour.
class TSountoryAlgInputOutput : public TSountoryTouchable {
public:
    // The edge a pin sits on: inputs on the left, outputs on the right.
    enum Side : int { SideLeft = 1, SideRight = 2 };

    TSountoryAlgInputOutput(double height, uint8_t fixed, ::ValueDomType kind, ::ValueDomain domain,
                            std::string name);

    // Circle radius, square half side and triangle half size for the touch state.
    virtual void GetPinSizes(int32_t& circle, int32_t& square, int32_t& triangle) const = 0;
    // The y of the pin's centre on the edge owner's rectangle (window pixels).
    virtual int32_t GetPinY(const TCanvasRect& edge) const = 0;

    void SetName(const std::string& name) { Name = name; }
    void SetHeight(const unitFactorPosMax1& height) { Height = height; }
    const std::string& GetName() const { return Name; }
    double GetHeight() const { return Height.GetValue(); }
    // A group of types, chosen before a run.
    bool IsGenericType() const { return static_cast<int>(ValueDomType) >= ValueTypeCount; }
    bool IsWave() const { return ValueDomType == ::ValueDomType::Wave; }

    TCanvasColor GetTypeColor() const;
    // "Wave, Mono", "Time, Positive"; the kinds without a domain only their name.
    std::string GetTypeText() const;
    // The value a properties dialog starts from: the own value, else a zero of
    // the pin's kind (a Factor for a group of kinds, none for a wave).
    TSountoryValue DialogValue(bool hasOwnValue, const TSountoryValue& ownValue) const;
    // The pin's shape centred at x on its edge; an own value draws a larger
    // shape behind it.
    void DrawPin(TCanvas& canvas, int32_t x, const TCanvasRect& edge, bool hasOwnValue, Side side) const;

    unitFactorPosMax1 Height;
    std::string Name;
    uint8_t Fixed;
    ::ValueDomType ValueDomType;
    ::ValueDomain ValueDomain;
};

// Both pins' kinds are Wave, or neither is: only then may they be joined.
bool SameWaveClass(ValueDomType a, ValueDomType b);
// The y where a pin sits between two edges at a fraction h, rounded as the
// centre is drawn, or cut as connection lines end.
int32_t PinCentreY(int32_t top, int32_t bottom, double h);
int32_t PinLineY(int32_t top, int32_t bottom, double h);
// The fraction of a window y between two edges, clamped to [0, 1].
double PinHeightAt(int32_t top, int32_t bottom, int32_t y);
// Whether a point lies near enough the pin centre (hit when max(0, d - reach)
// is below limit), with that distance.
bool PinHit(TCanvasPoint point, TCanvasPoint centre, int32_t reach, int32_t limit, double& distance);
