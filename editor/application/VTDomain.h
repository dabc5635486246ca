#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "dove2/AbstractDove2Domain.h"
#include "harbor/MenuInterface.h"

namespace Vantor {

// The block-diagram domain: one object per process that answers questions of identity
// ("VTDomain", models of class "VTQUILL.Model") and hands out the shared services of its
// editors: the glyph factory, the model explorer's services and the editors' tools.
// Registered with the framework's domain registry at start-up (initialize_vt_editor).
//
// Made on the first get() and never destroyed: get() keeps one reference for the life of
// the process, so the registry's holder never deletes it.
class VANTOR_EXPORT VTDomain : public DOVE2::AbstractDove2Domain {
public:
    static VTDomain* get();
    ~VTDomain() override;

    // "vtGetVantorInterface" in "vtprivate"; built once, copied out.
    HARBOR::Util::MenuInterface getMenuInterface() override;
    // A new VTDomainInterface for `studio`, held by the caller alone.
    PARR::Holder<HARBOR::AbstractDomainInterface> createInterface(
        HARBOR::Studio* studio) const override;
    // "VTDomain", interned once.
    PARR::StringID getName() const override;
    // "VTQUILL.Model".
    PARR::StringID getModelClassFullName() const override;
    // The module's glyph factory, made on first call and kept for the life of the process.
    DOVE2::GlyphFactory* getGlyphFactory() const override;
    // Nothing: segments are drawn by the module's own tool, which checks connections itself.
    void initializeEdgeCreationRuleSet() override;
    // The model explorer's icon controller, element describer and tree populator.
    const boost::shared_ptr<DOVE2::GetIconBase>& getIconController() const override;
    const boost::shared_ptr<DOVE2::ElementDescriberBase>& getElementDescriber() const override;
    boost::shared_ptr<DOVE2::GetChildrenBase> getTreePopulator() override;
    // The framework's installation, then the editor's seven tool constructors, then the
    // selection, edge-creation and delete tools made at once (a tool that cannot be made is
    // an internal assertion failure ": tool,").
    void installTools(DOVE2::Editor* editor) const override;
    PARR::Holder<DOVE2::Dove2DomainInterface> createDove2Interface(
        HARBOR::Studio* studio) const override;

protected:
    VTDomain() = default;
};

}  // namespace Vantor
