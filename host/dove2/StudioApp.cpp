#include "dove2/StudioApp.h"

#include <algorithm>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/Application.h"
#include "dove2/Dove2Domain.h"
#include "dove2/Dove2DomainInterface.h"
#include "dove2/Editor.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioFrameworkService.h"
#include "harbor/Studio.h"
#include "quill/ListenerBase.h"

namespace DOVE2 {

namespace {

QUILL::Deviant* rootOf(const QUILL::ImmutableModel& model) {
    return model.isValid() ? &model.getDeviant().getRootDeviant() : nullptr;
}

}  // namespace

// Hears the commits of one open model's root and keeps the model's application object.
class StudioApp::ModelWatch : public QUILL::ListenerBase {
public:
    ModelWatch(StudioApp& app, QUILL::Deviant& root) : app_(app), root_(root) {
        root_.registerModifierOnCommit(this);
    }
    ~ModelWatch() override {
        if (root_.isOpen())
            root_.unregisterModifierOnCommit(this);
    }
    void onCommit(const QUILL::ReportOfChanges<>& report) override {
        app_.handleRootCommit(report);
    }
    void onDeviantDestroyed(QUILL::Deviant&) override { application.reset(); }

    PARR::Holder<DOVE2::Application> application;

private:
    StudioApp& app_;
    QUILL::Deviant& root_;
};

StudioApp::StudioApp()
    : activeEditorChanged_(new HARBOR::StudioEventService<ActiveEditorChangedEvent>()),
      navigateUp_(new HARBOR::StudioEventService<NavigateUpRequest>()),
      transactionCompleted_(new HARBOR::StudioEventService<TransactionCompletedEvent>()),
      treeSelectionChanged_(new HARBOR::StudioEventService<TreeSelectionChangedEvent>()) {}

StudioApp::~StudioApp() {
    WREN::Listener::disconnect();
    models_.clear();
}

std::string StudioApp::getFullyQualifiedYarrowTypeName() const {
    return "DOVE2.StudioApp";
}

std::string StudioApp::getScriptingTypeName() const {
    return getFullyQualifiedYarrowTypeName();
}

void StudioApp::initialize(PARR::ErrorHolder& errors) {
    preInitialize();
    HARBOR::Application::initialize(errors);
    getStudioFrameworkService();
}

void StudioApp::terminate(PARR::ErrorHolder& errors) {
    HARBOR::Application::terminate(errors);
    models_.clear();
}

PARR::Holder<HARBOR::AbstractDomainInterface> StudioApp::getDefaultDomain(
    HARBOR::Studio* studio) const {
    return Dove2Domain::get()->createInterface(studio);
}

// --- Hooks ------------------------------------------------------------------------------------

void StudioApp::preInitialize() {}

PARR::Holder<StudioApp> StudioApp::spawnApplication() const {
    return PARR::makeHeld<StudioApp>();
}

namespace {

// The registered prototype. Like the other process-wide singletons it is never destroyed:
// a domain's application may reach other singletons from its destructor, and those may be
// gone while static objects are destroyed at exit.
PARR::Holder<StudioApp>& prototypeSlot() {
    static auto* prototype = new PARR::Holder<StudioApp>();
    return *prototype;
}

}  // namespace

PARR::Holder<StudioApp> StudioApp::spawnForNewStudio() {
    const PARR::Holder<StudioApp>& prototype = prototypeSlot();
    PARR::Holder<StudioApp> spawned = prototype ? prototype->spawnApplication() : nullptr;
    return spawned ? spawned : PARR::makeHeld<StudioApp>();
}

void StudioApp::setPrototype(const PARR::Holder<StudioApp>& prototype) {
    prototypeSlot() = prototype;
}

bool StudioApp::canThisDiagramBeOpened(const Diagram& diagram) const {
    return diagram.isValid();
}

QUILL::ClassObject StudioApp::createObjectOfType(const QUILL::Model& model,
                                                 const QUILL::Type& type) const {
    return QUILL::ClassObject::create(model, type, QUILL::ImmutableClassObject());
}

int StudioApp::getDefaultFilterMode() const {
    return 0;
}

QUILL::ImmutableClassObject StudioApp::getCurrentSelectedElement() const {
    return currentSelected_;
}

void StudioApp::setCurrentSelectedElement(const QUILL::ImmutableClassObject& element) {
    currentSelected_ = element;
}

EditorOpenType StudioApp::internalGetEditorOpenType() const {
    return openType_;
}

void StudioApp::internalSetEditorOpenType(EditorOpenType type) {
    openType_ = type;
}

void StudioApp::internalRestoreEditorOpenType() {
    openType_ = 0;
}

void StudioApp::onDiagramOpened(const Diagram&) {}

void StudioApp::onDiagramRemoved(const Diagram&) {}

void StudioApp::onTransactionCompleted(
    const QUILL::ReportOfChanges<QUILL::ImmutableClassObject, QUILL::TRUE_TYPE>& report) {
    transactionCompleted_->send(TransactionCompletedEvent(
        std::make_shared<const TransactionCompletedEvent::Report>(report)));
}

PARR::GList<Editor*> StudioApp::getEditorsToClose(PARR::GList<Editor*> editors) const {
    return editors;
}

PARR::GList<Editor*> StudioApp::getAllEditorsToClose(const PARR::GList<Editor*>& editors) const {
    return editors;
}

// --- Editors ----------------------------------------------------------------------------------

Editor* StudioApp::openEditor(const Diagram& diagram, PARR::ErrorHolder& errors) {
    if (!diagram.isValid() || !canThisDiagramBeOpened(diagram) || !getStudio()) {
        errors.setError(kCannotOpenDiagram, kCannotOpenDiagramCode,
                        {diagram.isValid() ? diagram.getFullName() : std::string()});
        return nullptr;
    }
    if (Editor* open = findEditor(diagram)) {
        setActiveEditor(open);
        return open;
    }
    const Diagram root(diagram.asDeviant(diagram.getRootModel().getRootDeviant()));
    if (!getApplicationForModel(root.getModelQUILL(), errors))
        return nullptr;
    const PARR::Holder<Dove2DomainInterface> domain =
        Dove2Domain::forModel(root.getModelQUILL())->createDove2Interface(getStudio());
    Editor* editor = domain ? domain->createEditor(root, root.getFullName(), errors) : nullptr;
    if (!editor)
        return nullptr;
    onDiagramOpened(root);
    setActiveEditor(editor);
    return editor;
}

Editor* StudioApp::createEditorOfType(HARBOR::Studio* studio, const Diagram& diagram,
                                      const PARR::StringID& typeName, std::string name,
                                      PARR::ErrorHolder& errors) {
    if (!studio)
        studio = getStudio();
    if (!studio || !diagram.isValid()) {
        errors.setError(kCannotOpenDiagram, kCannotOpenDiagramCode, {name});
        return nullptr;
    }
    HARBOR::StudioComponentBase* component = studio->createComponent(typeName, name, errors);
    if (!component)
        return nullptr;
    auto* editor = dynamic_cast<Editor*>(component);
    if (!editor) {
        studio->removeComponent(name);
        errors.setError(kNotAnEditor, kNotAnEditorCode, {typeName.str()});
        return nullptr;
    }
    editors_.emplace_back(editor);
    editor->setDiagram(diagram);
    PARR::ErrorHolder initializing;
    editor->initialize(initializing);
    if (!initializing.hasError())
        return editor;
    discardHalfMadeEditor(*studio, editor);
    errors.setError(*initializing.getError());
    return nullptr;
}

// An editor whose initialize failed is not shown: it leaves the open editors and the studio
// again. Its terminate may fail too; the caller needs the initialize error, not that one.
void StudioApp::discardHalfMadeEditor(HARBOR::Studio& studio, Editor* editor) {
    const PARR::Holder<Editor> keep(editor);
    editors_.erase(
        std::find_if(editors_.begin(), editors_.end(),
                     [editor](const PARR::Holder<Editor>& e) { return e.get() == editor; }));
    PARR::ErrorHolder terminating;
    editor->terminate(terminating);
    studio.removeComponent(editor->getName());
}

bool StudioApp::closeEditor(const Diagram& diagram, PARR::ErrorHolder& errors) {
    Editor* editor = findEditor(diagram);
    if (!editor) {
        errors.setError(kNoEditor, kNoEditorCode,
                        {diagram.isValid() ? diagram.getFullName() : std::string()});
        return false;
    }
    return closeEditor(editor, errors);
}

bool StudioApp::closeEditor(Editor* editor, PARR::ErrorHolder& errors) {
    const auto open = getAllEditors();
    if (!editor || std::find(open.begin(), open.end(), editor) == open.end())
        return false;
    closeEditors(getEditorsToClose(PARR::GList<Editor*>{editor}), errors);
    return true;
}

void StudioApp::closeAllEditors(PARR::ErrorHolder& errors) {
    closeEditors(getAllEditors(), errors);
}

void StudioApp::closeModel(const QUILL::ImmutableModel& model, PARR::ErrorHolder& errors) {
    QUILL::Deviant* root = rootOf(model);
    PARR::GList<Editor*> ofModel;
    for (Editor* editor : getAllEditors()) {
        if (rootOf(editor->getViewInstance()) == root)
            ofModel.append(editor);
    }
    std::vector<Diagram> diagrams;
    for (Editor* editor : ofModel)
        diagrams.emplace_back(editor->getDiagram().asDeviant(QUILL::ImmutableModel(root)));
    if (!ofModel.empty())
        closeEditors(getAllEditorsToClose(ofModel), errors);
    for (const Diagram& diagram : diagrams)
        onDiagramRemoved(diagram);
    forgetModel(root);
}

void StudioApp::closeEditors(const PARR::GList<Editor*>& editors, PARR::ErrorHolder& errors) {
    for (Editor* editor : editors)
        closeOne(editor, errors);
}

void StudioApp::closeOne(Editor* editor, PARR::ErrorHolder& errors) {
    auto it = std::find_if(editors_.begin(), editors_.end(),
                           [editor](const PARR::Holder<Editor>& e) { return e.get() == editor; });
    if (it == editors_.end())
        return;
    const PARR::Holder<Editor> keep = *it;
    editors_.erase(it);
    editor->terminate(errors);
    if (HARBOR::Studio* studio = editor->getStudio())
        studio->removeComponent(editor->getName());
    if (activeEditor_ == editor)
        setActiveEditor(editors_.empty() ? nullptr : editors_.back().get());
}

PARR::GList<Editor*> StudioApp::getAllEditors() const {
    PARR::GList<Editor*> all;
    for (const PARR::Holder<Editor>& editor : editors_)
        all.append(editor.get());
    return all;
}

Editor* StudioApp::findEditor(const QUILL::ImmutableClassObject& diagram) const {
    for (const PARR::Holder<Editor>& editor : editors_) {
        if (editor->getDiagram().getObjectId() == diagram.getObjectId() &&
            rootOf(editor->getViewInstance()) == rootOf(diagram.getModel()))
            return editor.get();
    }
    return nullptr;
}

void StudioApp::setActiveEditor(Editor* editor) {
    activeEditor_ = editor;
    if (HARBOR::Studio* studio = getStudio())
        studio->setActiveComponent(editor ? editor->getName() : std::string());
}

DOVE2::Application* StudioApp::getApplicationForModel(const QUILL::ImmutableModel& model,
                                                      PARR::ErrorHolder& errors) {
    QUILL::Deviant* root = rootOf(model);
    if (!root || !root->isOpen()) {
        errors.setError(kCannotOpenDiagram, kCannotOpenDiagramCode, {std::string()});
        return nullptr;
    }
    std::unique_ptr<ModelWatch>& watch = models_[root];
    if (!watch)
        watch = std::make_unique<ModelWatch>(*this, *root);
    if (!watch->application) {
        const PARR::Holder<Dove2DomainInterface> domain =
            Dove2Domain::forModel(model)->createDove2Interface(getStudio());
        if (domain)
            watch->application = domain->createApplication(QUILL::Model(&*root), errors);
    }
    return watch->application.get();
}

void StudioApp::handleRootCommit(const QUILL::ReportOfChanges<>& report) {
    onTransactionCompleted(report);
    std::vector<Editor*> orphaned;
    for (const QUILL::ImmutableClassObject& deleted : report.getDeleted()) {
        if (Editor* editor = findEditor(deleted))
            orphaned.push_back(editor);
    }
    for (Editor* editor : orphaned) {
        const Diagram gone(editor->getDiagram().getDeviant(), editor->getDiagram().getObjectId());
        PARR::ErrorHolder errors;
        closeEditors(getEditorsToClose(PARR::GList<Editor*>{editor}), errors);
        warnOfFailure("Closing the editor of a deleted diagram", errors);
        onDiagramRemoved(gone);
    }
}

void StudioApp::forgetModel(QUILL::Deviant* root) {
    models_.erase(root);
}

// --- Studio -----------------------------------------------------------------------------------

void StudioApp::setStudioTitle(const std::string& title) {
    if (HARBOR::Studio* studio = getStudio())
        studio->setStudioTitle(title);
}

void StudioApp::setStudioTitleBarIcon(const std::string& path) {
    if (HARBOR::Studio* studio = getStudio())
        studio->setStudioTitleBarIcon(path);
}

StudioFrameworkService* StudioApp::getStudioFrameworkService() const {
    HARBOR::Studio* studio = getStudio();
    if (!studio)
        return nullptr;
    // Before the first request the service is not registered: the lookup's error is expected.
    PARR::ErrorHolder notYetRegistered;
    if (auto* service =
            studio->getService<StudioFrameworkService>(kStudioFrameworkService, notYetRegistered))
        return service;
    PARR::Holder<StudioFrameworkService> service(new StudioFrameworkService(*studio));
    PARR::ErrorHolder errors;
    studio->registerService(kStudioFrameworkService, service, errors);
    return errors.hasError() ? nullptr : service.get();
}

}  // namespace DOVE2
