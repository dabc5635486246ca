#pragma once

#include <memory>

#include "parr/ReferencedTemplate.h"

namespace HARBOR {

class AbstractDomainImpl;
class Studio;

// Makes a studio's implementation of one domain. Registered in a studio's domain factory
// (Studio::getDomainFactory) under the domain's key; the studio calls create() once, on the
// first getDomainImpl of that key. Reference counted (count starts at 0); the factory holds
// its creators through PARR::Holder. PARR::RegisteredClassCreator<T> is the usual one.
class ClassCreator : public PARR::ReferencedTemplate<unsigned int> {
public:
    ~ClassCreator() override;

    // A new implementation serving `studio`, owned by the caller; null when none can be made.
    virtual std::unique_ptr<AbstractDomainImpl> create(Studio* studio) const = 0;
};

}  // namespace HARBOR
