#include "StudioWindow.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "CanvasContextMenu.h"
#include "ComponentDocks.h"
#include "DialogPrompts.h"
#include "DocumentTabs.h"
#include "EditActions.h"
#include "LibraryDock.h"
#include "ModelAutosaver.h"
#include "ModelFileController.h"
#include "ModuleLoader.h"
#include "NavigateUpOpener.h"
#include "PaletteBar.h"
#include "PictureExportController.h"
#include "PropertyBrowserComponent.h"
#include "QtDialogService.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "RecoveryStore.h"
#include "StatusReporter.h"
#include "StudioApplicationFactory.h"
#include "StudioSettings.h"
#include "StudioStartup.h"
#include "TreeSelectionOpener.h"
#include "WindowStateKeeper.h"
#include "dove2/Editor.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"
#include "dove2/UndoHistoryTarget.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"
#include "rook2/Canvas.h"
#include "rook2/Scene.h"
#include "simulation/SimulationController.h"
#include "vtdove/DialogService.h"

namespace VantorStudio {

namespace {

constexpr const char* kDefaultTitle = "Vantor Studio";
// The initial view of a diagram shows all of it, but magnifies a small one no more than this.
constexpr double kMaxInitialZoom = 1.5;

// The "name" attribute of the model object of `model`; empty when it has none.
std::string modelNameOf(const QUILL::ImmutableModel& model) {
    if (!model.isValid())
        return {};
    const QUILL::ImmutableClassObject object = model.getModelObject();
    const QUILL::Attribute* name = object.getMetaClass().findAttribute("name");
    const std::string* text = name ? std::get_if<std::string>(&object.getValue(*name)) : nullptr;
    return text ? *text : std::string();
}

void showWholeDiagram(ROOK2::Canvas* canvas) {
    if (!canvas)
        return;
    canvas->fitToView();
    if (canvas->zoom() > kMaxInitialZoom)
        canvas->setZoom(kMaxInitialZoom);
}

}  // namespace

StudioWindow::StudioWindow(StudioPrompts* prompts, QWidget* parent)
    : QMainWindow(parent),
      ownPrompts_(prompts ? nullptr : std::make_unique<DialogPrompts>(this)),
      prompts_(prompts ? prompts : ownPrompts_.get()),
      studio_(std::make_unique<HARBOR::Studio>()) {
    setWindowTitle(kDefaultTitle);
    resize(1200, 800);
    status_ = std::make_unique<StatusReporter>(*statusBar());
    tabs_ = new DocumentTabs(*studio_, this);
    setCentralWidget(tabs_);
    palette_ = new PaletteBar(this);
    addToolBar(Qt::TopToolBarArea, palette_);
    editActions_ = new EditActions(this);
    docks_ = std::make_unique<ComponentDocks>(*this, *studio_);
    files_ = std::make_unique<ModelFileController>(*studio_, models_, *prompts_);
    recovery_ = std::make_unique<RecoveryStore>(RecoveryStore::defaultFolder());
    autosaver_ = std::make_unique<ModelAutosaver>(models_, *recovery_);
    dialogs_ = std::make_unique<QtDialogService>(this);
    settings_ = std::make_unique<StudioSettings>();
    recentFiles_ = std::make_unique<RecentFiles>(settings_->settings());
    stateKeeper_ = std::make_unique<WindowStateKeeper>(*this, settings_->settings());
    pictureExport_ = std::make_unique<PictureExportController>(*prompts_, *status_);
    libraryDock_ = new LibraryDock([this] { return activeEditor(); }, *status_, this);
    addDockWidget(Qt::LeftDockWidgetArea, libraryDock_);
    simulation_ = std::make_unique<SimulationController>(
        *this, *status_,
        SimulationController::Hooks{[this] { return activeModel(); },
                                    [this] { return activeEditor(); }, [this] { return app(); }});
    dialogs_->setBlockOpener([this](const VTQUILL::ImmutableBlock& block) {
        if (block.getType() != "Scope")
            return false;
        int inputs = 0;
        for (const VTQUILL::ImmutablePort& port : block.getContained())
            inputs += port.getType() == VTQUILL::kInPort ? 1 : 0;
        simulation_->openScope(block.getFullPathName(), inputs);
        return true;
    });
    buildMenus();
    canvasMenu_ = new CanvasContextMenu(
        *editActions_, {blockParameters_, viewActions_.fitToView, [this] { refreshSelection(); }},
        this);

    tabs_->setFocusedCallback([this](int index) { onTabFocused(index); });
    tabs_->setCloseCallback([this](HARBOR::StudioComponentBase& c) { closeTab(c); });
    models_.setHistoryChangedCallback([this](const OpenModel& model) {
        autosaver_->modelChanged(model);
        if (simulation_)
            simulation_->modelChanged(model);
        refreshState();
    });
    models_.setClosedElsewhereCallback([this](const OpenModel& model) {
        autosaver_->modelClosed(model);
        QTimer::singleShot(0, this, [this] { refreshState(); });
    });
    files_->setModelsChangedCallback([this] { refreshState(); });
    files_->setFileUsedCallback([this](const std::string& path) { recentFiles_->add(path); });
    files_->setModelClosingCallback([this](const OpenModel& model) {
        if (simulation_)
            simulation_->modelClosing(model);
        autosaver_->modelClosed(model);
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { editActions_->refresh(); });

    startStudio();
    if (stateKeeper_->restore())
        docks_->followRestoredLayout();
    refreshState();
}

StudioWindow::~StudioWindow() {
    simulation_.reset();
    activeEditorListener_.disconnect();
    treeOpener_.reset();
    autosaver_->discardAll();
    PARR::ErrorHolder errors;
    studio_->shutDown(errors);
    DOVE2::warnOfFailure("Shutting the studio down", errors);
    WREN::Listener::disconnect();
    palette_->showPaletteOf(nullptr);
    editActions_->setEditor(nullptr);
    studio_.reset();
    dialogs_.reset();
}

QString StudioWindow::composeTitle(const std::string& studioTitle, const std::string& modelName,
                                   bool dirty) {
    QString title = QString::fromStdString(studioTitle.empty() ? kDefaultTitle : studioTitle);
    if (!modelName.empty())
        title += " - " + QString::fromStdString(modelName) + (dirty ? "*" : "");
    return title;
}

void StudioWindow::openFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        files_->openFile(path);
}

int StudioWindow::recoverUnsavedWork() {
    using Answer = StudioPrompts::RecoveryAnswer;
    int recovered = 0;
    for (const RecoveryRecord& record : recovery_->pending()) {
        if (!record.modelFile.empty() && models_.findByFile(record.modelFile))
            continue;
        switch (prompts_->askRecoverUnsavedWork(record.modelName, record.modelFile)) {
            case Answer::Recover:
                if (OpenModel* model = files_->openRecovered(record.stateFile, record.modelFile)) {
                    autosaver_->adoptRecord(*model, record.key);
                    ++recovered;
                }
                break;
            case Answer::Discard:
                recovery_->remove(record.key);
                break;
            case Answer::Keep:
                break;
        }
    }
    return recovered;
}

DOVE2::StudioApp* StudioWindow::app() const {
    return studio_ ? dynamic_cast<DOVE2::StudioApp*>(studio_->getApp()) : nullptr;
}

DOVE2::Editor* StudioWindow::activeEditor() const {
    return studio_ ? dynamic_cast<DOVE2::Editor*>(studio_->getActiveComponent()) : nullptr;
}

OpenModel* StudioWindow::activeModel() const {
    if (const DOVE2::Editor* editor = activeEditor()) {
        if (OpenModel* model = models_.find(editor->getRootDeviant()))
            return model;
    }
    for (OpenModel* model : models_.all()) {
        if (model->root.getDeviantPtr() == lastModel_)
            return model;
    }
    const std::vector<OpenModel*> all = models_.all();
    return all.empty() ? nullptr : all.back();
}

DOVE2::TreeComponent* StudioWindow::tree() const {
    return dynamic_cast<DOVE2::TreeComponent*>(
        studio_->getComponent(DOVE2::TreeComponent::kComponentName));
}

PropertyBrowserComponent* StudioWindow::propertyBrowser() const {
    return dynamic_cast<PropertyBrowserComponent*>(
        studio_->getComponent(PropertyBrowserComponent::kComponentName));
}

void StudioWindow::closeEvent(QCloseEvent* event) {
    if (files_->confirmQuit()) {
        stateKeeper_->save();
        event->accept();
    } else {
        event->ignore();
    }
}

// --- Menus ------------------------------------------------------------------------------------

void StudioWindow::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildViewMenu();
    buildSimulationMenu();
}

