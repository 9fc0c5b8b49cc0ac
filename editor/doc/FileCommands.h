// The ファイル menu's commands (New, Open, Overwrite save, Save as, closing) over a
// StageDocument, with the unsaved-changes prompt. Everything the user is asked goes
// through EditorUi, so the commands run the same under the window and under tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {

inline constexpr std::string_view kSaveChangesQuestion =
    "内容が変更されています。上書き保存しますか？";
// File type filters as "shown text|pattern"; the file dialog lists the shown text.
inline constexpr std::string_view kStageFilter = "Tarn2マップデータファイル(*.tr2)|*.tr2";
inline constexpr std::string_view kBitmapFilter = "BMP|*.bmp";
inline constexpr std::string_view kPdfFilter = "PDF|*.pdf";

enum class PromptAnswer { Yes, No, Cancel };
// Refused: nothing written because of what the stage holds (the user was told or said no).
enum class SaveOutcome { Saved, Cancelled, Failed, Refused };
enum class FileFilter { Stage, Bitmap, Pdf };
enum class DocumentChange { Created, Opened };

std::string_view FilterText(FileFilter filter);

class EditorUi {
  public:
    virtual ~EditorUi() = default;
    // kSaveChangesQuestion with Yes, No and Cancel, titled kMessageTitle.
    virtual PromptAnswer AskSaveChanges() = 0;
    // The chosen file name, or empty when the dialog was cancelled.
    virtual std::string AskOpenFileName(const std::string& initialName, FileFilter filter) = 0;
    virtual std::string AskSaveFileName(const std::string& initialName, FileFilter filter) = 0;
    // A question with Yes and No, titled kMessageTitle; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void ReportError(const std::string& text) = 0;
    // A message worded elsewhere (the container's), shown with its own title and icon.
    virtual void Inform(const UserMessage& message) = 0;
};

class FileCommands {
  public:
    // commandLineName is the first file name the dialogs propose; nothing is opened.
    FileCommands(StageDocument& doc, EditorUi& ui, std::string commandLineName = {});

    // Each returns whether the command went through (false: abandoned or cancelled).
    bool New();
    bool Open();
    // Open without the dialog, for a file named elsewhere (recent files, the command
    // line): the unsaved-changes prompt, then the file.
    bool OpenFile(const std::string& path);
    SaveOutcome OverwriteSave();
    SaveOutcome SaveAs();
    // The unsaved-changes prompt before the window closes: true lets it close.
    bool MayClose();

    // The save dialog with the bitmap filter, proposing the stage's name with ".bmp"; the
    // stage filter is restored afterwards. Empty when cancelled, and when the name is
    // refused because a bitmap would replace a stage there (the refusal is reported).
    std::string AskBitmapFileName();
    // The same for a PDF of the printed page (when there is no printer to print it on).
    std::string AskPdfFileName();

    const std::string& DialogFileName() const { return dialogFileName_; }
    FileFilter CurrentFilter() const { return filter_; }

    // Called after New and after a successful Open, so the window can redraw the
    // canvas, refill its fields and forget its undo history.
    std::function<void(DocumentChange)> onDocumentReplaced;
    // Called whenever the caption may have changed.
    std::function<void()> onCaptionChanged;
    // Called with the path of every stage file opened or saved.
    std::function<void(const std::string&)> onStageFileUsed;

  private:
    // The save dialog for a picture of the stage with the given filter and extension.
    std::string AskExportFileName(FileFilter filter, std::string_view extension);
    // Runs the prompt when the document is modified; false abandons the command.
    bool ResolveUnsavedChanges();
    // Reads path into the document, or reports why not.
    bool Load(const std::string& path);
    void StageFileUsed(const std::string& path);
    // Whether the stage may be written as it is: text code page 932 cannot hold is
    // refused, a start row off the map is asked about.
    bool ContentMayBeSaved();
    // Writes the stage to path unless that would replace a bitmap; reports failures.
    SaveOutcome WriteTo(const std::string& path);
    void CaptionChanged();

    StageDocument& doc_;
    EditorUi& ui_;
    std::string dialogFileName_;
    FileFilter filter_ = FileFilter::Stage;
};

}  // namespace tarn::editor
