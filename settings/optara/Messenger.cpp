// Message boxes of Optara.
#include "settings/optara/Messenger.h"

#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

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

int MessageBoxMessenger::Ask(const Question& question) {
    QMessageBox box(IconOf(question.icon), QString::fromStdString(question.title),
                    QString::fromStdString(question.text), QMessageBox::NoButton, parent_);
    box.setFont(QFont(QStringLiteral("VL PGothic"), 10));
    std::vector<QPushButton*> buttons;
    for (const std::string& choice : question.choices) {
        buttons.push_back(box.addButton(QString::fromStdString(choice), QMessageBox::ActionRole));
    }
    if (buttons.empty()) {
        return 0;
    }
    const auto at = [&buttons](int index) {
        return buttons[static_cast<std::size_t>(
            std::clamp(index, 0, static_cast<int>(buttons.size()) - 1))];
    };
    box.setDefaultButton(at(question.defaultChoice));
    box.setEscapeButton(at(question.escapeChoice));
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? question.escapeChoice
                                   : static_cast<int>(chosen - buttons.begin());
}

void ShowEach(Messenger& messenger, const std::vector<UserMessage>& messages) {
    for (const UserMessage& message : messages) {
        messenger.Show(message.text, message.title, message.icon);
    }
}

}  // namespace tarn::optara
