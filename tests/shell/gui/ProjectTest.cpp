#include "ScriptedFileDialogs.h"
#include "support/TempFolder.h"
#include "tests/shell/FaultyProjectDisk.h"

#include "platform/RecordingMessageService.h"
#include "shell/FileDialogs.h"
#include "shell/ProjectDisk.h"
#include "shell/ProjectFile.h"
#include "shell/ProjectSave.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormProjects.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/WaveWindowIcons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <map>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using A = ActionId;

std::shared_ptr<Sound> Ramp(int32_t values, int16_t start)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values);
    RefPtr<Wave> right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        left->getData()[i] = static_cast<int16_t>(start + i);
        right->getData()[i] = static_cast<int16_t>(start - i);
    }
    return std::make_shared<StereoSound>(left, right, 44100, 2);
}

int16_t FirstSample(const TUnitWave& unit)
{
    return unit.GetValues() ? unit.GetSound()->GetLeftWave()->getData()[0] : int16_t(-1);
}

// Counts the times a window leaves or enters a maximised, minimised or normal state.
class StateChanges : public QObject {
public:
    explicit StateChanges(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            ++count;
        return false;
    }
    int count = 0;
};

// What a wave window shows of its document, in the order of the project.
struct Shown {
    std::string name;
    std::string file;
    int32_t values;
    int16_t first;
    bool changed;
    QRect geometry;

    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* out)
{
    *out << s.name << " [" << s.file << "] " << s.values << "/" << s.first << (s.changed ? " changed " : " saved ")
         << s.geometry.x() << "," << s.geometry.y() << " " << s.geometry.width() << "x" << s.geometry.height();
}

struct Project : ::testing::Test {
    Project()
    {
        form.resize(900, 700);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
    }

    std::vector<TMDIChildWave*> Windows() const { return WindowsOf(form); }

    static std::vector<TMDIChildWave*> WindowsOf(const TMainForm& of)
    {
        std::vector<TMDIChildWave*> result;
        for (QMdiSubWindow* window : of.MdiArea()->subWindowList(QMdiArea::ActivationHistoryOrder))
            if (auto* wave = qobject_cast<TMDIChildWave*>(window); wave && !wave->IsClosing())
                result.push_back(wave);
        return result;
    }

    std::vector<Shown> Show() const { return Show(form); }

    static std::vector<Shown> Show(const TMainForm& of)
    {
        std::vector<Shown> shown;
        for (TMDIChildWave* window : WindowsOf(of)) {
            const TUnitWave& unit = *window->GetUnitWave();
            shown.push_back({unit.GetName(), unit.GetFileName(), unit.GetValues(), FirstSample(unit),
                             unit.IsChanged(), window->geometry()});
        }
        return shown;
    }

    TMDIChildWave* OpenFile(const std::string& fileName, int32_t values, int16_t start)
    {
        StopFlag stop = 0;
        EXPECT_TRUE(WriteWaveFile(&stop, fileName, *Ramp(values, start), 0, values));
        TUnitWave* unit = form.OpenWaveFile(false, fileName, "");
        return dynamic_cast<TMDIChildWave*>(unit->GetChildWave());
    }

    // A project of three waves: one saved and renamed, one changed, one never saved.
    void MakeWorkspace()
    {
        TMDIChildWave* drums = OpenFile(folder.File("drums.wav"), 1000, 10);
        drums->GetUnitWave()->SetName("Drums");
        drums->setGeometry(10, 20, 400, 200);
        TMDIChildWave* bass = OpenFile(folder.File("bass.wav"), 2000, 20);
        bass->GetUnitWave()->Reverse();
        bass->GetUnitWave()->SetChanged();
        bass->setGeometry(30, 60, 420, 210);
        TMDIChildWave* fresh = form.CreateWaveFromSound(Ramp(3000, 30), "Wave", "");
        fresh->setGeometry(50, 90, 440, 220);
    }

    // Closes the windows as a project close does, and lets them go.
    void CloseAll()
    {
        ASSERT_TRUE(form.Projects().CloseAllWindows());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(Windows().empty());
    }

