#pragma once

class QDockWidget;
class QMainWindow;
class QSettings;

namespace VantorStudio {

// Keeps a main window's geometry (size, place, maximised) and the layout of its docks and
// tool bars in `settings` ("window/geometry", "window/state"), from one run to the next.
//
// Docks and tool bars are known by their objectName: every dock and tool bar of the window
// must carry a stable, unique one, or its place is not kept. A dock made after restore (a
// component that came later) takes its saved place with restoreDock. A layout saved by
// another version of the layout (kLayoutVersion) is ignored.
//
// The window and the settings are not owned and must outlive the keeper.
class WindowStateKeeper {
public:
    // Raised when the set of docks and tool bars changes in a way a saved layout cannot follow.
    static constexpr int kLayoutVersion = 1;

    WindowStateKeeper(QMainWindow& window, QSettings& settings);

    // Writes the window's geometry and layout to the settings.
    void save() const;
    // Gives the window the geometry and layout saved before, each when it fits the window (a
    // layout of another version is ignored). False when neither was restored.
    bool restore() const;
    // Puts `dock`, made after restore and not added to the window yet, where the saved layout
    // had it; false when the layout knows no dock of its name (the caller then adds it).
    bool restoreDock(QDockWidget& dock) const;

private:
    QMainWindow& window_;
    QSettings& settings_;
};

}  // namespace VantorStudio
