#include "foundation/xml/XMLToken.h"

#include "foundation/xml/Latin1.h"
#include "foundation/xml/XMLInput.h"
#include "platform/Assertions.h"
#include "platform/RegularFile.h"

#include <algorithm>
#include <cstdio>

namespace {

// Character classes of the token machine.
enum CharClass : uint8_t { Blank, LetterOrDigit, Other, Slash, Less, Greater, End, charClassCount };

// Classifies c and moves the counters as reading it does: a line feed starts
// a new line, characters of the other class (carriage returns, bytes from
// 128 up, punctuation) do not move the column.
CharClass Classify(int c, int32_t& line, int32_t& column)
{
    if (c < 0)
        return End;
    if (c == '\n') {
        ++line;
        column = 1;
        return Blank;
    }
    CharClass cls = Other;
    if (c == ' ' || c == '\t')
        cls = Blank;
    else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        cls = LetterOrDigit;
    else if (c == '/')
        cls = Slash;
    else if (c == '<')
        cls = Less;
    else if (c == '>')
        cls = Greater;
    if (cls != Other)
        ++column;
    return cls;
}

enum Action : uint8_t {
    Go,         // to the state in the step, taking nothing
    AddText,    // append to the text, then go
    AddName,    // append to the name, then go
    Fail,       // lexical error
    PutBackText, // the "<" of the next token ends a text
    Emit,       // the token is complete, of the kind in the step
};

struct Step {
    Action action;
    uint8_t target; // next state, or the kind for Emit
};

constexpr Step X{Fail, 0};

// Rows are the states: 0 between tokens, 1 in text, 2 after "<", 3 in a begin
// tag's name, 4 after it and blanks, 5 after "/" in a begin tag, 6 after "</",
// 7 in an end tag's name, 8 after it and blanks. Columns follow CharClass.
constexpr Step machine[9][charClassCount] = {
    {{Go, 0}, {AddText, 1}, {AddText, 1}, {AddText, 1}, {Go, 2}, X, {Emit, xmlTokenEndOfFile}},
    {{AddText, 1}, {AddText, 1}, {AddText, 1}, {AddText, 1}, {PutBackText, 0}, X, X},
    {{Go, 2}, {AddName, 3}, X, {Go, 6}, X, X, X},
    {{Go, 4}, {AddName, 3}, X, {Go, 5}, X, {Emit, xmlTokenBegin}, X},
    {{Go, 4}, X, X, {Go, 5}, X, {Emit, xmlTokenBegin}, X},
    {{Go, 5}, X, X, X, X, {Emit, xmlTokenEmpty}, X},
    {{Go, 6}, {AddName, 7}, X, X, X, X, X},
    {{Go, 8}, {AddName, 7}, X, X, X, {Emit, xmlTokenEnd}, X},
    {{Go, 8}, X, X, X, X, {Emit, xmlTokenEnd}, X},
};

char Appended(int c)
{
    return c == '\t' || c == '\n' || c == '\r' ? ' ' : static_cast<char>(c);
}

std::string Trimmed(const std::string& text)
{
    auto low = [](char c) { return static_cast<unsigned char>(c) < 33; };
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && low(text[begin]))
        ++begin;
    while (end > begin && low(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace

TXMLToken::TXMLToken(const std::string& fileName, std::string& version)
{
    bool regular = true;
    std::FILE* file = OpenRegularFile(fileName, regular);
    std::string bytes;
    bool read = file != nullptr;
    if (file) {
        // The whole file at once: grown piece by piece, the buffer would pass
        // twice the file's size on the way.
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long size = std::ftell(file);
            if (size > 0)
                bytes.reserve(static_cast<size_t>(size));
            std::rewind(file);
        }
        char buffer[65536];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, got);
        read = !std::ferror(file);
        std::fclose(file);
    }
    if (!read) {
        kind = xmlTokenError;
        value = regular ? "cannot open file." : "cannot open file: it is not a regular file.";
        return;
    }
    ReadDocument(bytes, version);
}

TXMLToken::TXMLToken(TXMLBytes fileBytes, std::string& version)
{
    ReadDocument(fileBytes.bytes, version);
}

size_t TXMLToken::BlockSize(size_t index)
{
    // Small files take little; large ones leave at most one block unused.
    return size_t(64) << std::min<size_t>(index, 4);
}

void TXMLToken::FreeList(std::unique_ptr<TXMLToken[]> list)
{
    for (size_t index = 0; list; ++index)
        list = std::move(list[BlockSize(index) - 1].list);
}

void TXMLToken::ReadDocument(std::string_view fileBytes, std::string& version)
{
    kind = xmlTokenDocument;
    TXMLInput input(fileBytes);
    int32_t lineCounter = 3;
    int32_t columnCounter = 1;
    size_t blockIndex = 0;
    size_t used = 0;
    list.reset(new TXMLToken[BlockSize(0)]);
    TXMLToken* block = list.get();
    const TXMLToken* previous = this;
    for (;;) {
        if (used == BlockSize(blockIndex) - 1) {
            TXMLToken& link = block[used];
            link.kind = Link;
            link.list.reset(new TXMLToken[BlockSize(++blockIndex)]);
            block = link.list.get();
            used = 0;
        }
        TXMLToken& token = block[used++];
        token.Read(input, lineCounter, columnCounter);
        if (token.kind == xmlTokenError) {
            value = std::move(token.value);
            kind = xmlTokenError;
            FreeList(std::move(list));
            return;
        }
        if (token.kind == xmlTokenAttr && previous->kind == xmlTokenBegin && previous->value == "Version")
            version = token.value;
        if (token.kind == xmlTokenEndOfFile)
            return;
        previous = &token;
    }
}

void TXMLToken::Read(TXMLInput& input, int32_t& lineCounter, int32_t& columnCounter)
{
    uint8_t state = 0;
    for (;;) {
        const int c = input.Get();
        const Step step = machine[state][Classify(c, lineCounter, columnCounter)];
        switch (step.action) {
        case Go:
            state = step.target;
            break;
        case AddText:
        case AddName:
            value += Appended(c);
            state = step.target;
            break;
        case PutBackText:
            input.PutBack();
            value = Latin1ToUtf8(Trimmed(value));
            // Only characters the reader trims (control characters): no text,
            // as if they were blanks, so an element cannot hold an empty one.
            if (value.empty()) {
                --columnCounter;
                state = 0;
                break;
            }
            Finish(xmlTokenAttr, lineCounter, columnCounter);
            return;
        case Emit:
            Finish(static_cast<TXMLTokenKind>(step.target), lineCounter, columnCounter);
            return;
        case Fail:
            Finish(xmlTokenError, lineCounter, columnCounter);
            value = "unexpected " +
                    (c < 0 ? std::string("end-of-file ") : "'" + Latin1ToUtf8(std::string(1, static_cast<char>(c))) + "'") +
                    " found in line " + std::to_string(line) + ", column " + std::to_string(column) + ".";
            return;
        }
    }
}

void TXMLToken::Finish(TXMLTokenKind finalKind, int32_t& lineCounter, int32_t& columnCounter)
{
    kind = finalKind;
    --columnCounter;
    line = lineCounter;
    column = columnCounter;
}

TXMLToken::~TXMLToken()
{
    FreeList(std::move(list));
}

const std::string& TXMLToken::GetText() const
{
    QB_ASSERT(kind == xmlTokenAttr);
    return value;
}

const std::string& TXMLToken::GetName() const
{
    QB_ASSERT(kind == xmlTokenBegin || kind == xmlTokenEnd || kind == xmlTokenEmpty);
    return value;
}

const std::string& TXMLToken::GetErrorText() const
{
    QB_ASSERT(kind == xmlTokenError);
    return value;
}
