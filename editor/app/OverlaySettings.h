// Which overlays the canvas draws over the map, remembered between sessions.
#pragma once

class QSettings;

namespace tarn::editor {

struct Overlays {
    bool grid = false;       // lines between the cells
    bool start = true;       // the player's start cell
    bool directions = true;  // each moving object's first direction
    bool firstView = false;  // what the game shows when the stage starts
};

Overlays LoadOverlays(const QSettings& settings);
void SaveOverlays(QSettings& settings, const Overlays& overlays);

}  // namespace tarn::editor
