#pragma once

#include <map>
#include <string>

#include "application/Export.h"
#include "dove2/Diagram.h"
#include "dove2/EditorOpenType.h"
#include "dove2/StudioApp.h"
#include "quill/ClassObject.h"
#include "quill/Model.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// True for a block that opens as a diagram of its own: a state-chart block, or a subsystem
// that is neither masked nor block-configurable.
VANTOR_EXPORT bool isBlockAViewableSubsystem(const VTQUILL::ImmutableBlock& block);

// The studio application of the block-diagram domain, one per studio. It finds the diagram
// that shows a block, a state-chart object or a system path, remembers the association in
// two maps (diagram -> model, model object -> diagram) and opens it.
//
// Reference counted like every framework studio application; the studio holds it.
// User-interface thread only; the maps are not locked.
class VANTOR_EXPORT StudioApp : public DOVE2::StudioApp {
public:
    static constexpr const char* kYarrowTypeName = "VTQUILL.StudioApp";

    StudioApp();
    ~StudioApp() override;

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

    struct ByIdentity {
        bool operator()(const QUILL::ImmutableClassObject& a,
                        const QUILL::ImmutableClassObject& b) const {
            return a.getObjectId() < b.getObjectId();
        }
    };

    std::map<DOVE2::Diagram, QUILL::Model, ByIdentity> diagramModels;
    std::map<QUILL::ImmutableClassObject, DOVE2::Diagram, ByIdentity> objectDiagrams;
    DOVE2::EditorOpenType defaultOpenType = 0;
    DOVE2::EditorOpenType currentOpenType = 0;
    bool skipNextDiagramOpened = false;
};

}  // namespace Vantor
