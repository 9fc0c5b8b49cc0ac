// Optara from its command line to its exit status.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

#include "settings/optara/Messenger.h"
#include "support/ProgramPaths.h"

namespace tarn::optara {

class OptaraDialog;

// What the command line asks for. Reading it needs no QApplication and no display, so
// --help and --version answer anywhere.
struct OptaraCommand {
    bool exit = false;  // --help, --version or a bad command line: exit with exitCode
    int exitCode = 0;
    QString root;  // "--root DIR"; empty for the executable's folder
};
// Parses the arguments (arguments[0] is the program), printing help, the version or the
// error to standard output or standard error.
OptaraCommand ParseOptaraCommandLine(const QStringList& arguments);

// Whether a window can be opened: false on a system whose display is reached through
// DISPLAY or WAYLAND_DISPLAY when neither is set and no Qt platform is chosen.
bool DisplayReachable();

// Runs the dialog on the program folder named by --root (empty: the executable's folder,
// portable or installed) in the existing QApplication. A missing or damaged normal-build
// file is offered to be created with the shipped defaults. Returns 0 after OK or Cancel,
// 1 when the file could not be had. onShown, when set, receives the dialog once it is
// shown (tests drive it from there).
int RunOptaraDialog(const QString& root, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown = {});
// The same with --root given as the system's bytes (a name that is no UTF-8 included).
int RunOptaraDialog(const std::filesystem::path& root, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown = {});
// The same on folders already chosen.
int RunOptaraDialog(const ProgramPaths& paths, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown = {});

// ParseOptaraCommandLine, then RunOptaraDialog; 2 for a bad command line.
int RunOptara(const QStringList& arguments, Messenger& messenger,
              const std::function<void(OptaraDialog&)>& onShown = {});

}  // namespace tarn::optara
