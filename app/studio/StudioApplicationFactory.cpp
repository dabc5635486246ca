#include "StudioApplicationFactory.h"

#include <typeinfo>

namespace VantorStudio {

PARR::Holder<DOVE2::StudioApp> StudioApplicationFactory::make() {
    return DOVE2::StudioApp::spawnForNewStudio();
}

bool StudioApplicationFactory::isFrameworkApplication(const DOVE2::StudioApp& app) {
    return typeid(app) == typeid(DOVE2::StudioApp);
}

}  // namespace VantorStudio
