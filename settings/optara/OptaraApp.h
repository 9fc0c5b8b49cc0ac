// Optara from its command line to its exit status.
#pragma once

#include <QStringList>
#include <functional>

#include "settings/optara/Messenger.h"

namespace tarn::optara {

class OptaraDialog;

// Runs Optara in the existing QApplication. arguments[0] is the program;
// "--root DIR" names the program folder (default: the executable's folder).
// A missing or damaged normal-build file is offered to be created with the shipped
// defaults. Returns 0 after OK or Cancel, 1 when the file could not be had, 2 for a bad
// command line. onShown, when set, receives the dialog once it is shown (tests
// drive it from there).
int RunOptara(const QStringList& arguments, Messenger& messenger,
              const std::function<void(OptaraDialog&)>& onShown = {});

}  // namespace tarn::optara
