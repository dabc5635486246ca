#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "dove2/AbstractDove2Domain.h"
#include "harbor/MenuInterface.h"

namespace Vantor {

// The studio's default domain: every studio of the block-diagram editor gets an interface of
// it from its studio application. It makes no applications and no editors; every service it
// is asked for comes from the framework's generic domain (DOVE2::Dove2Domain::get()). Its
// interface class is the base of the diagram domain's interface, so every diagram-domain
// interface also carries the studio's common implementation. Not registered with the
// framework's domain registry.
//
// One instance per process, made on the first get() and never destroyed.
class VANTOR_EXPORT VTCommonDomain : public DOVE2::AbstractDove2Domain {
public:
    static VTCommonDomain* get();
    ~VTCommonDomain() override;

    // "vtGetCommonInterface" in "vtprivate".
    HARBOR::Util::MenuInterface getMenuInterface() override;
    // A new VTCommonDomainInterface for `studio`, held by the caller alone.
    PARR::Holder<HARBOR::AbstractDomainInterface> createInterface(
        HARBOR::Studio* studio) const override;
    // "VTCommonDomain".
    PARR::StringID getName() const override;
    // "VTQUILL.Model".
    PARR::StringID getModelClassFullName() const override;
    DOVE2::GlyphFactory* getGlyphFactory() const override;
    void initializeEdgeCreationRuleSet() override;
    const boost::shared_ptr<DOVE2::GetIconBase>& getIconController() const override;
    const boost::shared_ptr<DOVE2::ElementDescriberBase>& getElementDescriber() const override;
    boost::shared_ptr<DOVE2::GetChildrenBase> getTreePopulator() override;
    void installTools(DOVE2::Editor* editor) const override;
    PARR::Holder<DOVE2::Dove2DomainInterface> createDove2Interface(
        HARBOR::Studio* studio) const override;

protected:
    VTCommonDomain() = default;
};

}  // namespace Vantor
