// Starting the game for a test play, behind an interface so tests see the request.
#pragma once

#include <QString>
#include <QStringList>

namespace tarn::editor {

class GameLauncher {
  public:
    virtual ~GameLauncher() = default;
    // Starts the program detached; false when it could not be started.
    virtual bool Start(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory) = 0;
};

class QtGameLauncher : public GameLauncher {
  public:
    bool Start(const QString& program, const QStringList& arguments,
               const QString& workingDirectory) override;
};

}  // namespace tarn::editor
