#include "harbor/ClassCreator.h"

namespace HARBOR {

ClassCreator::~ClassCreator() = default;

}  // namespace HARBOR
