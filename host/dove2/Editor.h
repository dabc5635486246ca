#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "dove2/Command.h"
#include "dove2/Diagram.h"
#include "dove2/DiagramElement.h"
#include "harbor/StudioComponentBase.h"
#include "parr/ErrorHolder.h"
#include "parr/GLWidget2.h"
#include "parr/GList.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "parr/UndoRedoCommandTarget.h"
#include "quill/Model.h"
#include "rook2/Canvas.h"
#include "wren/Emitter.h"
#include "wren/Listener.h"
#include "yarrow/Wrappable.h"

namespace ROOK2 {
class BaseToolConstructor;
class Event;
class Node;
class Scene;
class Tool;
}  // namespace ROOK2

namespace DOVE2 {

class AbstractDove2Domain;
class Application;
class Dove2DomainInterface;
class Graphics;
class StudioApp;
class UndoHistoryTarget;

// The editor of one diagram in a studio: a studio component holding the diagram's scene, the
// graphics that keep one glyph per element of the diagram in the scene, the canvas that shows
// the scene, the editor's tools and the model's undo history.
//
// The diagram is shown through a view instance: a working copy of the diagram's model, made
// when the diagram is set and closed with the editor. getDiagram() is the diagram bound to
// it, so tools preview their gestures in it and the glyphs follow; at rest it holds no
// changes and shows the root. Commands run on the root (processCommand); the undo history is
// the model's, shared by every editor of the model, and the editor is its
// UndoRedoCommandTarget.
//
// Life: made by the component factory of its type (StudioApp::createEditorOfType), which sets
// the diagram and calls initialize; the studio holds it (reference counted, count starts at
// 0); terminate before it goes. User-interface thread only.
class Editor : public HARBOR::StudioComponentBase,
               public PARR::UndoRedoCommandTarget,
               public WREN::Listener,
               public yarrow::factory::full::Wrappable {
public:
    // The message identifier of a command failure shown to the user when the command gave no
    // error of its own (argument: the command's description).
    static constexpr const char* kCommandFailed = "DOVE2_CommandFailed";
    static constexpr std::uint32_t kCommandFailedCode = 0x6E0010;

    Editor(HARBOR::Studio* studio, const std::string& name);
    ~Editor() override;

    // The type name of the framework's own editor, "DOVE2:Editor".
    static std::string staticGetTypeName();
    std::string getTypeName() const override;
    // The diagram's name.
    std::string getDisplayTitle() const override;
    std::string getFullyQualifiedYarrowTypeName() const override;
    std::string getScriptingTypeName() const override;
    bool isDocument() const override { return true; }
    // The canvas (made on first request; null without a Qt application).
    QWidget* getWidget() const override;
    PARR::UndoRedoCommandTarget* getUndoRedoTarget() override { return this; }

    void initialize(PARR::ErrorHolder& errors) override;
    // Drops the tools and any preview; the editor shows nothing afterwards.
    void terminate(PARR::ErrorHolder& errors) override;

    // --- Diagram ----------------------------------------------------------------------------
    // Shows `diagram` (a handle in any instance of its model): makes the view instance, the
    // graphics with the glyph factory of the model's domain (the generic one when no domain
    // claims the model) and binds the undo history; tells the diagram-set emitter. A diagram
    // set before is let go (its view instance closed).
    void setDiagram(const Diagram& diagram);
    // The diagram bound to the view instance; empty before a diagram is set.
    const Diagram& getDiagram() const { return diagram_; }
    // The view instance (the diagram's getRootModel()).
    const QUILL::Model& getViewInstance() const { return viewInstance_; }
    // The root of the diagram's model, where commands run.
    QUILL::Model getRootDeviant() const;
    // Told of each diagram set, with the diagram bound to the view instance.
    WREN::Emitter<Diagram>& getDiagramSetEmitter() { return diagramSet_; }

    // --- Scene, graphics, canvas ------------------------------------------------------------
    ROOK2::Scene* getScene() const { return scene_.get(); }
    // Null before a diagram is set.
    Graphics* getGraphics() const { return graphics_.get(); }
    // The canvas showing the scene, made on first request; null when no Qt application runs.
    ROOK2::Canvas* getCanvas() const;
    // The studio's application as a framework studio application; null when it is not one.
    StudioApp* getStudioApp() const;
    // The editor's domain interface as a framework one; null when none is set.
    Dove2DomainInterface* getDove2DomainInterface() const;
    // The application object of the diagram's model in this studio (made on first request);
    // null before a diagram is set or when the studio has no framework application.
    Application* getApplication() const;
    // The domain serving the diagram's model (the generic domain when none claims it); null
    // before a diagram is set.
    AbstractDove2Domain* getStaticDomain() const;

    // --- Selection --------------------------------------------------------------------------
    // The elements whose glyphs are selected, in the order they were selected, bound to the
    // view instance.
    PARR::GList<DiagramElement> getSelection() const;
    // The element selected last, bound to the view instance (an empty handle when nothing is
    // selected), and in `only` whether no other element is selected. Costs a few nodes of the
    // selection where getSelection lists all of it: for what menus ask after each change.
    DiagramElement lastSelected(bool* only = nullptr) const;
    // Selects the glyph of `element` (extending the selection when `extend`, else replacing
    // it); false when the element has no selectable glyph.
    bool select(const QUILL::ImmutableClassObject& element, bool extend = false);
    // Adds to the selection every selectable glyph of the diagram's elements at any depth of
    // containment (the elements the graphics show: a line's segments as well as the blocks,
    // nothing inside a nested diagram), containers before what they hold.
    void selectAll();
    void clearSelection();

    // --- Tools ------------------------------------------------------------------------------
    void addToolConstructor(const PARR::Holder<ROOK2::BaseToolConstructor>& constructor);
    // Makes a tool with the constructor of `role` and pushes it on the tool stack; null when
    // no constructor has that role.
    ROOK2::Tool* addToolByRole(const PARR::StringID& role);
    ROOK2::Tool* addTool(const PARR::Holder<ROOK2::Tool>& tool, const PARR::StringID& role = {});
    // Hands `event` to the tool of `role`, as if it were the current tool; false when there is
    // no such tool.
    bool delegateToTool(const PARR::StringID& role, ROOK2::Event& event);
    // `base` when no tool has that role, else `base` followed by the first free number.
    PARR::StringID getUniqueToolRoleBasedOn(const PARR::StringID& base) const;
    bool hasTool(const ROOK2::Tool* tool) const;
    bool removeTool(const ROOK2::Tool* tool);
    bool removeToolByRole(const PARR::StringID& role);
    ROOK2::Tool* getToolByRole(const PARR::StringID& role) const;
    PARR::StringID getRoleByTool(const ROOK2::Tool* tool) const;
    void clearToolStack();

    // --- Palette ----------------------------------------------------------------------------
    // The framework's palette buttons; the caller owns the widgets. The framework's own
    // palette is empty.
    virtual std::vector<PARR::GLWidget2*> getPaletteObjects() const;

    // --- Commands and undo ------------------------------------------------------------------
    // Drops the previews, runs `command` in a transaction on its model (the root) and records
    // it on the model's undo history. A command that reports an error or throws is rolled
    // back, not recorded, and its error is told to getCommandErrorEmitter() (and put into
    // `errors`). False when it was not recorded.
    bool processCommand(const PARR::Holder<Command>& command, PARR::ErrorHolder& errors);
    bool processCommand(const PARR::Holder<Command>& command);
    // Drops any preview in the view instance.
    void dropPreviews();
    // Told of each failed command, edit or undo, with the text shown to the user.
    WREN::Emitter<std::string>& getCommandErrorEmitter() { return commandErrors_; }

    bool isDirty() const override;
    bool canUndo() const override;
    bool canRedo() const override;
    void undo() override;
    void redo() override;
    std::string undoText() const override;
    std::string redoText() const override;
    // Marks the model's current state as saved.
    void setClean();
    // Null before a diagram is set.
    UndoHistoryTarget* getUndoHistoryTarget() const { return undo_.get(); }

private:
    void releaseDiagram();
    void selectAllInside(const QUILL::ImmutableClassObject& container);
    void reportFailure(const PARR::ErrorHolder& errors, const std::string& what);

    Diagram diagram_;
    QUILL::Model viewInstance_;
    std::unique_ptr<ROOK2::Scene> scene_;
    std::unique_ptr<Graphics> graphics_;
    std::unique_ptr<UndoHistoryTarget> undo_;
    // The canvas belongs to the editor until a window takes it as a child; either way it is
    // gone when the editor is.
    mutable QPointer<ROOK2::Canvas> canvas_;
    WREN::Emitter<Diagram> diagramSet_;
    WREN::Emitter<std::string> commandErrors_;
};

}  // namespace DOVE2
