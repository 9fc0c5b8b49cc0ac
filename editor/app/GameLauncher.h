// Starting the game for a test play, behind an interface so tests see the request.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace tarn::editor {

class GameLauncher {
  public:
    virtual ~GameLauncher() = default;
    // Starts the program in the folder; the arguments are bytes (PathBytes for paths), so a
    // path reaches the game as the system names it. False when it could not be started.
    virtual bool Start(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments,
                       const std::filesystem::path& workingDirectory) = 0;
    // Whether the game started last is still running.
    virtual bool Running() const = 0;
};

// One game at a time, as a child of the editor: its state tells whether it still runs,
// and a game still running when the editor closes is ended with it (its stage lives in
// the editor's temporary folder, which goes too).
class QtGameLauncher : public GameLauncher {
  public:
    QtGameLauncher();
    ~QtGameLauncher() override;
    bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workingDirectory) override;
    bool Running() const override;

  private:
    std::unique_ptr<QProcess> process_;
};

}  // namespace tarn::editor
