// The recovery file's text: everything needed to bring an unsaved document back after a
// crash (the map, the seven properties exactly as typed, and the stage file it belongs
// to). UTF-8 lines "key=value" with backslash escapes, then the 60 map rows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {

// The document's map, properties and file name as recovery text.
std::string WriteRecoveryText(const StageDocument& doc);

// What a recovery text holds.
struct RecoveredStage {
    std::string file;  // empty for an untitled stage
    StageProperties properties;
    StageMap map{};
};

// Reads a recovery text; nullopt when it is not one or is damaged (cut short, a map row
// of the wrong length, a code above the highest chip).
std::optional<RecoveredStage> ReadRecoveryText(std::string_view text);

// Puts a recovered stage into the document: its map, properties and file name, marked
// modified (it was never saved).
void Restore(StageDocument& doc, const RecoveredStage& stage);

}  // namespace tarn::editor
