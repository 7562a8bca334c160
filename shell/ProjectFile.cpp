#include "shell/ProjectFile.h"

#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "foundation/values/GetNumberValue.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLStringElement.h"
#include "shell/DocumentKindFiles.h"
#include "shell/ModelessDialogs.h"
#include "shell/ProjectTempFiles.h"
#include "shell/ProjectWorkspace.h"
#include "wave/document/FileUnit.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewXml.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <vector>

namespace {

// ---------------------------------------------------------------- names

struct TDocumentElement {
    uint8_t kind;
    const char* element; // in the project file
    const char* word;    // in messages
};

constexpr std::array<TDocumentElement, 4> DocumentElements = {{
    {UnitKindWave, "Wave", "Wave"},
    {UnitKindMusic, "Music", "Music"},
    {UnitKindFactory, "Factory", "Factory"},
    {UnitKindPlayers, "PlayerSet", "Players"},
}};

const TDocumentElement* DocumentElementOfKind(uint8_t kind)
{
    for (const TDocumentElement& each : DocumentElements)
        if (each.kind == kind)
            return &each;
    return nullptr;
}

const TDocumentElement& DocumentElementNamed(const std::string& name)
{
    for (const TDocumentElement& each : DocumentElements)
        if (name == each.element)
            return each;
    QB_ASSERT(!"document element allowed by the grammar");
    return DocumentElements[0];
}

constexpr std::array<const char*, 3> StateElements = {"Normal", "Minimized", "Maximized"};

// ---------------------------------------------------------------- grammars

struct TProjectGrammars {
    TDTDItemPtr v80;
    TDTDItemPtr v90;
    TDTDItemPtr v91;
};

// The element grammars the versions share are built once and used by all three.
const TProjectGrammars& ProjectGrammars()
{
    using namespace GrammarBuilder;
    static const TProjectGrammars grammars = [] {
        TDTDItemPtr left = Text("Left");
        TDTDItemPtr top = Text("Top");
        TDTDItemPtr width = Text("Width");
        TDTDItemPtr height = Text("Height");
        TDTDItemPtr state = Choice({Empty("Normal"), Empty("Minimized"), Empty("Maximized")});
        TDTDItemPtr frame = Element("Frame", Sequence({left, top, width, height, state}));
        TDTDItemPtr where = Sequence({Optional(Text("File")), Optional(Text("TempFile"))});
        TDTDItemPtr wave = Element("Wave", where);
        TDTDItemPtr music = Element("Music", where);
        TDTDItemPtr factory = Element("Factory", where);
        TDTDItemPtr playerSet = Element("PlayerSet", where);
        TDTDItemPtr placement = Sequence({Optional(Text("Name")), left, top, width, height, state});

        TDTDItemPtr window90 = Element("Window", Sequence({Choice({wave, music, factory}), placement}));
        TDTDItemPtr window91 = Element("Window", Sequence({Choice({wave, music, factory, playerSet}), placement}));
        TDTDItemPtr dialogs = Element("ModelessDialogs", Sequence({
                                                             Optional(Element("DlgSelZoom", Sequence({left, top}))),
                                                             Optional(Element("DlgMusStave", Sequence({left, top}))),
                                                             Optional(Element("DlgMusTree",
                                                                              Sequence({left, top, width, height}))),
                                                             Optional(Element("DlgEditName",
                                                                              Sequence({left, top, width}))),
                                                         }));
        TDTDItemPtr version = Text("Version");
        TProjectGrammars built;
        built.v80 = Element("Project", Sequence({version, Text("NoNameCounter"), frame, RepeatMin0(window90)}));
        built.v90 = Element("Project", Sequence({version, frame, RepeatMin0(window90)}));
        built.v91 = Element("Project", Sequence({version, frame, dialogs, RepeatMin0(window91)}));
        return built;
    }();
    return grammars;
}

// The grammar of a version; null for a version no grammar reads.
TDTDItemPtr GrammarOfVersion(const std::string& version)
{
    const TProjectGrammars& grammars = ProjectGrammars();
    if (version == "8.0")
        return grammars.v80;
    if (version == "9.0")
        return grammars.v90;
    if (version == "9.1")
        return grammars.v91;
    return nullptr;
}

std::string BadVersion(const std::string& version)
{
    return "Unknown version " + QuotedText(version) + " found in project file.";
}

std::string Position(int32_t line, int32_t column)
{
    return "At line " + std::to_string(line) + ", column " + std::to_string(column + 1) + ": ";
}

// ---------------------------------------------------------------- writing

void WritePlacementXml(const TWindowPlacement& placement, TXMLComplexElement& parent)
{
    unitInteger(placement.Left, EHNone).WriteXml("Left", parent);
    unitInteger(placement.Top, EHNone).WriteXml("Top", parent);
    unitInteger(placement.Width, EHNone).WriteXml("Width", parent);
    unitInteger(placement.Height, EHNone).WriteXml("Height", parent);
    const size_t state = placement.State < StateElements.size() ? placement.State : windowStateNormal;
    WriteEmptyElement(StateElements[state], parent);
}

std::unique_ptr<TXMLComplexElement> WriteModelessDialogsXml(const TModelessDialogs& dialogs)
{
    auto element = std::make_unique<TXMLComplexElement>("ModelessDialogs");
    // In kind order, which is the order of the file.
    for (int kind = 0; kind < ModelessDialogKindCount; ++kind) {
        const auto dialog = static_cast<TModelessDialogKind>(kind);
        if (!dialogs.IsDialogVisible(dialog))
            continue;
        // An element of another name would make the file unreadable.
        std::unique_ptr<TXMLItem> item = dialogs.WriteProjectXml(dialog);
        if (item && QB_CHECK(item->GetElement() == ModelessDialogInfo(dialog).element))
            element->AddItem(std::move(item));
    }
    return element;
}

// ---------------------------------------------------------------- reading

// One Window element, read and checked before any window opens.
struct TWindowEntry {
    const TDocumentElement* document = nullptr;
    TDocumentKindFiles* files = nullptr;
    std::string fileName;
    std::string tempNumber;
    std::string copyBase; // the saved copy's path without extension, when there is a copy
    const TXMLItem* where = nullptr; // the last of File and TempFile, for a failure's position
    std::string name;
    TWindowPlacement placement;
};

bool Fail(const TXMLItem* at, const std::string& message, std::string& error, int32_t& line, int32_t& column)
{
    line = at->GetLine();
    column = at->GetColumn();
    error = message;
    return false;
}

bool IsCopyNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Left, Top, Width, Height and the state, from the Left element on. The
// numbers go through their own parser; the whole placement or nothing.
bool ReadPlacementXml(const TXMLItem* left, TWindowPlacement& placement, std::string& error, int32_t& line,
                      int32_t& column)
{
    TWindowPlacement read;
    const TXMLItem* item = ExpectElement(left, "Left");
    for (int32_t* number : {&read.Left, &read.Top, &read.Width, &read.Height}) {
        if (!GetNumberValue(*item, *number, error, line, column))
            return false;
        item = item->GetNext();
    }
    read.State = static_cast<TWindowState>(WhichElement(item, {"Normal", "Minimized", "Maximized"}));
    placement = read;
    return true;
}

bool ReadWindowEntry(TProjectWorkspace& workspace, const TXMLItem* window, TWindowEntry& entry, std::string& error,
                     int32_t& line, int32_t& column)
{
    const TXMLItem* documentElement = ExpectElement(window, "Window")->GetFirst();
    entry.document = &DocumentElementNamed(documentElement->GetElement());
    entry.files = workspace.KindFiles(entry.document->kind);
    if (!entry.files)
        return Fail(documentElement,
                    std::string("A ") + entry.document->word + " window cannot be opened in this version.", error,
                    line, column);
    const TXMLItem* item = documentElement->GetFirst();
    // An empty text names nothing.
    if (IsElement(item, "File")) {
        entry.fileName = item->GetValue();
        if (!entry.fileName.empty())
            entry.where = item;
        item = item->GetNext();
    }
    if (IsElement(item, "TempFile")) {
        entry.tempNumber = item->GetValue();
        // The writer writes the copy's number; anything else could name a
        // file outside the project's folder.
        if (!IsCopyNumber(entry.tempNumber))
            return Fail(item, "In TempFile: \"" + entry.tempNumber + "\" is not the number of a copy.", error, line,
                        column);
        entry.where = item;
    }
    // A hand-made file can name no place at all; the writer never does.
    if (!entry.where)
        return Fail(documentElement,
                    std::string("The ") + entry.document->element +
                        " element names neither a File nor a TempFile: its document cannot be found.",
                    error, line, column);
    const TXMLItem* next = documentElement->GetNext();
    if (IsElement(next, "Name")) {
        entry.name = next->GetValue();
        next = next->GetNext();
    }
    return ReadPlacementXml(next, entry.placement, error, line, column);
}

// Shows each dialog whose element is there and lets it place itself, and hides the others.
void ReadModelessDialogsXml(TModelessDialogs& dialogs, const TXMLItem& element)
{
    const TXMLItem* item = element.GetFirst();
    for (int kind = 0; kind < ModelessDialogKindCount; ++kind) {
        const auto dialog = static_cast<TModelessDialogKind>(kind);
        if (IsElement(item, ModelessDialogInfo(dialog).element)) {
            std::string error;
            int32_t line = 0;
            int32_t column = 0;
            // A bad number leaves that dialog where it is and the rest as they are.
            if (!dialogs.ReadProjectXml(dialog, *item, error, line, column))
                return;
            item = item->GetNext();
        } else {
            dialogs.ShowDialog(dialog, false);
        }
    }
}

TProjectReadResult ReadTokens(TProjectWorkspace& workspace, const TXMLToken& document, const std::string& version,
                              const std::string& fileName, std::string& error)
{
    if (document.GetTokenKind() == xmlTokenError) {
        error = document.GetErrorText();
        return projectNotRead;
    }
    const TDTDItemPtr grammar = GrammarOfVersion(version);
    if (!grammar) {
        error = BadVersion(version);
        return projectNotRead;
    }
    TXMLComplexElement holder("");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!grammar->Match(holder, cursor, error, fatal))
        return projectNotRead;
    const TXMLItem* project = ExpectElement(holder.GetFirst(), "Project");
    // The token reader takes the last Version text anywhere; the element must agree.
    const TXMLItem* versionElement = ExpectElement(project->GetFirst(), "Version");
    if (versionElement->GetValue() != version) {
        error = BadVersion(versionElement->GetValue());
        return projectNotRead;
    }
    int32_t line = 0;
    int32_t column = 0;
    std::string message;
    if (!CreateProjectWindows(workspace, version, *project, message, line, column, fileName)) {
        error = Position(line, column) + message;
        workspace.CloseAllWindowsQuietly();
        return projectNotRead;
    }
    return projectRead;
}

} // namespace

