// Stage files and program folders whose names are no UTF-8 (Latin-1 here): opened from the
// command line and the recent files, saved, and handed to the game as the system names
// them. Qt's own file dialog never lists such names, so it is not tried here.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QMenu>

#include "EditorWindowFixture.h"
#include "editor/app/PathText.h"
#include "tests/common/RunProgram.h"

namespace tarn::editor::testing {
namespace {

class NonUtf8PathsTest : public EditorWindowTest {
  protected:
    NonUtf8PathsTest() {
        std::filesystem::create_directory(latin1);
        WriteStage(stage.string(), StageFields{});
    }
    const std::filesystem::path latin1 = folder / "caf\xe9-\xff";
    const std::filesystem::path stage = latin1 / "\xe9t\xe9.tr2";
};

TEST_F(NonUtf8PathsTest, StageOpensAndIsSavedWhereItIs) {
    window.OpenStageFile(stage);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(Doc().CurrentFile, stage.string());
    Doc().SetCell(3, 4, 12);
    Doc().SetModified(true);
    window.OverwriteSave();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(ReadGameStage(ReadPlain(stage.string())).rows[4][3], 12);
    EXPECT_EQ(tarn::testing::NamesIn(latin1), std::vector<std::string>{"\xe9t\xe9.tr2"});
    // Shown with U+FFFD where the bytes are no UTF-8.
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("\uFFFDt\uFFFD.tr2")));
}

// The save dialog shows the name with U+FFFD; taking it as shown saves the stage itself.
TEST_F(NonUtf8PathsTest, SaveAsUnderTheNameAsShownKeepsTheStagesBytes) {
    window.OpenStageFile(stage);
    Doc().SetCell(5, 6, 2);
    dialogs.names = {PathText(stage)};
    window.SaveStageAs();
    EXPECT_EQ(dialogs.offered.back(), PathText(stage));
    EXPECT_EQ(ReadGameStage(ReadPlain(stage.string())).rows[6][5], 2);
    EXPECT_EQ(tarn::testing::NamesIn(latin1), std::vector<std::string>{"\xe9t\xe9.tr2"});
}

TEST_F(NonUtf8PathsTest, RecentEntryKeepsTheBytesAcrossSessions) {
    window.OpenStageFile(stage);
    MainWindow next(EditorServices{dialogs, printer, launcher, settings, folder.path(), {}});
    QSettings reread(PathText(folder / "gridsmith.ini"), QSettings::IniFormat);
    EXPECT_EQ(RecentFiles(reread).Files(), std::vector<std::filesystem::path>{stage});
    next.RecentMenu()->actions().front()->trigger();
    EXPECT_EQ(next.Document().Doc().CurrentFile, stage.string());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(NonUtf8PathsTest, TestPlayRunsTheGameOfSuchAProgramFolderOnACopyInSuchAWorkFolder) {
    const auto work = folder / "w\xff";
    std::filesystem::create_directories(latin1 / "bmp");
    std::filesystem::create_directory(work);
    tarn::testing::WriteFile(latin1 / "bmp/sky.bmp", "BM");  // only its presence counts
    MainWindow editor(EditorServices{dialogs, printer, launcher, settings, latin1, {}, work, {}});
    editor.Document().Doc().properties.Text1 = "sky.bmp";
    editor.TestPlay();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(launcher.program, latin1 / "TarnVer2");
    EXPECT_EQ(launcher.workingDirectory, latin1);
    ASSERT_EQ(launcher.arguments.size(), 3u);
    const std::filesystem::path copy = launcher.arguments[2];
    EXPECT_EQ(copy.parent_path().parent_path(), work);
    EXPECT_EQ(ReadGameStage(ReadPlain(copy.string())).BackgroundName, "sky.bmp");
}

// The built editor started on such a stage, as a file manager starts it: the stage is
// read (only a stage read in full enters the recent files).
TEST_F(NonUtf8PathsTest, EditorOpensTheStageNamedOnItsCommandLine) {
    const std::string config = (folder / "config").string();
    int out = -1;
    int err = -1;
    const pid_t pid = tarn::testing::SpawnProgram(
        "/usr/bin/env",
        {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + config, "XDG_STATE_HOME=" + config,
         GridsmithPath().toStdString(), "--open", stage.string()},
        out, err);
    ASSERT_GT(pid, 0);
    std::vector<std::filesystem::path> recent;
    for (int waited = 0; recent.empty() && waited < 600; ++waited) {
        QTest::qWait(100);
        QSettings written(PathText(folder / "config/tarn2/Gridsmith.ini"), QSettings::IniFormat);
        recent = RecentFiles(written).Files();
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(out);
    ::close(err);
    EXPECT_EQ(recent, std::vector<std::filesystem::path>{stage});
}

}  // namespace
}  // namespace tarn::editor::testing
