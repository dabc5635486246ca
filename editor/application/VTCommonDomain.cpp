#include "application/VTCommonDomain.h"

#include "application/VTCommonDomainInterface.h"
#include "dove2/Dove2Domain.h"

namespace Vantor {

VTCommonDomain* VTCommonDomain::get() {
    // Held once and never let go: the domain lives as long as the process.
    static VTCommonDomain* const domain = PARR::heldForever(new VTCommonDomain());
    return domain;
}

VTCommonDomain::~VTCommonDomain() = default;

HARBOR::Util::MenuInterface VTCommonDomain::getMenuInterface() {
    static const HARBOR::Util::MenuInterface menu("vtGetCommonInterface", "vtprivate");
    return menu;
}

PARR::Holder<HARBOR::AbstractDomainInterface> VTCommonDomain::createInterface(
    HARBOR::Studio* studio) const {
    return createDove2Interface(studio);
}

PARR::StringID VTCommonDomain::getName() const {
    static const PARR::StringID name("VTCommonDomain");
    return name;
}

PARR::StringID VTCommonDomain::getModelClassFullName() const {
    static const PARR::StringID name("VTQUILL.Model");
    return name;
}

DOVE2::GlyphFactory* VTCommonDomain::getGlyphFactory() const {
    return DOVE2::Dove2Domain::get()->getGlyphFactory();
}

void VTCommonDomain::initializeEdgeCreationRuleSet() {
    DOVE2::Dove2Domain::get()->initializeEdgeCreationRuleSet();
}

const boost::shared_ptr<DOVE2::GetIconBase>& VTCommonDomain::getIconController() const {
    return DOVE2::Dove2Domain::get()->getIconController();
}

const boost::shared_ptr<DOVE2::ElementDescriberBase>& VTCommonDomain::getElementDescriber() const {
    return DOVE2::Dove2Domain::get()->getElementDescriber();
}

boost::shared_ptr<DOVE2::GetChildrenBase> VTCommonDomain::getTreePopulator() {
    return DOVE2::Dove2Domain::get()->getTreePopulator();
}

void VTCommonDomain::installTools(DOVE2::Editor* editor) const {
    DOVE2::Dove2Domain::get()->installTools(editor);
}

PARR::Holder<DOVE2::Dove2DomainInterface> VTCommonDomain::createDove2Interface(
    HARBOR::Studio* studio) const {
    return PARR::makeHeld<VTCommonDomainInterface>(studio);
}

}  // namespace Vantor
