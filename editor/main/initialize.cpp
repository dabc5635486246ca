#include <memory>

#include "application/Export.h"
#include "application/VTDomain.h"
#include "dove2/DomainRegistry.h"
#include "dove2/InitializeDove2.h"
#include "dove2/StudioFactory.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "main/initialize.h"
#include "parr/ErrorHolder.h"
#include "studio/Editor.h"
#include "studio/StudioApp.h"
#include "studio/VTQueryPlatformStudio.h"
#include "tessel/AssertionError.h"
#include "tessel/WarningService.h"
#include "vtquill/BackendQueryStudio.h"
#include "vtquill/InitializeDatamodel.h"

namespace {

constexpr const char* kStartupFailed = "Vantor:StartupFailed";

// The query object is installed for the life of the module: at unload it is uninstalled from
// the data model first, so the model never asks a destroyed object.
class InstalledQueryStudio {
public:
    InstalledQueryStudio() : query_(std::make_unique<VTDove::VTQueryPlatformStudio>()) {
        VTQUILL::setBackendQueryStudio(query_.get());
    }
    ~InstalledQueryStudio() {
        if (VTQUILL::getBackendQueryStudio() == query_.get())
            VTQUILL::setBackendQueryStudio(nullptr);
    }
    InstalledQueryStudio(const InstalledQueryStudio&) = delete;
    InstalledQueryStudio& operator=(const InstalledQueryStudio&) = delete;

private:
    std::unique_ptr<VTDove::VTQueryPlatformStudio> query_;
};

void registerModule() {
    initialize_vt_datamodel();
    initialize_dove2();
    PARR::ErrorHolder erh;
    DOVE2::DomainRegistry::instance().registerDomain(
        PARR::Holder<DOVE2::AbstractDove2Domain>(Vantor::VTDomain::get()), erh);
    HARBOR::StudioComponentFactoryManager::instance().registerObject(
        PARR::Holder<HARBOR::StudioComponentFactory>(
            new DOVE2::StudioFactory<Vantor::Editor>(Vantor::Editor::staticGetTypeName())),
        erh);
    // Every studio started from now on runs the block-diagram studio application.
    DOVE2::StudioApp::setPrototype(PARR::makeHeld<Vantor::StudioApp>());
    if (erh.hasError())
        TESSEL::warning(kStartupFailed,
                        "The block-diagram editor could not register itself: " + erh.message());
    TESSEL_ASSERT(!erh.hasError(), "main/initialize", 34);
}

}  // namespace

// The module's exported entry. The studio calls it once after loading the module; a second
// call does nothing. It registers the block-diagram domain and its editor, then installs the
// query object through which the data model finds, opens and closes editors.
//
// A failed registration does not escape into the studio: it has been reported (status bar and
// stderr), and the studio goes on editing with the framework's generic domain.
extern "C" VANTOR_EXPORT void initialize_vt_editor() {
    static bool initialized = false;
    if (initialized)
        return;
    initialized = true;
    try {
        registerModule();
    } catch (const TESSEL::AssertionError&) {
        return;
    }
    static InstalledQueryStudio queryStudio;
}
