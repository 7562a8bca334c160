#pragma once
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
// document token heads the list of a whole file and owns it.
class TXMLToken {
public:
    // Reads the whole file. Afterwards the kind is xmlTokenDocument with the
    // list in GetNext(), or xmlTokenError with no list and the reason in the
    // error text. version receives the text of the last "Version" element
    // and is left alone when there is none.
    TXMLToken(const std::string& fileName, std::string& version);
    // The same from the bytes of a file held in memory.
    TXMLToken(TXMLBytes fileBytes, std::string& version);
    // Reads one token at the input's position, moving the caller's counters.
    TXMLToken(TXMLInput& input, int32_t& line, int32_t& column);
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
    const TXMLToken* GetNext() const { return next.get(); }

private:
    void ReadDocument(std::string_view fileBytes, std::string& version);
    void Finish(TXMLTokenKind finalKind, int32_t& lineCounter, int32_t& columnCounter);

    TXMLTokenKind kind = xmlTokenDocument;
    std::string name;
    std::string text;
    std::string errorText;
    int32_t line = 0;
    int32_t column = 0;
    std::unique_ptr<TXMLToken> next;
};
