// Feeds arbitrary bytes through the players file reader, and through the
// reader of the players that old music files keep in their note groups. What
// either accepts must be savable, must be written, read again and written
// again to the same bytes, and must duplicate to the same bytes.
#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/PlayersFile.h"
#include "music/UnitPlayers.h"
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

std::string Written(const TUnitPlayers& set)
{
    return DocumentBytes(*set.BuildPlayersXml(), PlayersFileSuffix);
}

// What an accepted set must stand: saving, writing, duplicating.
std::string CheckAccepted(const TUnitPlayers& set)
{
    if (!set.FindUnsavableItem().empty())
        std::abort();
    std::string written = Written(set);
    TUnitPlayers copy("Copy 1 of Players 1", "");
    std::string error;
    if (!copy.DuplicatePlayers(set, error) || Written(copy) != written)
        std::abort();
    return written;
}

bool ReadInto(std::string_view bytes, std::string& written)
{
    TUnitPlayers set("Players 1", "");
    std::string error;
    if (!set.LoadPlayersBytes(bytes, error))
        return false;
    written = CheckAccepted(set);
    return true;
}

// The bytes as the player of an old note group: a CompoundPlayer of sampler
// elements, converted twice into a set.
bool ReadOldPlayer(std::string_view bytes, std::string& written)
{
    std::string version;
    TXMLToken tokens(TXMLBytes{bytes}, version);
    if (tokens.GetTokenKind() == xmlTokenError)
        return false;
    TXMLComplexElement root("Root");
    const TXMLToken* cursor = &tokens;
    std::string error;
    bool fatal = false;
    if (!OldCompoundPlayerGrammar()->Match(root, cursor, error, fatal) || !root.GetFirst())
        return false;
    TUnitPlayers set("Players for converted Music 1", "");
    std::string name;
    int32_t line = 0;
    int32_t column = 0;
    for (int i = 1; i <= 2; ++i) {
        if (!set.AddConvertedPlayer(*root.GetFirst(), name, error, line, column))
            return false;
        if (name != "Player " + std::to_string(i))
            std::abort();
    }
    written = CheckAccepted(set);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), TUnitPlayers::BuildPlayersGrammar(), true);
    (void)installed;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string written;
    if (ReadInto(bytes, written) || ReadOldPlayer(bytes, written)) {
        // An accepted file written back reads back equal.
        std::string again;
        if (!ReadInto(written, again) || again != written)
            std::abort();
    }
    return 0;
}
