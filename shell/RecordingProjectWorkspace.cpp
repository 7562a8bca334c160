#include "shell/RecordingProjectWorkspace.h"

#include "platform/MessageService.h"
#include "platform/SafeFileWriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const char* const Missing = "<missing>";

bool ReadText(const std::string& fileName, std::string& text)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error))
        return false;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

TRecordedDocument& Recorded(TFileUnit& unit)
{
    return static_cast<TRecordedDocument&>(unit);
}

const TRecordedDocument& Recorded(const TFileUnit& unit)
{
    return static_cast<const TRecordedDocument&>(unit);
}

} // namespace

TRecordedDocument::TRecordedDocument(uint8_t kind, const std::string& name, const std::string& fileName,
                                     const std::string& content)
    : TFileUnit(kind), Content(content)
{
    Name = name;
    FileName = fileName;
}

TRecordingKindFiles::TRecordingKindFiles(TRecordingProjectWorkspace& workspace, uint8_t kind, const char* extension)
    : workspace(workspace), kind(kind), extension(extension)
{
}

bool TRecordingKindFiles::SaveOwnFile(TFileUnit& unit)
{
    return SaveToFile(unit, unit.GetFileName());
}

bool TRecordingKindFiles::SaveToFile(TFileUnit& unit, const std::string& fileName)
{
    return SafeFileWriter::WriteWhole(fileName, Recorded(unit).Content);
}

void TRecordingKindFiles::ClearChanged(TFileUnit& unit)
{
    Recorded(unit).Changed = false;
}

bool TRecordingKindFiles::NeedsProjectCopy(const TFileUnit& unit) const
{
    return Recorded(unit).Changed || unit.HasNoFileName();
}

bool TRecordingKindFiles::SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool)
{
    if (!FailCopyOf.empty() && unit.GetName() == FailCopyOf) {
        // As a document's own save does: its message, then false.
        ShowMessage(FailCopyMessage, "File Error", MsgIcon::Stop);
        return false;
    }
    copiesWritten.push_back(copyFileName);
    return SafeFileWriter::WriteWhole(copyFileName, Recorded(unit).Content);
}

TFileUnit* TRecordingKindFiles::OpenFromProject(const std::string& fileName, const std::string& copyBase,
                                                std::string& error)
{
    if (!FailOpen.empty()) {
        error = FailOpen;
        return nullptr;
    }
    std::string content = Missing;
    const bool fromCopy = workspace.ReadsFiles && !copyBase.empty() && ReadText(copyBase + "." + extension, content);
    if (workspace.ReadsFiles && !fromCopy && !fileName.empty())
        ReadText(fileName, content);
    TRecordedDocument& document = workspace.Add(kind, "Opened", fileName, content);
    document.CopyBase = copyBase;
    // A document read from a copy holds changes its own file has not.
    document.Changed = !copyBase.empty();
    // What came from a copy is copied again when written back.
    if (!copyBase.empty())
        document.SetTempFileNumber(static_cast<int32_t>(workspace.Documents.size()) - 1);
    return &document;
}

TRecordingProjectWorkspace::TRecordingProjectWorkspace()
{
    const std::pair<uint8_t, const char*> kindsAndExtensions[] = {
        {UnitKindWave, "wav"}, {UnitKindMusic, "qbm"}, {UnitKindFactory, "qbf"}, {UnitKindPlayers, "qby"}};
    for (const auto& [kind, extension] : kindsAndExtensions)
        kinds[kind] = std::make_unique<TRecordingKindFiles>(*this, kind, extension);
    built[UnitKindWave] = true;
    built[UnitKindMusic] = true;
    built[UnitKindFactory] = true;
    built[UnitKindPlayers] = true;
}

TRecordingProjectWorkspace::~TRecordingProjectWorkspace() = default;

std::vector<TFileUnit*> TRecordingProjectWorkspace::ProjectDocuments() const
{
    std::vector<TFileUnit*> units;
    for (const auto& document : Documents)
        units.push_back(document.get());
    return units;
}

TWindowPlacement TRecordingProjectWorkspace::GetWindowPlacement(const TFileUnit& unit) const
{
    return Recorded(unit).Placement;
}

void TRecordingProjectWorkspace::SetWindowPlacement(TFileUnit& unit, const TWindowPlacement& placement)
{
    Recorded(unit).Placement = placement;
}

TDocumentKindFiles* TRecordingProjectWorkspace::KindFiles(uint8_t kind)
{
    if (kind >= built.size() || !built[kind])
        return nullptr;
    return kinds.at(kind).get();
}

TRecordedDocument& TRecordingProjectWorkspace::Add(uint8_t kind, const std::string& name,
                                                   const std::string& fileName, const std::string& content)
{
    Documents.push_back(std::make_unique<TRecordedDocument>(kind, name, fileName, content));
    return *Documents.back();
}

TRecordedDocument* TRecordingProjectWorkspace::Document(size_t index) const
{
    return index < Documents.size() ? Documents[index].get() : nullptr;
}

void TRecordingProjectWorkspace::SetKindBuilt(uint8_t kind, bool isBuilt)
{
    if (kind < built.size() && kinds.count(kind))
        built[kind] = isBuilt;
}
