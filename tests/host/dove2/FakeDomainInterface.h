#pragma once

#include "dove2/AbstractDove2Domain.h"
#include "dove2/AbstractDove2DomainImpl.h"
#include "dove2/Dove2DomainInterface.h"

namespace Dove2Test {

// A framework interface on a given domain and implementation (neither owned; the
// implementation may be null).
class FakeDomainInterface : public DOVE2::Dove2DomainInterface {
public:
    FakeDomainInterface(HARBOR::Studio* studio, DOVE2::AbstractDove2Domain* domain,
                        DOVE2::AbstractDove2DomainImpl* impl)
        : DOVE2::Dove2DomainInterface(studio), domain_(domain), impl_(impl) {}

    DOVE2::AbstractDove2Domain* getDove2Domain() const override { return domain_; }
    DOVE2::AbstractDove2DomainImpl* getDove2DomainImpl() const override { return impl_; }

private:
    DOVE2::AbstractDove2Domain* domain_;
    DOVE2::AbstractDove2DomainImpl* impl_;
};

}  // namespace Dove2Test
