// Optara, the settings tool: edits the settings file of the normal or low-spec build.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "settings/optara/Messenger.h"
#include "settings/optara/OptaraApp.h"

int main(int argc, char** argv) {
    // The command line is read before any window system is touched, so --help and
    // --version work without a display.
    const tarn::optara::OptaraCommand command =
        tarn::optara::ParseOptaraCommandLine(std::vector<std::string>(argv, argv + argc));
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
    return tarn::optara::RunOptaraDialog(command.root, messenger);
}
