// A message for the user as a value: what the toolkit-free libraries hand back to the
// program that owns the user, which shows it in its own way (message box, panel in the
// game window, standard error).
#pragma once

#include <string>

namespace tarn {

enum class MessageIcon { None, Information, Warning, Error };

struct UserMessage {
    std::string text;   // UTF-8
    std::string title;  // may be empty: the program then shows its own name
    MessageIcon icon = MessageIcon::None;
    bool operator==(const UserMessage&) const = default;
};

}  // namespace tarn
