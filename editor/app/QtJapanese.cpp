// Loading Qt's Japanese catalogue (Debian's qt6-translations-l10n).
#include "editor/app/QtJapanese.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tarn::editor {

QTranslator* InstallQtJapanese(QCoreApplication& app, const QString& folder) {
    auto* translator = new QTranslator(&app);
    // qt_ja gathers the catalogues of every Qt module (qtbase_ja holds the dialogs').
    if (!translator->load(QStringLiteral("qt_ja"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace tarn::editor
