#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "OpenModels.h"
#include "harbor/StudioNotice.h"
#include "wren/Listener.h"

class QAction;

namespace DOVE2 {
class Editor;
class StudioApp;
class TreeComponent;
}  // namespace DOVE2
namespace HARBOR {
class Studio;
class StudioComponentBase;
}  // namespace HARBOR
namespace ROOK2 {
class Canvas;
}

namespace VantorStudio {

class CanvasContextMenu;
class ComponentDocks;
class DocumentTabs;
class EditActions;
class LibraryDock;
class ModelAutosaver;
class ModelFileController;
class PaletteBar;
class NavigateUpOpener;
class PictureExportController;
class PropertyBrowserComponent;
class QtDialogService;
class RecentFiles;
class RecentFilesMenu;
class RecoveryStore;
class SimulationController;
class StatusReporter;
class StudioSettings;
class StudioPrompts;
class TreeSelectionOpener;
class WindowStateKeeper;

// The studio's main window: one HARBOR::Studio whose application comes from
// StudioApplicationFactory, shown as tabbed editors (DocumentTabs), the model tree on the
// left and the property browser on the right (ComponentDocks), the block library on the left
// (LibraryDock: drops onto every editor's canvas add blocks), the active editor's palette,
// the File, Edit and View menus, and a status bar for warnings and command errors.
//
// Start-up (in the constructor): the process-wide set-up (StudioStartup), then the studio:
// its application, the components "DOVE2 tree component" and "DOVE2 PropBrowser component",
// then studio.start; block parameter dialogs are served by a QtDialogService while the window
// lives. Everything the window shows follows the studio's notices; the active editor is the
// studio's active component.
//
// The title is the studio's title ("Vantor Studio" while it has none), then the active
// model's name with "*" when it has unsaved changes.
//
// Closing the window asks about every model with unsaved changes (Save / Discard / Cancel;
// Cancel keeps the window open); destroying it shuts the studio down and closes its models.
// Questions go through the StudioPrompts given (Qt dialogs when none is given). A window that
// closes keeps its geometry and docks for the next start (WindowStateKeeper).
//
// Unsaved work is kept for recovery (ModelAutosaver, in the RecoveryStore's default folder):
// a studio that crashes loses at most one autosave interval of work, and the next studio
// offers it back (recoverUnsavedWork, which the program calls once its window shows).
// Destroying the window drops the records of its models: their fate was decided when they
// closed.
class StudioWindow : public QMainWindow, private WREN::Listener {
    Q_OBJECT
public:
    // `prompts` (not owned, must outlive the window) answers the window's questions; null:
    // Qt dialogs.
    explicit StudioWindow(StudioPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~StudioWindow() override;

    // The window's title for a studio title (empty: "Vantor Studio"), the active model's name
    // (empty: none) and its unsaved-changes flag.
    static QString composeTitle(const std::string& studioTitle, const std::string& modelName,
                                bool dirty);

    // The actions of the File and View menus.
    struct FileActions {
        QAction* newModel = nullptr;
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* saveAs = nullptr;
        QAction* exportPicture = nullptr;
        QAction* close = nullptr;
        QAction* quit = nullptr;
    };
    struct ViewActions {
        QAction* zoomIn = nullptr;
        QAction* zoomOut = nullptr;
        QAction* fitToView = nullptr;
        QAction* goUp = nullptr;
    };

    // Opens the model files in order (see ModelFileController::openFile).
    void openFiles(const std::vector<std::string>& paths);
    // Offers, one by one, the unsaved work that studios which ended without closing their
    // models left (RecoveryStore::pending), except work on a model file open already: work the
    // user recovers opens with unsaved changes, work discarded is dropped, work kept is
    // offered again next time. Returns the number of models recovered.
    int recoverUnsavedWork();

    HARBOR::Studio& studio() const { return *studio_; }
    // The studio's application; null only after the studio went.
    DOVE2::StudioApp* app() const;
    // The studio's active component as an editor; null when none is active.
    DOVE2::Editor* activeEditor() const;
    // The model of the active editor; without one, the model last worked on; null when no
    // model is open.
    OpenModel* activeModel() const;
    OpenModels& models() { return models_; }
    ModelFileController& files() const { return *files_; }
    DocumentTabs& tabs() const { return *tabs_; }
    EditActions& editActions() const { return *editActions_; }
    PaletteBar& palette() const { return *palette_; }
    StatusReporter& status() const { return *status_; }
    ModelAutosaver& autosaver() const { return *autosaver_; }
    ComponentDocks& docks() const { return *docks_; }
    QtDialogService& dialogs() const { return *dialogs_; }
    DOVE2::TreeComponent* tree() const;
    // The context menus of the editors' canvases.
    CanvasContextMenu& canvasMenu() const { return *canvasMenu_; }
    // The block library dock (View > Library).
    LibraryDock& libraryDock() const { return *libraryDock_; }
    PropertyBrowserComponent* propertyBrowser() const;
    // File > Recent Files: the files opened or saved, kept in the window's settings
    // (StudioSettings: the program's own, a private store in test programs).
    RecentFiles& recentFiles() const { return *recentFiles_; }
    RecentFilesMenu& recentFilesMenu() const { return *recentFilesMenu_; }
    // Simulation: running models, their scopes and diagnostics.
    SimulationController& simulation() const { return *simulation_; }
    // The geometry and docks, saved when the window closes and restored at start-up.
    WindowStateKeeper& stateKeeper() const { return *stateKeeper_; }

    const FileActions& fileActions() const { return fileActions_; }
    const ViewActions& viewActions() const { return viewActions_; }
    // Edit > Block Parameters...: enabled while one block is selected.
    QAction* blockParametersAction() const { return blockParameters_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildSimulationMenu();
    void startStudio();
    void onNotice(const HARBOR::StudioNotice& notice);
    void onComponentAdded(const std::string& name);
    void onActiveComponentChanged(const std::string& name);
    void onTabFocused(int index);
    void closeTab(HARBOR::StudioComponentBase& component);
    void onCloseRequested();
    void followActiveEditor(DOVE2::Editor* editor);
    void scheduleSelectionRefresh();
    void refreshSelection();
    void refreshState();
    void updateTitle();
    void openSelectedBlockParameters();
    // Asks the studio application to open the diagram above the active editor's.
    void navigateUp();
    ROOK2::Canvas* activeCanvas() const;
    void withActiveModel(bool (ModelFileController::*operation)(OpenModel&));

    std::unique_ptr<StudioPrompts> ownPrompts_;
    StudioPrompts* prompts_;
    OpenModels models_;
    std::unique_ptr<HARBOR::Studio> studio_;
    std::unique_ptr<ModelFileController> files_;
    std::unique_ptr<RecoveryStore> recovery_;
    std::unique_ptr<ModelAutosaver> autosaver_;
    std::unique_ptr<StatusReporter> status_;
    std::unique_ptr<ComponentDocks> docks_;
    std::unique_ptr<QtDialogService> dialogs_;
    std::unique_ptr<TreeSelectionOpener> treeOpener_;
    std::unique_ptr<NavigateUpOpener> upOpener_;
    std::unique_ptr<PictureExportController> pictureExport_;
    std::unique_ptr<StudioSettings> settings_;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<WindowStateKeeper> stateKeeper_;
    std::unique_ptr<SimulationController> simulation_;
    RecentFilesMenu* recentFilesMenu_ = nullptr;
    DocumentTabs* tabs_;
    PaletteBar* palette_;
    EditActions* editActions_;
    CanvasContextMenu* canvasMenu_ = nullptr;
    LibraryDock* libraryDock_ = nullptr;
    FileActions fileActions_;
    ViewActions viewActions_;
    QAction* blockParameters_ = nullptr;
    // The model last worked on (for File > Close without an active editor).
    const QUILL::Deviant* lastModel_ = nullptr;
    WREN::Listener activeEditorListener_;
    bool selectionRefreshPending_ = false;
};

}  // namespace VantorStudio
