// Stage file helpers for the editor tests.
#pragma once

#include <string>

#include "support/StageText.h"

namespace tarn::editor::testing {

// Writes a stage as tr2tool encode does: the stage text, enciphered.
void WriteStage(const std::string& path, const StageFields& fields);
// Writes a plain text enciphered as a stage file (for damaged texts).
void WriteEnciphered(const std::string& path, const std::string& plain);
// Reads a stage file back to its plain text.
std::string ReadPlain(const std::string& path);

}  // namespace tarn::editor::testing
