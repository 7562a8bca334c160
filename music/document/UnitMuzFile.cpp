#include "foundation/xml/DTDGrammar.h"
#include "foundation/QuotedText.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "foundation/values/unitInteger.h"
#include "music/NotePlayerAccess.h"
#include "music/document/MusicView.h"
#include "music/document/UnitMuz.h"
#include "music/file/MusicGrammars.h"
#include "music/symbols/StaveSymbol.h"
#include "platform/MessageService.h"
#include "wave/view/ViewXml.h"

namespace {

const char* const CurrentVersion = "9.1";

std::string UnknownVersion(const std::string& version)
{
    return "Unknown version " + QuotedText(version)
         + " of the Music File; only the versions \"7.0\", \"7.1\" and \"9.1\" can be read.";
}

std::string AtPlace(int32_t line, int32_t column)
{
    return " At line " + std::to_string(line) + ", column " + std::to_string(column + 1) + ".";
}

} // namespace

void TUnitMuz::BuildMusicGrammars()
{
    MusicDtd70();
    MusicDtd71();
    MusicDtd91();
}

bool TUnitMuz::LoadMusic(std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view)
{
    std::string version;
    TXMLToken document(FileName, version);
    return LoadTokens(document, version, message, view);
}

bool TUnitMuz::LoadMusicBytes(std::string_view bytes, std::string& message,
                              std::unique_ptr<TMDIChildMuzInitProps>& view)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    return LoadTokens(document, version, message, view);
}

bool TUnitMuz::LoadTokens(const TXMLToken& document, const std::string& version, std::string& message,
                          std::unique_ptr<TMDIChildMuzInitProps>& view)
{
    if (document.GetTokenKind() == xmlTokenError) {
        message = document.GetErrorText();
        return false;
    }
    const TDTDItemPtr grammar = MusicGrammarOf(version);
    if (!grammar) {
        message = UnknownVersion(version);
        return false;
    }
    TXMLComplexElement tree("Root");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!grammar->Match(tree, cursor, message, fatal))
        return false;
    const TXMLItem* unitMuz = ExpectElement(tree.GetFirst(), "UnitMuz");
    // The token reader took the last Version of the file; the grammar's must agree.
    if (unitMuz->GetFirst()->GetValue() != version) {
        message = UnknownVersion(unitMuz->GetFirst()->GetValue());
        return false;
    }
    // Old files carried their players in their note groups: they become a player set.
    const bool old = version != CurrentVersion;
    TConvertedPlayerSet* convertedSet = old ? NotePlayers().NewConvertedPlayerSet("Players for converted " + Name) : nullptr;
    int32_t line = 0;
    int32_t column = 0;
    if (!ReadMusic(*unitMuz, convertedSet, view, message, line, column)) {
        message += AtPlace(line, column);
        if (convertedSet)
            NotePlayers().CloseConvertedPlayerSet(*convertedSet);
        return false;
    }
    if (convertedSet)
        NotePlayers().KeepConvertedPlayerSet(*convertedSet);
    SetModified();
    if (old)
        SetSelMuzSymbol(MuzData.GetFirstSymbol());
    return true;
}

bool TUnitMuz::ReadMusic(const TXMLItem& unitMuz, TConvertedPlayerSet* convertedSet,
                         std::unique_ptr<TMDIChildMuzInitProps>& view, std::string& message, int32_t& line,
                         int32_t& column)
{
    SelMusTreeItem = nullptr;
    if (MuzData.ReadMuzDataXml(unitMuz, SelMusTreeItem, convertedSet, this, view, message, line, column)) {
        if (view)
            ViewOrigin = *view;
        return true;
    }
    // Parts left on the reader's stack are gone: nothing may point into them.
    SelectedSymbol = nullptr;
    SelectedInStave = nullptr;
    SelMusTreeItem = nullptr;
    SelNoteStave = nullptr;
    view.reset();
    return false;
}

bool TUnitMuz::DuplicateMusic(const TUnitMuz& source, std::string& message,
                              std::unique_ptr<TMDIChildMuzInitProps>& view)
{
    std::unique_ptr<TXMLComplexElement> tree = source.BuildMusicXml();
    int32_t line = 0;
    int32_t column = 0;
    const bool ok = ReadMusic(*tree, nullptr, view, message, line, column);
    if (!ok)
        message += AtPlace(line, column);
    SetSelMuzSymbol(MuzData.GetFirstSymbol());
    return ok;
}

std::unique_ptr<TXMLComplexElement> TUnitMuz::BuildMusicXml() const
{
    auto root = std::make_unique<TXMLComplexElement>("UnitMuz");
    root->AddItem(std::make_unique<TXMLStringElement>("Version", CurrentVersion));
    const TMDIChildMuzInitProps origin = View ? View->GetViewOrigin() : ViewOrigin;
    auto view = std::make_unique<TXMLComplexElement>("View");
    unitInteger(origin.Left, EHNone).WriteXml("Left", *view);
    unitInteger(origin.Top, EHNone).WriteXml("Top", *view);
    root->AddItem(std::move(view));
    MuzData.WriteMuzDataXml(*root, SelMusTreeItem, SelNoteStave, SelectedSymbol);
    return root;
}

bool TUnitMuz::SaveMusic(const std::string& fileName)
{
    std::unique_ptr<TXMLComplexElement> tree = BuildMusicXml();
    std::string error;
    if (!WriteDocument(*tree, fileName, error, "_v9_1")) {
        ShowMessage("Cannot save Music: " + error, "FileError", MsgIcon::Information);
        return false;
    }
    return true;
}