const char* DocumentKindWord(uint8_t kind)
{
    const TDocumentElement* element = DocumentElementOfKind(kind);
    return element ? element->word : "document";
}

void BuildProjectGrammar()
{
    ProjectGrammars();
}

std::unique_ptr<TXMLComplexElement> BuildProjectXml(TProjectWorkspace& workspace, bool exportProject)
{
    auto project = std::make_unique<TXMLComplexElement>("Project");
    project->AddItem(std::make_unique<TXMLStringElement>("Version", ProjectVersion));
    auto frame = std::make_unique<TXMLComplexElement>("Frame");
    WritePlacementXml(workspace.GetFramePlacement(), *frame);
    project->AddItem(std::move(frame));
    project->AddItem(WriteModelessDialogsXml(workspace.GetModelessDialogs()));
    for (TFileUnit* unit : workspace.ProjectDocuments()) {
        const TDocumentElement* kind = unit ? DocumentElementOfKind(unit->GetKind()) : nullptr;
        if (!QB_CHECK(kind != nullptr))
            continue;
        auto document = std::make_unique<TXMLComplexElement>(kind->element);
        if (!exportProject)
            if (std::unique_ptr<TXMLItem> file = unit->WriteFileXml())
                document->AddItem(std::move(file));
        if (std::unique_ptr<TXMLItem> temp = unit->WriteTempFileXml())
            document->AddItem(std::move(temp));
        auto window = std::make_unique<TXMLComplexElement>("Window");
        window->AddItem(std::move(document));
        // The library cannot read an empty text back: no name, no element.
        if (!unit->GetName().empty())
            window->AddItem(std::make_unique<TXMLStringElement>("Name", unit->GetName()));
        WritePlacementXml(workspace.GetWindowPlacement(*unit), *window);
        project->AddItem(std::move(window));
    }
    return project;
}

