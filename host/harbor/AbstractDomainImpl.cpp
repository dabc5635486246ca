#include "harbor/AbstractDomainImpl.h"

namespace HARBOR {

AbstractDomainImpl::~AbstractDomainImpl() = default;

}  // namespace HARBOR
