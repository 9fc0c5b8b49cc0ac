// Optara from its command line to its exit status.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "settings/optara/Messenger.h"
#include "support/ProgramPaths.h"

namespace tarn::optara {

class OptaraDialog;

// What the command line asks for. Reading it needs no QApplication and no display, so
// --help and --version answer anywhere.
struct OptaraCommand {
    bool exit = false;  // --help, --version or a bad command line: exit with exitCode
    int exitCode = 0;
    std::filesystem::path root;  // "--root DIR" as its bytes; empty for the executable's folder
};
// Parses the arguments as the system gives them (arguments[0] is the program), printing
// help, the version or the error to standard output or standard error.
OptaraCommand ParseOptaraCommandLine(const std::vector<std::string>& arguments);

// Whether a window can be opened: false on a system whose display is reached through
// DISPLAY or WAYLAND_DISPLAY when neither is set and no Qt platform is chosen.
bool DisplayReachable();

// Runs the dialog on the program folder named by --root (empty: the executable's folder,
// portable or installed) in the existing QApplication. A missing or damaged normal-build
// file is offered to be created with the shipped defaults. Returns 0 after OK or Cancel,
// 1 when the file could not be had. onShown, when set, receives the dialog once it is
// shown (tests drive it from there).
int RunOptaraDialog(const std::filesystem::path& root, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown = {});
// The same on folders already chosen.
int RunOptaraDialog(const ProgramPaths& paths, Messenger& messenger,
                    const std::function<void(OptaraDialog&)>& onShown = {});

// ParseOptaraCommandLine, then RunOptaraDialog; 2 for a bad command line.
int RunOptara(const std::vector<std::string>& arguments, Messenger& messenger,
              const std::function<void(OptaraDialog&)>& onShown = {});

}  // namespace tarn::optara
