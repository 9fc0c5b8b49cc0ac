// The stage being edited: its map, its properties, the file it belongs to and whether
// it was touched since the last new, open or save; plus reading and writing stage files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "editor/doc/StageProperties.h"
#include "support/BinAngsDL.h"
#include "support/StageText.h"

namespace tarn::editor {

inline constexpr std::string_view kMessageTitle = "Tarn2 MapEditer";
inline constexpr std::string_view kProgramCaption = "Tarn2 NapEditer";
inline constexpr std::string_view kCaptionPrefix = "Tarn2 NapEditer - ";
inline constexpr std::string_view kUntitled = "無題";
inline constexpr int kHighestChipCode = kChipCodeCount - 1;

constexpr bool InsideMap(int column, int row) {
    return column >= 0 && column < kMapColumns && row >= 0 && row < kMapRows;
}

class StageDocument {
  public:
    StageMap EditMap{};       // [row][column], chip codes 0..23
    std::string CurrentFile;  // the path's bytes (PathBytes); empty while untitled
    StageProperties properties;

    // Whether the map or a property was touched since the last new, open or save.
    bool Modified() const { return modified_; }
    // Tells onModifiedChanged when the flag actually changes.
    void SetModified(bool modified);
    std::function<void(bool)> onModifiedChanged;

    int Cell(int column, int row) const { return EditMap[row][column]; }
    void SetCell(int column, int row, int code) {
        EditMap[row][column] = static_cast<std::uint8_t>(code);
    }

    // "Tarn2 NapEditer - " followed by the file or "無題".
    std::string Caption() const;
    // The file's own name (the path's last part), or "無題".
    std::string DisplayName() const;
    // The window's title: the file's name, then modifiedMark, then " - " and the caption
    // with the full path ("1-1.tr2* - Tarn2 NapEditer - /stages/1-1.tr2"); an untitled
    // stage shows "無題* - Tarn2 NapEditer".
    std::string WindowTitle(std::string_view modifiedMark) const;

    // The data part of New: empty map and properties, untitled, not modified.
    // The goal-2 field keeps its text.
    void ResetForNew();

    // The document as the stage text writer wants it.
    StageFields ToFields() const;

    // The container instance the editor keeps for its lifetime (title left empty).
    BinAngsDL container;

  private:
    bool modified_ = false;
};

// Why a stage file could not be opened: the editor's own text for the user and, when the
// container has a message of its own for what happened (a file that vanished between the
// editor's check and the read), that message, which is shown first.
struct OpenProblem {
    std::string text;
    std::optional<UserMessage> containerMessage;
};

// Reads the stage at path into out, starting from a copy of base (so cells after the end
// of a short map row keep base's codes). Returns what to tell the user when the file is
// missing, unreadable or damaged; out is then unspecified and base is untouched.
// Nothing is written anywhere: the file is deciphered in memory.
std::optional<OpenProblem> ReadStageFile(const StageDocument& base,
                                         const std::filesystem::path& path, StageDocument& out);

// OpenF: loads path into doc only when the whole file reads cleanly; sets CurrentFile.
// Modified (and whoever listens to it) is left alone. On failure doc is unchanged and
// the problem is returned.
std::optional<OpenProblem> OpenF(StageDocument& doc, const std::string& path);

// Writes the stage enciphered through a temporary file renamed over path; the target
// never holds a plain or partial file. Document state is left alone.
std::optional<std::string> WriteStageFile(const StageDocument& doc,
                                          const std::filesystem::path& path);

// SaveF: the time limit is normalised, empty goal fields become "NONE", writes the file
// and sets CurrentFile.
// Modified is left alone; on failure CurrentFile stays as it was.
std::optional<std::string> SaveF(StageDocument& doc, const std::string& path);

// Paths as the document keeps them: a name's own bytes on POSIX systems, where a name
// may hold bytes that are no UTF-8 (a folder named in Latin-1), and UTF-8 on Windows.
std::filesystem::path PathFromBytes(const std::string& bytes);
std::string PathBytes(const std::filesystem::path& path);

}  // namespace tarn::editor