void StudioWindow::buildSimulationMenu() {
    simulation_->addActionsTo(*menuBar()->addMenu(tr("&Simulation")));
}

void StudioWindow::buildFileMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&File"));
    FileActions& a = fileActions_;
    a.newModel =
        menu->addAction(tr("&New"), QKeySequence::New, this, [this] { files_->newModel(); });
    a.open = menu->addAction(tr("&Open..."), QKeySequence::Open, this, [this] { files_->open(); });
    recentFilesMenu_ = new RecentFilesMenu(
        *menu->addMenu(tr("Recent &Files")), *recentFiles_,
        [this](const std::string& path) { files_->openFile(path); },
        [this](const std::string& path) {
            status_->showInfo("\"" + path + "\" no longer exists; it left Recent Files.");
        });
    menu->addSeparator();
    a.save = menu->addAction(tr("&Save"), QKeySequence::Save, this,
                             [this] { withActiveModel(&ModelFileController::save); });
    a.saveAs = menu->addAction(tr("Save &As..."), QKeySequence::SaveAs, this,
                               [this] { withActiveModel(&ModelFileController::saveAs); });
    a.exportPicture = menu->addAction(tr("&Export..."), this,
                                      [this] { pictureExport_->exportDiagramOf(activeEditor()); });
    a.close = menu->addAction(tr("&Close"), QKeySequence::Close, this,
                              [this] { withActiveModel(&ModelFileController::close); });
    menu->addSeparator();
    a.quit = menu->addAction(tr("&Quit"), QKeySequence::Quit, this, [this] { close(); });
}