    void SaveAsProject(const std::string& fileName)
    {
        answer = fileName;
        form.Execute(A::ProjectNew);
        ASSERT_EQ(form.GetProjectWriteFile(), fileName);
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
    std::string project = folder.File("Song.qbp");
    ScriptedFileDialogs dialogs;
    std::string& answer = dialogs.answer;
    std::vector<std::string>& asked = dialogs.asked;
};

} // namespace

TEST_F(Project, ANewEmptyWaveIsKeptAsItsSideFile)
{
    SaveAsProject(project);
    TUnitWave* unit = form.NewWave(TWaveFileProps(1, 22050, 1));
    EXPECT_EQ(form.windowTitle().toStdString(), "Quarbel 9.1 - " + project);
    unit->SetName("");
    ASSERT_TRUE(form.Projects().SaveProject(project, false));

    std::string text = ReadWholeFile(project);
    std::erase(text, '\r');
    const size_t frame = text.find("<Frame>");
    // The Edit Name dialog shows from the start.
    const size_t dialogs = text.find("<ModelessDialogs>\n    <DlgEditName>\n      <Left>");
    const size_t window = text.find("<Window>\n    <Wave>\n      <TempFile>0</TempFile>\n    </Wave>\n    <Left>");
    EXPECT_LT(text.find("<Version>9.1</Version>"), frame);
    EXPECT_LT(frame, dialogs);
    EXPECT_LT(dialogs, window);
    EXPECT_NE(window, std::string::npos) << text;
    EXPECT_EQ(text.find("<Name>"), std::string::npos);
    // Without values there is no .wav: the side file keeps the format.
    EXPECT_EQ(fs::exists(folder.File("SongTempSaveFiles/savedProjectWindowFile0.qbw")), true);
    EXPECT_EQ(fs::exists(folder.File("SongTempSaveFiles/savedProjectWindowFile0.wav")), false);

    CloseAll();
    form.Projects().OpenProject(project);
    ASSERT_EQ(Windows().size(), 1u);
    const TUnitWave& again = *Windows()[0]->GetUnitWave();
    EXPECT_EQ(Windows()[0]->GetIconNumber(), waveIconMono);
    EXPECT_EQ(again.GetValues(), 0);
    EXPECT_EQ(again.GetMonoStereo(), 1);
    EXPECT_EQ(again.GetSampleFreq(), 22050u);
    EXPECT_EQ(again.GetBytesPSample(), 1);
    EXPECT_EQ(again.GetName(), "");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(Project, ReopeningRestoresNamesPlacesContentsAndMarks)
{
    SaveAsProject(project);
    MakeWorkspace();
    const std::vector<Shown> before = Show();
    EXPECT_EQ(asked, std::vector<std::string>{"New Project"});

    // Closing the project asks nothing, changed documents and all.
    form.Execute(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(form.GetProjectWriteFile(), "");
    EXPECT_EQ(form.windowTitle().toStdString(), "Quarbel 9.1");
    EXPECT_EQ(fs::directory_iterator(folder.File("SongTempSaveFiles")) == fs::directory_iterator(), false);

    answer = project;
    form.Execute(A::ProjectOpen);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(form.GetProjectWriteFile(), project);
    EXPECT_EQ(Show(), before);
    // The last window read is the active one, as it was.
    EXPECT_EQ(form.ActiveWaveWindow(), Windows().back());
}

TEST_F(Project, CopiesCarryTheSavedNamesAndOnlyTheLatestStay)
{
    SaveAsProject(project);
    MakeWorkspace();
    form.Execute(A::ProjectSave);
    const std::string copies = folder.File("SongTempSaveFiles");
    auto names = [&] {
        std::vector<std::string> list;
        for (const auto& entry : fs::directory_iterator(copies))
            list.push_back(entry.path().filename().string());
        std::sort(list.begin(), list.end());
        return list;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"savedProjectWindowFile0.qbw", "savedProjectWindowFile0.wav",
                                                 "savedProjectWindowFile1.qbw", "savedProjectWindowFile1.wav"}));
    // The windows keep their changes: only copies were written.
    EXPECT_TRUE(Windows()[1]->GetUnitWave()->IsChanged());

    Windows()[1]->GetUnitWave()->SetFileName(folder.File("bass.wav"));
    Windows()[1]->GetUnitWave()->SaveWaveAndShadow(folder.File("bass.wav"));
    Windows()[1]->GetUnitWave()->ClearChanged();
    form.Execute(A::ProjectSave);
    EXPECT_EQ(names(), (std::vector<std::string>{"savedProjectWindowFile0.qbw", "savedProjectWindowFile0.wav"}));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(Project, AProjectOfSavedWavesHasNoFolder)
{
    SaveAsProject(project);
    OpenFile(folder.File("a.wav"), 100, 1);
    OpenFile(folder.File("b.wav"), 200, 2);
    form.Execute(A::ProjectSave);
    EXPECT_TRUE(fs::exists(project));
    EXPECT_FALSE(fs::exists(folder.File("SongTempSaveFiles")));
}

TEST_F(Project, ClosingTheProgramSavesTheProjectWithoutAQuestion)
{
    SaveAsProject(project);
    MakeWorkspace();
    const std::vector<Shown> before = Show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(messages.Count(), 0u);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows().empty());

    form.show();
    form.FormShow(project);
    EXPECT_EQ(Show(), before);
}

