#pragma once

#include <concepts>

#include "harbor/AbstractDomainImpl.h"
#include "harbor/ClassCreator.h"
#include "harbor/Studio.h"
#include "parr/Holder.h"
#include "parr/StringID.h"

namespace PARR {

// The class creator of a domain implementation T: given the studio, create() returns a new
// T(studio), which the caller (the studio) owns. Registered in a studio's domain factory under
// the domain's key.
template <class T>
requires std::derived_from<T, HARBOR::AbstractDomainImpl> &&
    std::constructible_from<T, HARBOR::Studio*>
class RegisteredClassCreator : public HARBOR::ClassCreator {
public:
    HARBOR::AbstractDomainImpl* create(HARBOR::Studio* studio) const override {
        return new T(studio);
    }

    // Registers a new creator of T under `key` in the domain factory of `studio` unless some
    // creator is registered there already. True when this call registered one.
    static bool registerOnce(HARBOR::Studio& studio, const StringID& key) {
        return studio.registerDomainCreator(
            key, Holder<HARBOR::ClassCreator>(new RegisteredClassCreator<T>()));
    }
};

}  // namespace PARR
