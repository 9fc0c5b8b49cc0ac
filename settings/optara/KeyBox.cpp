// The key boxes of Optara.
#include "settings/optara/KeyBox.h"

#include <QKeyEvent>

#include "settings/optara/QtKeys.h"

namespace tarn::optara {

KeyBox::KeyBox(int slot, QWidget* parent) : QLineEdit(parent), slot_(slot) {
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAlignment(Qt::AlignCenter);
    SetColours(false);
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
        return true;
    }
    return QLineEdit::event(event);
}

void KeyBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    SetColours(true);
}

void KeyBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    SetColours(false);
    emit FocusLost(slot_);
}

void KeyBox::SetColours(bool focused) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, focused ? Qt::black : Qt::white);
    colours.setColor(QPalette::Text, focused ? Qt::white : Qt::black);
    setPalette(colours);
}

}  // namespace tarn::optara
