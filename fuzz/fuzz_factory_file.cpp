// Feeds arbitrary bytes through the factory file reader; what it accepts must
// be savable, must be written back, read again and written again to the same
// bytes, and must duplicate to the same bytes.
#include "factory/document/FactoryFile.h"
#include "factory/document/UnitSountory.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"

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

std::string Written(const TUnitSountory& factory)
{
    return DocumentBytes(*CreateXmlTree(factory), FactoryFileSuffix);
}

// Reads bytes into a new factory; on success gives what the writer makes of it.
bool ReadInto(std::string_view bytes, std::string& written)
{
    TUnitSountory factory("Factory 1", "");
    std::string error;
    if (!factory.LoadFromBytes(bytes, error))
        return false;
    if (!FindUnsavableItem(factory).empty())
        std::abort();
    written = Written(factory);
    TUnitSountory copy("Copy 1 of Factory 1", "");
    if (!copy.DuplicateByXml(factory, error) || Written(copy) != written)
        std::abort();
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), BuildFactoryGrammar(), true);
    (void)installed;
    std::string written;
    if (ReadInto(std::string_view(reinterpret_cast<const char*>(data), size), written)) {
        // An accepted file written back reads back equal.
        std::string again;
        if (!ReadInto(written, again) || again != written)
            std::abort();
    }
    return 0;
}
