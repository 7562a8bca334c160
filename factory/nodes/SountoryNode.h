#pragma once
#include "factory/graph/ConnectList.h"
#include "factory/graph/SountoryNodeInput.h"
#include "factory/graph/SountoryNodeOutput.h"
#include "factory/graph/SountoryRectangle.h"
#include "factory/graph/SountoryTouchable.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TUnitSountory;
class TXMLComplexElement;

// A computing element of a factory: a name, a rectangle relative to the
// factory's frame, a run state, and input and output pins in creation order.
// Built-in nodes compute one of the catalogue's functions; the others run
// another factory. The factory owns its nodes; a node owns its pins.
class TSountoryNode : public TSountoryTouchable {
public:
    using InputList = std::vector<std::unique_ptr<TSountoryNodeInput>>;
    using OutputList = std::vector<std::unique_ptr<TSountoryNodeOutput>>;

    // Registers the rectangle in the owner's pool. The owner's InsertNode puts
    // the node at the head of its list.
    TSountoryNode(std::string name, TUnitSountory& owner, const TCanvasRect& rect);
    // Deletes the pins (every target fed by an output loses it) and leaves the pool.
    ~TSountoryNode() override;
    TSountoryNode(const TSountoryNode&) = delete;
    TSountoryNode& operator=(const TSountoryNode&) = delete;

