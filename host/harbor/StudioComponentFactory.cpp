#include "harbor/StudioComponentFactory.h"

namespace HARBOR {

StudioComponentFactory::~StudioComponentFactory() = default;

}  // namespace HARBOR
