// Command line, opening and the run of the Optara dialog.
#include "settings/optara/OptaraApp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "settings/optara/DefaultFileOffer.h"
#include "settings/optara/OptaraDialog.h"
#include "settings/optara/OptaraModel.h"
#include "support/CommandLinePaths.h"
#include "support/Version.h"

namespace tarn::optara {
namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

OptaraCommand Exit(int code) {
    return {.exit = true, .exitCode = code, .root = {}};
}

}  // namespace

OptaraCommand ParseOptaraCommandLine(const std::vector<std::string>& arguments) {
    // Qt parses text, which loses bytes that are no UTF-8; the folder is taken back from
    // the arguments' bytes.
    QStringList texts;
    std::vector<std::string> decoded;
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        texts << QString::fromLocal8Bit(argument.data(), qsizetype(argument.size()));
        decoded.push_back(texts.back().toStdString());
        argv.push_back(argument.c_str());
    }
    const RawArguments raw(int(argv.size()), argv.data(), std::move(decoded));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Optara edits the key configurations, frame rate and colour depth "
                       "in the settings file of the game (morva2.cfh or morva2.cf)."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Show the version and exit."));
    const QCommandLineOption rootOption(
        QStringLiteral("root"),
        QStringLiteral("Portable program folder holding the settings files (default: the "
                       "folder of the executable, or in an install the user's "
                       "$XDG_CONFIG_HOME/tarn2)."),
        QStringLiteral("DIR"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(rootOption);
    if (!parser.parse(texts)) {
        Print(stderr, QStringLiteral("Optara: %1\n").arg(parser.errorText()));
        return Exit(2);
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("Optara: unexpected argument %1\n")
                          .arg(parser.positionalArguments().first()));
        return Exit(2);
    }
    if (parser.isSet(helpOption)) {
        // Without an application object Qt cannot know the program's name.
        Print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("Optara")));
        return Exit(0);
    }
    if (parser.isSet(versionOption)) {
        Print(stdout, QStringLiteral("Optara %1\n").arg(QLatin1String(kVersion)));
        return Exit(0);
    }
    const QString root = parser.value(rootOption);
    return {.exit = false,
            .exitCode = 0,
            .root = root.isEmpty() ? std::filesystem::path()
                                   : raw.PathOf(root.toStdString(), "--root")};
}

bool DisplayReachable() {
#if defined(__unix__) && !defined(__APPLE__)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

int RunOptaraDialog(const std::filesystem::path& root, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown) {
    std::string error;
    const std::optional<ProgramPaths> paths =
        ChooseProgramPaths(root, ExecutableFolder(nullptr), ReadFolderEnvironment(), error);
    if (!paths) {
        messenger.Show(error, kOptaraTitle, MessageIcon::Error);
        return 1;
    }
    return RunOptaraDialog(*paths, messenger, onShown);
}

int RunOptaraDialog(const ProgramPaths& paths, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown) {
    OptaraModel model(paths);
    SettingsWarnings warnings;
    const SettingsStatus status = model.Open(warnings);
    ShowEach(messenger, warnings);
    if (status != SettingsStatus::Ok &&
        !OfferDefaultFile(model, messenger, SettingsBuild::Normal, status, "終了する")) {
        return 1;
    }
    OptaraDialog dialog(model, messenger);
    if (onShown) {
        QTimer::singleShot(0, &dialog, [&dialog, &onShown] { onShown(dialog); });
    }
    dialog.exec();
    return 0;
}

int RunOptara(const std::vector<std::string>& arguments, Messenger& messenger,
              const std::function<void(OptaraDialog&)>& onShown) {
    const OptaraCommand command = ParseOptaraCommandLine(arguments);
    if (command.exit) {
        return command.exitCode;
    }
    return RunOptaraDialog(command.root, messenger, onShown);
}

}  // namespace tarn::optara
