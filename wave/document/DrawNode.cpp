#include "wave/document/DrawNode.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"

#include <cmath>

TDrawNode::TDrawNode(int16_t value, double position) : Value(value), Position(position) {}

TDrawNode::TDrawNode(double x, double y, const DrawNodeFrame& frame) : Value(0), Position(0)
{
    SetPositionFromX(x, frame);
    SetValueFromY(y, frame);
}

TDrawNode::~TDrawNode()
{
    std::unique_ptr<TDrawNode> rest = std::move(Next);
    while (rest)
        rest = std::move(rest->Next);
}

double TDrawNode::GetX(const DrawNodeFrame& frame) const
{
    return LinearMap(frame.values * Position, frame.first, frame.last, frame.left, frame.right);
}

double TDrawNode::GetY(const DrawNodeFrame& frame) const
{
    return LinearMap(Value, 32767, -32767, frame.top, frame.bottom);
}

void TDrawNode::SetPositionFromX(double x, const DrawNodeFrame& frame)
{
    Position = LinearMap(x, frame.left, frame.right, frame.first, frame.last) / frame.values;
}

void TDrawNode::SetValueFromY(double y, const DrawNodeFrame& frame)
{
    Value = static_cast<int16_t>(ToInt32(LinearMap(y, frame.top, frame.bottom, 32767, -32767)));
}

double TDrawNode::GetDistance(double x, double y, const DrawNodeFrame& frame) const
{
    double dx = x - ToInt32(GetX(frame));
    double dy = y - ToInt32(GetY(frame));
    return std::sqrt(dx * dx + dy * dy);
}

int32_t TDrawNode::CountFrom() const
{
    int32_t n = 0;
    for (const TDrawNode* node = this; node; node = node->Next.get())
        ++n;
    return n;
}
