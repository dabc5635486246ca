#include "dove2/DomainRegistry.h"

#include <string>

namespace DOVE2 {

namespace {

constexpr const char* kSource = "dove2/DomainRegistry";

// The qualified class name of the model's model object; empty for an invalid model.
std::string modelClassName(const QUILL::ImmutableModel& model) {
    if (!model.isValid())
        return {};
    return model.getModelObject().getMetaClass().getQualifiedName();
}

}  // namespace

DomainRegistry& DomainRegistry::instance() {
    // Never destroyed: domains may be asked for while other singletons shut down.
    static DomainRegistry* const registry = new DomainRegistry();
    return *registry;
}

bool DomainRegistry::registerDomain(const PARR::Holder<AbstractDove2Domain>& domain,
                                    PARR::ErrorHolder& errors) {
    if (!domain) {
        errors.setError(kNullDomain, kNullDomainCode, {}, {kSource, __LINE__});
        return false;
    }
    const PARR::StringID name = domain->getName();
    if (!domains_.insert(name, domain)) {
        errors.setError(kDuplicateDomain, kDuplicateDomainCode, {name.str()}, {kSource, __LINE__});
        return false;
    }
    return true;
}

AbstractDove2Domain* DomainRegistry::getStaticDomain(const PARR::StringID& name,
                                                     PARR::ErrorHolder& errors) const {
    const PARR::Holder<AbstractDove2Domain>* found = domains_.find(name);
    if (!found) {
        errors.setError(kUnknownDomain, kUnknownDomainCode, {name.str()}, {kSource, __LINE__});
        return nullptr;
    }
    return found->get();
}

AbstractDove2Domain* DomainRegistry::getStaticDomainForModel(const QUILL::ImmutableModel& model,
                                                             PARR::ErrorHolder& errors) const {
    const std::string className = modelClassName(model);
    AbstractDove2Domain* domain = className.empty() ? nullptr : findByModelClass(className);
    if (!domain)
        errors.setError(kNoDomainForModel, kNoDomainForModelCode, {className}, {kSource, __LINE__});
    return domain;
}

PARR::GList<AbstractDove2Domain*> DomainRegistry::getDomains() const {
    PARR::GList<AbstractDove2Domain*> out;
    for (const auto& [name, domain] : domains_)
        out.append(domain.get());
    return out;
}

AbstractDove2Domain* DomainRegistry::findByModelClass(const PARR::StringID& modelClass) const {
    for (const auto& [name, domain] : domains_) {
        if (domain->getModelClassFullName() == modelClass)
            return domain.get();
    }
    return nullptr;
}

}  // namespace DOVE2
