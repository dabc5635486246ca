#include "dove2/InitializeDove2.h"

#include "dove2/DomainScriptingFunctions.h"
#include "dove2/Editor.h"
#include "dove2/StudioFactory.h"
#include "dove2/explorer/RegisterExplorerComponents.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "tessel/Diagnostics.h"

void initialize_dove2() {
    static bool initialized = false;
    if (initialized)
        return;
    initialized = true;
    PARR::ErrorHolder errors;
    HARBOR::StudioComponentFactoryManager::instance().registerObject(
        PARR::Holder<HARBOR::StudioComponentFactory>(
            new DOVE2::StudioFactory<DOVE2::Editor>(DOVE2::Editor::staticGetTypeName())),
        errors);
    DOVE2::registerExplorerComponents();
    DOVE2::registerDomainScriptingFunctions();
    if (errors.hasError())
        TESSEL::Diagnostics::print("initialize_dove2: " + errors.message() + "\n");
}
