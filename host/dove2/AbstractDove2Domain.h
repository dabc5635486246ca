#pragma once

#include <boost/shared_ptr.hpp>

#include "dove2/Dove2DomainInterface.h"
#include "harbor/AbstractDomain.h"
#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"

namespace HARBOR {
class Studio;
}

namespace DOVE2 {

class Editor;
class ElementDescriberBase;
class GetChildrenBase;
class GetIconBase;
class GlyphFactory;

// A diagram domain of the framework: one object per domain and process that answers questions
// of identity (HARBOR::AbstractDomain) and hands out the domain's shared services: the glyph
// factory, the model explorer's icon controller, element describer and tree populator, and
// the tools of an editor. Registered by name with DomainRegistry, which holds it.
//
// Reference counted (count starts at 0; held through PARR::Holder); the last reference calls
// destroy(), which deletes the object unless a subclass overrides it. A domain singleton that
// must never die is kept alive by the registry's holder for the life of the process.
//
// Virtual operations after those of HARBOR::AbstractDomain, in table order: getGlyphFactory,
// initializeEdgeCreationRuleSet, getIconController, getElementDescriber, getTreePopulator,
// installTools, createDove2Interface.
class AbstractDove2Domain : public HARBOR::AbstractDomain,
                            public PARR::ReferencedTemplate<unsigned int> {
public:
    ~AbstractDove2Domain() override;

    // The glyph factory of the domain's editors. The domain owns it; it lives at least as long
    // as the domain. Never null.
    virtual GlyphFactory* getGlyphFactory() const = 0;
    // Registers the domain's rules for drawing edges with the framework's edge-creation tool.
    virtual void initializeEdgeCreationRuleSet() = 0;
    // The model explorer's icon controller, shared by all callers; the reference stays valid
    // as long as the domain.
    virtual const boost::shared_ptr<GetIconBase>& getIconController() const = 0;
    // The model explorer's element describer, shared by all callers; valid as the domain.
    virtual const boost::shared_ptr<ElementDescriberBase>& getElementDescriber() const = 0;
    // A tree populator for the model explorer, owned by the shared pointer returned.
    virtual boost::shared_ptr<GetChildrenBase> getTreePopulator() = 0;
    // Gives `editor` the domain's tool constructors and default tools. The framework's own
    // installation adds nothing: a domain that overrides this calls it first and then installs
    // its tools. `editor` is not owned.
    virtual void installTools(Editor* editor) const;
    // A new interface of this domain for `studio`, typed as the framework's interface; held by
    // the caller alone.
    virtual PARR::Holder<Dove2DomainInterface> createDove2Interface(
        HARBOR::Studio* studio) const = 0;
};

}  // namespace DOVE2
