#include "wave/view/ColorPalette1DFile.h"

#include "foundation/QuotedText.h"
#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/MessageService.h"
#include "wave/view/ColorPalette1DItem.h"
#include "wave/view/ColorPalette1DXml.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewXml.h"

namespace {

const char* const PaletteVersion = "1.0";

bool ReadTokens(TColorPalette1DItem& palette, const TXMLToken& document, const std::string& version,
                std::string& error)
{
    if (document.GetTokenKind() == xmlTokenError) {
        error = document.GetErrorText();
        return false;
    }
    // Without any version the grammar says what is missing.
    if (!version.empty() && version != PaletteVersion) {
        error = "Unknown version " + QuotedText(version) + " of the Color Palette File; only version \""
              + PaletteVersion + "\" can be read.";
        return false;
    }
    TXMLComplexElement holder("");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!GetColorPalette1DDefinition()->Match(holder, cursor, error, fatal))
        return false;
    const TXMLItem* root = ExpectElement(holder.GetFirst(), "UnitColorPalette1D");
    const TXMLItem* versionElement = ExpectElement(root->GetFirst(), "Version");
    int32_t line = versionElement->GetLine();
    int32_t column = versionElement->GetColumn();
    bool ok = true;
    if (versionElement->GetValue() != PaletteVersion) {
        // The token reader takes the last Version anywhere; the element must agree.
        error = "Unknown version " + QuotedText(versionElement->GetValue())
              + " of the Color Palette File; only version \"" + PaletteVersion + "\" can be read.";
        ok = false;
    } else {
        ok = ReadColorPalette1DXml(palette, *ExpectElement(versionElement->GetNext(), "ColorPalette1D"), error,
                                   line, column);
    }
    if (!ok)
        error += " At line " + std::to_string(line) + ", column " + std::to_string(column + 1) + ".";
    return ok;
}

} // namespace

const TDTDItemPtr& GetColorPalette1DDefinition()
{
    using namespace GrammarBuilder;
    static const TDTDItemPtr grammar =
        Element("UnitColorPalette1D", Sequence({Text("Version"), GetColorPalette1DElementDefinition()}));
    return grammar;
}

bool WriteColorPalette1DFile(const TColorPalette1DItem& palette, const std::string& fileName)
{
    TXMLComplexElement root("UnitColorPalette1D");
    root.AddItem(std::make_unique<TXMLStringElement>("Version", PaletteVersion));
    auto element = std::make_unique<TXMLComplexElement>("ColorPalette1D");
    palette.WriteColorPalette1DXml(*element);
    root.AddItem(std::move(element));
    std::string error;
    bool written = WriteDocument(root, fileName, error, "_v1_0");
    if (!written)
        ShowMessage("Cannot save Color Palette File: " + error + ".", "FileError", MsgIcon::Information);
    return written;
}

bool ReadColorPalette1DFile(TColorPalette1DItem& palette, const std::string& fileName, std::string& error)
{
    std::string version;
    TXMLToken document(fileName, version);
    return ReadTokens(palette, document, version, error);
}

bool ReadColorPalette1DBytes(TColorPalette1DItem& palette, std::string_view fileBytes, std::string& error)
{
    std::string version;
    TXMLToken document(TXMLBytes{fileBytes}, version);
    return ReadTokens(palette, document, version, error);
}
