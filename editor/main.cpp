// Gridsmith: the stage editor. With --open it starts on a stage file (how a file manager
// hands it one); with --export-bmp it writes the bitmap export of a stage file and ends
// without opening a window.
#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QGuiApplication>
#include <QSettings>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/app/GameLauncher.h"
#include "editor/app/MainWindow.h"
#include "editor/app/PagePrinter.h"
#include "editor/app/PathText.h"
#include "editor/app/QtJapanese.h"
#include "editor/app/StagePicture.h"
#include "editor/app/UserDialogs.h"
#include "support/CommandLinePaths.h"
#include "support/ProgramPaths.h"
#include "support/Version.h"

namespace {

using namespace tarn::editor;

int ExportBitmapOnly(const std::filesystem::path& stagePath,
                     const std::filesystem::path& bitmapPath) {
    MapDocument document;
    StageDocument loaded;
    if (auto problem = ReadStageFile(document.Doc(), stagePath, loaded)) {
        if (const auto& message = problem->containerMessage) {
            std::fprintf(stderr, "%s%s%s\n", message->title.c_str(),
                         message->title.empty() ? "" : ": ", message->text.c_str());
        }
        std::fprintf(stderr, "Gridsmith: %s\n", problem->text.c_str());
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

}  // namespace

int main(int argc, char** argv) {
    // The command line is read before any window system is touched, so --help,
    // --version and --export-bmp work without a display.
    QStringList arguments;
    std::vector<std::string> decoded;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
        decoded.push_back(arguments.back().toStdString());
    }
    const tarn::RawArguments raw(argc, argv, std::move(decoded));
    // A desktop launcher started without a file leaves "--open" with nothing after it.
    if (arguments.size() > 1 && arguments.last() == QStringLiteral("--open")) {
        arguments.removeLast();
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gridsmith, the Tarn 2 stage editor."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version and exit."));
    const QCommandLineOption exportOption(
        QStringLiteral("export-bmp"),
        QStringLiteral("Write the bitmap export of STAGE.tr2 to OUT.bmp (the next argument) "
                       "and exit without opening a window."),
        QStringLiteral("STAGE.tr2"));
    const QCommandLineOption openOption(QStringLiteral("open"),
                                        QStringLiteral("Open the stage FILE at start-up."),
                                        QStringLiteral("FILE"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(exportOption);
    parser.addOption(openOption);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("File name the file dialogs propose first (it is not opened)."),
        QStringLiteral("[--open STAGE.tr2] [file | --export-bmp STAGE.tr2 OUT.bmp]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "Gridsmith: %s\n", parser.errorText().toLocal8Bit().constData());
        return 2;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(parser.helpText()
                       .replace(QStringLiteral("<executable_name>"), QStringLiteral("Gridsmith"))
                       .toLocal8Bit()
                       .constData(),
                   stdout);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("Gridsmith %s\n", tarn::kVersion);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(exportOption)) {
        if (positional.size() != 1) {
            std::fprintf(stderr, "Gridsmith: usage: Gridsmith --export-bmp STAGE.tr2 OUT.bmp\n");
            return 2;
        }
        // The export draws text only; it needs fonts but no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        return ExportBitmapOnly(
            raw.PathOf(parser.value(exportOption).toStdString(), "--export-bmp"),
            raw.PathOf(positional.front().toStdString()));
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridsmith"));
    QApplication::setApplicationVersion(QLatin1String(tarn::kVersion));
    QApplication::setFont(QFont(QStringLiteral("VL PGothic"), 9));
    InstallQtJapanese(app);

    std::string error;
    const auto paths = tarn::ChooseProgramPaths({}, tarn::ExecutableFolder(argv[0]),
                                                tarn::ReadFolderEnvironment(), error);
    if (!paths) {
        std::fprintf(stderr, "Gridsmith: %s\n", error.c_str());
        return 1;
    }
    // Without a work folder of its own the test play falls back on a private folder in
    // the system's temporary folder.
    const bool workFolderReady = tarn::PrepareWorkFolder(*paths, error);
    // An install keeps the user's stages in their own stage folders.
    std::filesystem::path userStageFolder;
    if (paths->Installed() && tarn::MakeUserFolder(paths->UserStageRoot(), error)) {
        userStageFolder = paths->UserStageRoot();
    }

    QtUserDialogs dialogs;
    QtPagePrinter printer;
    QtGameLauncher launcher;
    // ~/.config/tarn2/Gridsmith.ini (or below $XDG_CONFIG_HOME).
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tarn2"),
                       QStringLiteral("Gridsmith"));
    // A name typed in a shell means one in the shell's folder. Paths are taken from the
    // command line's bytes: Qt's text of them loses what is no UTF-8.
    std::error_code ignored;
    const std::string firstName = positional.isEmpty()
                                      ? std::string()
                                      : PathBytes(std::filesystem::absolute(
                                            raw.PathOf(positional.front().toStdString()), ignored));
    EditorServices services{dialogs,
                            printer,
                            launcher,
                            settings,
                            paths->programFolder,
                            firstName,
                            workFolderReady ? paths->workFolder : std::filesystem::path(),
                            userStageFolder};
    MainWindow window(services);
    dialogs.SetParent(&window);
    window.show();
    if (!window.OfferRecovery() && parser.isSet(openOption)) {
        window.OpenStageFile(std::filesystem::absolute(
            raw.PathOf(parser.value(openOption).toStdString(), "--open"), ignored));
    }
    return QApplication::exec();
}
