#include "harbor/AbstractDomain.h"

namespace HARBOR {

AbstractDomain::~AbstractDomain() = default;

}  // namespace HARBOR
