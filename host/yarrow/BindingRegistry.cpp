#include "yarrow/BindingRegistry.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace yarrow::factory::basic {

BindingRegistry& BindingRegistry::instance() {
    static auto* registry = new BindingRegistry;
    return *registry;
}

void BindingRegistry::announce(const std::string& name, full::Wrappable& object) {
    // Aliasing an empty owner: a usable pointer that keeps nothing alive.
    std::shared_ptr<void> unowned(std::shared_ptr<void>(), &object);
    add(Binding{name, object.getScriptingTypeName(), std::move(unowned), mostDerived(&object),
                &object});
}

void BindingRegistry::add(Binding binding) {
    if (binding.name.empty()) {
        throw std::invalid_argument("yarrow: a binding needs a name");
    }
    if (binding.identity == nullptr) {
        throw std::invalid_argument("yarrow: cannot announce a null object as \"" + binding.name +
                                    "\"");
    }
    if (binding.typeName.empty()) {
        binding.typeName = binding.name;
    }
    Binding replaced;  // released after the lock is let go
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = std::find_if(bindings_.begin(), bindings_.end(),
                              [&](const Binding& b) { return b.name == binding.name; });
    if (found == bindings_.end()) {
        bindings_.push_back(std::move(binding));
        return;
    }
    replaced = std::exchange(*found, std::move(binding));
}

template <class Predicate>
std::size_t BindingRegistry::removeWhere(Predicate matches) {
    std::vector<Binding> removed;  // released after the lock is let go
    {
        std::lock_guard<std::mutex> guard(mutex_);
        auto split = std::stable_partition(bindings_.begin(), bindings_.end(),
                                           [&](const Binding& b) { return !matches(b); });
        std::move(split, bindings_.end(), std::back_inserter(removed));
        bindings_.erase(split, bindings_.end());
    }
    return removed.size();
}

bool BindingRegistry::retract(const std::string& name) {
    return removeWhere([&](const Binding& b) { return b.name == name; }) > 0;
}

std::size_t BindingRegistry::retractIdentity(const void* identity) {
    return removeWhere([&](const Binding& b) { return b.identity == identity; });
}

std::size_t BindingRegistry::retractWrappable(const full::Wrappable* object) {
    return removeWhere([&](const Binding& b) { return b.wrappable == object; });
}

std::optional<BindingRegistry::Binding> BindingRegistry::lookup(const std::string& name) const {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = std::find_if(bindings_.begin(), bindings_.end(),
                              [&](const Binding& b) { return b.name == name; });
    if (found == bindings_.end()) {
        return std::nullopt;
    }
    return *found;
}

std::vector<BindingRegistry::Binding> BindingRegistry::announced() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return bindings_;
}

}  // namespace yarrow::factory::basic
