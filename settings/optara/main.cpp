// Optara, the settings tool: edits the settings file of the normal or low-spec build.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "settings/optara/Messenger.h"
#include "settings/optara/OptaraApp.h"
#include "support/CommandLinePaths.h"

int main(int argc, char** argv) {
    // The command line is read before any window system is touched, so --help and
    // --version work without a display.
    QStringList arguments;
    std::vector<std::string> decoded;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
        decoded.push_back(arguments.back().toStdString());
    }
    const tarn::RawArguments raw(argc, argv, std::move(decoded));
    const tarn::optara::OptaraCommand command = tarn::optara::ParseOptaraCommandLine(arguments);
    if (command.exit) {
        return command.exitCode;
    }
    if (!tarn::optara::DisplayReachable()) {
        std::fputs("Optara: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Optara"));
    tarn::optara::MessageBoxMessenger messenger;
    if (command.root.isEmpty()) {
        return tarn::optara::RunOptaraDialog(command.root, messenger);
    }
    return tarn::optara::RunOptaraDialog(raw.PathOf(command.root.toStdString(), "--root"),
                                         messenger);
}
