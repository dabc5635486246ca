#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <utility>

#include "parr/ErrorHolder.h"
#include "parr/GHash.h"
#include "parr/GList.h"
#include "parr/Holder.h"
#include "parr/StringID.h"

namespace HARBOR {

// A process-wide table of reference-counted objects by key, each registered once. The key of
// an object is what the derived registry's keyOf answers for it (a factory's type name). The
// registry holds a reference to every registered object until it is unregistered or the
// registry goes. Thread-safe: any thread may register and look up at any time; keyOf is
// called under the registry's lock and must not call back into the registry.
template <class T>
class GenericRegistry {
public:
    // Error raised for a null object; no arguments.
    static constexpr const char* kNullObject = "HARBOR_RegistryNullObject";
    static constexpr std::uint32_t kNullObjectCode = 0x710101;
    // Error raised for a key registered already; argument: the key.
    static constexpr const char* kDuplicateKey = "HARBOR_RegistryDuplicateKey";
    static constexpr std::uint32_t kDuplicateKeyCode = 0x710102;
    // Error raised for a key nothing is registered under; argument: the key.
    static constexpr const char* kUnknownKey = "HARBOR_RegistryUnknownKey";
    static constexpr std::uint32_t kUnknownKeyCode = 0x710103;

    GenericRegistry() = default;
    GenericRegistry(const GenericRegistry&) = delete;
    GenericRegistry& operator=(const GenericRegistry&) = delete;
    virtual ~GenericRegistry() = default;

    // Registers `object` under its key and returns true. Refused, returning false with an error
    // in `errors` and the registry unchanged: a null object, or a key registered already (the
    // first object stays).
    bool registerObject(PARR::Holder<T> object, PARR::ErrorHolder& errors) {
        if (!object) {
            errors.setError(kNullObject, kNullObjectCode);
            return false;
        }
        std::unique_lock lock(mutex_);
        const PARR::StringID key = keyOf(*object);
        if (objects_.contains(key)) {
            errors.setError(kDuplicateKey, kDuplicateKeyCode, {key.str()});
            return false;
        }
        objects_.insert(key, std::move(object));
        return true;
    }

    // Removes the object under `key`, letting go of the registry's reference. False when
    // nothing was registered under it.
    bool unregisterObject(const PARR::StringID& key) {
        std::unique_lock lock(mutex_);
        return objects_.remove(key);
    }

    // The object under `key`; a null Holder and an error in `errors` when there is none.
    PARR::Holder<T> getObject(const PARR::StringID& key, PARR::ErrorHolder& errors) const {
        PARR::Holder<T> found = findObject(key);
        if (!found)
            errors.setError(kUnknownKey, kUnknownKeyCode, {key.str()});
        return found;
    }
    // The object under `key`, or a null Holder; reports nothing.
    PARR::Holder<T> findObject(const PARR::StringID& key) const {
        std::shared_lock lock(mutex_);
        return objects_.value(key);
    }

    bool contains(const PARR::StringID& key) const {
        std::shared_lock lock(mutex_);
        return objects_.contains(key);
    }
    // The registered keys, in registration order.
    PARR::GList<PARR::StringID> keys() const {
        std::shared_lock lock(mutex_);
        return objects_.keys();
    }
    std::size_t size() const {
        std::shared_lock lock(mutex_);
        return objects_.size();
    }

protected:
    // The key `object` is registered under.
    virtual PARR::StringID keyOf(const T& object) const = 0;

private:
    mutable std::shared_mutex mutex_;
    PARR::GHash<PARR::StringID, PARR::Holder<T>> objects_;
};

}  // namespace HARBOR
