#include "dove2/Dove2Domain.h"

#include "dove2/DomainRegistry.h"
#include "dove2/Editor.h"
#include "dove2/GenericDomainInterface.h"
#include "dove2/explorer/ElementDescriberBase.h"
#include "dove2/explorer/GetChildrenBase.h"
#include "dove2/explorer/GetIconBase.h"
#include "dove2/tools/GenericTools.h"

#include <boost/make_shared.hpp>

namespace DOVE2 {

Dove2Domain* Dove2Domain::get() {
    // Held once and never let go: the generic domain lives as long as the process.
    static Dove2Domain* const domain = PARR::heldForever(new Dove2Domain());
    return domain;
}

AbstractDove2Domain* Dove2Domain::forModel(const QUILL::ImmutableModel& model) {
    // A model no domain registered for is served by the generic domain: the registry's error
    // for it is expected.
    PARR::ErrorHolder noDomain;
    AbstractDove2Domain* domain =
        DomainRegistry::instance().getStaticDomainForModel(model, noDomain);
    return domain ? domain : get();
}

Dove2Domain::Dove2Domain()
    : icons_(boost::make_shared<GetIconBase>()),
      describer_(boost::make_shared<ElementDescriberBase>()) {}

HARBOR::Util::MenuInterface Dove2Domain::getMenuInterface() {
    return HARBOR::Util::MenuInterface();
}

PARR::Holder<HARBOR::AbstractDomainInterface> Dove2Domain::createInterface(
    HARBOR::Studio* studio) const {
    return createDove2Interface(studio);
}

PARR::StringID Dove2Domain::getName() const {
    static const PARR::StringID name(kName);
    return name;
}

PARR::StringID Dove2Domain::getModelClassFullName() const {
    return PARR::StringID();
}

GlyphFactory* Dove2Domain::getGlyphFactory() const {
    return &glyphFactory_;
}

void Dove2Domain::initializeEdgeCreationRuleSet() {}

const boost::shared_ptr<GetIconBase>& Dove2Domain::getIconController() const {
    return icons_;
}

const boost::shared_ptr<ElementDescriberBase>& Dove2Domain::getElementDescriber() const {
    return describer_;
}

boost::shared_ptr<GetChildrenBase> Dove2Domain::getTreePopulator() {
    return boost::make_shared<GetChildrenBase>();
}

void Dove2Domain::installTools(Editor* editor) const {
    AbstractDove2Domain::installTools(editor);
    if (editor)
        installGenericTools(*editor);
}

PARR::Holder<Dove2DomainInterface> Dove2Domain::createDove2Interface(HARBOR::Studio* studio) const {
    return PARR::makeHeld<GenericDomainInterface>(studio);
}

}  // namespace DOVE2
