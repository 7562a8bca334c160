// Feeds arbitrary bytes through the project reader into a workspace without
// windows, and writes back whatever it accepted, which must read again into
// the same windows.
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"
#include "shell/ProjectFile.h"
#include "shell/RecordingProjectWorkspace.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

// Where the project file would lie, for the names of its copies.
const char* const ProjectFileName = "/nonexistent-quarbel-fuzz/Project.qbp";

std::string Windows(const TRecordingProjectWorkspace& workspace)
{
    std::string list;
    for (const auto& document : workspace.Documents) {
        const TWindowPlacement& p = document->Placement;
        list += std::to_string(document->GetKind()) + "|" + document->GetName() + "|" + document->GetFileName() + "|" +
                std::to_string(p.Left) + "," + std::to_string(p.Top) + "," + std::to_string(p.Width) + "," +
                std::to_string(p.Height) + "," + std::to_string(p.State) + "\n";
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), true);
    (void)installed;
    BuildProjectGrammar();
    // The files a project names are never touched.
    TRecordingProjectWorkspace first;
    first.ReadsFiles = false;
    std::string error;
    if (ReadProjectBytes(first, std::string_view(reinterpret_cast<const char*>(data), size), ProjectFileName,
                         error) != projectRead)
        return 0;
    // What the writer makes of an accepted project must read back as the same windows.
    const std::string written = DocumentBytes(*BuildProjectXml(first, false), ProjectSuffix);
    TRecordingProjectWorkspace second;
    second.ReadsFiles = false;
    if (ReadProjectBytes(second, written, ProjectFileName, error) != projectRead)
        std::abort();
    if (Windows(second) != Windows(first) || !(second.Frame == first.Frame))
        std::abort();
    return 0;
}
