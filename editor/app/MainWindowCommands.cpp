// The window's command slots: file commands, printing, bitmap export, undo and redo,
// and the test play that hands a temporary copy of the stage to the game.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUndoStack>

#include "editor/app/GameLauncher.h"
#include "editor/app/MainWindow.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/PagePrinter.h"
#include "editor/app/StagePicture.h"
#include "editor/app/StagePropertiesFields.h"
#include "editor/app/UserDialogs.h"
#include "editor/doc/SaveChecks.h"
#include "support/FileNames.h"

namespace tarn::editor {
namespace {

QString Title() {
    return QString::fromUtf8(kMessageTitle.data(), qsizetype(kMessageTitle.size()));
}

}  // namespace

void MainWindow::NewStage() {
    commands_->New();
}

void MainWindow::OpenStage() {
    commands_->Open();
}

void MainWindow::OpenStageFile(const QString& path) {
    if (!commands_->OpenFile(path.toStdString()) && !QFileInfo::exists(path)) {
        recent_.Remove(path);
        RebuildRecentMenu();
    }
}

void MainWindow::OverwriteSave() {
    fields_->FinishEditing();
    commands_->OverwriteSave();
    fields_->Refresh();  // empty goal fields now read "NONE"
}

void MainWindow::SaveStageAs() {
    fields_->FinishEditing();
    commands_->SaveAs();
    fields_->Refresh();
}

void MainWindow::PrintStage() {
    fields_->FinishEditing();
    const StageDocument& doc = document_.Doc();
    const QImage picture = ComposePrintPicture(document_.Canvas(),
                                               QString::fromStdString(StageSummary(doc.properties)),
                                               QString::fromStdString(doc.CurrentFile));
    QString error;
    if (!services_.printer.HasPrinter()) {
        PrintWithoutPrinter(picture);
    } else if (!services_.printer.PrintPage(picture, error)) {
        services_.dialogs.Inform(Title(), error, Severity::Warning);
    }
}

void MainWindow::PrintWithoutPrinter(const QImage& page) {
    enum Choice { Preview, Pdf, Cancel };
    const int choice = services_.dialogs.Choose(
        Title(),
        QStringLiteral("印刷できるプリンタが見つかりません。\n"
                       "印刷するページをプレビューで見るか、PDFに保存できます。"),
        {QStringLiteral("印刷プレビュー"), QStringLiteral("PDFに保存"),
         QStringLiteral("キャンセル")});
    const bool wantsPdf =
        choice == Pdf || (choice == Preview && services_.printer.ShowPreview(page, this));
    if (!wantsPdf) {
        return;
    }
    const QString path = QString::fromStdString(commands_->AskPdfFileName());
    QString error;
    if (!path.isEmpty() && !services_.printer.SavePdf(page, path, error)) {
        services_.dialogs.Inform(Title(), error, Severity::Error);
    }
}

void MainWindow::ExportBitmap() {
    fields_->FinishEditing();
    const QImage picture = ComposeExportPicture(
        document_.Canvas(), QString::fromStdString(StageSummary(document_.Doc().properties)));
    const std::string name = commands_->AskBitmapFileName();
    if (name.empty()) {
        return;
    }
    QString error;
    if (!SaveBitmap(picture, QString::fromStdString(name), error)) {
        services_.dialogs.Inform(Title(), error, Severity::Error);
    }
}

void MainWindow::TestPlay() {
    fields_->FinishEditing();
    // The running game reads its stage file again after a lost life, so the file is not
    // rewritten under it, and a second game is not started beside it.
    if (services_.launcher.Running()) {
        services_.dialogs.Inform(Title(),
                                 QStringLiteral("テストプレイのゲームがまだ動いています。\n"
                                                "ゲームを終了してから、もう一度テストプレイしてくだ"
                                                "さい。"),
                                 Severity::Information);
        return;
    }
    // The game cannot load a stage without its background picture and would end without
    // a word, so the editor says so instead of starting it.
    const QString background = QString::fromStdString(document_.Doc().properties.Text1);
    if (background.isEmpty()) {
        services_.dialogs.Inform(
            Title(),
            QStringLiteral("ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞが空です。\nテストプレイの前に、bmp "
                           "フォルダにある背景画像のファイル名を入れてください。"),
            Severity::Warning);
        return;
    }
    // The game reads only pictures of its bmp folder itself.
    if (!IsPlainFileName(document_.Doc().properties.Text1)) {
        services_.dialogs.Inform(
            Title(),
            QStringLiteral("ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞには bmp フォルダにある背景画像のファイル名だけを入れてく"
                           "ださい（フォルダ名や記号 / \\ は使えません）。"),
            Severity::Warning);
        return;
    }
    const QString backgroundPath =
        QDir(services_.programDir).filePath(QStringLiteral("bmp/") + background);
    if (!QFileInfo(backgroundPath).isFile()) {
        services_.dialogs.Inform(
            Title(),
            QStringLiteral("背景画像が見つからないため、テストプレイできません。\n") +
                backgroundPath,
            Severity::Warning);
        return;
    }
    const StageProperties& properties = document_.Doc().properties;
    if (auto found = FindUnstorableText(properties)) {
        services_.dialogs.Inform(Title(), QString::fromStdString(UnstorableTextMessage(*found)),
                                 Severity::Warning);
        return;
    }
    if (StartRowOutsideMap(properties)) {
        services_.dialogs.Inform(Title(),
                                 QString::fromStdString(StartRowTestPlayMessage(properties)),
                                 Severity::Warning);
        return;
    }
    if (!testPlayDir_) {
        testPlayDir_ =
            services_.workFolder.isEmpty()
                ? std::make_unique<QTemporaryDir>()
                : std::make_unique<QTemporaryDir>(
                      QDir(services_.workFolder).filePath(QStringLiteral("testplay-XXXXXX")));
    }
    if (!testPlayDir_->isValid()) {
        services_.dialogs.Inform(Title(),
                                 QStringLiteral("テストプレイ用の一時フォルダを作れませんでした。"),
                                 Severity::Error);
        return;
    }
    const QString stagePath = testPlayDir_->filePath(QStringLiteral("testplay.tr2"));
    if (auto problem = WriteStageFile(document_.Doc(), PathFromUtf8(stagePath.toStdString()))) {
        services_.dialogs.Inform(Title(), QString::fromStdString(*problem), Severity::Error);
        return;
    }
    const QString program = QDir(services_.programDir).filePath(QStringLiteral("TarnVer2"));
    const QStringList arguments{QStringLiteral("--windowed"), QStringLiteral("--stage"), stagePath};
    if (!services_.launcher.Start(program, arguments, services_.programDir)) {
        services_.dialogs.Inform(
            Title(),
            QStringLiteral("ゲームを起動できませんでした。\nTarnVer2 "
                           "がエディタと同じフォルダにあるか確かめてください。\n") +
                program,
            Severity::Error);
    }
}

// A stroke in progress is not on the stack yet; stepping under it would leave it
// remembering cells as they were before the step.
void MainWindow::Undo() {
    if (!canvas_->ButtonHeld()) {
        document_.UndoStack().undo();
    }
}

void MainWindow::Redo() {
    if (!canvas_->ButtonHeld()) {
        document_.UndoStack().redo();
    }
}

}  // namespace tarn::editor
