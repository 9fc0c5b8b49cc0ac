// Paths between the file system and Qt's text. Qt 6 decodes file names as UTF-8, turns
// bytes that are no UTF-8 into U+FFFD and leaves such names out of its folder listings
// (so its file dialog never shows them), and a QString cannot carry them back. The
// editor therefore keeps every path it did not get from a Qt dialog as bytes or as a
// std::filesystem::path, and makes text of one only to show it.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace tarn::editor {

// The path as text to show; bytes that are no UTF-8 show as U+FFFD.
QString PathText(const std::filesystem::path& path);
QString PathText(const std::string& bytes);
// The path a text names (a file dialog's answer), in the system's file-name encoding.
std::filesystem::path PathOfText(const QString& text);
// Whether PathOfText(PathText(path)) gives path back, so Qt's file classes can use it.
bool TextHoldsPath(const std::filesystem::path& path);

}  // namespace tarn::editor
