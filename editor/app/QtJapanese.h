// Qt's own texts (file dialogs, Yes/No/Cancel, print dialogs) in Japanese, like the rest
// of the editor, whatever the user's locale.
#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace tarn::editor {

// Installs Qt's Japanese catalogue from folder into app. Returns the installed translator
// (owned by app; deleting it takes it out again), or nullptr when the catalogue is absent
// and Qt keeps its English texts.
QTranslator* InstallQtJapanese(QCoreApplication& app, const QString& folder = QLibraryInfo::path(
                                                          QLibraryInfo::TranslationsPath));

}  // namespace tarn::editor
