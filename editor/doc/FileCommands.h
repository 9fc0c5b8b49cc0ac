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

enum class PromptAnswer { Yes, No, Cancel };
enum class SaveOutcome { Saved, Cancelled, Failed };
enum class FileFilter { Stage, Bitmap };
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
    // Opens a named file as Open does once its dialog has answered (the command line's
    // --open); the current document is replaced without the unsaved-changes prompt.
    bool OpenFile(const std::string& name);
    SaveOutcome OverwriteSave();
    SaveOutcome SaveAs();
    // The unsaved-changes prompt before the window closes: true lets it close.
    bool MayClose();

    // The save dialog with the bitmap filter, started from the shared file name; the
    // stage filter is restored afterwards. Empty when cancelled.
    std::string AskBitmapFileName();

    const std::string& DialogFileName() const { return dialogFileName_; }
    FileFilter CurrentFilter() const { return filter_; }

    // Called after New and after a successful Open, so the window can redraw the
    // canvas, refill its fields and forget its undo history.
    std::function<void(DocumentChange)> onDocumentReplaced;
    // Called whenever the caption may have changed.
    std::function<void()> onCaptionChanged;

  private:
    // Runs the prompt when the document is modified; false abandons the command.
    bool ResolveUnsavedChanges();
    void CaptionChanged();

    StageDocument& doc_;
    EditorUi& ui_;
    std::string dialogFileName_;
    FileFilter filter_ = FileFilter::Stage;
};

}  // namespace tarn::editor
