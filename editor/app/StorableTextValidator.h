// Keeps characters that code page 932 cannot hold (emoji, Hangul, ...) out of a property
// field: they are taken out of what is typed or pasted, and the owner is told which, so
// it can say why. Stage files store their texts in code page 932.
#pragma once

#include <QValidator>
#include <functional>

namespace tarn::editor {

class StorableTextValidator : public QValidator {
  public:
    // refused receives the note to show when characters were taken out.
    StorableTextValidator(std::function<void(const QString& note)> refused, QObject* parent);

    State validate(QString& input, int& pos) const override;

  private:
    std::function<void(const QString&)> refused_;
};

}  // namespace tarn::editor
