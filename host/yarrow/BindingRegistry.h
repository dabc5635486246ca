#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "yarrow/Wrappable.h"

namespace yarrow::factory::basic {

// The objects published to the scripting environment. Each binding has a name under which
// scripts find the object, the object's scripting type name (such as "VTQUILL.VTDomain"), and
// the object itself as a type-erased pointer.
//
// Ownership: `announce` with a shared pointer shares ownership of the object until the binding
// is retracted; `announce` with a Wrappable reference does not own it, and the Wrappable's
// destructor retracts it. Bindings are kept in announcement order.
//
// A process-wide singleton (`instance`), made on first use and never destroyed. Thread-safe;
// objects whose binding is dropped are released after the registry's lock is let go, so their
// destructors may use the registry.
class BindingRegistry {
public:
    struct Binding {
        std::string name;
        std::string typeName;
        // The object as announced: a T* for announce(name, shared_ptr<T>), the Wrappable* for
        // announce(name, wrappable); read it back as that type. Its owner is empty for a
        // non-owning binding.
        std::shared_ptr<void> object;
        const void* identity = nullptr;              // the most derived object's address
        const full::Wrappable* wrappable = nullptr;  // the object as a Wrappable, when it is one
    };

    static BindingRegistry& instance();

    BindingRegistry(const BindingRegistry&) = delete;
    BindingRegistry& operator=(const BindingRegistry&) = delete;

    // Publishes `object` under `name` with scripting type `typeName` (the name itself when
    // empty), sharing its ownership. A binding already published under `name` is replaced in
    // place. Throws std::invalid_argument for a null object or an empty name.
    template <class T>
    void announce(const std::string& name, std::shared_ptr<T> object, std::string typeName = {}) {
        const T* raw = object.get();
        add(Binding{name, typeName, std::static_pointer_cast<void>(std::move(object)),
                    mostDerived(raw), asWrappable(raw)});
    }

    // Publishes a Wrappable without owning it; the type name is its getScriptingTypeName(), or
    // `name` when that is empty. Throws std::invalid_argument for an empty name.
    void announce(const std::string& name, full::Wrappable& object);

    // Withdraws the binding published under `name`; false when there was none.
    bool retract(const std::string& name);
    bool retract(const char* name) { return retract(std::string(name)); }

    // Withdraws every binding of `object` (compared as the same most derived object); returns
    // how many were withdrawn.
    template <class T>
    std::size_t retract(const T* object) {
        return retractIdentity(mostDerived(object));
    }

    // The binding published under `name`, or nothing.
    std::optional<Binding> lookup(const std::string& name) const;

    // The object published under `name` as a T, or null when there is none. The caller vouches
    // that T is the published type.
    template <class T>
    std::shared_ptr<T> lookupAs(const std::string& name) const {
        auto found = lookup(name);
        return found ? std::static_pointer_cast<T>(found->object) : nullptr;
    }

    // Every binding, in announcement order.
    std::vector<Binding> announced() const;

    // Withdraws every binding of a Wrappable; called by its destructor.
    std::size_t retractWrappable(const full::Wrappable* object);

private:
    BindingRegistry() = default;

    template <class T>
    static const void* mostDerived(const T* object) {
        if constexpr (std::is_polymorphic_v<T>) {
            return dynamic_cast<const void*>(object);
        } else {
            return static_cast<const void*>(object);
        }
    }

    template <class T>
    static const full::Wrappable* asWrappable(const T* object) {
        if constexpr (std::is_base_of_v<full::Wrappable, T>) {
            return static_cast<const full::Wrappable*>(object);
        } else if constexpr (std::is_polymorphic_v<T>) {
            return dynamic_cast<const full::Wrappable*>(object);
        } else {
            return nullptr;
        }
    }

    void add(Binding binding);
    std::size_t retractIdentity(const void* identity);
    template <class Predicate>
    std::size_t removeWhere(Predicate matches);

    mutable std::mutex mutex_;
    std::vector<Binding> bindings_;
};

}  // namespace yarrow::factory::basic
