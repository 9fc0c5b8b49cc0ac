// A key box of Optara: pressing a key in it reports the key instead of typing; with the
// focus it shows white on black, without it black on white, or tinted when its key has a
// problem.
#pragma once

#include <QLineEdit>
#include <optional>

namespace tarn::optara {

class KeyBox : public QLineEdit {
    Q_OBJECT

  public:
    enum class Mark { None, Problem, Note };

    KeyBox(int slot, QWidget* parent = nullptr);
    int Slot() const { return slot_; }
    void SetMark(Mark mark);
    Mark CurrentMark() const { return mark_; }

  signals:
    // code is empty for a key the shared table does not know.
    void KeyPressed(int slot, std::optional<int> code);
    // The key is let go (not a repeat of a held key).
    void KeyReleased(int slot);
    void FocusLost(int slot);

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void UpdateColours();

    int slot_;
    Mark mark_ = Mark::None;
};

}  // namespace tarn::optara
