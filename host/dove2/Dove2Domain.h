#pragma once

#include <boost/shared_ptr.hpp>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/GlyphFactory.h"

namespace DOVE2 {

// The framework's generic diagram domain: the generic glyphs, the generic tools (selection,
// move, resize, delete, edge creation), and the model explorer's generic describer, icon
// controller and tree populator. It serves every model that no registered domain claims
// (StudioApp falls back to it), so a model opens and can be selected, moved, resized and
// deleted without a domain of its own; domains that keep the generic services delegate to it.
//
// One instance per process (get()), never destroyed; it is not in the DomainRegistry, so it
// never claims a model class.
class Dove2Domain : public AbstractDove2Domain {
public:
    static constexpr const char* kName = "Dove2Domain";

    static Dove2Domain* get();
    // The domain serving `model`: the registered domain of its class, else the generic one.
    // Never null.
    static AbstractDove2Domain* forModel(const QUILL::ImmutableModel& model);

    HARBOR::Util::MenuInterface getMenuInterface() override;
    PARR::Holder<HARBOR::AbstractDomainInterface> createInterface(
        HARBOR::Studio* studio) const override;
    // "Dove2Domain".
    PARR::StringID getName() const override;
    // Empty: the generic domain is not bound to a model class.
    PARR::StringID getModelClassFullName() const override;
    GlyphFactory* getGlyphFactory() const override;
    void initializeEdgeCreationRuleSet() override;
    const boost::shared_ptr<GetIconBase>& getIconController() const override;
    const boost::shared_ptr<ElementDescriberBase>& getElementDescriber() const override;
    boost::shared_ptr<GetChildrenBase> getTreePopulator() override;
    // The framework's installation, then the generic tools; the selection, edge-creation and
    // delete tools are made at once.
    void installTools(Editor* editor) const override;
    PARR::Holder<Dove2DomainInterface> createDove2Interface(HARBOR::Studio* studio) const override;

protected:
    Dove2Domain();

private:
    mutable GlyphFactory glyphFactory_;
    boost::shared_ptr<GetIconBase> icons_;
    boost::shared_ptr<ElementDescriberBase> describer_;
};

}  // namespace DOVE2
