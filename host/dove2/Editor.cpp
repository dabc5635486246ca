#include "dove2/Editor.h"

#include <QApplication>
#include <unordered_set>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/Dove2Domain.h"
#include "dove2/Dove2DomainInterface.h"
#include "dove2/GlyphFactory.h"
#include "dove2/Graphics.h"
#include "dove2/StudioApp.h"
#include "dove2/UndoHistory.h"
#include "dove2/UndoHistoryTarget.h"
#include "harbor/Studio.h"
#include "rook2/BaseToolConstructor.h"
#include "rook2/Node.h"
#include "rook2/Scene.h"
#include "rook2/Tool.h"
#include "tessel/Diagnostics.h"

namespace DOVE2 {

namespace {

bool isOpenInstance(const QUILL::ImmutableModel& model) {
    return model.isValid() && model.getDeviant().isOpen();
}

}  // namespace

Editor::Editor(HARBOR::Studio* studio, const std::string& name)
    : HARBOR::StudioComponentBase(studio, name), scene_(std::make_unique<ROOK2::Scene>()) {}

Editor::~Editor() {
    WREN::Listener::disconnect();
    releaseDiagram();
    scene_->getToolStack().clearToolStack();
    delete canvas_.data();
}

std::string Editor::staticGetTypeName() {
    return "DOVE2:Editor";
}

std::string Editor::getTypeName() const {
    return staticGetTypeName();
}

std::string Editor::getDisplayTitle() const {
    return diagram_.isValid() ? diagram_.getName() : getName();
}

std::string Editor::getFullyQualifiedYarrowTypeName() const {
    return "DOVE2.Editor";
}

std::string Editor::getScriptingTypeName() const {
    return getFullyQualifiedYarrowTypeName();
}

QWidget* Editor::getWidget() const {
    return getCanvas();
}

ROOK2::Canvas* Editor::getCanvas() const {
    if (!canvas_ && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        canvas_ = new ROOK2::Canvas();
        canvas_->setScene(scene_.get());
    }
    return canvas_.data();
}

void Editor::initialize(PARR::ErrorHolder& errors) {
    HARBOR::StudioComponentBase::initialize(errors);
}

void Editor::terminate(PARR::ErrorHolder& errors) {
    scene_->getToolStack().clearToolStack();
    dropPreviews();
    HARBOR::StudioComponentBase::terminate(errors);
}

// --- Diagram ----------------------------------------------------------------------------------

void Editor::setDiagram(const Diagram& diagram) {
    releaseDiagram();
    if (!diagram.isValid())
        return;
    const QUILL::Model root = diagram.getRootModel().getRootDeviant();
    viewInstance_ = root.createWorkingCopy();
    diagram_ = Diagram(diagram.asDeviant(viewInstance_));
    graphics_ = std::make_unique<Graphics>(*scene_, diagram_,
                                           *Dove2Domain::forModel(root)->getGlyphFactory(), this);
    undo_ = std::make_unique<UndoHistoryTarget>(UndoHistory::forModel(root), viewInstance_);
    undo_->setFailureReporter([this](const std::string& what, const PARR::ErrorHolder& errors) {
        reportFailure(errors, what);
    });
    diagramSet_.emit(diagram_);
}

void Editor::releaseDiagram() {
    scene_->clearSelection();
    graphics_.reset();
    undo_.reset();
    if (isOpenInstance(viewInstance_) && !viewInstance_.getDeviant().inTransaction())
        viewInstance_.getDeviant().close();
    viewInstance_ = QUILL::Model();
    diagram_ = Diagram();
}

QUILL::Model Editor::getRootDeviant() const {
    return isOpenInstance(viewInstance_) ? viewInstance_.getRootDeviant() : QUILL::Model();
}

StudioApp* Editor::getStudioApp() const {
    HARBOR::Studio* studio = getStudio();
    return studio ? dynamic_cast<StudioApp*>(studio->getApp()) : nullptr;
}

Dove2DomainInterface* Editor::getDove2DomainInterface() const {
    return dynamic_cast<Dove2DomainInterface*>(getDomain());
}

Application* Editor::getApplication() const {
    StudioApp* app = getStudioApp();
    // Fails only for a closed model or a domain without application objects; both answer
    // null, which every caller takes as "no application".
    PARR::ErrorHolder noApplication;
    return app && diagram_.isValid() ? app->getApplicationForModel(viewInstance_, noApplication)
                                     : nullptr;
}

AbstractDove2Domain* Editor::getStaticDomain() const {
    return diagram_.isValid() ? Dove2Domain::forModel(viewInstance_) : nullptr;
}

// --- Selection --------------------------------------------------------------------------------

PARR::GList<DiagramElement> Editor::getSelection() const {
    PARR::GList<DiagramElement> selection;
    if (!graphics_)
        return selection;
    std::unordered_set<QUILL::ObjectId> listed;
    for (ROOK2::Node* node : scene_->getSelection()) {
        PARR::Holder<Glyph> glyph = graphics_->getGlyph(node);
        if (!glyph)
            continue;
        const DiagramElement element(glyph->diagramElement().asDeviant(viewInstance_));
        if (element.isValid() && listed.insert(element.getObjectId()).second)
            selection.append(element);
    }
    return selection;
}

DiagramElement Editor::lastSelected(bool* only) const {
    if (only)
        *only = false;
    if (!graphics_)
        return DiagramElement();
    const std::vector<ROOK2::Node*>& nodes = scene_->getSelection();
    const auto elementOf = [&](ROOK2::Node* node) {
        const PARR::Holder<Glyph> glyph = graphics_->getGlyph(node);
        return glyph ? DiagramElement(glyph->diagramElement().asDeviant(viewInstance_))
                     : DiagramElement();
    };
    DiagramElement last;
    for (auto it = nodes.rbegin(); it != nodes.rend() && !last.isValid(); ++it)
        last = elementOf(*it);
    if (!last.isValid() || !only)
        return last;
    *only = true;
    for (ROOK2::Node* node : nodes) {
        const DiagramElement element = elementOf(node);
        if (element.isValid() && element.getObjectId() != last.getObjectId()) {
            *only = false;
            break;
        }
    }
    return last;
}

bool Editor::select(const QUILL::ImmutableClassObject& element, bool extend) {
    PARR::Holder<Glyph> glyph = graphics_ ? graphics_->getGlyph(element) : PARR::Holder<Glyph>();
    PARR::Holder<ROOK2::Node> root = glyph ? glyph->getRoot() : PARR::Holder<ROOK2::Node>();
    if (!root || !glyph->isSelectable())
        return false;
    if (!extend)
        scene_->clearSelection();
    root->setSelected(true);
    return true;
}

void Editor::selectAll() {
    if (diagram_.isValid())
        selectAllInside(diagram_);
}

// What the user can click lies at any depth of containment (a line holds the segments that are
// drawn and clicked, not the line itself), so the walk goes as deep as the glyphs do: through
// every diagram element, never into a nested diagram (Graphics::populate).
void Editor::selectAllInside(const QUILL::ImmutableClassObject& container) {
    for (const QUILL::ImmutableClassObject& child : container.getContained()) {
        if (!ImmutableDiagramElement(child).isValid())
            continue;
        select(child, true);
        selectAllInside(child);
    }
}

void Editor::clearSelection() {
    scene_->clearSelection();
}

// --- Tools ------------------------------------------------------------------------------------

void Editor::addToolConstructor(const PARR::Holder<ROOK2::BaseToolConstructor>& constructor) {
    scene_->addToolConstructor(constructor);
}

ROOK2::Tool* Editor::addToolByRole(const PARR::StringID& role) {
    return scene_->addToolByRole(role);
}

ROOK2::Tool* Editor::addTool(const PARR::Holder<ROOK2::Tool>& tool, const PARR::StringID& role) {
    return scene_->getToolStack().addTool(tool, role);
}

bool Editor::delegateToTool(const PARR::StringID& role, ROOK2::Event& event) {
    ROOK2::Tool* tool = getToolByRole(role);
    if (!tool)
        return false;
    if (auto* mouse = dynamic_cast<ROOK2::MouseEvent*>(&event)) {
        switch (mouse->type()) {
            case ROOK2::MouseEvent::Press:
                tool->handleMousePressEvent(*mouse);
                break;
            case ROOK2::MouseEvent::Release:
                tool->handleMouseReleaseEvent(*mouse);
                break;
            case ROOK2::MouseEvent::DoubleClick:
                tool->handleMouseDoubleClickEvent(*mouse);
                break;
            case ROOK2::MouseEvent::Move:
                tool->handleMouseMoveEvent(*mouse);
                break;
        }
        return true;
    }
    if (auto* key = dynamic_cast<ROOK2::KeyEvent*>(&event)) {
        if (key->type() == ROOK2::KeyEvent::Press)
            tool->handleKeyPressEvent(*key);
        else
            tool->handleKeyReleaseEvent(*key);
        return true;
    }
    return false;
}

PARR::StringID Editor::getUniqueToolRoleBasedOn(const PARR::StringID& base) const {
    if (!getToolByRole(base))
        return base;
    for (int n = 1;; ++n) {
        PARR::StringID candidate(base.str() + std::to_string(n));
        if (!getToolByRole(candidate))
            return candidate;
    }
}

bool Editor::hasTool(const ROOK2::Tool* tool) const {
    return scene_->getToolStack().hasTool(tool);
}

bool Editor::removeTool(const ROOK2::Tool* tool) {
    return scene_->getToolStack().removeTool(tool);
}

bool Editor::removeToolByRole(const PARR::StringID& role) {
    return scene_->getToolStack().removeToolByRole(role);
}

ROOK2::Tool* Editor::getToolByRole(const PARR::StringID& role) const {
    return scene_->getToolByRole(role);
}

PARR::StringID Editor::getRoleByTool(const ROOK2::Tool* tool) const {
    return scene_->getToolStack().getRoleByTool(tool);
}

void Editor::clearToolStack() {
    scene_->getToolStack().clearToolStack();
}

std::vector<PARR::GLWidget2*> Editor::getPaletteObjects() const {
    return {};
}

// --- Commands and undo ------------------------------------------------------------------------

bool Editor::processCommand(const PARR::Holder<Command>& command) {
    // A failed command is told to the command-error emitter by the variant below.
    PARR::ErrorHolder errors;
    return processCommand(command, errors);
}

bool Editor::processCommand(const PARR::Holder<Command>& command, PARR::ErrorHolder& errors) {
    if (!command) {
        errors.setError(kCommandFailed, kCommandFailedCode, {std::string()});
        return false;
    }
    if (!undo_) {
        errors.setError(kCommandFailed, kCommandFailedCode, {command->shortDescription()});
        reportFailure(errors, command->shortDescription());
        return false;
    }
    if (undo_->processCommand(command, errors))
        return true;
    if (!errors.hasError())
        errors.setError(kCommandFailed, kCommandFailedCode, {command->shortDescription()});
    reportFailure(errors, command->shortDescription());
    return false;
}

void Editor::dropPreviews() {
    if (undo_)
        undo_->dropPreviews();
}

void Editor::reportFailure(const PARR::ErrorHolder& errors, const std::string& what) {
    const std::string text = what.empty() ? errors.message() : what + ": " + errors.message();
    TESSEL::Diagnostics::print(text + "\n");
    commandErrors_.emit(text);
}

bool Editor::isDirty() const {
    return undo_ && undo_->isDirty();
}

bool Editor::canUndo() const {
    return undo_ && undo_->canUndo();
}

bool Editor::canRedo() const {
    return undo_ && undo_->canRedo();
}

void Editor::undo() {
    if (undo_)
        undo_->undo();
}

void Editor::redo() {
    if (undo_)
        undo_->redo();
}

std::string Editor::undoText() const {
    return undo_ ? undo_->undoText() : std::string();
}

std::string Editor::redoText() const {
    return undo_ ? undo_->redoText() : std::string();
}

void Editor::setClean() {
    if (undo_ && undo_->getHistory())
        undo_->getHistory()->setClean();
}

}  // namespace DOVE2
