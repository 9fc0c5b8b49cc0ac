// Gridsmith: the stage editor. With --export-bmp it writes the bitmap export of a stage
// file and ends without opening a window.
#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <cstdio>

#include "editor/app/GameLauncher.h"
#include "editor/app/MainWindow.h"
#include "editor/app/PagePrinter.h"
#include "editor/app/StagePicture.h"
#include "editor/app/UserDialogs.h"

namespace {

using namespace tarn::editor;

int ExportBitmapOnly(const QString& stagePath, const QString& bitmapPath) {
    MapDocument document;
    StageDocument loaded;
    if (auto problem =
            ReadStageFile(document.Doc(), PathFromUtf8(stagePath.toStdString()), loaded)) {
        std::fprintf(stderr, "Gridsmith: %s\n", problem->c_str());
        return 1;
    }
    document.Doc() = std::move(loaded);
    document.RedrawAll();
    const QImage picture = ComposeExportPicture(
        document.Canvas(), QString::fromStdString(StageSummary(document.Doc().properties)));
    QString error;
    if (!SaveBitmap(picture, bitmapPath, error)) {
        std::fprintf(stderr, "Gridsmith: %s\n", error.toStdString().c_str());
        return 1;
    }
    return 0;
}

bool WantsExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--export-bmp") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // The export draws text only; it needs fonts but no display.
    if (WantsExport(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridsmith"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    QApplication::setFont(QFont(QStringLiteral("VL PGothic"), 9));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarn 2 stage editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exportOption(
        QStringLiteral("export-bmp"),
        QStringLiteral("Write the bitmap export of STAGE.tr2 to OUT.bmp and exit "
                       "(the output file is the next argument)."),
        QStringLiteral("STAGE.tr2"));
    parser.addOption(exportOption);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("File name the file dialogs propose first (not opened)."),
        QStringLiteral("[file]"));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(exportOption)) {
        if (positional.size() != 1) {
            std::fprintf(stderr, "Gridsmith: usage: Gridsmith --export-bmp STAGE.tr2 OUT.bmp\n");
            return 2;
        }
        return ExportBitmapOnly(parser.value(exportOption), positional.front());
    }

    QtUserDialogs dialogs;
    QtPagePrinter printer;
    QtGameLauncher launcher;
    EditorServices services{
        dialogs, printer, launcher, QCoreApplication::applicationDirPath(),
        positional.isEmpty() ? std::string() : positional.front().toStdString()};
    MainWindow window(services);
    dialogs.SetParent(&window);
    window.show();
    return app.exec();
}
