#pragma once
#include "foundation/values/unitFactor.h"
#include "music/parts/MusTreeItem.h"

#include <memory>
#include <string>

class TLoopPartMuz;
class TMuzData;
class TNoteGroup;
class TNoteStave;
class TSinglePartMuz;
class TStaveSymbol;
class TUnitMuz;
class TXMLComplexElement;
class TXTouchMuzSymbol;

enum TPartMuzKind : uint8_t {
    partMuzSingle = 0,
    partMuzConcat = 1,
    partMuzLoop = 2,
    partMuzSelect = 3,
    partMuzStart = 4,
};

// A part of the tree that orders the bars (single parts) of the music: the
// root, a sequence of two parts, a repeat, a part played only in the
// repetitions its turns name, or a bar. A part owns its children.
//
// The walks through the tree follow one protocol: a part asked by its parent
// is entered; asked by one of its children it continues after (or before)
// that child, and asks its own parent when it has nothing more. Every walk
// here is a loop over those steps, never a recursion, so a tree of any depth
// can be walked, written and freed.
class TPartMuz : public TMusTreeItem {
public:
    TPartMuz(TMuzData* muzData, const unitFactorPosMore& tempoStart, const unitFactorPosMore& tempoEnd);
    ~TPartMuz() override;

    TMusTreeItemKind GetMusTreeItemKind() const override { return musTreeItemPartMuz; }
    virtual TPartMuzKind GetPartMuzKind() const = 0;
    std::string GetTreeLabel() const override;
    // The label shown when PartLabel is empty.
    virtual std::string GetDefaultTreeLabel() const = 0;
    virtual void SetRoot(bool root) { Root = root; }
    bool IsRoot() const { return Root; }

    TPartMuz* GetParent() const { return Parent; }
    void SetParent(TPartMuz* parent) { Parent = parent; }
    TMuzData* GetMuzData() const { return MuzData; }

    // The children in played order: none for a bar, one for the root, a
    // repeat or an alternative-turns part, two for a sequence.
    virtual int32_t GetChildCount() const { return 0; }
    virtual TPartMuz* GetChild(int32_t) const { return nullptr; }
    // -1 when child is none of this part's.
    int32_t IndexOfChild(const TPartMuz* child) const;
    // The field that holds child; nullptr (reported) when child is not held here.
    virtual std::unique_ptr<TPartMuz>* GetChildLink(const TPartMuz* child);
    // Takes the part out of its parent: the part comes back as a free subtree,
    // parent and link tell where it stood (the link is now empty).
    std::unique_ptr<TPartMuz> DetachFromParent(TPartMuz*& parent, std::unique_ptr<TPartMuz>*& link);

    // Played and drawn: the part's own flag, and its parent's unless the part
    // is the top of what is played (Root).
    bool GetEnablePlayAndDraw() const { return EnablePlayAndDraw; }
    // Sets the flag; a selected symbol that is no longer shown is dropped.
    void SetEnablePlayAndDraw(bool enable, TUnitMuz* document);
    bool IsEnabledPlayDraw() const;
    bool IsParentEnabledPlayDraw() const;

    // Loops and alternative-turns parts keep whether their tree node is open.
    virtual bool GetExpanded() const { return false; }
    virtual void SetExpanded(bool) {}

    const unitFactorPosMore& GetTempoStart() const { return TempoStart; }
    const unitFactorPosMore& GetTempoEnd() const { return TempoEnd; }
    void SetTempoStart(const unitFactorPosMore& value) { TempoStart = value; }
    void SetTempoEnd(const unitFactorPosMore& value) { TempoEnd = value; }

