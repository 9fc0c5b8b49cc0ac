// The message boxes of Optara, behind an interface so that tests can stand in for them.
#pragma once

#include <string>
#include <vector>

#include "support/UserMessage.h"

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

// Shows each message in turn (the warnings of a settings read).
void ShowEach(Messenger& messenger, const std::vector<UserMessage>& messages);

}  // namespace tarn::optara
