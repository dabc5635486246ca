#include "StudioStartup.h"

#include "ModuleLoader.h"
#include "PropertyBrowserComponent.h"
#include "dove2/FailureWarning.h"
#include "dove2/InitializeDove2.h"
#include "dove2/explorer/RegisterExplorerComponents.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentBase.h"
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

int StudioStartup::startStudio(HARBOR::Studio& studio, const std::vector<Component>& components) {
    int failures = 0;
    // Each step has a holder of its own: a holder keeps one error, and a later one would
    // replace the first.
    const auto report = [&failures](const std::string& what, const PARR::ErrorHolder& errors) {
        if (DOVE2::warnOfFailure(what, errors))
            ++failures;
    };
    for (const Component& component : components) {
        PARR::ErrorHolder errors;
        studio.createComponent(component.typeName, component.name, errors);
        report("Cannot make the studio component \"" + component.name + "\"", errors);
    }
    for (HARBOR::StudioComponentBase* component : studio.getComponents()) {
        PARR::ErrorHolder errors;
        component->initialize(errors);
        report("Cannot initialize the studio component \"" + component->getName() + "\"", errors);
    }
    PARR::ErrorHolder errors;
    studio.start(errors);
    report("Cannot start the studio", errors);
    return failures;
}

}  // namespace VantorStudio
