// Where the file dialogs start and the recent files: the stage folders first, then the
// folder last chosen, and the last eight stages in the ファイル menu, all kept across
// sessions.
#include <QMenu>
#include <QProcess>

#include "EditorWindowFixture.h"
#include "editor/app/DialogFolders.h"
#include "editor/app/RecentFiles.h"

namespace tarn::editor::testing {
namespace {

using FileHistoryTest = EditorWindowTest;

QString Path(const ScratchDir& folder, const std::string& name) {
    return QString::fromStdString(folder.File(name));
}

TEST_F(FileHistoryTest, DialogsStartInTheStageFoldersThenInTheFolderLastChosen) {
    DialogFolders folders(settings, ProgramDir());
    EXPECT_EQ(folders.StartFolder(), DataDir());
    EXPECT_EQ(folders.Place(QStringLiteral("1-1.tr2")), DataDir() + QStringLiteral("/1-1.tr2"));
    EXPECT_EQ(folders.Place(QStringLiteral("/elsewhere/1-1.tr2")),
              QStringLiteral("/elsewhere/1-1.tr2"));
    std::filesystem::create_directory(folder / "world2");
    folders.Remember(Path(folder, "world2/2-1.tr2"));
    EXPECT_EQ(DialogFolders(settings, ProgramDir()).StartFolder(), Path(folder, "world2"));
    std::filesystem::remove(folder / "world2");
    EXPECT_EQ(folders.StartFolder(), DataDir());
}

TEST_F(FileHistoryTest, WithoutStageFoldersDialogsStartInTheProgramFolder) {
    std::filesystem::remove(folder / "data");
    EXPECT_EQ(DialogFolders(settings, ProgramDir()).StartFolder(), ProgramDir());
}

TEST_F(FileHistoryTest, InAnInstallDialogsStartInTheUsersStageFolders) {
    ScratchDir user;
    const QString mine = Path(user, "stages");
    std::filesystem::create_directory(user / "stages");
    DialogFolders folders(settings, ProgramDir(), mine);
    EXPECT_EQ(folders.StageFolders(), (QStringList{mine, DataDir()}));
    EXPECT_EQ(folders.StartFolder(), mine);
    EXPECT_EQ(folders.Place(QStringLiteral("1-1.tr2")), mine + QStringLiteral("/1-1.tr2"));
    std::filesystem::remove(user / "stages");
    EXPECT_EQ(folders.StartFolder(), DataDir()) << "a folder that is gone is passed over";
}

TEST_F(FileHistoryTest, OpenDialogStartsInTheFolderOfTheLastSave) {
    std::filesystem::create_directory(folder / "world1");
    dialogs.names = {Path(folder, "world1/1-1.tr2")};
    window.SaveStageAs();
    window.OpenStage();
    EXPECT_EQ(dialogs.offered.back(), Path(folder, "world1"));
}

TEST(RecentFileList, NewestFirstOnceAndAtMostEight) {
    ScratchDir folder;
    QSettings settings(Path(folder, "s.ini"), QSettings::IniFormat);
    RecentFiles recent(settings);
    for (int i = 1; i <= 10; ++i) {
        recent.Add("/s/" + std::to_string(i) + ".tr2");
    }
    recent.Add("/s/5.tr2");
    EXPECT_EQ(RecentFiles(settings).Files(),
              (std::vector<std::filesystem::path>{"/s/5.tr2", "/s/10.tr2", "/s/9.tr2", "/s/8.tr2",
                                                  "/s/7.tr2", "/s/6.tr2", "/s/4.tr2", "/s/3.tr2"}));
    recent.Remove("/s/9.tr2");
    EXPECT_EQ(recent.Files().size(), 7u);
    recent.Clear();
    EXPECT_TRUE(recent.Files().empty());
}

TEST_F(FileHistoryTest, SavedAndOpenedStagesAppearInTheFileMenu) {
    WriteStage(folder.File("data/a.tr2"), StageFields{});
    dialogs.names = {Path(folder, "data/a.tr2")};
    window.OpenStage();
    dialogs.names = {Path(folder, "data/b.tr2")};
    window.SaveStageAs();
    const QList<QAction*> items = window.RecentMenu()->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&1 b.tr2 (") + DataDir() + QStringLiteral(")"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&2 a.tr2 (") + DataDir() + QStringLiteral(")"));
}

TEST_F(FileHistoryTest, ARecentEntryOpensItsStageAfterTheUnsavedChangesPrompt) {
    StageFields stage;
    stage.stageName = "recent";
    WriteStage(folder.File("data/a.tr2"), stage);
    RecentFiles(settings).Add(folder / "data/a.tr2");
    MainWindow fresh(EditorServices{dialogs, printer, launcher, settings, folder.path(), {}});
    fresh.Document().Doc().SetModified(true);
    dialogs.answer = PromptAnswer::No;
    fresh.RecentMenu()->actions().front()->trigger();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(fresh.Document().Doc().properties.Text2, "recent");
    EXPECT_EQ(fresh.Document().Doc().CurrentFile, folder.File("data/a.tr2"));
}

TEST_F(FileHistoryTest, ARecentStageThatIsGoneIsReportedAndLeavesTheList) {
    RecentFiles(settings).Add(folder / "data/gone.tr2");
    MainWindow fresh(EditorServices{dialogs, printer, launcher, settings, folder.path(), {}});
    fresh.RecentMenu()->actions().front()->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(RecentFiles(settings).Files().empty());
    EXPECT_FALSE(fresh.RecentMenu()->actions().front()->isEnabled());  // "（なし）"
}

// The program itself, started on a display of its own: the stage named by --open is read
// (only a stage read in full enters the recent files) and the plain argument is not.
TEST_F(FileHistoryTest, OpenOptionOpensTheStageAtStartUp) {
    WriteStage(folder.File("data/start.tr2"), StageFields{});
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ProgramDir());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(DataDir());
    process.start(GridsmithPath(), {"--open", "start.tr2", "proposed.tr2"});
    ASSERT_TRUE(process.waitForStarted(60000));
    const QString ini = ProgramDir() + QStringLiteral("/tarn2/Gridsmith.ini");
    QStringList recent;
    for (int waited = 0; recent.isEmpty() && waited < 600; ++waited) {
        QTest::qWait(100);
        recent = QSettings(ini, QSettings::IniFormat).value("recentFiles").toStringList();
    }
    process.kill();
    process.waitForFinished();
    EXPECT_EQ(recent, QStringList{DataDir() + QStringLiteral("/start.tr2")});
}

}  // namespace
}  // namespace tarn::editor::testing