TProjectReadResult ReadProjectFile(TProjectWorkspace& workspace, const std::string& fileName, std::string& error)
{
    std::string version;
    TXMLToken document(fileName, version);
    return ReadTokens(workspace, document, version, fileName, error);
}

TProjectReadResult ReadProjectBytes(TProjectWorkspace& workspace, std::string_view bytes,
                                    const std::string& fileName, std::string& error)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    return ReadTokens(workspace, document, version, fileName, error);
}

bool CreateProjectWindows(TProjectWorkspace& workspace, const std::string& version, const TXMLItem& project,
                          std::string& error, int32_t& line, int32_t& column, const std::string& projectFileName)
{
    const TXMLItem* item = ExpectElement(project.GetFirst(), "Version")->GetNext();
    // An old counter of unnamed windows; nothing of it is used.
    if (IsElement(item, "NoNameCounter"))
        item = item->GetNext();
    const TXMLItem* frame = ExpectElement(item, "Frame");
    item = item->GetNext();
    const TXMLItem* dialogs = nullptr;
    if (version != "8.0" && version != "9.0") {
        dialogs = ExpectElement(item, "ModelessDialogs");
        item = item->GetNext();
    }

    // Every window is read and checked before anything changes.
    std::vector<TWindowEntry> windows;
    for (; item; item = item->GetNext()) {
        TWindowEntry entry;
        if (!ReadWindowEntry(workspace, item, entry, error, line, column))
            return false;
        if (!entry.tempNumber.empty() && !ProjectCopyBase(projectFileName, entry.tempNumber, entry.copyBase, error))
            return Fail(entry.where, error, error, line, column);
        windows.push_back(std::move(entry));
    }

    // A bad number in the frame leaves the main window where it is.
    TWindowPlacement framePlacement;
    std::string frameError;
    int32_t frameLine = 0;
    int32_t frameColumn = 0;
    if (ReadPlacementXml(frame->GetFirst(), framePlacement, frameError, frameLine, frameColumn))
        workspace.SetFramePlacement(framePlacement);
    if (dialogs)
        ReadModelessDialogsXml(workspace.GetModelessDialogs(), *dialogs);

    // The names the open documents bear, kept as windows open, so that no
    // window's name is looked up by a walk over all the others.
    std::unordered_set<std::string> taken;
    for (const TFileUnit* unit : workspace.ProjectDocuments())
        if (!unit->GetName().empty())
            taken.insert(unit->GetName());
    std::string lastName;
    for (const TWindowEntry& entry : windows) {
        error.clear();
        TFileUnit* unit = entry.files->OpenFromProject(entry.fileName, entry.copyBase, error);
        if (!unit)
            return Fail(entry.where, error, error, line, column);
        std::string name = entry.name;
        if (!name.empty() && !taken.insert(name).second) {
            TGuiMessages().ErrorProjectWindowNameExists(name, entry.fileName);
            name.clear();
        }
        unit->SetName(name);
        workspace.SetWindowPlacement(*unit, entry.placement);
        entry.files->ProjectWindowPlaced(*unit);
        lastName = name;
    }
    workspace.UnitNameChanged(lastName);
    return true;
}