void StudioWindow::buildEditMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Edit"));
    editActions_->addTo(*menu);
    menu->addSeparator();
    blockParameters_ = menu->addAction(tr("Block &Parameters..."), this,
                                       [this] { openSelectedBlockParameters(); });
    connect(menu, &QMenu::aboutToShow, this, [this] { refreshSelection(); });
}

void StudioWindow::buildViewMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&View"));
    ViewActions& a = viewActions_;
    a.zoomIn = menu->addAction(tr("Zoom &In"), QKeySequence::ZoomIn, this, [this] {
        if (ROOK2::Canvas* canvas = activeCanvas())
            canvas->zoomIn();
    });
    a.zoomOut = menu->addAction(tr("Zoom &Out"), QKeySequence::ZoomOut, this, [this] {
        if (ROOK2::Canvas* canvas = activeCanvas())
            canvas->zoomOut();
    });
    a.fitToView =
        menu->addAction(tr("&Fit to View"), QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] {
            if (ROOK2::Canvas* canvas = activeCanvas())
                canvas->fitToView();
        });
    a.goUp = menu->addAction(tr("Go &Up"), QKeySequence(Qt::ALT | Qt::Key_Up), this,
                             [this] { navigateUp(); });
    menu->addSeparator();
    menu->addAction(palette_->toggleViewAction());
    menu->addAction(libraryDock_->toggleViewAction());
    menu->addAction(docks_->makeToggleAction(DOVE2::TreeComponent::kComponentName,
                                             tr("Model &Explorer"), this));
    menu->addAction(docks_->makeToggleAction(PropertyBrowserComponent::kComponentName,
                                             tr("P&roperties"), this));
}

// --- Studio -----------------------------------------------------------------------------------

