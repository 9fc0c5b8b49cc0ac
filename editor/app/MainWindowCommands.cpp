// The window's command slots: file commands, printing, bitmap export, undo and redo,
// and the test play that hands a temporary copy of the stage to the game.
#include <QUndoStack>

#include "editor/app/GameLauncher.h"
#include "editor/app/MainWindow.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/PagePrinter.h"
#include "editor/app/PathText.h"
#include "editor/app/PrivateFolder.h"
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

void MainWindow::OpenStageFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!commands_->OpenFile(PathBytes(path)) && !std::filesystem::exists(path, error) && !error) {
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
                                               PathText(doc.CurrentFile));
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
    const QString path = PathText(commands_->AskPdfFileName());
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
    if (!SaveBitmap(picture, PathFromBytes(name), error)) {
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
    const std::string& background = document_.Doc().properties.Text1;
    if (background.empty()) {
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
    const std::filesystem::path backgroundPath =
        services_.programDir / "bmp" / PathFromBytes(background);
    std::error_code error;
    if (!std::filesystem::is_regular_file(backgroundPath, error)) {
        services_.dialogs.Inform(
            Title(),
            QStringLiteral("背景画像が見つからないため、テストプレイできません。\n") +
                PathText(backgroundPath),
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
        const std::filesystem::path parent = services_.workFolder.empty()
                                                 ? std::filesystem::temp_directory_path(error)
                                                 : services_.workFolder;
        testPlayDir_ = PrivateFolder::Make(parent, "testplay-");
    }
    if (!testPlayDir_) {
        services_.dialogs.Inform(Title(),
                                 QStringLiteral("テストプレイ用の一時フォルダを作れませんでした。"),
                                 Severity::Error);
        return;
    }
    const std::filesystem::path stagePath = testPlayDir_->Path() / "testplay.tr2";
    if (auto problem = WriteStageFile(document_.Doc(), stagePath)) {
        services_.dialogs.Inform(Title(), QString::fromStdString(*problem), Severity::Error);
        return;
    }
    const std::filesystem::path program = services_.programDir / "TarnVer2";
    if (!services_.launcher.Start(program, {"--windowed", "--stage", PathBytes(stagePath)},
                                  services_.programDir)) {
        services_.dialogs.Inform(
            Title(),
            QStringLiteral("ゲームを起動できませんでした。\nTarnVer2 "
                           "がエディタと同じフォルダにあるか確かめてください。\n") +
                PathText(program),
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
