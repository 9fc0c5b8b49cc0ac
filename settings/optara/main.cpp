// Optara, the settings tool: edits the settings file of the normal or low-spec build.
#include <QApplication>

#include "settings/optara/Messenger.h"
#include "settings/optara/OptaraApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Optara"));
    tarn::optara::MessageBoxMessenger messenger;
    return tarn::optara::RunOptara(QApplication::arguments(), messenger);
}
