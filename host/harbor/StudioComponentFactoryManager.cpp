#include "harbor/StudioComponentFactoryManager.h"

#include "harbor/StudioComponentBase.h"

namespace HARBOR {

StudioComponentFactoryManager& StudioComponentFactoryManager::instance() {
    static StudioComponentFactoryManager* manager = new StudioComponentFactoryManager();
    return *manager;
}

PARR::Holder<StudioComponentBase> StudioComponentFactoryManager::createComponent(
    const PARR::StringID& typeName, Studio* studio, const std::string& name,
    PARR::ErrorHolder& errors) const {
    const PARR::Holder<StudioComponentFactory> factory = getObject(typeName, errors);
    if (!factory)
        return {};
    PARR::Holder<StudioComponentBase> component = factory->create(studio, name);
    if (!component)
        errors.setError(kComponentNotCreated, kComponentNotCreatedCode, {typeName.str(), name});
    return component;
}

PARR::StringID StudioComponentFactoryManager::keyOf(const StudioComponentFactory& factory) const {
    return PARR::StringID(factory.getTypeName());
}

}  // namespace HARBOR
