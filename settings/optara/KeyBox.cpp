// The key boxes of Optara.
#include "settings/optara/KeyBox.h"

#include <QKeyEvent>
#include <utility>

#include "settings/optara/QtKeys.h"

namespace tarn::optara {

KeyBox::KeyBox(int slot, QWidget* parent) : QLineEdit(parent), slot_(slot) {
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAlignment(Qt::AlignCenter);
    UpdateColours();
}

void KeyBox::SetMark(Mark mark) {
    mark_ = mark;
    UpdateColours();
}

bool KeyBox::event(QEvent* event) {
    // Every key belongs to the box: no shortcut, no focus chain (Tab), no default button.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        keyEvent->accept();
        // A held key repeats; only its first press is a choice.
        if (!keyEvent->isAutoRepeat()) {
            emit KeyPressed(slot_, VirtualKeyOf(*keyEvent));
        }
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        event->accept();
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            emit KeyReleased(slot_);
        }
        return true;
    }
    return QLineEdit::event(event);
}

void KeyBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    UpdateColours();
}

void KeyBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    UpdateColours();
    emit FocusLost(slot_);
}

void KeyBox::UpdateColours() {
    QColor base = Qt::white;
    QColor text = Qt::black;
    if (hasFocus()) {
        std::swap(base, text);
    } else if (mark_ == Mark::Problem) {
        base = QColor(0xff, 0xd0, 0xd0);
        text = QColor(0x90, 0x00, 0x00);
    } else if (mark_ == Mark::Note) {
        base = QColor(0xff, 0xf0, 0xb0);
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Base, base);
    colours.setColor(QPalette::Text, text);
    setPalette(colours);
}

}  // namespace tarn::optara
