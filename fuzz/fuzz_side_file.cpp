// Feeds arbitrary bytes through the wave side-file reader, into a document
// with a window view, and writes back whatever it accepted, which must read again.
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ViewPaneModel.h"
#include "wave/view/ViewWaveGroupModel.h"

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

// Reads bytes into a fresh document; gives the result of the reader.
int ReadInto(std::string_view bytes, std::string& written)
{
    std::shared_ptr<Sound> sound = std::make_shared<MonoSound>(44100, 2);
    TUnitWave unit(sound, "Wave 1", "");
    TViewPaneModel first(300, 0);
    TViewPaneModel second(301, 0);
    TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
    group.AddView(&first);
    group.AddView(&second);
    unit.SetViewGroup(&group);
    std::string error;
    int result = unit.LoadShadowBytes(bytes, error, false, sound);
    if (result == 1) {
        unit.ExchangeSound(sound);
        group.ApplyPendingSplitPosition();
        group.ApplyPendingZoom();
        written = DocumentBytes(*unit.WriteUnitWaveXml(), "_v8_0");
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), true);
    (void)installed;
    TUnitWave::BuildUnitWaveGrammar();
    std::string written;
    if (ReadInto(std::string_view(reinterpret_cast<const char*>(data), size), written) == 1) {
        // What the writer makes of an accepted file must read back.
        std::string again;
        if (ReadInto(written, again) != 1)
            std::abort();
    }
    return 0;
}
