// Which file a save may go to. The stage dialogs and the bitmap export share one file
// name, so each proposes it with its own extension, and a bitmap is never written over a
// stage file (nor a stage over a bitmap), whatever name the user confirms.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarn::editor {

inline constexpr std::string_view kStageExtension = ".tr2";
inline constexpr std::string_view kBitmapExtension = ".bmp";
inline constexpr std::string_view kPdfExtension = ".pdf";

// What a file holds, as far as overwriting it matters. A stage is a file that deciphers
// to text of at least a stage's five header lines; a bitmap starts with a BMP header.
enum class FileKind { Missing, Stage, Bitmap, Other };
FileKind IdentifyFile(const std::filesystem::path& path);

// name with extension in place of a stage's, bitmap's or PDF's extension (in any case),
// or added when it has none of them. An empty name stays empty.
std::string WithExtension(std::string_view name, std::string_view extension);

// Why a picture of the stage (what: "ビットマップ", "PDF"; extension: its own) may not be
// written at path: a .tr2 name, or a file that reads as a stage.
std::optional<std::string> ExportTargetProblem(const std::string& path, std::string_view what,
                                               std::string_view extension);
// Why a stage may not be written at path: a .bmp name, or a file that is a bitmap.
std::optional<std::string> StageTargetProblem(const std::string& path);

}  // namespace tarn::editor
