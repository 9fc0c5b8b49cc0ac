// Path text through QFile's file-name encoding (on Windows names are UTF-16 already).
#include "editor/app/PathText.h"

#include <QFile>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {

QString PathText(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

QString PathText(const std::string& bytes) {
    return PathText(PathFromBytes(bytes));
}

std::filesystem::path PathOfText(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(text).toStdString());
#endif
}

bool TextHoldsPath(const std::filesystem::path& path) {
    return PathOfText(PathText(path)) == path;
}

}  // namespace tarn::editor
