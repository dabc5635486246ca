#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "OpenModels.h"
#include "harbor/StudioNotice.h"
#include "wren/Listener.h"

class QAction;
class QMenu;

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

class ComponentDocks;
class DocumentTabs;
class EditActions;
class ModelFileController;
class PaletteBar;
class NavigateUpOpener;
class PropertyBrowserComponent;
class QtDialogService;
class StatusReporter;
class StudioPrompts;
class TreeSelectionOpener;

// The studio's main window: one HARBOR::Studio whose application comes from
// StudioApplicationFactory, shown as tabbed editors (DocumentTabs), the model tree on the
// left and the property browser on the right (ComponentDocks), the active editor's palette,
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
// Questions go through the StudioPrompts given (Qt dialogs when none is given).
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

    // Opens the model files in order (see ModelFileController::openFile).
    void openFiles(const std::vector<std::string>& paths);

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
    ComponentDocks& docks() const { return *docks_; }
    QtDialogService& dialogs() const { return *dialogs_; }
    DOVE2::TreeComponent* tree() const;
    PropertyBrowserComponent* propertyBrowser() const;

    // The menu actions, by their menu text ("&Save" is "Save"); null for an unknown text.
    QAction* fileAction(const QString& text) const;
    QAction* viewAction(const QString& text) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
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
    std::unique_ptr<StatusReporter> status_;
    std::unique_ptr<ComponentDocks> docks_;
    std::unique_ptr<QtDialogService> dialogs_;
    std::unique_ptr<TreeSelectionOpener> treeOpener_;
    std::unique_ptr<NavigateUpOpener> upOpener_;
    DocumentTabs* tabs_;
    PaletteBar* palette_;
    EditActions* editActions_;
    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* blockParameters_ = nullptr;
    // The model last worked on (for File > Close without an active editor).
    const QUILL::Deviant* lastModel_ = nullptr;
    WREN::Listener activeEditorListener_;
    bool selectionRefreshPending_ = false;
};

}  // namespace VantorStudio
