#include "StudioStartup.h"

#include "ModuleLoader.h"
#include "PropertyBrowserComponent.h"
#include "dove2/InitializeDove2.h"
#include "dove2/explorer/RegisterExplorerComponents.h"
#include "vtquill/InitializeDatamodel.h"

namespace VantorStudio {

void StudioStartup::initializeOnce() {
    static const bool done = [] {
        initialize_vt_datamodel();
        initialize_dove2();
        DOVE2::registerExplorerComponents();
        PropertyBrowserComponent::registerFactory();
        ModuleLoader::loadOnce();
        return true;
    }();
    (void)done;
}

}  // namespace VantorStudio
