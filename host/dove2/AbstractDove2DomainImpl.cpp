#include "dove2/AbstractDove2DomainImpl.h"

namespace DOVE2 {

AbstractDove2DomainImpl::AbstractDove2DomainImpl(HARBOR::Studio* studio)
    : HARBOR::AbstractDomainImpl(studio) {}

AbstractDove2DomainImpl::~AbstractDove2DomainImpl() = default;

}  // namespace DOVE2
