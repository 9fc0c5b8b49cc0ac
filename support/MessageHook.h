// How the toolkit-free libraries reach the user: each program installs its own
// message box and its own "let pending window events run" step.
#pragma once

#include <functional>
#include <string>

namespace tarn {

enum class MessageIcon { None, Information, Warning, Error };

// Texts are UTF-8.
using MessageHandler =
    std::function<void(const std::string& text, const std::string& title, MessageIcon icon)>;
using YieldHandler = std::function<void()>;

// Installs the program's message box; returns the handler it replaces. The default
// handler writes "title: text" to standard error.
MessageHandler SetMessageHandler(MessageHandler handler);
void ShowMessage(const std::string& text, const std::string& title,
                 MessageIcon icon = MessageIcon::None);

// Installs the program's yield step; the default does nothing.
YieldHandler SetYieldHandler(YieldHandler handler);
void YieldToWindowSystem();

}  // namespace tarn
