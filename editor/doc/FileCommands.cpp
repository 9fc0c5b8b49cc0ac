// File commands of the editor. A save that fails is reported and leaves Modified set;
// when it was asked for by the unsaved-changes prompt, the command that asked is
// abandoned so that the unsaved work stays in the window.
#include "editor/doc/FileCommands.h"

#include <utility>

#include "editor/doc/SaveChecks.h"
#include "editor/doc/SaveTargets.h"

namespace tarn::editor {

std::string_view FilterText(FileFilter filter) {
    switch (filter) {
        case FileFilter::Bitmap:
            return kBitmapFilter;
        case FileFilter::Pdf:
            return kPdfFilter;
        case FileFilter::Stage:
            break;
    }
    return kStageFilter;
}

FileCommands::FileCommands(StageDocument& doc, EditorUi& ui, std::string commandLineName)
    : doc_(doc), ui_(ui), dialogFileName_(std::move(commandLineName)) {}

void FileCommands::CaptionChanged() {
    if (onCaptionChanged) {
        onCaptionChanged();
    }
}

bool FileCommands::ResolveUnsavedChanges() {
    if (!doc_.Modified()) {
        return true;
    }
    switch (ui_.AskSaveChanges()) {
        case PromptAnswer::Cancel:
            return false;
        case PromptAnswer::No:
            return true;
        case PromptAnswer::Yes: {
            // A save dialog cancelled here lets the command go on; a save that could not
            // write keeps the work in the window.
            const SaveOutcome outcome = OverwriteSave();
            return outcome == SaveOutcome::Saved || outcome == SaveOutcome::Cancelled;
        }
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
    const bool opened = !name.empty() && Load(name);
    CaptionChanged();
    return opened;
}

bool FileCommands::OpenFile(const std::string& path) {
    if (!ResolveUnsavedChanges()) {
        return false;
    }
    const bool opened = Load(path);
    CaptionChanged();
    return opened;
}

bool FileCommands::Load(const std::string& path) {
    dialogFileName_ = path;
    if (auto problem = OpenF(doc_, path)) {
        if (problem->containerMessage) {
            ui_.Inform(*problem->containerMessage);
        }
        ui_.ReportError(problem->text);
        return false;
    }
    doc_.SetModified(false);
    if (onDocumentReplaced) {
        onDocumentReplaced(DocumentChange::Opened);
    }
    StageFileUsed(path);
    return true;
}

void FileCommands::StageFileUsed(const std::string& path) {
    if (onStageFileUsed) {
        onStageFileUsed(path);
    }
}

bool FileCommands::ContentMayBeSaved() {
    if (auto found = FindUnstorableText(doc_.properties)) {
        ui_.ReportError(UnstorableTextMessage(*found));
        return false;
    }
    if (StartRowOutsideMap(doc_.properties)) {
        return ui_.AskYesNo(StartRowSaveQuestion(doc_.properties));
    }
    return true;
}

SaveOutcome FileCommands::WriteTo(const std::string& path) {
    std::optional<std::string> problem = StageTargetProblem(path);
    if (!problem) {
        problem = SaveF(doc_, path);
    }
    if (problem) {
        ui_.ReportError(*problem);
        return SaveOutcome::Failed;
    }
    doc_.SetModified(false);
    CaptionChanged();
    StageFileUsed(path);
    return SaveOutcome::Saved;
}

SaveOutcome FileCommands::OverwriteSave() {
    if (doc_.CurrentFile.empty()) {
        return SaveAs();
    }
    if (!ContentMayBeSaved()) {
        return SaveOutcome::Refused;
    }
    return WriteTo(doc_.CurrentFile);
}

SaveOutcome FileCommands::SaveAs() {
    if (!ContentMayBeSaved()) {
        return SaveOutcome::Refused;
    }
    const std::string name =
        ui_.AskSaveFileName(WithExtension(dialogFileName_, kStageExtension), filter_);
    if (name.empty()) {
        return SaveOutcome::Cancelled;
    }
    dialogFileName_ = name;
    return WriteTo(name);
}

bool FileCommands::MayClose() {
    return ResolveUnsavedChanges();
}

std::string FileCommands::AskBitmapFileName() {
    return AskExportFileName(FileFilter::Bitmap, kBitmapExtension);
}

std::string FileCommands::AskPdfFileName() {
    return AskExportFileName(FileFilter::Pdf, kPdfExtension);
}

std::string FileCommands::AskExportFileName(FileFilter filter, std::string_view extension) {
    const std::string& stageName = doc_.CurrentFile.empty() ? dialogFileName_ : doc_.CurrentFile;
    filter_ = filter;
    std::string name = ui_.AskSaveFileName(WithExtension(stageName, extension), filter_);
    filter_ = FileFilter::Stage;
    if (name.empty()) {
        return name;
    }
    if (auto problem = ExportTargetProblem(name, filter == FileFilter::Pdf ? "PDF" : "ビットマップ",
                                           extension)) {
        ui_.ReportError(*problem);
        return {};
    }
    dialogFileName_ = name;
    return name;
}

}  // namespace tarn::editor
