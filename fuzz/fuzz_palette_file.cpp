// Feeds arbitrary bytes through the colour-palette file reader; an accepted
// palette must be well formed, and is looked up and written back.
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/MessageService.h"
#include "wave/view/ColorPalette1DFile.h"
#include "wave/view/ColorPalette1DItem.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), true);
    (void)installed;
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    std::string error;
    if (!ReadColorPalette1DBytes(palette, std::string_view(reinterpret_cast<const char*>(data), size), error))
        return 0;
    if (!palette.IsWellFormed())
        std::abort();
    for (double p : {-1.0, 0.0, 0.1, 0.5, 0.9, 1.0, 2.0})
        palette.GetColor(p);
    TXMLComplexElement root("UnitColorPalette1D");
    root.AddItem(std::make_unique<TXMLStringElement>("Version", "1.0"));
    auto element = std::make_unique<TXMLComplexElement>("ColorPalette1D");
    palette.WriteColorPalette1DXml(*element);
    root.AddItem(std::move(element));
    TColorPalette1DItem again(0x000000, 0xFFFFFF);
    if (ReadColorPalette1DBytes(again, DocumentBytes(root, "_v1_0"), error) && !again.IsWellFormed())
        std::abort();
    return 0;
}
