// The message boxes of Optara, behind an interface so that tests can stand in for them.
#pragma once

#include <string>
#include <vector>

#include "support/UserMessage.h"

class QWidget;

namespace tarn::optara {

// A message with a choice of answers. Texts are UTF-8.
struct Question {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Warning;
    std::vector<std::string> choices;  // the buttons, left to right
    int defaultChoice = 0;             // what Enter answers
    int escapeChoice = 0;              // what Escape or closing the box answers
};

class Messenger {
  public:
    virtual ~Messenger() = default;
    // Shows a message with one OK button and waits until it is dismissed. Texts are UTF-8.
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Asks a question and waits for the answer: the index of the chosen choice.
    virtual int Ask(const Question& question) = 0;
};

// Real message boxes over a parent window (which may be null).
class MessageBoxMessenger : public Messenger {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override;
    int Ask(const Question& question) override;

  private:
    QWidget* parent_ = nullptr;
};

// Shows each message in turn (the warnings of a settings read).
void ShowEach(Messenger& messenger, const std::vector<UserMessage>& messages);

}  // namespace tarn::optara
