#pragma once
#include <cstdint>
#include <memory>

// The pane rectangle and visible value range a node is drawn in.
struct DrawNodeFrame {
    double left = 0, top = 0, right = 0, bottom = 0;
    double first = 0, last = 0; // visible value range of the pane
    double values = 0;          // value count of the wave
};

// One node of a hand-drawn wave: a sample value at a place given as a
// fraction of the drawn length. Nodes form a doubly linked list; each node
// owns the one after it and the document owns the head.
class TDrawNode {
public:
    TDrawNode(int16_t value, double position);
    // A node at a point of the pane.
    TDrawNode(double x, double y, const DrawNodeFrame& frame);
    TDrawNode(const TDrawNode&) = delete;
    TDrawNode& operator=(const TDrawNode&) = delete;
    ~TDrawNode();

    double GetX(const DrawNodeFrame& frame) const;
    double GetY(const DrawNodeFrame& frame) const;
    void SetPositionFromX(double x, const DrawNodeFrame& frame);
    void SetValueFromY(double y, const DrawNodeFrame& frame);
    // Distance in pixels between the point and the node's pixel.
    double GetDistance(double x, double y, const DrawNodeFrame& frame) const;
    // Number of nodes from this one to the end of the list.
    int32_t CountFrom() const;

    TDrawNode* GetNext() const { return Next.get(); }
    TDrawNode* GetPrev() const { return Prev; }

    int16_t Value;
    double Position;
    uint8_t Visible = 1;

private:
    friend class TUnitWave;
    std::unique_ptr<TDrawNode> Next;
    TDrawNode* Prev = nullptr;
};
