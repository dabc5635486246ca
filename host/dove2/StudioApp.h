#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "dove2/ActiveEditorChangedEvent.h"
#include "dove2/Diagram.h"
#include "dove2/EditorOpenType.h"
#include "dove2/NavigateUpRequest.h"
#include "dove2/TransactionCompletedEvent.h"
#include "dove2/TreeSelectionChangedEvent.h"
#include "harbor/Application.h"
#include "harbor/StudioEventService.h"
#include "parr/ErrorHolder.h"
#include "parr/GList.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "quill/ClassObject.h"
#include "quill/Model.h"
#include "wren/Listener.h"
#include "yarrow/Wrappable.h"

namespace DOVE2 {

class Application;
class Editor;
class StudioFrameworkService;

// The framework's studio application: one per studio, held by the studio (HARBOR::Studio::
// setApp). It opens and closes the editors of diagrams, knows the active editor, keeps one
// DOVE2::Application per open model, and hears every committed root transaction of those
// models (onTransactionCompleted, then the transaction-completed event service).
//
// A domain's application derives from it and overrides the hooks (canThisDiagramBeOpened,
// onDiagramOpened, onDiagramRemoved, onTransactionCompleted, getEditorsToClose,
// getAllEditorsToClose, the editor-open-type hooks). Reference counted (count starts at 0).
// User-interface thread only.
class StudioApp : public HARBOR::Application,
                  public WREN::Listener,
                  public yarrow::factory::full::Wrappable {
public:
    // Error of openEditor when the diagram is empty or not to be opened; argument: the
    // diagram's full name.
    static constexpr const char* kCannotOpenDiagram = "DOVE2_CannotOpenDiagram";
    static constexpr std::uint32_t kCannotOpenDiagramCode = 0x6E0020;
    // Error of closeEditor when no editor shows the diagram; argument: its full name.
    static constexpr const char* kNoEditor = "DOVE2_NoEditor";
    static constexpr std::uint32_t kNoEditorCode = 0x6E0021;
    // Error of createEditorOfType when the component made is not an editor; argument: the
    // type name.
    static constexpr const char* kNotAnEditor = "DOVE2_NotAnEditor";
    static constexpr std::uint32_t kNotAnEditorCode = 0x6E0022;
    // The name of the studio service of the framework's window layout.
    static constexpr const char* kStudioFrameworkService = "DOVE2:StudioFrameworkService";

    StudioApp();
    ~StudioApp() override;

    std::string getFullyQualifiedYarrowTypeName() const override;
    std::string getScriptingTypeName() const override;
    // Registers the studio framework service with the studio (once).
    void initialize(PARR::ErrorHolder& errors) override;
    // Closes nothing by itself; drops the applications of the models and stops listening.
    void terminate(PARR::ErrorHolder& errors) override;
    // A new interface of the generic domain.
    PARR::Holder<HARBOR::AbstractDomainInterface> getDefaultDomain(
        HARBOR::Studio* studio) const override;

    // --- Hooks of a domain's application ----------------------------------------------------
    virtual void preInitialize();
    // A new application of the same class, not yet in a studio, held by the caller alone.
    virtual PARR::Holder<StudioApp> spawnApplication() const;
    // The application a new studio gets: spawned from the registered prototype, a plain
    // StudioApp when none is registered or the prototype spawns nothing. A domain whose studios
    // need its own application registers one prototype of it (setPrototype; a later registration
    // replaces it, null removes it). User-interface thread.
    static PARR::Holder<StudioApp> spawnForNewStudio();
    static void setPrototype(const PARR::Holder<StudioApp>& prototype);
    // Whether `diagram` may be opened in this studio; the base answers true for a valid one.
    virtual bool canThisDiagramBeOpened(const Diagram& diagram) const;
    // A new object of `type` in `model` (free, in a transaction the caller opened); the base
    // makes it with QUILL::ClassObject::create.
    virtual QUILL::ClassObject createObjectOfType(const QUILL::Model& model,
                                                  const QUILL::Type& type) const;
    // The model explorer's filter mode when a studio starts; the base answers 0.
    virtual int getDefaultFilterMode() const;
    virtual QUILL::ImmutableClassObject getCurrentSelectedElement() const;
    virtual void setCurrentSelectedElement(const QUILL::ImmutableClassObject& element);
    virtual EditorOpenType internalGetEditorOpenType() const;
    virtual void internalSetEditorOpenType(EditorOpenType type);
    virtual void internalRestoreEditorOpenType();
    // Told after an editor for `diagram` was opened (a new one; not when an open editor was
    // only brought to the front).
    virtual void onDiagramOpened(const Diagram& diagram);
    // Told when `diagram` left the studio: its object was deleted or its model closed.
    virtual void onDiagramRemoved(const Diagram& diagram);
    // Told of each committed transaction on the root of a model open in the studio; the base
    // sends the report through the transaction-completed event service.
    virtual void onTransactionCompleted(
        const QUILL::ReportOfChanges<QUILL::ImmutableClassObject, QUILL::TRUE_TYPE>& report);
    // The editors to close when `editors` are closed; the base answers `editors`.
    virtual PARR::GList<Editor*> getEditorsToClose(PARR::GList<Editor*> editors) const;
    // The editors to close when `editors` are closed together (closing a model); the base
    // answers `editors`.
    virtual PARR::GList<Editor*> getAllEditorsToClose(const PARR::GList<Editor*>& editors) const;

    // --- Editors ----------------------------------------------------------------------------
    // Opens `diagram` in an editor, or brings its open editor to the front, and makes it the
    // active editor. The editor is made by the diagram model's domain (DomainRegistry), named
    // after the diagram's full name. Null with an error when it cannot be opened.
    Editor* openEditor(const Diagram& diagram, PARR::ErrorHolder& errors);
    // Closes the editor of `diagram` and those getEditorsToClose adds. False with kNoEditor
    // when no editor shows it.
    bool closeEditor(const Diagram& diagram, PARR::ErrorHolder& errors);
    // Closes `editor` (and those getEditorsToClose adds); false when it is not open here.
    bool closeEditor(Editor* editor, PARR::ErrorHolder& errors);
    // Closes every editor of the studio.
    void closeAllEditors(PARR::ErrorHolder& errors);
    // Closes every editor of `model` (getAllEditorsToClose decides which others go too),
    // forgets the model's application and tells onDiagramRemoved of each diagram of the
    // model that was open.
    void closeModel(const QUILL::ImmutableModel& model, PARR::ErrorHolder& errors);
    // The open editors, in the order they were opened.
    PARR::GList<Editor*> getAllEditors() const;
    // The editor showing `diagram` (by identity), or null.
    Editor* findEditor(const QUILL::ImmutableClassObject& diagram) const;
    Editor* getActiveEditor() const { return activeEditor_; }
    // Makes `editor` (one of the open editors, or null) the active one; sends nothing.
    void setActiveEditor(Editor* editor);
    // Makes a component of `typeName` named `name` in `studio`, which must be an editor: sets
    // its diagram, initializes it and adds it to the studio and the open editors. Null with
    // an error when it cannot be made; an editor whose initialize fails is terminated and
    // taken out of the studio again, and its initialize error is the one reported.
    Editor* createEditorOfType(HARBOR::Studio* studio, const Diagram& diagram,
                               const PARR::StringID& typeName, std::string name,
                               PARR::ErrorHolder& errors);
    // The application object of `model` (made by its domain on first request); null with an
    // error when no domain serves the model.
    DOVE2::Application* getApplicationForModel(const QUILL::ImmutableModel& model,
                                               PARR::ErrorHolder& errors);

    // --- Editor open type -------------------------------------------------------------------
    EditorOpenType getEditorOpenType() const { return internalGetEditorOpenType(); }
    void setEditorOpenType(EditorOpenType type) { internalSetEditorOpenType(type); }
    void restoreEditorOpenType() { internalRestoreEditorOpenType(); }

    // --- Studio -----------------------------------------------------------------------------
    void setStudioTitle(const std::string& title);
    void setStudioTitleBarIcon(const std::string& path);
    // Null before the application is in a studio and initialized.
    StudioFrameworkService* getStudioFrameworkService() const;

    // --- Event services ---------------------------------------------------------------------
    HARBOR::StudioEventService<ActiveEditorChangedEvent>& getActiveEditorChangedEventService() {
        return *activeEditorChanged_;
    }
    HARBOR::StudioEventService<NavigateUpRequest>& getNavigateUpRequestService() {
        return *navigateUp_;
    }
    HARBOR::StudioEventService<TransactionCompletedEvent>& getTransactionCompletedEventService() {
        return *transactionCompleted_;
    }
    HARBOR::StudioEventService<TreeSelectionChangedEvent>& getTreeSelectionChangedEventService() {
        return *treeSelectionChanged_;
    }

private:
    class ModelWatch;

    void closeEditors(const PARR::GList<Editor*>& editors, PARR::ErrorHolder& errors);
    void closeOne(Editor* editor, PARR::ErrorHolder& errors);
    void discardHalfMadeEditor(HARBOR::Studio& studio, Editor* editor);
    void watchModel(const QUILL::ImmutableModel& root);
    void handleRootCommit(const QUILL::ReportOfChanges<>& report);
    void forgetModel(QUILL::Deviant* root);

    std::vector<PARR::Holder<Editor>> editors_;
    Editor* activeEditor_ = nullptr;
    EditorOpenType openType_ = 0;
    QUILL::ImmutableClassObject currentSelected_;
    std::unordered_map<QUILL::Deviant*, std::unique_ptr<ModelWatch>> models_;
    PARR::Holder<HARBOR::StudioEventService<ActiveEditorChangedEvent>> activeEditorChanged_;
    PARR::Holder<HARBOR::StudioEventService<NavigateUpRequest>> navigateUp_;
    PARR::Holder<HARBOR::StudioEventService<TransactionCompletedEvent>> transactionCompleted_;
    PARR::Holder<HARBOR::StudioEventService<TreeSelectionChangedEvent>> treeSelectionChanged_;
};

}  // namespace DOVE2
