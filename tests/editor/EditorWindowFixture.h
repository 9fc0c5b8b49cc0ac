// A shown editor window whose dialogs, printer and game start are scripted.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPoint>
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

class ScriptedDialogs : public UserDialogs {
  public:
    PromptAnswer AskYesNoCancel(const QString& title, const QString& text) override {
        questions << title + "|" + text;
        return answer;
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
        return works;
    }
    bool works = true;
    QString program, workingDirectory;
    QStringList arguments;
};

class EditorWindowTest : public ::testing::Test {
  protected:
    EditorWindowTest()
        : window(EditorServices{dialogs, printer, launcher, ProgramDir(), "first.tr2", {}}) {
        window.show();
        QApplication::processEvents();
    }
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
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingLauncher launcher;
    MainWindow window;
};

}  // namespace tarn::editor::testing
