#pragma once
#include "factory/document/FactoryKinds.h"
#include "factory/document/FactoryViewState.h"
#include "factory/graph/ConnectList.h"
#include "factory/graph/RectanglePool.h"
#include "factory/graph/SountoryInput.h"
#include "factory/graph/SountoryOutput.h"
#include "factory/graph/SountoryRectangle.h"
#include "factory/graph/SountoryTouchable.h"
#include "factory/nodes/SountoryNode.h"
#include "wave/document/FileUnit.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TCanvas;
class TFactoryValuesAsker;
class TFactoryWindowAccess;
struct TStandardItem;

// The factory document: a graph of nodes inside a frame, with named, typed
// inputs on the frame's left edge and outputs on its right edge, joined by
// connections; a kind that fixes the names its callers bind; display options,
// a description, and the run. Inputs and outputs are kept in creation order
// and numbered by Sequence without gaps for the callers; the node list's head
// is the front-most node.
class TUnitSountory : public TFileUnit, public TSountoryTouchable {
public:
    using InputList = std::vector<std::unique_ptr<TSountoryInput>>;
    using OutputList = std::vector<std::unique_ptr<TSountoryOutput>>;
    using NodeList = std::vector<std::unique_ptr<TSountoryNode>>;

    TUnitSountory(const std::string& name, const std::string& fileName);
    ~TUnitSountory() override;

