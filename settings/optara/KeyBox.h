// A key box of Optara: pressing a key in it reports the key instead of typing; with the
// focus it shows white on black, without it black on white.
#pragma once

#include <QLineEdit>
#include <optional>

namespace tarn::optara {

class KeyBox : public QLineEdit {
    Q_OBJECT

  public:
    KeyBox(int slot, QWidget* parent = nullptr);
    int Slot() const { return slot_; }

  signals:
    // code is empty for a key the shared table does not know.
    void KeyPressed(int slot, std::optional<int> code);
    void FocusLost(int slot);

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void SetColours(bool focused);

    int slot_;
};

}  // namespace tarn::optara
