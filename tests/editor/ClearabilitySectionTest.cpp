// The clearability section in the check panel: a search runs in its thread, draws its
// route, and the script saved from the editor clears the stage in the game itself.
#include "editor/app/ClearabilitySection.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

#include "EditorWindowFixture.h"
#include "editor/app/CanvasOverlay.h"
#include "editor/app/CheckPanel.h"
#include "editor/app/StagePropertiesFields.h"

namespace tarn::editor::testing {
namespace {

class ClearabilitySectionTest : public EditorWindowTest {
  protected:
    ClearabilitySection& Section() { return window.Checks().Clearability(); }

    // A floor on row 30, the start at (3, 29), a goal at (20, 29) behind a two-row step;
    // saved as small.tr2.
    void BuildSmallStage() {
        Doc().properties.Text1 = "sky.bmp";  // one of the game's own backgrounds
        Doc().properties.Text2 = "small";
        Doc().properties.STX = 3;
        Doc().properties.STYText = "30";
        for (int column = 0; column < kMapColumns; ++column) {
            window.Document().Stamp(column, 30, Code(Chip::UnbreakableBlock));
        }
        window.Document().Stamp(12, 29, Code(Chip::UnbreakableBlock));
        window.Document().Stamp(12, 28, Code(Chip::UnbreakableBlock));
        window.Document().Stamp(20, 29, Code(Chip::Goal1));
        window.Fields().Refresh();
        dialogs.names.push_back(QString::fromStdString(folder.File("small.tr2")));
        window.SaveStageAs();
    }

    // Runs the window's events until the search has finished, at most two minutes.
    bool WaitForResult() {
        QElapsedTimer timer;
        timer.start();
        bool done = false;
        QObject::connect(&Section(), &ClearabilitySection::finished, [&done] { done = true; });
        while (!done && timer.elapsed() < 120000) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return done;
    }
};

TEST_F(ClearabilitySectionTest, FoundScriptSavedFromTheEditorClearsTheStageInTheGame) {
    BuildSmallStage();
    ASSERT_FALSE(Doc().Modified());
    window.Checks().show();
    Section().StartButton()->click();
    EXPECT_TRUE(Section().CancelButton()->isEnabled());
    ASSERT_TRUE(WaitForResult());
    ASSERT_TRUE(Section().Result().found) << Section().Result().message;
    EXPECT_TRUE(Section().ResultLabel()->text().contains(QStringLiteral("フレーム")));
    EXPECT_FALSE(window.Checks().Overlay().Route().empty());
    EXPECT_FALSE(Section().CancelButton()->isEnabled());
    ASSERT_TRUE(Section().SaveButton()->isEnabled());

    const QString replay = QString::fromStdString(folder.File("small.rpl"));
    dialogs.names.push_back(replay);
    Section().SaveButton()->click();
    EXPECT_EQ(dialogs.offered.back(), QString::fromStdString(folder.File("small.rpl")));
    ASSERT_TRUE(QFile::exists(replay));

    QProcess game;
    game.start(QString::fromLocal8Bit(qgetenv("TARN_PROGRAM_DIR")) + QStringLiteral("/TarnVer2"),
               {QStringLiteral("--headless"), QStringLiteral("--stage"),
                QString::fromStdString(folder.File("small.tr2")), QStringLiteral("--replay"),
                replay, QStringLiteral("--dump-state")});
    ASSERT_TRUE(game.waitForFinished(120000));
    const QString output = QString::fromUtf8(game.readAllStandardOutput());
    EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("\"Outcome\":\"CL\""))) << output.toStdString();
}

TEST_F(ClearabilitySectionTest, AnEditForgetsTheRouteAndCancelStopsASearch) {
    BuildSmallStage();
    Section().Start();
    ASSERT_TRUE(WaitForResult());
    ASSERT_TRUE(Section().Result().found);
    window.Document().Stamp(40, 29, Code(Chip::Coin));
    EXPECT_TRUE(window.Checks().Overlay().Route().empty());
    EXPECT_FALSE(Section().SaveButton()->isEnabled());

    window.Document().Stamp(20, 29, Code(Chip::Empty));
    window.Document().Stamp(190, 29, Code(Chip::Goal1));
    Section().Start();
    ASSERT_TRUE(Section().Running());
    Section().CancelButton()->click();
    ASSERT_TRUE(WaitForResult());
    EXPECT_TRUE(Section().Result().cancelled);
    EXPECT_TRUE(Section().StartButton()->isEnabled());
}

TEST_F(ClearabilitySectionTest, AReplayIsNeverSavedOverAStage) {
    BuildSmallStage();
    Section().Start();
    ASSERT_TRUE(WaitForResult());
    ASSERT_TRUE(Section().Result().found);
    const std::string before = ::tarn::testing::ReadFile(folder.File("small.tr2"));
    dialogs.names.push_back(QString::fromStdString(folder.File("small.tr2")));
    EXPECT_FALSE(Section().SaveReplay());
    EXPECT_EQ(::tarn::testing::ReadFile(folder.File("small.tr2")), before);
    ASSERT_FALSE(dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace tarn::editor::testing
