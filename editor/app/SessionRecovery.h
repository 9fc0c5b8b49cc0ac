// Autosave and recovery. After a minute of unsaved changes the document (map, properties,
// file name) is written atomically to this editor's own recovery file in the user's state
// folder; saving or discarding the document removes it. A lock file beside it, held while
// the editor runs, tells a later editor which recovery files were left by one that
// crashed or was killed, so several editors never take each other's files.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tarn::editor {

class MapDocument;
class UserDialogs;

inline constexpr std::chrono::seconds kAutosaveInterval{60};

class SessionRecovery : public QObject {
    Q_OBJECT
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // folder: where recovery files live (RecoveryFolder() for the user's).
    SessionRecovery(MapDocument& document, QString folder, QObject* parent = nullptr);
    // Releases the lock and leaves the file: only a save or a discard removes it.
    ~SessionRecovery() override;

    // $XDG_STATE_HOME/tarn2, or ~/.local/state/tarn2 when that is unset or relative. Empty
    // (no autosave) when text cannot name it: Qt's lock and save files take text, and a
    // text with U+FFFD in place of a byte would name another folder, made anew.
    static QString RecoveryFolder();

    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // An edit was made: the minute starts now unless one is already running.
    void NoteChange();
    // Writes the document when its changes have waited a minute; removes the file when the
    // document has no unsaved changes. Runs every second on a timer.
    void Tick();
    // The document was saved or discarded: removes this editor's recovery file.
    void Discard();

    // This editor's recovery file (it exists only while there are unsaved changes).
    QString FilePath() const { return path_; }
    // Recovery files in the folder whose editor is no longer running, newest first.
    QStringList LeftBehind() const;
    // Offers the newest file left behind by a crashed editor. Yes restores it into the
    // document (onRestored is called to redraw) and makes it this editor's; No deletes it.
    // Returns whether a document was restored.
    bool OfferRecovery(UserDialogs& dialogs, const std::function<void()>& onRestored);

  private:
    bool Write(const std::string& text);
    bool EnsureOwnLock();

    MapDocument& document_;
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    Clock clock_;
    QTimer timer_;
    std::optional<std::chrono::steady_clock::time_point> pendingSince_;
    std::string written_;  // the text last written, empty when no file exists
    bool warned_ = false;
};

}  // namespace tarn::editor
