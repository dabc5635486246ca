#include "WindowStateKeeper.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>

namespace VantorStudio {

namespace {

constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kStateKey = "window/state";

}  // namespace

WindowStateKeeper::WindowStateKeeper(QMainWindow& window, QSettings& settings)
    : window_(window), settings_(settings) {}

void WindowStateKeeper::save() const {
    settings_.setValue(kGeometryKey, window_.saveGeometry());
    settings_.setValue(kStateKey, window_.saveState(kLayoutVersion));
    settings_.sync();
}

bool WindowStateKeeper::restore() const {
    const QByteArray geometry = settings_.value(kGeometryKey).toByteArray();
    const QByteArray state = settings_.value(kStateKey).toByteArray();
    if (geometry.isEmpty() && state.isEmpty())
        return false;
    // Both are tried: a geometry that fits this screen is worth keeping even when the layout
    // came from another version.
    const bool placed = !geometry.isEmpty() && window_.restoreGeometry(geometry);
    const bool laidOut = !state.isEmpty() && window_.restoreState(state, kLayoutVersion);
    return placed || laidOut;
}

bool WindowStateKeeper::restoreDock(QDockWidget& dock) const {
    return window_.restoreDockWidget(&dock);
}

}  // namespace VantorStudio
