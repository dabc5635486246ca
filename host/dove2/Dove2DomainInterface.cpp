#include "dove2/Dove2DomainInterface.h"

#include <utility>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/AbstractDove2DomainImpl.h"

namespace DOVE2 {

Dove2DomainInterface::Dove2DomainInterface(HARBOR::Studio* studio)
    : HARBOR::AbstractDomainInterface(studio) {}

Dove2DomainInterface::~Dove2DomainInterface() = default;

std::string Dove2DomainInterface::getFullyQualifiedYarrowTypeName() const {
    return "DOVE2.Dove2DomainInterface";
}

HARBOR::AbstractDomain* Dove2DomainInterface::getDomain() const {
    return getDove2Domain();
}

GlyphFactory* Dove2DomainInterface::getGlyphFactory() const {
    return getDove2Domain()->getGlyphFactory();
}

void Dove2DomainInterface::initializeEdgeCreationRuleSet() {
    getDove2Domain()->initializeEdgeCreationRuleSet();
}

const boost::shared_ptr<GetIconBase>& Dove2DomainInterface::getIconController() const {
    return getDove2Domain()->getIconController();
}

const boost::shared_ptr<ElementDescriberBase>& Dove2DomainInterface::getElementDescriber() const {
    return getDove2Domain()->getElementDescriber();
}

boost::shared_ptr<GetChildrenBase> Dove2DomainInterface::getTreePopulator() {
    return getDove2Domain()->getTreePopulator();
}

PARR::Holder<Application> Dove2DomainInterface::createApplication(const QUILL::Model& model,
                                                                  PARR::ErrorHolder& errors) {
    AbstractDove2DomainImpl* impl = getDove2DomainImpl();
    if (!impl) {
        reportNoDomainImpl(errors);
        return {};
    }
    return impl->createApplication(model, errors);
}

Editor* Dove2DomainInterface::createEditor(const Diagram& diagram, std::string name,
                                           PARR::ErrorHolder& errors) {
    AbstractDove2DomainImpl* impl = getDove2DomainImpl();
    if (!impl) {
        reportNoDomainImpl(errors);
        return nullptr;
    }
    return impl->createEditor(diagram, std::move(name), errors);
}

void Dove2DomainInterface::installTools(Editor* editor) const {
    getDove2Domain()->installTools(editor);
}

std::string Dove2DomainInterface::getScriptingTypeName() const {
    return getFullyQualifiedYarrowTypeName();
}

void Dove2DomainInterface::reportNoDomainImpl(PARR::ErrorHolder& errors) const {
    errors.setError(kNoDomainImpl, kNoDomainImplCode, {getName().str()},
                    {"dove2/Dove2DomainInterface", __LINE__});
}

}  // namespace DOVE2
