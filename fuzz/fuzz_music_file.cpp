// Feeds arbitrary bytes through the music file loader (versions 7.0, 7.1 and
// 9.1); whatever it accepts is written back as 9.1, which must read again
// and write the very same bytes. Every accepted file is also painted once, as
// the music window paints it from the view the file keeps, on a canvas that
// draws nothing: a value the reader lets through and the painter cannot take
// is found too.
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/NotePlayerAccess.h"
#include "music/document/UnitMuz.h"
#include "music/layout/MusicPainter.h"
#include "platform/MessageService.h"
#include "tests/support/NullCanvas.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

// Reads bytes into a fresh document and gives what it saves; false when refused.
bool ReadInto(std::string_view bytes, std::string& written, bool paint)
{
    // Converted player sets of old files are held per input.
    NotePlayerAccess players;
    NotePlayerAccess* previous = SetNotePlayerAccess(&players);
    TUnitMuz unit("Music 1", "");
    std::string message;
    std::unique_ptr<TMDIChildMuzInitProps> view;
    const bool ok = unit.LoadMusicBytes(bytes, message, view);
    if (ok)
        written = DocumentBytes(*unit.BuildMusicXml(), "_v9_1");
    if (ok && paint) {
        NullCanvas canvas;
        const TMDIChildMuzInitProps origin = view ? *view : TMDIChildMuzInitProps();
        TMusicPaintPass(unit.MuzData, origin.Left, origin.Top)
            .Paint(canvas, {0, 0, 800, 600}, unit.GetSelectedSymbol());
    }
    SetNotePlayerAccess(previous);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), TUnitMuz::BuildMusicGrammars(), true);
    (void)installed;
    std::string written;
    if (ReadInto(std::string_view(reinterpret_cast<const char*>(data), size), written, true)) {
        std::string again;
        if (!ReadInto(written, again, false) || again != written)
            std::abort();
    }
    return 0;
}
