#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TXMLInput;

enum TXMLTokenKind : uint8_t {
    xmlTokenAttr = 0,      // text between tags
    xmlTokenBegin = 1,     // <Name>
    xmlTokenEnd = 2,       // </Name>
    xmlTokenEmpty = 3,     // <Name/>
    xmlTokenEndOfFile = 4, // end of the input
    xmlTokenError = 5,     // lexical error; also a document whose reading failed
    xmlTokenDocument = 6,  // head of the token list of a whole document
};

// The bytes of an XML file, given from memory rather than read from a file.
struct TXMLBytes {
    std::string_view bytes;
};

// One token of an XML file in the subset the program writes: tags without
// attributes, names of letters and digits, and texts without markup. A
// document token heads the list of a whole file and owns it. The tokens lie
// in blocks rather than one allocation each: a list costs some 56 bytes a token.
class TXMLToken {
public:
    // Reads the whole file. Afterwards the kind is xmlTokenDocument with the
    // list in GetNext(), or xmlTokenError with no list and the reason in the
    // error text. version receives the text of the last "Version" element
    // and is left alone when there is none.
    TXMLToken(const std::string& fileName, std::string& version);
    // The same from the bytes of a file held in memory.
    TXMLToken(TXMLBytes fileBytes, std::string& version);
    ~TXMLToken();
    TXMLToken(const TXMLToken&) = delete;
    TXMLToken& operator=(const TXMLToken&) = delete;

    TXMLTokenKind GetTokenKind() const { return kind; }
    // Only for xmlTokenAttr.
    const std::string& GetText() const;
    // Only for xmlTokenBegin, xmlTokenEnd and xmlTokenEmpty.
    const std::string& GetName() const;
    // Only for xmlTokenError.
    const std::string& GetErrorText() const;
    int32_t GetLine() const { return line; }
    int32_t GetColumn() const { return column; }
    const TXMLToken* GetNext() const;

private:
    // The last place of each block of the list leads on to the next block.
    static constexpr auto Link = static_cast<TXMLTokenKind>(7);
    static size_t BlockSize(size_t index);
    // Frees a list block by block: each owns the next, and a long list must not recurse.
    static void FreeList(std::unique_ptr<TXMLToken[]> list);

    TXMLToken() = default;
    void ReadDocument(std::string_view fileBytes, std::string& version);
    // Reads one token at the input's position, moving the caller's counters.
    void Read(TXMLInput& input, int32_t& line, int32_t& column);
    void Finish(TXMLTokenKind finalKind, int32_t& lineCounter, int32_t& columnCounter);

    // The name of a tag, the text of a text token, or the reason of an error.
    std::string value;
    // The first block of a document's list; the next block in a link.
    std::unique_ptr<TXMLToken[]> list;
    int32_t line = 0;
    int32_t column = 0;
    TXMLTokenKind kind = xmlTokenDocument;
};

inline const TXMLToken* TXMLToken::GetNext() const
{
    const TXMLToken* following = nullptr;
    if (kind == xmlTokenDocument)
        following = list.get();
    else if (kind != xmlTokenEndOfFile && kind != xmlTokenError) // the end of the file ends the list
        following = this + 1;
    return following && following->kind == Link ? following->list.get() : following;
}
