// Reading and writing stage files for the editor. Reads decipher in memory and are
// checked in full before anything reaches the document; writes go through a temporary
// file beside the target.
#include "editor/doc/StageDocument.h"

#include <system_error>
#include <vector>

namespace tarn::editor {
namespace {

OpenProblem Problem(const std::string& path, const std::string& reason) {
    return {"ステージファイルを開けませんでした。\n" + path + "\n" + reason, std::nullopt};
}

}  // namespace

// std::filesystem takes char8_t text as UTF-8 on Windows and copies it unchanged on POSIX.
std::filesystem::path PathFromBytes(const std::string& bytes) {
    return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
}

std::string PathBytes(const std::filesystem::path& path) {
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

void StageDocument::SetModified(bool modified) {
    if (modified == modified_) {
        return;
    }
    modified_ = modified;
    if (onModifiedChanged) {
        onModifiedChanged(modified_);
    }
}

std::string StageDocument::Caption() const {
    return std::string(kCaptionPrefix) +
           (CurrentFile.empty() ? std::string(kUntitled) : CurrentFile);
}

std::string StageDocument::DisplayName() const {
    if (CurrentFile.empty()) {
        return std::string(kUntitled);
    }
    const std::size_t slash = CurrentFile.find_last_of('/');
    return slash == std::string::npos ? CurrentFile : CurrentFile.substr(slash + 1);
}

std::string StageDocument::WindowTitle(std::string_view modifiedMark) const {
    std::string title = DisplayName();
    title += modifiedMark;
    title += " - ";
    title += CurrentFile.empty() ? std::string(kProgramCaption) : Caption();
    return title;
}

void StageDocument::ResetForNew() {
    const std::string keptGoal2 = properties.Text4;
    properties = StageProperties{};
    properties.Text4 = keptGoal2;
    EditMap = StageMap{};
    CurrentFile.clear();
    SetModified(false);
}

StageFields StageDocument::ToFields() const {
    StageFields fields;
    fields.background = properties.Text1;
    fields.stageName = properties.Text2;
    fields.startColumnIndex = properties.STX;
    fields.startRowIndex = properties.STYIndex();
    fields.timeText = properties.Times;
    fields.map = EditMap;
    fields.nextStage = properties.Text3;
    fields.nextStage2 = properties.Text4;
    return fields;
}

std::optional<OpenProblem> ReadStageFile(const StageDocument& base,
                                         const std::filesystem::path& path, StageDocument& out) {
    const std::string shown = PathBytes(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Problem(shown, "ファイルが見つかりません。");
    }
    std::vector<std::uint8_t> plain;
    StageDocument scratch = base;
    const ContainerStatus status = ReadEncipheredFile(scratch.container, path, plain);
    if (status != ContainerStatus::Ok) {
        OpenProblem problem =
            Problem(shown, "ファイルを読み込めません（" + std::string(Describe(status)) + "）。");
        problem.containerMessage = scratch.container.MessageFor(status, path);
        return problem;
    }
    const std::string_view text(reinterpret_cast<const char*>(plain.data()), plain.size());
    const EditorStageText stage = ReadEditorStage(text);
    if (stage.lineCount < kStageLineCount) {
        return Problem(shown, "ステージファイルの行数が足りません（" +
                                  std::to_string(stage.lineCount) + " 行。96 行必要です）。");
    }
    // A name or number line far beyond any the editor writes is a damaged file, not a name.
    const StageLines lines = SplitStageLines(text);
    if (const auto overlong = OverlongFieldLines(lines); !overlong.empty()) {
        const int line = overlong.front();
        return Problem(shown, std::to_string(line) + " 行目が長すぎます（" +
                                  std::to_string(lines.Line(line).size()) +
                                  " バイト。名前や数値の行は " +
                                  std::to_string(kMaxFieldLineBytes) + " バイトまでです）。");
    }
    if (stage.STX < 0 || stage.STX >= kStartColumnCount) {
        return Problem(shown, "スタート位置 X が範囲外です（3 行目）。");
    }
    // -1 is what a start row typed outside the list is saved as: no row chosen.
    if (stage.STY < -1 || stage.STY >= kStartRowCount) {
        return Problem(shown, "スタート位置 Y が範囲外です（4 行目）。");
    }
    for (int row = 0; row < kMapRows; ++row) {
        const auto& cells = stage.rows[row];
        for (std::size_t column = 0; column < cells.size() && column < kMapColumns; ++column) {
            const std::int32_t code = cells[column];
            if (code < 0 || code > kHighestChipCode) {
                return Problem(shown, "マップに使えない文字があります（" + std::to_string(row + 6) +
                                          " 行目、" + std::to_string(column + 1) + " 文字目）。");
            }
            scratch.SetCell(static_cast<int>(column), row, code);
        }
    }
    scratch.properties.Text1 = stage.Text1;
    scratch.properties.Text2 = stage.Text2;
    scratch.properties.STX = stage.STX;
    scratch.properties.STYText = stage.STY < 0 ? std::string() : std::to_string(stage.STY + 1);
    scratch.properties.Times = stage.Times;
    scratch.properties.Text4 = stage.Text4;
    scratch.properties.Text3 = stage.Text3;
    out = std::move(scratch);
    return std::nullopt;
}

std::optional<OpenProblem> OpenF(StageDocument& doc, const std::string& path) {
    StageDocument loaded;
    if (auto problem = ReadStageFile(doc, PathFromBytes(path), loaded)) {
        return problem;
    }
    // Only the stage's content moves over: the flag and its listener stay the document's.
    doc.EditMap = loaded.EditMap;
    doc.properties = std::move(loaded.properties);
    doc.CurrentFile = path;
    return std::nullopt;
}

std::optional<std::string> WriteStageFile(const StageDocument& doc,
                                          const std::filesystem::path& path) {
    const std::string text = WriteStageText(doc.ToFields());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    FileReason why;
    const ContainerStatus status = WriteEncipheredFile(path, {bytes, text.size()}, &why);
    if (status != ContainerStatus::Ok) {
        const std::string shown = PathBytes(path);
        return "ファイルを保存できませんでした。\n" + shown + "\n（" + DescribeJa(status, why) +
               "）";
    }
    return std::nullopt;
}

std::optional<std::string> SaveF(StageDocument& doc, const std::string& path) {
    // The time limit may still be as typed when the save comes in mid-edit.
    doc.properties.Times = NormaliseTimeText(doc.properties.Times);
    if (doc.properties.Text3.empty()) {
        doc.properties.Text3 = "NONE";
    }
    if (doc.properties.Text4.empty()) {
        doc.properties.Text4 = "NONE";
    }
    if (auto problem = WriteStageFile(doc, PathFromBytes(path))) {
        return problem;
    }
    doc.CurrentFile = path;
    return std::nullopt;
}

}  // namespace tarn::editor
