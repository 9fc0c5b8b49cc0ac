// Autosave and recovery: a minute of unsaved edits writes the recovery file, a save or a
// discard removes it, a crashed editor's file is offered to the next one, and a running
// editor's file is never taken.
#include "editor/app/SessionRecovery.h"

#include <gtest/gtest.h>

#include <QFile>

#include "EditorWindowFixture.h"
#include "editor/app/MapDocument.h"

namespace tarn::editor::testing {
namespace {

using namespace std::chrono_literals;

class SessionRecoveryTest : public ::testing::Test {
  protected:
    // An editor session over its own document with a clock the test moves.
    struct Session {
        explicit Session(const QString& folder) : recovery(document, folder) {
            recovery.SetClock([this] { return now; });
        }
        void Edit(int column, int row, int code) {
            document.Stamp(column, row, code);
            document.Doc().SetModified(true);
        }
        MapDocument document;
        SessionRecovery recovery;
        std::chrono::steady_clock::time_point now{};
    };
    QString Folder() const { return QString::fromStdString((folder / "state/tarn2").string()); }

    ScratchDir folder;
    ScriptedDialogs dialogs;
};

TEST_F(SessionRecoveryTest, FileAppearsOnlyAfterAMinuteOfUnsavedEdits) {
    Session session(Folder());
    session.Edit(3, 4, 1);
    session.now += 59s;
    session.recovery.Tick();
    EXPECT_FALSE(QFile::exists(session.recovery.FilePath()));
    session.now += 1s;
    session.recovery.Tick();
    EXPECT_TRUE(QFile::exists(session.recovery.FilePath()));
    EXPECT_TRUE(session.recovery.FilePath().startsWith(Folder()));
    // Owner only: no group or other bits.
    EXPECT_EQ(QFile::permissions(session.recovery.FilePath()) & 0x0FFF,
              QFileDevice::ReadUser | QFileDevice::WriteUser);
}

TEST_F(SessionRecoveryTest, SavingRemovesTheFile) {
    Session session(Folder());
    session.Edit(3, 4, 1);
    session.now += 60s;
    session.recovery.Tick();
    ASSERT_TRUE(QFile::exists(session.recovery.FilePath()));
    session.document.Doc().SetModified(false);  // what a save does
    session.recovery.Tick();
    EXPECT_FALSE(QFile::exists(session.recovery.FilePath()));
}

TEST_F(SessionRecoveryTest, CrashedEditorsWorkIsOfferedAndRestored) {
    QString leftFile;
    {
        Session crashed(Folder());
        crashed.document.Doc().CurrentFile = "/stages/caf\xe9/1-1.tr2";  // Latin-1
        crashed.document.Doc().properties.Text2 = "消えたステージ";
        crashed.Edit(10, 20, 5);
        crashed.now += 60s;
        crashed.recovery.Tick();
        leftFile = crashed.recovery.FilePath();
    }  // gone without a save: its lock is released, its file stays
    ASSERT_TRUE(QFile::exists(leftFile));

    Session next(Folder());
    dialogs.yes = true;
    ASSERT_TRUE(next.recovery.OfferRecovery(dialogs, [] {}));
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.front().contains(QStringLiteral("復元しますか")));
    const StageDocument& doc = next.document.Doc();
    EXPECT_EQ(doc.Cell(10, 20), 5);
    EXPECT_EQ(doc.properties.Text2, "消えたステージ");
    EXPECT_EQ(doc.CurrentFile, "/stages/caf\xe9/1-1.tr2");
    EXPECT_TRUE(doc.Modified());
    // The work now lives in the new editor's own file.
    EXPECT_FALSE(QFile::exists(leftFile));
    EXPECT_TRUE(QFile::exists(next.recovery.FilePath()));
}

TEST_F(SessionRecoveryTest, DecliningDeletesTheLeftFile) {
    QString leftFile;
    {
        Session crashed(Folder());
        crashed.Edit(1, 1, 2);
        crashed.now += 60s;
        crashed.recovery.Tick();
        leftFile = crashed.recovery.FilePath();
    }
    Session next(Folder());
    dialogs.yes = false;
    EXPECT_FALSE(next.recovery.OfferRecovery(dialogs, [] {}));
    EXPECT_FALSE(QFile::exists(leftFile));
    EXPECT_EQ(next.document.Doc().Cell(1, 1), 0);
}

TEST_F(SessionRecoveryTest, RunningEditorsFilesAreNotOffered) {
    Session running(Folder());
    running.Edit(1, 1, 2);
    running.now += 60s;
    running.recovery.Tick();
    Session other(Folder());
    other.Edit(2, 2, 3);
    other.now += 60s;
    other.recovery.Tick();
    EXPECT_NE(running.recovery.FilePath(), other.recovery.FilePath());
    EXPECT_TRUE(other.recovery.LeftBehind().isEmpty());
    EXPECT_FALSE(other.recovery.OfferRecovery(dialogs, [] {}));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(QFile::exists(running.recovery.FilePath()));
}

TEST_F(SessionRecoveryTest, DamagedFileIsSetAsideWithoutAQuestion) {
    QDir().mkpath(Folder());
    const QString damaged = Folder() + QStringLiteral("/gridsmith-1-deadbeef.recovery");
    ::tarn::testing::WriteFile(damaged.toStdString(), "Gridsmith recovery 1\nfile=x\n");
    Session next(Folder());
    EXPECT_FALSE(next.recovery.OfferRecovery(dialogs, [] {}));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(QFile::exists(damaged + QStringLiteral(".damaged")));
}

// Qt's text would name the folder with U+FFFD in place of the byte, and make that one.
TEST_F(SessionRecoveryTest, StateFolderThatTextCannotNameIsNotUsed) {
    const bool wasSet = qEnvironmentVariableIsSet("XDG_STATE_HOME");
    const QByteArray kept = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString((folder / "caf\xe9").string()));
    const QString recoveryFolder = SessionRecovery::RecoveryFolder();
    {
        Session session(recoveryFolder);
        session.Edit(3, 4, 1);
        session.now += 60s;
        session.recovery.Tick();
        EXPECT_FALSE(session.recovery.OfferRecovery(dialogs, [] {}));
    }
    wasSet ? qputenv("XDG_STATE_HOME", kept) : qunsetenv("XDG_STATE_HOME");
    EXPECT_TRUE(recoveryFolder.isEmpty());
    EXPECT_TRUE(::tarn::testing::NamesIn(folder.path()).empty());
}

TEST_F(EditorWindowTest, SavingFromTheWindowRemovesTheRecoveryFile) {
    SessionRecovery& recovery = window.Recovery();
    auto now = std::chrono::steady_clock::time_point{};
    recovery.SetClock([&now] { return now; });
    Press(Qt::LeftButton, QPoint(5, 5));
    Release(Qt::LeftButton, QPoint(5, 5));
    ASSERT_TRUE(Doc().Modified());
    now += 60s;
    recovery.Tick();
    ASSERT_TRUE(QFile::exists(recovery.FilePath()));
    dialogs.names.push_back(QString::fromStdString(folder.File("saved.tr2")));
    window.SaveStageAs();
    EXPECT_FALSE(Doc().Modified());
    EXPECT_FALSE(QFile::exists(recovery.FilePath()));
}

}  // namespace
}  // namespace tarn::editor::testing
