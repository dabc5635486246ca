#pragma once

#include <map>
#include <set>
#include <string>

#include "application/Export.h"
#include "dove2/Diagram.h"
#include "dove2/EditorOpenType.h"
#include "dove2/NavigateUpRequest.h"
#include "dove2/StudioApp.h"
#include "dove2/TreeSelectionChangedEvent.h"
#include "harbor/IntRequest.h"
#include "quill/ClassObject.h"
#include "quill/Model.h"
#include "studio/DiagramNameIndex.h"
#include "studio/ObjectIdentityOrder.h"
#include "vtquill/VTQuill.h"
#include "wren/Connection.h"

namespace Vantor {

// True for a block that opens as a diagram of its own: a state-chart block, or a subsystem
// that is neither masked nor block-configurable.
VANTOR_EXPORT bool isBlockAViewableSubsystem(const VTQUILL::ImmutableBlock& block);

// The studio application of the block-diagram domain, one per studio. It finds the diagram
// that shows a block, a state-chart object or a system path, remembers the association in
// two maps (diagram -> model, model object -> diagram) and opens it. It sets up its studio
// (title, icon, the model explorer's delegate), keeps the maps in step with opened and
// removed diagrams and committed transactions, says which editors close with a closed one,
// and follows the studio's tree selections, navigate-up requests and tab focus changes.
//
// Reference counted like every framework studio application; the studio holds it.
// User-interface thread only; the maps are not locked.
class VANTOR_EXPORT StudioApp : public DOVE2::StudioApp {
public:
    static constexpr const char* kYarrowTypeName = "VTQUILL.StudioApp";

    StudioApp();
    ~StudioApp() override;

    // Titles the studio "Vantor Studio", hides its property browser, gives its model
    // explorer ("DOVE2 tree component") a TreeControlDelegate, sets the title-bar icon and
    // connects the three studio signals on the "TESSEL" thread. A missing model explorer or
    // tab-focus service is reported in `errors`; the rest is set up all the same.
    void initialize(PARR::ErrorHolder& errors) override;
    // Cuts the three connections, forgets both maps and closes the studio's editors.
    void terminate(PARR::ErrorHolder& errors) override;

    std::string getFullyQualifiedYarrowTypeName() const override;
    // A new StudioApp in the initial state, held by the caller alone.
    PARR::Holder<DOVE2::StudioApp> spawnApplication() const override;
    // A new interface of the common domain for `studio`, held by the caller alone.
    PARR::Holder<HARBOR::AbstractDomainInterface> getDefaultDomain(
        HARBOR::Studio* studio) const override;
    // True when the domain of the diagram's model is "VTDomain" or "CXDomain".
    bool canThisDiagramBeOpened(const DOVE2::Diagram& diagram) const override;

    DOVE2::EditorOpenType internalGetEditorOpenType() const override;
    void internalSetEditorOpenType(DOVE2::EditorOpenType type) override;
    void internalRestoreEditorOpenType() override;

    // The known diagram whose full name equals `path` (line feeds compared as spaces), or an
    // empty diagram.
    DOVE2::Diagram getDiagram(const std::string& path) const;
    // The diagram registered for `object`, or an empty diagram.
    DOVE2::Diagram getDiagram(const QUILL::ImmutableClassObject& object) const;
    // The first object (in identity order) registered for `diagram`, or an empty handle.
    QUILL::ImmutableClassObject getNode(const DOVE2::Diagram& diagram) const;
    // The diagram showing `block` (under its mask when `underMask`), found in the maps or
    // obtained and then registered for the block; an empty diagram when it has none. A
    // state-chart block's diagram comes from the state-chart side only: "cxprivate" called
    // with "is_cx_chart_block" and the block's full path answers a logical true and a struct
    // whose fields "diagram" and "model" wrap a std::shared_ptr<DOVE2::Diagram> as
    // "DOVE2.Diagram" and a std::shared_ptr<QUILL::Model> as "QUILL.Model". Other blocks are
    // looked up in the back end when they are viewable subsystems, or masked and `underMask`.
    DOVE2::Diagram block2Diagram(const VTQUILL::Block& block, bool underMask);
    // The diagram showing the state-chart object `object`, found in the maps or obtained
    // from the state-chart side and then registered; an empty diagram when it has none.
    // "cxprivate" is called with "get_diagram_for_cx_quill_obj" and the object wrapped as a
    // std::shared_ptr<QUILL::ImmutableClassObject> under its scripting type name; it answers
    // an empty value or the struct described at block2Diagram.
    DOVE2::Diagram cxObj2Diagram(const QUILL::ImmutableClassObject& object);
    // The top-level diagram of `path`, found or looked up in the back end and registered
    // under its own object; an empty diagram when there is none.
    DOVE2::Diagram createTopLevelDiagram(const std::string& path);
    // Opens the diagram of `block`, respectively of the state-chart object; nothing when it
    // has none. When the studio refuses to open it, the user is told by the warning
    // "Vantor:OpenFailed". Open type 2 lasts for one opening.
    void openBlock(const VTQUILL::Block& block, bool underMask);
    void openCXState(const QUILL::ClassObject& object);