    // Every bar below: its symbols of the stave, its notes of the group,
    // the gaps of the stave filled with rests, a start clef for a new stave.
    void DeleteStaveSymbols(const TNoteStave* stave);
    void DeleteNoteGroupNotes(const TNoteGroup* group);
    void FillWithRests(TNoteStave* stave);
    void AddStaveClef(TNoteStave* newStave);
    // The first symbol of the first bar below; of the first bar switched on.
    TStaveSymbol* GetFirstSymbol() const;
    TStaveSymbol* GetFirstEnabledSymbol() const;
    // The bar the symbol names inserts, frees or re-sorts it, when that bar
    // lies below; otherwise nothing happens (an inserted symbol is freed).
    TStaveSymbol* InsertSymbol(std::unique_ptr<TStaveSymbol> symbol);
    void DeleteSymbol(TStaveSymbol* symbol);
    void MoveSymbol(TStaveSymbol* symbol);
    bool HoldsBar(const TSinglePartMuz* bar) const;

    // The bars in played order (loops not repeated): the first and last bar
    // below; the bar after or before the child caller (or the first or last
    // when entered from the parent).
    TSinglePartMuz* GetFirstSinglePart() const;
    TSinglePartMuz* GetLastSinglePart() const;
    TSinglePartMuz* GetNextSinglePart(const TPartMuz* caller) const;
    TSinglePartMuz* GetPrevSinglePart(const TPartMuz* caller) const;
    // The bar after this part; nullptr after the last.
    TSinglePartMuz* GetNextSinglePart() const;
    TSinglePartMuz* GetPrevSinglePart() const;
    // The next (previous) part of the sequence this part belongs to; at its
    // end the enclosing repeat or alternative-turns part, or nullptr.
    TPartMuz* GetNextPart(const TPartMuz* caller) const;
    TPartMuz* GetPrevPart(const TPartMuz* caller) const;
    TPartMuz* GetNextPart() const;
    TPartMuz* GetPrevPart() const;

    // The symbols a user can select on a stave, in drawn order, skipping
    // parts that are not played and drawn.
    TXTouchMuzSymbol* GetNextTouchSymbol(const TPartMuz* caller, const TNoteStave* stave) const;
    TXTouchMuzSymbol* GetPrevTouchSymbol(const TPartMuz* caller, const TNoteStave* stave) const;
    TXTouchMuzSymbol* GetFirstTouchSymbol(const TNoteStave* stave) const;
    TXTouchMuzSymbol* GetLastTouchSymbol(const TNoteStave* stave) const;
    // The touch symbol after (before) a symbol of this part on the stave,
    // going on into the following parts; bars and repeats answer, others
    // give nullptr.
    virtual TXTouchMuzSymbol* GetNextSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const;
    virtual TXTouchMuzSymbol* GetPrevSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const;

    // The nearest repeat at or above (nullptr at the root); the repetition a
    // pass is in there (1 at the root).
    TLoopPartMuz* GetEnclosingLoop() const;
    int32_t GetLoopRepetition() const;
    void SetLoopRepetition(int32_t count);
    // The nearest repeat or alternative-turns part above, through sequences.
    TPartMuz* GetEnclosingLoopOrSelect() const;

    // Appends the elements of the subtree in postfix order.
    void WriteXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                  const TXTouchMuzSymbol* selectedSymbol) const;
    // A "PartNode" with the item's label and the three flags.
    static void WritePartNodeXml(const TMusTreeItem& item, TXMLComplexElement& parent, bool expanded, bool selected,
                                 bool enablePlayAndDraw);

    // Length in whole notes last computed by a pass over the tree.
    double PartLength = 0;

protected:
    // This part's own element, after those of its children.
    virtual void WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                             const TXTouchMuzSymbol* selectedSymbol) const = 0;
    // Moves the children out, for freeing a tree without recursion. Every
    // kind with children calls FreeChildren first in its destructor.
    virtual void TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count) { (void)out, (void)count; }
    void FreeChildren();

    TPartMuz* Parent = nullptr;
    TMuzData* MuzData;
    bool EnablePlayAndDraw = true;
    bool Root = false;
    unitFactorPosMore TempoStart;
    unitFactorPosMore TempoEnd;
};

// The tempo factor 1.0 parts start with.
unitFactorPosMore UnitTempoFactor();
