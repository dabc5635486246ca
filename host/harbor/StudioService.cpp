#include "harbor/StudioService.h"

namespace HARBOR {

StudioService::~StudioService() = default;

}  // namespace HARBOR
