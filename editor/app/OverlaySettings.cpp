// Overlay switches under "overlays/" in the editor's settings.
#include "editor/app/OverlaySettings.h"

#include <QSettings>

namespace tarn::editor {
namespace {

constexpr auto kGrid = "overlays/grid";
constexpr auto kStart = "overlays/start";
constexpr auto kDirections = "overlays/directions";
constexpr auto kFirstView = "overlays/firstView";

bool Read(const QSettings& settings, const char* key, bool fallback) {
    const QVariant value = settings.value(QLatin1String(key));
    // Anything but a clear yes or no (a hand-edited file) keeps the default.
    if (!value.isValid() || !value.canConvert<bool>()) {
        return fallback;
    }
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("0")) {
        return false;
    }
    return fallback;
}

}  // namespace

Overlays LoadOverlays(const QSettings& settings) {
    const Overlays defaults;
    Overlays overlays;
    overlays.grid = Read(settings, kGrid, defaults.grid);
    overlays.start = Read(settings, kStart, defaults.start);
    overlays.directions = Read(settings, kDirections, defaults.directions);
    overlays.firstView = Read(settings, kFirstView, defaults.firstView);
    return overlays;
}

void SaveOverlays(QSettings& settings, const Overlays& overlays) {
    settings.setValue(QLatin1String(kGrid), overlays.grid);
    settings.setValue(QLatin1String(kStart), overlays.start);
    settings.setValue(QLatin1String(kDirections), overlays.directions);
    settings.setValue(QLatin1String(kFirstView), overlays.firstView);
}

}  // namespace tarn::editor