    // ---- the frame as a touchable item ----
    bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) override;
    sntSountoryObject GetSntSountoryObject() const override { return sntSountoryObjectSountory; }

    // ---- state and frame ----
    void SetWindow(TFactoryWindowAccess* window) { FactoryWindow = window; }
    TFactoryWindowAccess* GetWindow() const { return FactoryWindow; }
    int32_t GetFrameWidth() const { return Frame.Right - Frame.Left; }
    int32_t GetFrameHeight() const { return Frame.Bottom - Frame.Top; }
    void SetFrameWidth(int32_t width) { Frame.Right = Frame.Left + width; }
    void SetFrameHeight(int32_t height) { Frame.Bottom = Frame.Top + height; }
    void SetFrameRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    TCanvasRect GetFrameRect() const { return Frame.Get(); }
    TSountoryRectangle& GetFrame() { return Frame; }
    TCanvasPoint WindowToFramePoint(TCanvasPoint point) const { return {point.X - Frame.Left, point.Y - Frame.Top}; }
    TRectanglePool& GetRectanglePool() { return RectanglePool; }
    void SetDescription(const std::string& text) { Description = text; }
    // Also lets the pool push neighbours exactly in NodesShift.
    void SetNodesCombination(uint8_t combination);
    // Edited since the last save, or never saved.
    bool IsModified() const { return Modified != 0 || HasNoFileName(); }
    void SetModified() { Modified = 1; }
    void ClearModified() { Modified = 0; }

    // ---- lists ----
    const InputList& Inputs() const { return InputItems; }
    const OutputList& Outputs() const { return OutputItems; }
    const NodeList& Nodes() const { return NodeItems; }
    // A new input (output) at the end of its list; sequence -1 takes the next free number.
    TSountoryInput& CreateInput(const std::string& name, double height, uint8_t fixed, ValueDomType kind,
                                ValueDomain domain, const std::string& description = "", int32_t sequence = -1);
    TSountoryOutput& CreateOutput(const std::string& name, double height, uint8_t fixed, ValueDomType kind,
                                  ValueDomain domain, const std::string& description = "", int32_t sequence = -1);
    // Takes the item out of its list and closes the gap in the sequences; the
    // caller owns it. The item must be there.
    std::unique_ptr<TSountoryInput> RemoveInput(const TSountoryInput* input);
    std::unique_ptr<TSountoryOutput> RemoveOutput(const TSountoryOutput* output);
    // Removes and destroys; whatever the item fed loses it.
    void DeleteInput(const TSountoryInput* input) { RemoveInput(input); }
    void DeleteOutput(const TSountoryOutput* output) { RemoveOutput(output); }
    // The node becomes the head of the list, the front-most.
    template <class Node>
    Node& InsertNode(std::unique_ptr<Node> node)
    {
        Node& inserted = *node;
        NodeItems.insert(NodeItems.begin(), std::move(node));
        return inserted;
    }
    // The node becomes the tail of the list: the file reader keeps file order.
    template <class Node>
    Node& AppendNode(std::unique_ptr<Node> node)
    {
        Node& appended = *node;
        NodeItems.push_back(std::move(node));
        return appended;
    }
    std::unique_ptr<TSountoryNode> RemoveNode(const TSountoryNode* node);
    void DeleteNode(const TSountoryNode* node) { RemoveNode(node); }
    // Moves the node to the head; marks the factory modified when it moved.
    void BringNodeToFront(const TSountoryNode* node);
    // The largest Sequence, -1 for an empty list.
    int32_t GetMaxInputSequence() const;
    int32_t GetMaxOutputSequence() const;
    // Orders inputs and outputs stably by Sequence and numbers them from 0.
    void NormalizeSequences();
    int CountInputs() const { return static_cast<int>(InputItems.size()); }
    int CountOutputs() const { return static_cast<int>(OutputItems.size()); }
    // Inputs a wave-window run does not supply, and those of them of a group kind.
    int CountAskedInputs() const;
    int CountAskedGenericInputs() const;
    int CountGenericOutputs() const;

    // ---- look-ups: exact names, the first in list order other than skip ----
    TSountoryNode* FindNode(const std::string& name, const TSountoryNode* skip) const;
    TSountoryInput* FindInput(const std::string& name, const TSountoryInput* skip) const;
    TSountoryOutput* FindOutput(const std::string& name, const TSountoryOutput* skip) const;
    bool FindOutputNamedAsInput(const TSountoryInput& input, TSountoryOutput*& output) const;
    bool FindInputNamedAsOutput(const TSountoryOutput& output, TSountoryInput*& input) const;

    // ---- layout ----
    // The item nearest the point (window pixels) with the kind and the part
    // touched: pins before their node, nodes from the front, then the inputs,
    // the outputs and the frame; of equal distances the first. forDragging
    // keeps only the frame's right and bottom edges (a top-right corner counts
    // as the right edge, a bottom-left one as the bottom).
    bool PointInObject(TCanvasPoint point, sntSountoryObject& kind, TSountoryTouchable*& item, sntTouchPart& part,
                       bool forDragging);
    // The frame a drag of its part proposes, kept below the window's minimum
    // top, right of 23 and around every node with the margins.
    void ConstrainFrame(sntTouchPart part, TCanvasRect& rect) const;
    // A frame size typed into a dialog, its right and then its bottom edge
    // through the constraint.
    void ResizeFrame(int32_t width, int32_t height);
    bool AnyNodesOverlap() const;
    // Whether a node keeps too little distance to a rectangle (frame-relative).
    bool NodeOverlapsRect(const TCanvasRect& rect) const;
    bool RectFitsInFrame(const TCanvasRect& rect) const;
    // Moves the rectangle past the nodes it meets (and into the frame margins)
    // in a direction; false when nothing was in the way.
    bool PushRectAside(TCanvasRect& rect, int direction) const;
    // A place near the point for a new or dropped node: the rectangle where it
    // is when it is free and inside, else pushed aside step by step, never
    // more than 10 pixels away from the point. False leaves it unchanged.
    bool FindFreePlace(TCanvasRect& rect, int first, int last, TCanvasPoint point) const;
    // Grows a new node's rectangle towards a size, as far as the margins and
    // the nodes beside it allow.
    void WidenNewNodeRect(int32_t wantedWidth, TCanvasRect& rect) const;
    void HeightenNewNodeRect(int32_t wantedHeight, TCanvasRect& rect) const;
    enum TPushDirection : int { PushLeft = 0, PushRight = 1, PushUp = 2, PushDown = 3, PushNone = 8 };

    // ---- drawing ----
    // The frame, the inputs, the outputs with their connections, the nodes
    // from the tail to the head (the head on top), then the window's rubber band.
    void Draw(TCanvas& canvas) const;
    void DrawNode(const TSountoryNode& node, TCanvas& canvas) const;

    // ---- connections ----
    // "<none>", then the factory inputs (outputs) and the other nodes' output
    // (input) pins of the wave class of kind.
    void FillSourceList(TConnectList& list, ValueDomType kind, const TSountoryNode* excluded) const;
    void FillTargetList(TConnectList& list, ValueDomType kind, const TSountoryNode* excluded) const;
    // Selects the targets fed by the source; gives how many there are, listed or not.
    int SelectTargetsOf(TConnectList& list, const TSountoryInputSource* source) const;
    // Connects the selected targets to the source and disconnects the others.
    void ApplyTargetSelection(const TConnectList& list, TSountoryInputSource* source);
    void CountTargets(int& notFed, int& fed, const TSountoryInputSource* source, ValueDomType kind,
                      const TSountoryNode* skip) const;
    void CountSources(int& count, const TSountoryInputSource* current, ValueDomType kind,
                      const TSountoryNode* excluded) const;
    void DisconnectSource(const TSountoryInputSource* source);
    // Called by a source that goes: no connection outlives it.
    void ForgetSource(const TSountoryInputSource* source);

    // ---- kinds ----
    void MergeRefitItems(bool deleteUnmatched);
    void FitKindInputsOutputs(uint8_t kind);
    // One of the twelve options of the create dialog; node is the chosen node
    // for the fitting options.
    void SetupKindInputsOutputs(int option, const TSountoryNode* node);
    void FitToNode(const TSountoryNode& node);
    void DeleteInputNamed(const std::string& name);
    void DeleteOutputNamed(const std::string& name);
    void MarkInputFixed(const std::string& name);
    void MarkOutputFixed(const std::string& name);
    void MarkInputWaveSubtype(const std::string& name);
    void MarkOutputWaveSubtype(const std::string& name);
    void CreateStandardInputs(std::span<const TStandardItem> items);
    void CreateStandardOutputs(std::span<const TStandardItem> items);
    // Fixed, and the wave subtype where the table allows it, on the items of those names.
    void MarkStandardInputs(std::span<const TStandardItem> items);
    void MarkStandardOutputs(std::span<const TStandardItem> items);

    // ---- validation and run ----
    // Validates once per pass: a stamp already validated answers at once.
    bool Validate(int32_t stamp, std::string& error);
    // Every output has a source or a value of its own.
    bool CheckAsUsedFactory(std::string& error) const;
    // The Wave input of that name fitting the sound's channels.
    bool FindWaveInput(const std::string& name, const Sound& sound, TSountoryInput*& input, std::string& error) const;
    // The Wave output of that name, which must have a source or a value.
    bool FindWaveOutput(const std::string& name, TSountoryOutput*& output, std::string& error) const;
    // Binds named waves, counts the demands and pulls every output. A run
    // reached again through its own nodes is refused with "Recurse found!".
    bool Run(std::string& error, StopFlag* stop);
    // The whole run of a create-wave factory: asks the inputs, runs, and hands
    // over the wave of "Result" with the positions begin and end.
    bool RunCreateWave(std::string& error, SoundPtr& sound, int32_t& begin, int32_t& end, TFactoryValuesAsker& asker);
    bool AskInputValues(std::string& error, TFactoryValuesAsker& asker);
    // Drops every wave the nodes' outputs hold.
    void ReleaseRunSounds();

    // ---- file ----
    bool Save();
    // Refuses names the file cannot carry; shows the failure.
    bool SaveToFile(const std::string& fileName);
    bool LoadFromFile(std::string& error);
    bool LoadFromBytes(std::string_view bytes, std::string& error);
    bool DuplicateByXml(const TUnitSountory& other, std::string& error);

    uint8_t FactoryKind = FactoryCreateWW;
    uint8_t Modified = 0;
    int32_t ValidationStamp = 0;
    uint8_t NodesCombination = NodesShift;
    uint8_t ShowNameIO = 1;
    uint8_t ShowTypeIO = 0;
    uint8_t ShowNameNIO = 1;
    uint8_t ShowTypeNIO = 0;
    std::string Description;
    // The factory's own stop flag, which RunCreateWave passes to the run.
    StopFlag RunStopFlag = 0;
    uint8_t RunState = sntRunIdle;
    // The window's settings the file keeps.
    TFactoryViewState View;

private:
    bool PullOutputs(std::string& error, StopFlag* stop);
    bool CheckOutputPositions(std::string& error) const;
    bool CheckLoops(std::string& error);
    bool FindFreePlaceFrom(TCanvasRect& rect, int first, int last, TCanvasPoint point, int depth) const;

    TFactoryWindowAccess* FactoryWindow = nullptr;
    // A run of this factory is under way, further up the stack.
    bool Running = false;
    TSountoryRectangle Frame;
    TRectanglePool RectanglePool;
    InputList InputItems;
    OutputList OutputItems;
    NodeList NodeItems;
    // Set while the factory goes, when no connection needs to be forgotten.
    bool Dying = false;
};
