#pragma once
#include <array>
#include <cstdint>
#include <memory>

class TMusTreeItem;
class TMuzData;
class TPartMuz;
class TSelectPartMuz;
class TSinglePartMuz;
class TUnitMuz;
class TXTouchMuzSymbol;

// The commands of the Music Parts dialog, in its menus' order.
enum class TPartsCommand : uint8_t {
    InsertSingle,
    AppendSingle,
    AddLoop,
    AddTurns,
    AddTurn,
    MoveForward,
    MoveBackward,
    MoveForwardIn,
    MoveBackwardIn,
    MoveForwardOut,
    MoveBackwardOut,
    Delete,
    Expand,
    ExpandAll,
    Collapse,
    CollapseAll,
    GotoBegin,
    GotoEnd,
    PlayOrGenerate,
    Count
};
inline constexpr int PartsCommandCount = static_cast<int>(TPartsCommand::Count);

// Which commands a node of the part tree allows.
struct TPartsCommandStates {
    std::array<bool, PartsCommandCount> enabled{};
    bool operator[](TPartsCommand command) const { return enabled[static_cast<int>(command)]; }
    bool& operator[](TPartsCommand command) { return enabled[static_cast<int>(command)]; }
};

// The neighbours of a part among the tree view's nodes: a sequence of parts
// shows as siblings; under a turns part its turns come first.
struct TPartSiblings {
    TPartMuz* previous = nullptr; // a part before it in its sequence
    bool previousIsTurn = false;  // the first content of a turns part follows its turns
    TPartMuz* next = nullptr;
    TPartMuz* holder = nullptr;   // the root, a repeat or a turns part
    bool topLevel = false;        // held by the root
};
TPartSiblings SiblingsOf(const TPartMuz& part);

// The enabling of every command for the node of item (none: all off); the
// expanding commands follow whether the node has children.
TPartsCommandStates PartsCommandStatesOf(const TUnitMuz* unit, const TMusTreeItem* item, bool nodeHasChildren);

// The restructurings of the part tree. Each keeps the tree sound (a part with
// a sibling sits in a sequence; repeats and turns parts hold one part) and
// ends by making its item the document's selected part-tree item, repainting
// and marking the music modified; the dialog then refills its tree. Each
// is called only while its command is enabled for the part.
class TMusicPartsCommands {
public:
    explicit TMusicPartsCommands(TUnitMuz& unit);

    // A new bar of four quarters with a start clef on every stave.
    std::unique_ptr<TSinglePartMuz> NewSinglePart() const;

    TPartMuz* AddSinglePart(TPartMuz& part, bool before);
    TPartMuz* AddLoopOrSelect(TPartMuz& part, bool loop);
    TMusTreeItem* AddTurn(TSelectPartMuz& select);
    TPartMuz* SwapWithNeighbour(TPartMuz& part, bool forward);
    TPartMuz* MoveIntoNeighbour(TPartMuz& part, bool forward);
    TPartMuz* MoveOutOfEnclosing(TPartMuz& part, bool forward);
    // A bar goes after the user's OK; a repeat or turns part leaves its
    // content in its place; a turn leaves its turns part. A selection on what
    // goes is dropped first. False when nothing went.
    bool Delete(TMusTreeItem& item);
    // The first or last drawn symbol of the node's part on the selection's
    // stave; none without that stave or symbol.
    TXTouchMuzSymbol* GoToSymbol(TMusTreeItem& item, bool first) const;

    // The steps every structure command ends with.
    void Finish(TMusTreeItem* item);

private:
    TUnitMuz& Unit;
    TMuzData& Muz;
};