void StudioWindow::startStudio() {
    StudioStartup::initializeOnce();
    const ModuleLoader::Result& module = ModuleLoader::loadOnce();
    if (!module.warning.empty())
        status_->showWarning(module.warning);
    studio_->notices().connect(static_cast<WREN::Listener&>(*this),
                               [this](const HARBOR::StudioNotice& n) { onNotice(n); });
    studio_->setApp(StudioApplicationFactory::make());
    StudioStartup::startStudio(*studio_, {{DOVE2::TreeComponent::staticGetTypeName(),
                                           DOVE2::TreeComponent::kComponentName},
                                          {PropertyBrowserComponent::staticGetTypeName(),
                                           PropertyBrowserComponent::kComponentName}});
    if (DOVE2::StudioApp* application = app();
        application && StudioApplicationFactory::isFrameworkApplication(*application)) {
        treeOpener_ = std::make_unique<TreeSelectionOpener>(*application);
        upOpener_ = std::make_unique<NavigateUpOpener>(*application);
    }
}

void StudioWindow::navigateUp() {
    DOVE2::StudioApp* application = app();
    DOVE2::Editor* editor = activeEditor();
    if (!application || !editor || !editor->getDiagram().isValid())
        return;
    const QUILL::ImmutableClassObject leaving =
        editor->getDiagram().asDeviant(editor->getRootDeviant());
    application->getNavigateUpRequestService().send(DOVE2::NavigateUpRequest(leaving));
}

void StudioWindow::onNotice(const HARBOR::StudioNotice& notice) {
    using Kind = HARBOR::StudioNotice::Kind;
    const std::string& name = notice.subject();
    switch (notice.kind()) {
        case Kind::ComponentAdded:
            onComponentAdded(name);
            break;
        case Kind::ComponentRemoved:
            tabs_->componentRemoved(name);
            docks_->componentRemoved(name);
            break;
        case Kind::ComponentHidden:
            tabs_->componentHidden(name);
            docks_->componentHidden(name);
            break;
        case Kind::ComponentShown:
            tabs_->componentShown(name);
            docks_->componentShown(name);
            break;
        case Kind::ActiveComponentChanged:
            onActiveComponentChanged(name);
            break;
        case Kind::TitleChanged:
            updateTitle();
            break;
        case Kind::TitleBarIconChanged:
            setWindowIcon(QIcon(QString::fromStdString(name).replace('\\', '/')));
            break;
        case Kind::CloseRequested:
            onCloseRequested();
            break;
    }
}

void StudioWindow::onComponentAdded(const std::string& name) {
    HARBOR::StudioComponentBase* component = studio_->getComponent(name);
    if (!component)
        return;
    tabs_->componentAdded(*component);
    docks_->componentAdded(*component);
    auto* editor = dynamic_cast<DOVE2::Editor*>(component);
    if (!editor)
        return;
    status_->watchEditor(*editor);
    canvasMenu_->attach(*editor);
    LibraryDock::acceptDropsOn(*editor);
    QPointer<ROOK2::Canvas> canvas(editor->getCanvas());
    QTimer::singleShot(0, this, [canvas] { showWholeDiagram(canvas.data()); });
}

void StudioWindow::onActiveComponentChanged(const std::string& name) {
    tabs_->activeComponentChanged(name);
    DOVE2::Editor* editor = activeEditor();
    editActions_->setEditor(editor);
    palette_->showPaletteOf(editor);
    followActiveEditor(editor);
    if (editor) {
        lastModel_ = editor->getRootDeviant().getDeviantPtr();
        if (QWidget* focus = editor->getDefaultFocusWidget())
            focus->setFocus();
    }
    refreshSelection();
    refreshState();
}

void StudioWindow::onTabFocused(int index) {
    // A domain's application makes the focused tab's editor active when it hears the focus
    // event; for one that does not, the window does.
    HARBOR::StudioComponentBase* component = tabs_->componentAt(index);
    auto* editor = dynamic_cast<DOVE2::Editor*>(component);
    DOVE2::StudioApp* application = app();
    if (editor && application && studio_->getActiveComponent() != component)
        application->setActiveEditor(editor);
}

void StudioWindow::closeTab(HARBOR::StudioComponentBase& component) {
    auto* editor = dynamic_cast<DOVE2::Editor*>(&component);
    DOVE2::StudioApp* application = app();
    if (!editor || !application)
        return;
    // Closing destroys the editor: its name is read first.
    const std::string what = "Closing the editor \"" + editor->getName() + "\"";
    PARR::ErrorHolder errors;
    application->closeEditor(editor, errors);
    DOVE2::warnOfFailure(what, errors);
}

