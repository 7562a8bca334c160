#pragma once

class TCanvas;
class TSountoryNode;

// What a factory asks of the window that shows it. The factory window fills
// it; without a window nothing is drawn.
class TFactoryWindowAccess {
public:
    virtual ~TFactoryWindowAccess() = default;
    // A run changed the node's state. The window shows it at its own pace and
    // never paints here: a render runs the factory for every note.
    virtual void RedrawNode(TSountoryNode& node) = 0;
    // The smallest top the frame may have (below the description).
    virtual int GetMinFrameTop() const = 0;
    // The rubber band of a connection being drawn, painted last.
    virtual void DrawConnecting(TCanvas& canvas) = 0;
};
