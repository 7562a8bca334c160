#include "factory/document/FactoryFile.h"
#include "factory/document/UnitSountory.h"
#include "foundation/QuotedText.h"
#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"

namespace {

std::string PositionSuffix(int32_t line, int32_t column)
{
    return " At line " + std::to_string(line) + ", column " + std::to_string(column + 1) + ".";
}

// The position of the Version element in a token list, for a refused version.
void FindVersionToken(const TXMLToken& document, int32_t& line, int32_t& column)
{
    for (const TXMLToken* token = document.GetNext(); token; token = token->GetNext()) {
        if (token->GetTokenKind() == xmlTokenBegin && token->GetName() == "Version") {
            line = token->GetLine();
            column = token->GetColumn();
            return;
        }
    }
}

bool LoadTokens(TUnitSountory& factory, const TXMLToken& document, const std::string& version, std::string& error)
{
    if (document.GetTokenKind() == xmlTokenError) {
        error = document.GetErrorText();
        return false;
    }
    // Without any version the grammar says what is missing.
    if (!version.empty() && version != "9.0" && version != "9.1") {
        int32_t line = 0;
        int32_t column = 0;
        FindVersionToken(document, line, column);
        error = "Version " + QuotedText(version)
              + " of the Factory File cannot be read; only versions \"9.0\" and \"9.1\" can."
              + PositionSuffix(line, column);
        return false;
    }
    const TDTDItemPtr& grammar = version == "9.0" ? FactoryGrammar90() : FactoryGrammar91();
    TXMLComplexElement root("Root");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!grammar->Match(root, cursor, error, fatal))
        return false;
    int32_t line = 0;
    int32_t column = 0;
    if (!ReadXmlTree(factory, *root.GetFirst(), error, line, column)) {
        error += PositionSuffix(line, column);
        return false;
    }
    return true;
}

} // namespace

bool TUnitSountory::Save()
{
    return SaveToFile(FileName);
}

bool TUnitSountory::SaveToFile(const std::string& fileName)
{
    // A file that cannot be read back is not written; the old one stays.
    std::string error = FindUnsavableItem(*this);
    if (error.empty()) {
        const std::unique_ptr<TXMLComplexElement> tree = CreateXmlTree(*this);
        if (WriteDocument(*tree, fileName, error, FactoryFileSuffix))
            return true;
    }
    ShowMessage("Cannot save Factory: " + error, "FileError", MsgIcon::Stop);
    return false;
}

bool TUnitSountory::LoadFromFile(std::string& error)
{
    std::string version;
    TXMLToken document(FileName, version);
    return LoadTokens(*this, document, version, error);
}

bool TUnitSountory::LoadFromBytes(std::string_view bytes, std::string& error)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    return LoadTokens(*this, document, version, error);
}

bool TUnitSountory::DuplicateByXml(const TUnitSountory& other, std::string& error)
{
    const std::unique_ptr<TXMLComplexElement> tree = CreateXmlTree(other);
    int32_t line = 0;
    int32_t column = 0;
    if (ReadXmlTree(*this, *tree, error, line, column))
        return true;
    // A tree built in memory has no positions to name.
    if (line > 0)
        error += PositionSuffix(line, column);
    return false;
}
