#pragma once

#include "dove2/Dove2DomainInterface.h"

namespace DOVE2 {

class Dove2DomainImpl;

// The generic domain as one studio sees it: registers the generic implementation's creator in
// the studio's domain factory (once) and finds the studio's implementation at construction.
class GenericDomainInterface : public Dove2DomainInterface {
public:
    explicit GenericDomainInterface(HARBOR::Studio* studio);

    AbstractDove2Domain* getDove2Domain() const override;
    AbstractDove2DomainImpl* getDove2DomainImpl() const override;

private:
    AbstractDove2DomainImpl* impl_ = nullptr;
};

}  // namespace DOVE2
