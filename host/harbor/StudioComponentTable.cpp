#include "harbor/StudioComponentTable.h"

#include <utility>

namespace HARBOR {

bool StudioComponentTable::add(PARR::Holder<StudioComponentBase> component) {
    if (!component)
        return false;
    const std::string name = component->getName();
    return components_.insert(name, std::move(component));
}

StudioComponentBase* StudioComponentTable::find(const std::string& name) const {
    const PARR::Holder<StudioComponentBase>* found = components_.find(name);
    return found ? found->get() : nullptr;
}

PARR::Holder<StudioComponentBase> StudioComponentTable::remove(const std::string& name) {
    PARR::Holder<StudioComponentBase> taken = components_.value(name);
    components_.remove(name);
    return taken;
}

PARR::GList<StudioComponentBase*> StudioComponentTable::all() const {
    PARR::GList<StudioComponentBase*> out;
    out.reserve(components_.size());
    for (const auto& [name, component] : components_)
        out.append(component.get());
    return out;
}

}  // namespace HARBOR
