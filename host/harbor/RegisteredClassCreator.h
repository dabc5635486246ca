#pragma once

#include <concepts>
#include <memory>

#include "harbor/AbstractDomainImpl.h"
#include "harbor/ClassCreator.h"
#include "harbor/Studio.h"
#include "parr/Holder.h"
#include "parr/StringID.h"

namespace PARR {

// The class creator of a domain implementation T: given the studio, create() returns a new
// T(studio), owned by the caller (the studio). Registered in a studio's domain factory under
// the domain's key.
template <class T>
requires std::derived_from<T, HARBOR::AbstractDomainImpl> &&
    std::constructible_from<T, HARBOR::Studio*>
class RegisteredClassCreator : public HARBOR::ClassCreator {
public:
    std::unique_ptr<HARBOR::AbstractDomainImpl> create(HARBOR::Studio* studio) const override {
        return std::make_unique<T>(studio);
    }

    // Registers a new creator of T under `key` in the domain factory of `studio` unless some
    // creator is registered there already. True when this call registered one.
    static bool registerOnce(HARBOR::Studio& studio, const StringID& key) {
        return studio.registerDomainCreator(key, makeHeld<RegisteredClassCreator<T>>());
    }
};

}  // namespace PARR
