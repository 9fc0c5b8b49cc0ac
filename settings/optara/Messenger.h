// The message boxes of Optara, behind an interface so that tests can stand in for them.
#pragma once

#include <string>

#include "support/MessageHook.h"

class QWidget;

namespace tarn::optara {

class Messenger {
  public:
    virtual ~Messenger() = default;
    // Shows a message with one OK button and waits until it is dismissed. Texts are UTF-8.
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

// Real message boxes over a parent window (which may be null).
class MessageBoxMessenger : public Messenger {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override;

  private:
    QWidget* parent_ = nullptr;
};

// Routes the settings library's messages to a messenger while alive.
class MessageRoute {
  public:
    explicit MessageRoute(Messenger& messenger);
    ~MessageRoute();
    MessageRoute(const MessageRoute&) = delete;
    MessageRoute& operator=(const MessageRoute&) = delete;

  private:
    MessageHandler previous_;
};

}  // namespace tarn::optara
