// File commands of the editor. A save that fails is reported and leaves Modified set;
// when it was asked for by the unsaved-changes prompt, the command that asked is
// abandoned so that the unsaved work stays in the window.
#include "editor/doc/FileCommands.h"

#include <utility>

namespace tarn::editor {

std::string_view FilterText(FileFilter filter) {
    return filter == FileFilter::Bitmap ? kBitmapFilter : kStageFilter;
}

FileCommands::FileCommands(StageDocument& doc, EditorUi& ui, std::string commandLineName)
    : doc_(doc), ui_(ui), dialogFileName_(std::move(commandLineName)) {}

void FileCommands::CaptionChanged() {
    if (onCaptionChanged) {
        onCaptionChanged();
    }
}

bool FileCommands::ResolveUnsavedChanges() {
    if (!doc_.Modified) {
        return true;
    }
    switch (ui_.AskSaveChanges()) {
        case PromptAnswer::Cancel:
            return false;
        case PromptAnswer::No:
            return true;
        case PromptAnswer::Yes:
            return OverwriteSave() != SaveOutcome::Failed;
    }
    return false;
}

bool FileCommands::New() {
    if (!ResolveUnsavedChanges()) {
        return false;
    }
    doc_.ResetForNew();
    if (onDocumentReplaced) {
        onDocumentReplaced(DocumentChange::Created);
    }
    CaptionChanged();
    return true;
}

bool FileCommands::Open() {
    if (!ResolveUnsavedChanges()) {
        return false;
    }
    dialogFileName_.clear();
    const std::string name = ui_.AskOpenFileName(dialogFileName_, filter_);
    if (name.empty()) {
        CaptionChanged();
        return false;
    }
    return OpenFile(name);
}

bool FileCommands::OpenFile(const std::string& name) {
    dialogFileName_ = name;
    bool opened = false;
    if (auto problem = OpenF(doc_, name)) {
        if (problem->containerMessage) {
            ui_.Inform(*problem->containerMessage);
        }
        ui_.ReportError(problem->text);
    } else {
        doc_.Modified = false;
        opened = true;
        if (onDocumentReplaced) {
            onDocumentReplaced(DocumentChange::Opened);
        }
    }
    CaptionChanged();
    return opened;
}

SaveOutcome FileCommands::OverwriteSave() {
    if (doc_.CurrentFile.empty()) {
        return SaveAs();
    }
    if (auto problem = SaveF(doc_, doc_.CurrentFile)) {
        ui_.ReportError(*problem);
        return SaveOutcome::Failed;
    }
    doc_.Modified = false;
    CaptionChanged();
    return SaveOutcome::Saved;
}

SaveOutcome FileCommands::SaveAs() {
    const std::string name = ui_.AskSaveFileName(dialogFileName_, filter_);
    if (name.empty()) {
        return SaveOutcome::Cancelled;
    }
    dialogFileName_ = name;
    if (auto problem = SaveF(doc_, name)) {
        ui_.ReportError(*problem);
        CaptionChanged();
        return SaveOutcome::Failed;
    }
    doc_.Modified = false;
    CaptionChanged();
    return SaveOutcome::Saved;
}

bool FileCommands::MayClose() {
    return ResolveUnsavedChanges();
}

std::string FileCommands::AskBitmapFileName() {
    filter_ = FileFilter::Bitmap;
    std::string name = ui_.AskSaveFileName(dialogFileName_, filter_);
    if (!name.empty()) {
        dialogFileName_ = name;
    }
    filter_ = FileFilter::Stage;
    return name;
}

}  // namespace tarn::editor
