// What is checked before a stage is written or handed to the game: every text must be
// one code page 932 can hold (the stage file would otherwise get "?" in its place), and
// the start row should lie on the map (one outside is written as -1 and puts the player
// above the map).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/doc/StageProperties.h"

namespace tarn::editor {

// The first property text holding characters code page 932 cannot hold.
struct UnstorableText {
    std::string field;                    // the field's label, such as "ステージ名"
    std::vector<std::string> characters;  // UTF-8, each once
};
std::optional<UnstorableText> FindUnstorableText(const StageProperties& properties);

// The message for a refused save: the field, its characters and what to do.
std::string UnstorableTextMessage(const UnstorableText& found);
// The note shown when characters are refused as they are typed.
std::string RefusedCharactersNote(const std::vector<std::string>& characters);

// Whether the start row is no row of the map (a typed text that is no list choice).
bool StartRowOutsideMap(const StageProperties& properties);
// The question asked before such a stage is saved (Yes saves it with -1 as before).
std::string StartRowSaveQuestion(const StageProperties& properties);
// The message shown instead of starting a test play with it.
std::string StartRowTestPlayMessage(const StageProperties& properties);

}  // namespace tarn::editor