    // ---- touchable ----
    bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) override;
    sntSountoryObject GetSntSountoryObject() const override { return sntSountoryObjectNode; }

    // ---- what each kind of node says of itself ----
    virtual sntNodeKind GetSntNodeKind() const = 0;
    virtual bool UsesFactory() const { return false; }
    // The kind element of the node's file element.
    virtual std::unique_ptr<TXMLComplexElement> WriteKindXml() const = 0;
    // The pins the node kind always has, each made when missing.
    virtual void CreateFixedPins() {}
    // Whether the user may add and delete "Operand n" inputs.
    virtual bool HasVariableOperands() const { return false; }
    // The function's display name, or the used factory's name.
    virtual std::string GetDisplayName() const = 0;
    // Paints the node at once in its factory's window, while a run changes it.
    virtual void Redraw();
    // The node on the canvas with its pins; frame is the factory's frame in
    // window pixels.
    virtual void Draw(TCanvas& canvas, const TCanvasRect& frame) const;

    // ---- validation and run ----
    // The node's own checks before a run.
    virtual bool ValidateNode(std::string& error) = 0;
    // The check against a used factory; true for nodes that use none.
    virtual bool CheckDefinition(std::string& error) = 0;
    // Once per factory run: pulls the inputs (running the nodes upstream),
    // then executes; the error text carries the node where it arose.
    virtual bool Run(StopFlag* stop, std::string& error);
    // The computation itself.
    virtual bool Execute(StopFlag* stop, std::string& error) = 0;

    // ---- fields ----
    void SetName(const std::string& name) { Name = name; }
    TUnitSountory* GetOwner() const { return Owner; }
    // Frame-relative; writable in place.
    TSountoryRectangle& GetRectangle() { return Rectangle; }
    const TSountoryRectangle& GetRectangle() const { return Rectangle; }
    // The rectangle moved by the frame's top-left corner.
    TCanvasRect GetWindowRect() const;
    // The fill colour by run state.
    TCanvasColor NodeStateColor() const;

    // ---- placement ----
    // The node's rectangle, grown by the gaps kept between nodes (10 pixels
    // left and right, 3 up and down), meets r (frame-relative).
    bool Overlaps(const TCanvasRect& r) const;
    bool OverlapsNode(const TSountoryNode& other) const { return Overlaps(other.Rectangle.Get()); }
    // Clamps a rectangle proposed for this node by dragging or typing the
    // touched part (8 moves the whole node) to the frame margins, the
    // minimum size and the factory's placement rule. In NodesShift the nodes
    // in the way are pushed (and the frame grows); the node itself is not
    // changed: the caller stores r when it differs. Without push, the
    // neighbours stay where they are (a dialog asking before its OK).
    void ConstrainRectangle(sntTouchPart part, TCanvasRect& r, bool push = true);
    // A rectangle typed into a dialog: side by side (left, right, top,
    // bottom) through the constraint of that side, the neighbours pushed;
    // the node takes the result, which it gives back.
    TCanvasRect PlaceTypedRectangle(const TCanvasRect& typed);

    // ---- drawing ----
    // The picture of the node's function or kind; -1 for none.
    virtual int32_t GetPictureNumber() const;
    // Body in the run state's colour, name, display name and picture; the
    // pins are drawn by Draw.
    void DrawNodeBody(TCanvas& canvas, const TCanvasRect& rect) const;

    // ---- pins ----
    const InputList& Inputs() const { return InputPins; }
    const OutputList& Outputs() const { return OutputPins; }
    // A new pin at the end of its list.
    TSountoryNodeInput& AddInput(std::string name, double height, uint8_t fixed, ValueDomType kind,
                                 ValueDomain domain);
    TSountoryNodeOutput& AddOutput(std::string name, double height, uint8_t fixed, ValueDomType kind,
                                   ValueDomain domain);
    // Takes a pin out of its list; the caller owns it. The pin must be there.
    std::unique_ptr<TSountoryNodeInput> RemoveInput(const TSountoryNodeInput* pin);
    std::unique_ptr<TSountoryNodeOutput> RemoveOutput(const TSountoryNodeOutput* pin);
    void DeleteAllPins();
    // The first pin of that exact name other than skip; null when none.
    TSountoryNodeInput* FindNodeInput(const std::string& name, const TSountoryNodeInput* skip) const;
    TSountoryNodeOutput* FindNodeOutput(const std::string& name, const TSountoryNodeOutput* skip) const;
    // The pin of the same name as item (a pin, or a factory input or output).
    bool FindNodeInputLike(const TSountoryAlgInputOutput& item, TSountoryNodeInput*& pin) const;
    bool FindNodeOutputLike(const TSountoryAlgInputOutput& item, TSountoryNodeOutput*& pin) const;
    int CountInputs() const { return static_cast<int>(InputPins.size()); }
    int CountOutputs() const { return static_cast<int>(OutputPins.size()); }
    int CountGenericInputs() const;
    // Connected inputs plus the targets each output feeds.
    int CountConnections() const;

    // ---- connections ----
    void ForgetSource(const TSountoryInputSource* source);
    void DisconnectSource(const TSountoryInputSource* source);
    void DisconnectAll();
    // This node's pins of the wave class of kind, as node name "." pin name
    // with " <Node Output>" (" <Node Input>").
    void AddSourceNames(TConnectList& list, ValueDomType kind) const;
    void AddTargetNames(TConnectList& list, ValueDomType kind) const;
    int SelectTargetsOf(TConnectList& list, const TSountoryInputSource* source) const;
    void ApplyTargetSelection(const TConnectList& list, TSountoryInputSource* source);
    void CountInputTargets(int& others, int& connected, const TSountoryInputSource* source, ValueDomType kind) const;
    void CountOutputSources(int& count, const TSountoryInputSource* source, ValueDomType kind) const;

    // ---- demand counting ----
    // On the first visit of a counting pass: idle, redrawn, and the demands of
    // the inputs counted upstream.
    void CountDemand();
    void CancelInputDemands();
    // Withdraws the inputs' demands once, when the node has not run and no
    // output is wanted any more.
    void WithdrawInputDemandsWhenUnneeded();
    void ResetHasRun() { HasRun = 0; }
    // Every output's demand 0 and its wave dropped; a new run begins.
    void ResetOutputDemands();

    // ---- loop check ----
    // Follows every input upstream; the first input met again on the path
    // being followed names the loop. Inputs found free of loops earlier in
    // the same check are not walked again, so the check is linear. The
    // factory clears the marks before a check.
    bool CheckLoop(std::string& error);

    // ---- operands and pin rebuilding ----
    // The user may delete an operand: variable operands and more than two inputs.
    bool CanDeleteOperand() const;
    // "Operand 1" to "Operand n", spread evenly down the edge.
    void CreateOperandInputs(int count, ValueDomType kind, ValueDomain domain);
    // One operand more at the bottom, the others squeezed up; needs "Operand 1".
    void AddOperandInput();
    // The inputs named "Operand 1", "Operand 2" ... in list order.
    void RenumberOperands();
    // Marks every pin for a rebuild.
    void MarkAllPins();
    // Joins the marked old pins with the new ones of the same name: an old pin
    // of the same kind and domain stays with its connections and takes the new
    // one's place and fixed flag; every other marked pin goes.
    void MergeMarkedPins();

    // ---- input checks of validation ----
    bool CheckMandatoryInput(const std::string& name, std::string& error) const;
    bool CheckExactlyOneInput(const std::string& a, const std::string& b, std::string& error) const;
    bool CheckAtMostOneInput(const std::string& a, const std::string& b, std::string& error) const;
    bool CheckExactlyOneOfThree(const std::string& a, const std::string& b, const std::string& c,
                                std::string& error) const;
    // Every input whose name begins with "Operand" is set.
    bool CheckOperandInputs(std::string& error) const;
    // Every wave input with an own value names an open wave.
    bool CheckWaveNames(std::string& error) const;

    // ---- file ----
    std::unique_ptr<TXMLComplexElement> WriteNodeXml() const;

    std::string Name;
    uint8_t DefaultName = 1;
    uint8_t RunState = sntRunIdle;
    uint8_t HasRun = 0;

protected:
    // Pulls every input in order, then executes; the common run of all nodes
    // but the switches.
    bool RunNode(StopFlag* stop, std::string& error);
    // Executes and finishes the run: state, redraw, prefix on failure.
    bool ExecuteAndFinish(StopFlag* stop, std::string& error);
    // Fails with the pin's name when a wave position has no wave to be
    // counted on (the node's input "Wave").
    virtual bool CheckPositionReferences(std::string& error) const;
    bool CheckPositionReference(const TSountoryNodeInput& pin, std::string& error) const;
    void SetRunState(sntRunState state);

    TUnitSountory* Owner;
    InputList InputPins;
    OutputList OutputPins;
    TSountoryRectangle Rectangle;
    // The inputs' demands were withdrawn in this run.
    uint8_t DemandsWithdrawn = 0;
};
