#include "dove2/GenericDomainInterface.h"

#include "dove2/Dove2Domain.h"
#include "dove2/Dove2DomainImpl.h"
#include "harbor/RegisteredClassCreator.h"
#include "harbor/Studio.h"

namespace DOVE2 {

GenericDomainInterface::GenericDomainInterface(HARBOR::Studio* studio)
    : Dove2DomainInterface(studio) {
    if (!studio)
        return;
    PARR::RegisteredClassCreator<Dove2DomainImpl>::registerOnce(*studio, Dove2DomainImpl::key);
    impl_ = dynamic_cast<Dove2DomainImpl*>(studio->getDomainImpl(Dove2DomainImpl::key));
}

AbstractDove2Domain* GenericDomainInterface::getDove2Domain() const {
    return Dove2Domain::get();
}

AbstractDove2DomainImpl* GenericDomainInterface::getDove2DomainImpl() const {
    return impl_;
}

}  // namespace DOVE2
