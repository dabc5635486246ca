#include "dove2/explorer/RegisterExplorerComponents.h"

#include <string>

#include "dove2/StudioFactory.h"
#include "dove2/explorer/ExplorerBarComponent.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "tessel/Diagnostics.h"

namespace DOVE2 {

namespace {

template <class Component>
bool registerFactoryOf(HARBOR::StudioComponentFactoryManager& manager) {
    const std::string typeName = Component::staticGetTypeName();
    if (manager.contains(typeName))
        return true;
    PARR::ErrorHolder errors;
    if (manager.registerObject(
            PARR::Holder<HARBOR::StudioComponentFactory>(new StudioFactory<Component>(typeName)),
            errors))
        return true;
    TESSEL::Diagnostics::print("Cannot register the component " + typeName + ": " +
                               errors.message() + "\n");
    return false;
}

}  // namespace

bool registerExplorerComponents() {
    auto& manager = HARBOR::StudioComponentFactoryManager::instance();
    const bool tree = registerFactoryOf<TreeComponent>(manager);
    const bool bar = registerFactoryOf<ExplorerBarComponent>(manager);
    return tree && bar;
}

}  // namespace DOVE2
