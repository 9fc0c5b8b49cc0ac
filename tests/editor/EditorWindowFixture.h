// A shown editor window whose dialogs, printer and game start are scripted.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <QTest>
#include <deque>

#include "StageFiles.h"
#include "editor/app/GameLauncher.h"
#include "editor/app/MainWindow.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/PagePrinter.h"
#include "editor/app/UserDialogs.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor::testing {

using ::tarn::testing::ScratchDir;

// The built program, for the tests that run it as a user would.
inline QString GridsmithPath() {
    return QString::fromLocal8Bit(qgetenv("TARN_PROGRAM_DIR")) + QStringLiteral("/Gridsmith");
}

class ScriptedDialogs : public UserDialogs {
  public:
    PromptAnswer AskYesNoCancel(const QString& title, const QString& text) override {
        questions << title + "|" + text;
        return answer;
    }
    bool AskYesNo(const QString& title, const QString& text) override {
        questions << title + "|" + text;
        return yes;
    }
    void Inform(const QString& title, const QString& text, Severity) override {
        messages << title + "|" + text;
    }
    QString GetOpenFileName(const QString& initialName, const QString& filter) override {
        return Next(initialName, filter);
    }
    QString GetSaveFileName(const QString& initialName, const QString& filter) override {
        return Next(initialName, filter);
    }
    QString Next(const QString& initialName, const QString& filter) {
        offered << initialName;
        filters << filter;
        if (names.empty()) {
            return {};
        }
        QString name = names.front();
        names.pop_front();
        return name;
    }

    PromptAnswer answer = PromptAnswer::Cancel;
    bool yes = false;  // the answer to yes/no questions
    std::deque<QString> names;
    QStringList questions, messages, offered, filters;
};

class RecordingPrinter : public PagePrinter {
  public:
    bool PrintPage(const QImage& picture, QString& error) override {
        pages.push_back(picture);
        if (!works) {
            error = QStringLiteral("no printer");
        }
        return works;
    }
    bool works = true;
    std::vector<QImage> pages;
};

class RecordingLauncher : public GameLauncher {
  public:
    bool Start(const QString& path, const QStringList& args, const QString& folder) override {
        program = path;
        arguments = args;
        workingDirectory = folder;
        starts += works ? 1 : 0;
        running = works;
        return works;
    }
    bool Running() const override { return running; }
    bool works = true;
    bool running = false;
    int starts = 0;
    QString program, workingDirectory;
    QStringList arguments;
};

class EditorWindowTest : public ::testing::Test {
  protected:
    EditorWindowTest()
        : window(EditorServices{dialogs, printer, launcher, settings, ProgramDir(), "first.tr2"}) {
        window.show();
        QApplication::processEvents();
    }
    // The folder the dialogs start in: the program folder's stage folders.
    QString DataDir() const { return ProgramDir() + QStringLiteral("/data"); }
    // The program folder handed to the window: the test's own folder.
    QString ProgramDir() const { return QString::fromStdString(folder.path().string()); }
    MapCanvas* Canvas() { return window.Canvas(); }
    StageDocument& Doc() { return window.Document().Doc(); }

    void Press(Qt::MouseButton button, QPoint at) { QTest::mousePress(Canvas(), button, {}, at); }
    void Release(Qt::MouseButton button, QPoint at) {
        QTest::mouseRelease(Canvas(), button, {}, at);
    }
    // A move with the given buttons held, as the window system reports it.
    void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton);

    ScratchDir folder;
    // The program folder holds the stage folders' data/, as an installed one does.
    bool hasDataFolder = std::filesystem::create_directory(folder / "data");
    QSettings settings{QString::fromStdString(folder.File("gridsmith.ini")), QSettings::IniFormat};
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingLauncher launcher;
    MainWindow window;
};

}  // namespace tarn::editor::testing