// Started in the project's folder with its bare name, as from a terminal:
// the project still knows its folder and saves there.
TEST_F(Project, AProjectNamedFromItsOwnFolderOnTheCommandLineSaves)
{
    SaveAsProject(project);
    MakeWorkspace();
    const std::vector<Shown> before = Show();
    EXPECT_TRUE(form.close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const fs::path started = fs::current_path();
    fs::current_path(fs::path(project).parent_path());
    form.show();
    form.FormShow(fs::path(project).filename().string());
    fs::current_path(started);
    EXPECT_EQ(Show(), before);
    fs::remove(project);
    form.Execute(A::ProjectSave);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    EXPECT_TRUE(fs::exists(project));
}

// A dotted name typed for a new project gets the project extension: the program
// saves the project there and opens it again from the command line.
TEST_F(Project, ANewProjectNamedWithADotIsAFileTheProgramOpens)
{
    const std::string saved = folder.File("my.proj.qbp");
    answer = folder.File("my.proj");
    form.Execute(A::ProjectNew);
    EXPECT_EQ(form.GetProjectWriteFile(), saved);
    EXPECT_EQ(form.windowTitle().toStdString(), "Quarbel 9.1 - " + saved);
    MakeWorkspace();
    const std::vector<Shown> before = Show();
    EXPECT_TRUE(form.close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_FALSE(fs::exists(folder.File("my.proj")));

    form.show();
    form.FormShow(saved);
    EXPECT_EQ(Show(), before);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
}

// "." and ".." in a name given on the command line are not the file's name:
// the window title and a project show and keep its plain path.
TEST_F(Project, AFileNamedOnTheCommandLineIsKeptByItsPlainPath)
{
    fs::create_directories(folder.Path() / "a.b" / "c");
    const std::string file = folder.File("a.b/take.2.wav");
    StopFlag stop = 0;
    ASSERT_TRUE(WriteWaveFile(&stop, file, *Ramp(500, 5), 0, 500));
    const fs::path started = fs::current_path();
    fs::current_path(folder.Path() / "a.b" / "c");
    form.FormShow("../../a.b/./take.2.wav");
    fs::current_path(started);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Windows()[0]->GetUnitWave()->GetFileName(), file);
    EXPECT_EQ(Windows()[0]->windowTitle().toStdString(), "Wave 1 - " + file);

    ASSERT_TRUE(form.Projects().SaveProject(project, false));
    std::string text = ReadWholeFile(project);
    std::erase(text, '\r');
    EXPECT_NE(text.find("<File>" + file + "</File>"), std::string::npos) << text;
    EXPECT_EQ(text.find("/./"), std::string::npos) << text;
    EXPECT_EQ(text.find("/../"), std::string::npos) << text;
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(Project, AProjectThatCannotBeSavedKeepsTheProgramOpen)
{
    SaveAsProject(project);
    MakeWorkspace();
    form.Execute(A::ProjectSave);
    fs::permissions(project, fs::perms::owner_read);

    EXPECT_FALSE(form.close());
    fs::permissions(project, fs::perms::owner_all);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot close Project: The project file \"" + project +
                                        "\" could not be written: Operating System cannot open file for writing, "
                                        "maybe the file is readonly.");
    EXPECT_EQ(messages.Last().caption, "Project Error");
    EXPECT_EQ(Windows().size(), 3u);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Project, ASaveThatFailsAtAnyStepLeavesTheProjectAsItWas)
{
    SaveAsProject(project);
    MakeWorkspace();
    form.Execute(A::ProjectSave);
    const std::vector<Shown> saved = Show(form);
    // Changes after that save, which a failing save must not half-write.
    Windows()[2]->GetUnitWave()->Reverse();
    Windows()[0]->GetUnitWave()->SetName("Kick");
    const std::vector<Shown> changed = Show(form);
    ASSERT_NE(changed, saved);
    TempFolder first;
    fs::copy(folder.Path(), first.Path(), fs::copy_options::recursive);
    for (int failAt = 0;; ++failAt) {
        fs::remove_all(folder.Path());
        fs::copy(first.Path(), folder.Path(), fs::copy_options::recursive);
        FaultyProjectDisk disk(failAt);
        const bool done = SaveProject(form.Projects(), project, false, disk);
        TMainForm other;
        other.show();
        other.Projects().OpenProject(project);
        EXPECT_EQ(Show(other), done ? changed : saved) << "failing operation " << failAt;
        if (!disk.Failed())
            break;
    }
}

TEST_F(Project, AReadOnlyProjectAsksWhereToSave)
{
    SaveAsProject(project);
    MakeWorkspace();
    form.Execute(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fs::permissions(project, fs::perms::owner_read);

    // Cancel: nothing is read.
    messages.Answer(MsgAnswer::Cancel);
    form.Projects().OpenProject(project);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Project is Readonly");
    EXPECT_EQ(messages.Last().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(form.GetProjectWriteFile(), "");

    // OK and a new file: read, and the next save goes there.
    const std::string other = folder.File("Other.qbp");
    answer = other;
    messages.Answer(MsgAnswer::Ok);
    form.Projects().OpenProject(project);
    EXPECT_EQ(Windows().size(), 3u);
    EXPECT_EQ(form.GetProjectWriteFile(), other);
    EXPECT_EQ(form.windowTitle().toStdString(), "Quarbel 9.1 - " + other);
    form.Execute(A::ProjectSave);
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::exists(folder.File("OtherTempSaveFiles/savedProjectWindowFile0.wav")));
    fs::permissions(project, fs::perms::owner_all);
}

TEST_F(Project, ProjectsThatCannotBeReadSayWhy)
{
    struct Case {
        const char* what;
        std::string text;
        std::string reason;
    } cases[] = {
        {"missing", "", "The file does not exist."},
        {"version 9.2",
         "<Project><Version>9.2</Version><Frame><Left>0</Left><Top>0</Top><Width>9</Width><Height>9</Height>"
         "<Normal/></Frame><ModelessDialogs/></Project>",
         "Unknown version \"9.2\" found in project file."},
        {"a 9.0 player set",
         "<Project><Version>9.0</Version><Frame><Left>0</Left><Top>0</Top><Width>9</Width><Height>9</Height>"
         "<Normal/></Frame><Window><PlayerSet><File>/x.qby</File></PlayerSet><Left>0</Left><Top>0</Top>"
         "<Width>9</Width><Height>9</Height><Normal/></Window></Project>",
         "unexpected begin of element \"PlayerSet\""},
        {"a 9.1 player set that is gone",
         "<Project><Version>9.1</Version><Frame><Left>0</Left><Top>0</Top><Width>9</Width><Height>9</Height>"
         "<Normal/></Frame><ModelessDialogs/><Window><PlayerSet><File>/x.qby</File></PlayerSet><Left>0</Left>"
         "<Top>0</Top><Width>9</Width><Height>9</Height><Normal/></Window></Project>",
         "Cannot read file \"/x.qby\": cannot open file."},
        {"broken", "<Project><Version>9.1</Version><", "unexpected end-of-file"},
    };
    for (const Case& c : cases) {
        const std::string file = folder.File(std::string(c.what) + ".qbp");
        if (!c.text.empty())
            WriteWholeFile(file, "<?xml version=\"1.0\"?>\n<!DOCTYPE Project_v9_1>\n\n" + c.text);
        messages.Clear();
        form.Projects().OpenProject(file);
        ASSERT_EQ(messages.Count(), 1u) << c.what;
        const std::string prefix = "Cannot read the file: \"" + file + "\": ";
        EXPECT_EQ(messages.Last().text.rfind(prefix, 0), 0u) << messages.Last().text;
        EXPECT_GT(messages.Last().text.size(), prefix.size()) << c.what;
        EXPECT_NE(messages.Last().text.find(c.reason), std::string::npos) << messages.Last().text;
        EXPECT_EQ(messages.Last().caption, "File Error");
        EXPECT_EQ(form.GetProjectWriteFile(), "") << c.what;
        EXPECT_EQ(form.windowTitle().toStdString(), "Quarbel 9.1");
        EXPECT_TRUE(Windows().empty()) << c.what;
    }
}

// A wave that a project names but that cannot be opened is one message,
// naming the wave and why, as for the other kinds of document.
TEST_F(Project, AWaveThatCannotBeOpenedIsOneMessageNamingIt)
{
    const std::string pipe = folder.File("pipe.wav");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder.File("folder.wav"));
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.wav"), "Cannot open File."},
        {"../quarbel-nothing-here/gone.wav", "Cannot open File."},
        {folder.File("folder.wav"), "it is not a regular file."},
        {pipe, "it is not a regular file."},
        {"/dev/zero", "it is not a regular file."},
    };
    const std::string file = folder.File("waves.qbp");
    for (const auto& [wave, reason] : cases) {
        WriteWholeFile(file, "<?xml version=\"1.0\"?>\n<!DOCTYPE Project_v9_1>\n\n<Project><Version>9.1</Version>"
                             "<Frame><Left>0</Left><Top>0</Top><Width>9</Width><Height>9</Height><Normal/></Frame>"
                             "<ModelessDialogs/><Window><Wave><File>" +
                                 wave +
                                 "</File></Wave><Left>0</Left><Top>0</Top><Width>9</Width><Height>9</Height>"
                                 "<Normal/></Window></Project>");
        messages.Clear();
        form.Projects().OpenProject(file);
        ASSERT_EQ(messages.Count(), 1u) << wave;
        const std::string& text = messages.Last().text;
        EXPECT_EQ(text.rfind("Cannot read the file: \"" + file + "\": At line 4, column ", 0), 0u) << text;
        EXPECT_NE(text.find("Cannot read the file: \"" + wave + "\""), std::string::npos) << text;
        EXPECT_EQ(text.substr(text.size() - reason.size()), reason) << text;
        EXPECT_TRUE(Windows().empty()) << wave;
    }
}