    // --- Framework notifications ------------------------------------------------------------
    // Registers a diagram the framework opened (of the block-diagram or state-chart domain)
    // under its own object unless it is known under an object already; once skipped right
    // after this application's own openings (they register what they open).
    void onDiagramOpened(const DOVE2::Diagram& diagram) override;
    // Forgets the diagram in both maps.
    void onDiagramRemoved(const DOVE2::Diagram& diagram) override;
    // Forgets objects and diagrams the commit deleted, learns diagrams it created. Costs
    // O(objects in the report), whatever the size of the model.
    void onTransactionCompleted(const QUILL::ReportOfChanges<QUILL::ImmutableClassObject,
                                                             QUILL::TRUE_TYPE>& report) override;
    // `editors` unchanged.
    PARR::GList<DOVE2::Editor*> getEditorsToClose(
        PARR::GList<DOVE2::Editor*> editors) const override;
    // Every open editor that goes with one of `editors`: those of the same model when a
    // model's editor closes (root name equal to its name), the editor itself, and those whose
    // path continues its path by whole names (closing m/a closes m/a/b, not m/ab). In the
    // order met, each once.
    PARR::GList<DOVE2::Editor*> getAllEditorsToClose(
        const PARR::GList<DOVE2::Editor*>& editors) const override;

    // --- Studio signals (delivered on "TESSEL") ---------------------------------------------
    // A user selection (kind 0) in the model explorer opens the diagram of the last selected
    // object: a diagram itself, a block's diagram (never under a mask), a chart object's.
    void handleTreeSelectionChanged(DOVE2::TreeSelectionChangedEvent event);
    // Opens the known diagram above the one being left; nothing for a top-level diagram or
    // when the diagram above was never opened or looked up.
    void handleNavigateUpRequest(DOVE2::NavigateUpRequest request);
    // Makes the editor of the focused tab the active editor and announces the change.
    void handleTabFocusChanged(HARBOR::Util::IntRequest request);

protected:
    // Registers `diagram` as showing `object` (both maps) and returns it; a registration of
    // the diagram under its own object gives way. An invalid diagram is not registered: the
    // answer is an empty diagram.
    DOVE2::Diagram registerDiagram(const DOVE2::Diagram& diagram,
                                   const QUILL::ImmutableClassObject& object);
    // Adds (diagram, its model) to diagramModels unless the diagram is there already.
    void rememberModel(const DOVE2::Diagram& diagram);
    // Opens `diagram` when valid (a refusal becomes a warning), then ends a one-time open
    // type 2.
    void openDiagram(const DOVE2::Diagram& diagram);
    // openDiagram for a diagram this application registered itself: the framework's
    // onDiagramOpened for it is skipped.
    void openRegisteredDiagram(const DOVE2::Diagram& diagram);
    // Adds (object -> diagram) to objectDiagrams unless `object` is a key already.
    void mapObject(const QUILL::ImmutableClassObject& object, const DOVE2::Diagram& diagram);
    // Erases the entry of `object` from objectDiagrams; nothing when it has none.
    void unmapObject(const QUILL::ImmutableClassObject& object);
    // Forgets `diagram` in both maps (and the name index).
    void removeDiagram(const DOVE2::Diagram& diagram);
    // Forgets the entry of `object` in objectDiagrams, and its diagram in diagramModels.
    void forgetObject(const QUILL::ImmutableClassObject& object);
    // The diagram the tree's selected `object` stands for; an empty diagram for none.
    DOVE2::Diagram diagramOfTreeNode(const QUILL::ClassObject& object);

    std::map<DOVE2::Diagram, QUILL::Model, ObjectIdentityOrder> diagramModels;
    std::map<QUILL::ImmutableClassObject, DOVE2::Diagram, ObjectIdentityOrder> objectDiagrams;
    DOVE2::EditorOpenType defaultOpenType = 0;
    DOVE2::EditorOpenType currentOpenType = 0;
    bool skipNextDiagramOpened = false;

private:
    void connectStudioSignals(PARR::ErrorHolder& errors);
    void installTreeDelegate(PARR::ErrorHolder& errors);

    // objectDiagrams read backwards: the keys of each diagram (by its id), so that getNode and
    // forgetting a diagram cost O(log n), not a walk of the map.
    std::map<QUILL::ObjectId, std::set<QUILL::ImmutableClassObject, ObjectIdentityOrder>>
        objectsShownBy;
    // The known diagrams by full name; lists diagramModels' keys when rebuilt.
    DiagramNameIndex diagramsByName;
    WREN::Connection treeSelectionConnection;
    WREN::Connection navigateUpConnection;
    WREN::Connection tabFocusConnection;
};

}  // namespace Vantor
