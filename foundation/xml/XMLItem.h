#pragma once
#include <cstdint>
#include <memory>
#include <string>

// Kinds of element in a tree read from or written to an XML file.
enum TXMLItemKind : uint8_t {
    xmlItemComplex = 0, // holds an ordered list of child elements
    xmlItemString = 1,  // holds one text
};

class TXMLComplexElement;

// One element of an XML tree. Siblings are chained through their next links;
// the parent owns the first child and each child owns the one after it.
class TXMLItem {
public:
    virtual ~TXMLItem();
    TXMLItem(const TXMLItem&) = delete;
    TXMLItem& operator=(const TXMLItem&) = delete;

    // First child with exactly this name (case-sensitive), or nullptr.
    // Only complex elements have children.
    virtual const TXMLItem* GetChild(const std::string& name) const;
    // The text; only text elements have one.
    virtual const std::string& GetValue() const;
    // First child, or nullptr. Only complex elements have children.
    virtual const TXMLItem* GetFirst() const;
    // Appends the element at the given depth (two blanks per level) to out,
    // lines ending in "\n"; the document writer turns that into the file's form.
    virtual void WriteItem(std::string& out, int level) const = 0;

    const std::string& GetElement() const { return name; }
    TXMLItemKind GetKind() const { return kind; }
    const TXMLItem* GetNext() const { return next.get(); }

    // Position of the begin tag when the element was read from a file; 0 otherwise.
    int32_t GetLine() const { return line; }
    int32_t GetColumn() const { return column; }
    void SetPosition(int32_t line, int32_t column);

protected:
    TXMLItem(std::string name, TXMLItemKind kind);

private:
    friend class TXMLComplexElement;
    friend void DeleteXMLChain(std::unique_ptr<TXMLItem> head);

    std::unique_ptr<TXMLItem> next;
    std::string name;
    TXMLItemKind kind;
    int32_t line = 0;
    int32_t column = 0;
};

// Deletes a chain of siblings with all their subtrees without recursion, so
// neither long lists nor deep trees can exhaust the stack.
void DeleteXMLChain(std::unique_ptr<TXMLItem> head);
