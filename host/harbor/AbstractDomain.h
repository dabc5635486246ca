#pragma once

#include "harbor/AbstractDomainInterface.h"
#include "harbor/MenuInterface.h"
#include "parr/Holder.h"
#include "parr/StringID.h"

namespace HARBOR {

class Studio;

// A kind of model the studio can work with (a diagram domain). One object per domain and
// process; it answers questions of identity and makes the per-studio interfaces through which
// a studio talks to the domain. Frameworks add reference counting and their own services in
// derived classes; this class owns nothing.
class AbstractDomain {
public:
    AbstractDomain() = default;
    AbstractDomain(const AbstractDomain&) = delete;
    AbstractDomain& operator=(const AbstractDomain&) = delete;
    virtual ~AbstractDomain();

    // The scripting function (and its package) that returns the domain's scripting interface.
    virtual Util::MenuInterface getMenuInterface() = 0;
    // A new interface of this domain for `studio`, held by the caller alone.
    virtual PARR::Holder<AbstractDomainInterface> createInterface(Studio* studio) const = 0;
    // The domain's name ("VTDomain"), unique among the domains of a process.
    virtual PARR::StringID getName() const = 0;
    // The full class name of the models this domain works with ("VTQUILL.Model").
    virtual PARR::StringID getModelClassFullName() const = 0;
};

}  // namespace HARBOR
