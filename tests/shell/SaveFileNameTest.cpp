#include "foundation/SaveFileName.h"
#include "shell/CommandLine.h"
#include "shell/FileDialogs.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

namespace {

const char* const PaletteFilter = "Color Palette 1D (*.cp1);;XML Files (*.xml);;All files (*)";

} // namespace

TEST(SaveFileName, FilterExtensions)
{
    EXPECT_EQ(FilterExtensions(SaveDialogWave.filter), std::vector<std::string>{"wav"});
    EXPECT_EQ(FilterExtensions(SaveDialogMuz.filter), (std::vector<std::string>{"qbm", "xml"}));
    EXPECT_EQ(FilterExtensions(PaletteFilter), (std::vector<std::string>{"cp1", "xml"}));
    EXPECT_EQ(FilterExtensions("Any (*.*;*)|*.*;*.A?C|Text (*.TXT *.md)|*.txt;*.md"),
              (std::vector<std::string>{"txt", "md"}));
    EXPECT_TRUE(FilterExtensions("").empty());
}

TEST(SaveFileName, ANameWithoutAListedExtensionGetsTheDefault)
{
    struct Case {
        const TFileDialogInfo& dialog;
        const char* typed;
        const char* saved;
    } cases[] = {
        {SaveDialogMuz, "/m/song.v2", "/m/song.v2.qbm"},
        {SaveDialogMuz, "/m/song", "/m/song.qbm"},
        {SaveDialogMuz, "/m/song.", "/m/song.qbm"},
        {SaveDialogMuz, "/m/song.qbm.bak", "/m/song.qbm.bak.qbm"},
        {SaveDialogMuz, "/m/song.wav", "/m/song.wav.qbm"},
        {SaveDialogMuz, "/m/song.qbm", "/m/song.qbm"},
        {SaveDialogMuz, "/m/SONG.QBM", "/m/SONG.QBM"},
        {SaveDialogMuz, "/m/song.xml", "/m/song.xml"},
        {SaveDialogMuz, "/m/my.song.Xml", "/m/my.song.Xml"},
        // A dot in a folder is no extension.
        {SaveDialogMuz, "/m/a.qbm/song", "/m/a.qbm/song.qbm"},
        {SaveDialogMuz, "a.b\\song", "a.b\\song.qbm"},
        {SaveDialogWave, "/w/take.3", "/w/take.3.wav"},
        {SaveDialogWave, "/w/take.2.wav", "/w/take.2.wav"},
        {SaveDialogWave, "/w/take.xml", "/w/take.xml.wav"},
        {SaveDialogFact, "/f/osc.v1", "/f/osc.v1.qbf"},
        {SaveDialogPlay, "/p/band.2026", "/p/band.2026.qby"},
        {SaveDialogPlay, "/p/band.QBY", "/p/band.QBY"},
        {SaveDialogProject, "/p/my.proj", "/p/my.proj.qbp"},
        {ExportDialogProject, "/p/my.proj.xml", "/p/my.proj.xml"},
        // Nothing named a file: nothing to add to.
        {SaveDialogMuz, "", ""},
        {SaveDialogMuz, "/m/", "/m/"},
        {SaveDialogMuz, "/m/..", "/m/.."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SaveFileName(c.typed, c.dialog.filter, c.dialog.defaultExtension), c.saved)
            << c.dialog.name << " " << c.typed;
    EXPECT_EQ(SaveFileName("/c/warm.v1", PaletteFilter, "cp1"), "/c/warm.v1.cp1");
    EXPECT_EQ(SaveFileName("/c/warm.xml", PaletteFilter, "cp1"), "/c/warm.xml");
}

// Whatever is typed into a document's save dialog, the file it writes opens
// from the command line as that kind of document again.
TEST(SaveFileName, EverySavedDocumentOpensAsItsKind)
{
    const CommandLineKind kinds[] = {CommandLineKind::None, CommandLineKind::Wave, CommandLineKind::Music,
                                     CommandLineKind::Factory, CommandLineKind::Players};
    RecordingMessageService messages;
    for (uint8_t kind = 1; kind <= 4; ++kind) {
        const TFileDialogInfo& dialog = *SaveDialogOfKind(kind);
        for (const char* typed : {"take", "take.3", "a.b/take.v2", "take."}) {
            const std::string saved = SaveFileName(typed, dialog.filter, dialog.defaultExtension);
            EXPECT_EQ(ChooseCommandLineKind(saved), kinds[kind]) << saved;
            EXPECT_EQ(SaveFileName(saved, dialog.filter, dialog.defaultExtension), saved);
        }
    }
    EXPECT_EQ(ChooseCommandLineKind(SaveFileName("my.proj", SaveDialogProject.filter, "qbp")),
              CommandLineKind::Project);
    EXPECT_EQ(messages.Count(), 0u);
}
