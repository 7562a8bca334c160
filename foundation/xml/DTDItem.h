#pragma once
#include <memory>
#include <string>

class TXMLComplexElement;
class TXMLToken;

// A node of the grammar of one XML file format: which elements may stand
// where, in which order and how often. Grammars are built once and keep no
// state while matching, so one node may serve in several places and in the
// grammars of several versions of a format.
class TDTDItem {
public:
    virtual ~TDTDItem() = default;
    TDTDItem(const TDTDItem&) = delete;
    TDTDItem& operator=(const TDTDItem&) = delete;

    // Whether the item may match no tokens at all.
    virtual bool CanBeEmpty() const = 0;

    // Matches the tokens from cursor on and appends the elements read to parent.
    // On success cursor points after what was matched and the attempts that
    // an optional, a repetition or a choice gave up leave no text in error.
    // On failure error holds
    // the message and fatal says whether an enclosing choice, optional or
    // repetition may still try something else at the same place; the cursor
    // and the parent may then hold partial progress that the enclosing
    // expression undoes.
    virtual bool Match(TXMLComplexElement& parent, const TXMLToken*& cursor, std::string& error,
                       bool& fatal) const = 0;

protected:
    TDTDItem() = default;
};

using TDTDItemPtr = std::shared_ptr<const TDTDItem>;