// A single-window studio keeps its window while models are open: they stay in the tree after
// their last editor closed. An empty studio with no model left closes.
void StudioWindow::onCloseRequested() {
    if (models_.empty()) {
        QTimer::singleShot(0, this, [this] { close(); });
        return;
    }
    status_->showInfo("No editor is open; the models stay open in the model tree.");
}

// --- Selection and state ----------------------------------------------------------------------

// The selection of the active editor, and the undo history of its model when the window does
// not follow that model already (a model some other part of the studio opened).
void StudioWindow::followActiveEditor(DOVE2::Editor* editor) {
    activeEditorListener_.disconnect();
    if (simulation_)
        simulation_->refreshSettingsFields();
    if (!editor || !editor->getScene())
        return;
    editor->getScene()->getSelectionChangedEmitter().connect(
        activeEditorListener_, [this](ROOK2::Node* const&) { scheduleSelectionRefresh(); });
    const DOVE2::UndoHistoryTarget* undo = editor->getUndoHistoryTarget();
    if (undo && undo->getHistory() && !models_.find(editor->getRootDeviant())) {
        undo->getHistory()->changed().connect(
            activeEditorListener_, [this](const DOVE2::UndoHistoryChanged&) { refreshState(); });
    }
}

// Selecting many nodes tells of each one; the browser and the actions follow once per turn
// of the event loop.
void StudioWindow::scheduleSelectionRefresh() {
    if (selectionRefreshPending_)
        return;
    selectionRefreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        selectionRefreshPending_ = false;
        refreshSelection();
    });
}

void StudioWindow::refreshSelection() {
    DOVE2::Editor* editor = activeEditor();
    bool only = false;
    const DOVE2::DiagramElement last =
        editor ? editor->lastSelected(&only) : DOVE2::DiagramElement();
    QUILL::ImmutableClassObject shown;
    if (last.isValid())
        shown = last.getRootDeviant();
    if (PropertyBrowserComponent* browser = propertyBrowser())
        browser->showElement(shown);
    blockParameters_->setEnabled(only && VTQUILL::ImmutableBlock(last).isValid());
    editActions_->refresh();
}

void StudioWindow::refreshState() {
    tabs_->refreshTitles();
    editActions_->refresh();
    const bool haveModel = activeModel() != nullptr;
    for (QAction* action : {fileActions_.save, fileActions_.saveAs, fileActions_.close})
        action->setEnabled(haveModel);
    fileActions_.exportPicture->setEnabled(activeEditor() != nullptr);
    updateTitle();
}

void StudioWindow::updateTitle() {
    const std::string& studioTitle = studio_->getStudioTitle();
    const DOVE2::Editor* editor = activeEditor();
    if (editor && !models_.find(editor->getRootDeviant())) {
        setWindowTitle(
            composeTitle(studioTitle, modelNameOf(editor->getRootDeviant()), editor->isDirty()));
        return;
    }
    const OpenModel* model = activeModel();
    const bool valid = model && model->root.isValid();
    setWindowTitle(composeTitle(studioTitle, valid ? model->name() : std::string(),
                                valid && model->isDirty()));
}

void StudioWindow::openSelectedBlockParameters() {
    DOVE2::Editor* editor = activeEditor();
    const PARR::GList<DOVE2::DiagramElement> selection =
        editor ? editor->getSelection() : PARR::GList<DOVE2::DiagramElement>();
    const VTQUILL::ImmutableBlock block =
        selection.empty() ? VTQUILL::ImmutableBlock() : VTQUILL::ImmutableBlock(selection.back());
    if (block.isValid())
        dialogs_->openParameterDialog(block.getFullPathName());
}

ROOK2::Canvas* StudioWindow::activeCanvas() const {
    const DOVE2::Editor* editor = activeEditor();
    return editor ? editor->getCanvas() : nullptr;
}

void StudioWindow::withActiveModel(bool (ModelFileController::*operation)(OpenModel&)) {
    if (OpenModel* model = activeModel())
        (files_.get()->*operation)(*model);
}

}  // namespace VantorStudio
