// Message boxes of Optara.
#include "settings/optara/Messenger.h"

#include <QFont>
#include <QMessageBox>

namespace tarn::optara {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxMessenger::Show(const std::string& text, const std::string& title,
                               MessageIcon icon) {
    QMessageBox box(IconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.setFont(QFont(QStringLiteral("VL PGothic"), 10));
    box.exec();
}

void ShowEach(Messenger& messenger, const std::vector<UserMessage>& messages) {
    for (const UserMessage& message : messages) {
        messenger.Show(message.text, message.title, message.icon);
    }
}

}  // namespace tarn::optara
