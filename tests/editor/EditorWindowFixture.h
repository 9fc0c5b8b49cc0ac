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

// Whether the area holds a pixel darker than mid grey, such as text on white.
inline bool HasDarkPixel(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
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
    int Choose(const QString& title, const QString& text, const QStringList& buttons) override {
        questions << title + "|" + text;
        choices.push_back(buttons);
        return choice;
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
    int choice = -1;   // the button chosen by Choose
    std::vector<QStringList> choices;
    std::deque<QString> names;
    QStringList questions, messages, offered, filters;
};

class RecordingPrinter : public PagePrinter {
  public:
    bool HasPrinter() const override { return present; }
    bool SavePdf(const QImage& picture, const QString& path, QString&) override {
        pdfs << path;
        pages.push_back(picture);
        return true;
    }
    bool ShowPreview(const QImage& picture, QWidget*) override {
        previews.push_back(picture);
        return previewAsksForPdf;
    }
    bool PrintPage(const QImage& picture, QString& error) override {
        pages.push_back(picture);
        if (!works) {
            error = QStringLiteral("no printer");
        }
        return works;
    }
    bool present = true;
    bool previewAsksForPdf = false;  // the preview closed with its "PDFに保存" button
    bool works = true;
    std::vector<QImage> pages, previews;
    QStringList pdfs;
};

class RecordingLauncher : public GameLauncher {
  public:
    bool Start(const std::filesystem::path& path, const std::vector<std::string>& args,
               const std::filesystem::path& folder) override {
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
    std::filesystem::path program, workingDirectory;
    std::vector<std::string> arguments;
};

class EditorWindowTest : public ::testing::Test {
  protected:
    EditorWindowTest()
        : window(EditorServices{dialogs, printer, launcher, settings, folder.path(), "first.tr2"}) {
        window.show();
        QApplication::processEvents();
    }
    // Gives the window a client area of the given size.
    void ResizeClient(int width, int height) {
        window.resize(width, height + window.height() - window.ClientArea()->height());
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
