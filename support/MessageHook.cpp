// The process-wide message box and yield hooks.
#include "support/MessageHook.h"

#include <iostream>
#include <mutex>
#include <utility>

namespace tarn {
namespace {

struct Hooks {
    std::mutex mutex;
    MessageHandler message;
    YieldHandler yield;
};

Hooks& TheHooks() {
    static Hooks hooks;
    return hooks;
}

void WriteToStandardError(const std::string& text, const std::string& title, MessageIcon) {
    if (title.empty()) {
        std::cerr << text << '\n';
    } else {
        std::cerr << title << ": " << text << '\n';
    }
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    Hooks& hooks = TheHooks();
    std::lock_guard lock(hooks.mutex);
    return std::exchange(hooks.message, std::move(handler));
}

void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    MessageHandler handler;
    {
        Hooks& hooks = TheHooks();
        std::lock_guard lock(hooks.mutex);
        handler = hooks.message;
    }
    if (handler) {
        handler(text, title, icon);
    } else {
        WriteToStandardError(text, title, icon);
    }
}

YieldHandler SetYieldHandler(YieldHandler handler) {
    Hooks& hooks = TheHooks();
    std::lock_guard lock(hooks.mutex);
    return std::exchange(hooks.yield, std::move(handler));
}

void YieldToWindowSystem() {
    YieldHandler handler;
    {
        Hooks& hooks = TheHooks();
        std::lock_guard lock(hooks.mutex);
        handler = hooks.yield;
    }
    if (handler) {
        handler();
    }
}

}  // namespace tarn
