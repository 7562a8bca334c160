// Feeds arbitrary bytes through the factory file reader; what it accepts must
// be savable, must be written back, read again and written again to the same
// bytes, and must duplicate to the same bytes. Every accepted factory is also
// painted once, as its window paints it, on a canvas that draws nothing, and
// its graph is touched where the mouse finds its parts.
#include "factory/document/FactoryFile.h"
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNode.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"
#include "tests/support/NullCanvas.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

std::string Written(const TUnitSountory& factory)
{
    return DocumentBytes(*CreateXmlTree(factory), FactoryFileSuffix);
}

// The frame, the nodes and the mouse's look-ups at their corners and centres.
void PaintAndTouch(TUnitSountory& factory)
{
    NullCanvas canvas;
    factory.Draw(canvas);
    factory.AnyNodesOverlap();
    std::vector<TCanvasRect> rects{factory.GetFrameRect()};
    for (const auto& node : factory.Nodes())
        rects.push_back(node->GetWindowRect());
    for (const TCanvasRect& r : rects) {
        const TCanvasPoint centre{r.Left / 2 + r.Right / 2, r.Top / 2 + r.Bottom / 2};
        for (TCanvasPoint point : {TCanvasPoint{r.Left, r.Top}, TCanvasPoint{r.Right, r.Bottom}, centre}) {
            for (bool forDragging : {false, true}) {
                sntSountoryObject kind;
                TSountoryTouchable* item = nullptr;
                sntTouchPart part;
                factory.PointInObject(point, kind, item, part, forDragging);
            }
        }
    }
}

// Reads bytes into a new factory; on success gives what the writer makes of it.
bool ReadInto(std::string_view bytes, std::string& written, bool paint)
{
    TUnitSountory factory("Factory 1", "");
    std::string error;
    if (!factory.LoadFromBytes(bytes, error))
        return false;
    if (!FindUnsavableItem(factory).empty())
        std::abort();
    written = Written(factory);
    if (paint)
        PaintAndTouch(factory);
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
    if (ReadInto(std::string_view(reinterpret_cast<const char*>(data), size), written, true)) {
        // An accepted file written back reads back equal.
        std::string again;
        if (!ReadInto(written, again, false) || again != written)
            std::abort();
    }
    return 0;
}
