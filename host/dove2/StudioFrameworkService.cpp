#include "dove2/StudioFrameworkService.h"

#include "harbor/Studio.h"
#include "harbor/StudioComponentBase.h"

namespace DOVE2 {

namespace {

std::vector<HARBOR::StudioComponentBase*> documentsOf(const HARBOR::Studio& studio) {
    std::vector<HARBOR::StudioComponentBase*> documents;
    for (HARBOR::StudioComponentBase* component : studio.getComponents()) {
        if (component->isDocument())
            documents.push_back(component);
    }
    return documents;
}

}  // namespace

PARR::GSet<HARBOR::StudioComponentBase*> StudioFrameworkService::getComponentsOfTab(
    int index, PARR::ErrorHolder& errors) const {
    const std::vector<HARBOR::StudioComponentBase*> documents = documentsOf(studio_);
    PARR::GSet<HARBOR::StudioComponentBase*> components;
    if (index < 0 || index >= static_cast<int>(documents.size())) {
        errors.setError(kNoSuchTab, kNoSuchTabCode, {std::to_string(index)});
        return components;
    }
    components.insert(documents[static_cast<std::size_t>(index)]);
    return components;
}

int StudioFrameworkService::tabCount() const {
    return static_cast<int>(documentsOf(studio_).size());
}

HARBOR::StudioComponentBase* StudioFrameworkService::createComponent(
    const PARR::StringID& typeName, const std::string& name, PARR::ErrorHolder& errors) const {
    HARBOR::StudioComponentBase* component = studio_.createComponent(typeName, name, errors);
    if (component)
        component->initialize(errors);
    return component;
}

}  // namespace DOVE2