TEST_F(Project, AnExportWritesNoFileAndLeavesTheProjectAlone)
{
    SaveAsProject(project);
    MakeWorkspace();
    form.Execute(A::ProjectSave);
    const std::string before = ReadWholeFile(project);
    fs::create_directory(folder.File("out"));
    answer = folder.File("out/All.qbp");
    form.Execute(A::ProjectExport);
    EXPECT_EQ(asked.back(), "Export Project");
    const std::string exported = ReadWholeFile(answer);
    EXPECT_EQ(exported.find("<File>"), std::string::npos);
    for (int n = 0; n < 3; ++n)
        EXPECT_TRUE(fs::exists(folder.File("out/AllTempSaveFiles/savedProjectWindowFile" + std::to_string(n) + ".wav")));
    EXPECT_EQ(ReadWholeFile(project), before);
    EXPECT_EQ(form.GetProjectWriteFile(), project);

    // The export stands on its own.
    form.Execute(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fs::remove(folder.File("drums.wav"));
    form.Projects().OpenProject(answer);
    ASSERT_EQ(Windows().size(), 3u);
    EXPECT_EQ(Windows()[0]->GetUnitWave()->GetValues(), 1000);
    EXPECT_EQ(FirstSample(*Windows()[0]->GetUnitWave()), 10);
}

// A window manager told to restore the main window and maximise it again at
// once may see no change of size to report: the window then went on drawing at
// its normal size inside a maximised frame.
TEST_F(Project, AMaximisedMainWindowStaysMaximisedWhileItsProjectOpens)
{
    SaveAsProject(project);
    MakeWorkspace();
    form.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(form.isMaximized());
    form.Execute(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    StateChanges changes(form);
    form.Projects().OpenProject(project);
    ASSERT_EQ(Windows().size(), 3u);
    EXPECT_TRUE(form.isMaximized());
    EXPECT_EQ(changes.count, 0);

    // A main window that is not maximised becomes so.
    form.Execute(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form.showNormal();
    QApplication::processEvents();
    form.Projects().OpenProject(project);
    EXPECT_TRUE(form.isMaximized());
}

TEST_F(Project, AMaximisedWindowComesBackMaximised)
{
    SaveAsProject(project);
    MakeWorkspace();
    TMDIChildWave* last = Windows().back();
    last->showMaximized();
    ASSERT_TRUE(last->isMaximized());
    form.Execute(A::ProjectClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    form.Projects().OpenProject(project);
    ASSERT_EQ(Windows().size(), 3u);
    EXPECT_TRUE(Windows().back()->isMaximized());
    EXPECT_EQ(form.ActiveWaveWindow(), Windows().back());
    EXPECT_EQ(Windows()[0]->GetUnitName(), "Drums");
    EXPECT_FALSE(Windows()[0]->isMaximized());
}

// A main window placed by a project saved on a larger screen lands inside the
// available area by the least move, its frame counted; one that fits stays
// where the project put it.
TEST_F(Project, TheMainWindowLandsInsideTheScreenFromAnyProject)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect area = form.screen()->availableGeometry();
    const QSize client(500, 300);
    const QMargins frame = form.windowHandle()->frameMargins();
    const QSize framed = client.grownBy(frame);
    const int right = area.right() + 1 - framed.width(), bottom = area.bottom() + 1 - framed.height();
    const QPoint fits = area.topLeft() + QPoint(60, 50);
    const struct {
        const char* what;
        QPoint corner; // of the client area, as a project keeps it
        QSize size;
        QPoint frameCorner;
    } cases[] = {
        {"fits", fits, client, fits - QPoint(frame.left(), frame.top())},
        {"right", {area.right() - 100, area.top() + 50}, client, {right, area.top() + 50 - frame.top()}},
        {"below", {area.left() + 60, area.bottom() - 40}, client, {area.left() + 60 - frame.left(), bottom}},
        {"left", {area.left() - 300, area.top() + 50}, client, {area.left(), area.top() + 50 - frame.top()}},
        {"above", {area.left() + 60, area.top() - 200}, client, {area.left() + 60 - frame.left(), area.top()}},
        {"larger than the area", {area.left() + 30, area.top() + 20}, area.size() * 2, area.topLeft()},
    };
    for (const auto& c : cases) {
        form.Projects().SetFramePlacement(
            {c.corner.x(), c.corner.y(), c.size.width(), c.size.height(), windowStateNormal});
        QCoreApplication::processEvents();
        EXPECT_EQ(form.frameGeometry().topLeft(), c.frameCorner) << c.what;
        EXPECT_EQ(form.size(), c.size) << c.what;
    }
}
