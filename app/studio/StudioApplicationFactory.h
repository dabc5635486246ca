#pragma once

#include "dove2/StudioApp.h"
#include "parr/Holder.h"

namespace VantorStudio {

// The one place where the window makes its studio's application object: spawned from the
// prototype a domain registered (DOVE2::StudioApp::setPrototype), the framework's own
// DOVE2::StudioApp without one. User-interface thread only.
class StudioApplicationFactory {
public:
    // A new application, not yet in a studio, held.
    static PARR::Holder<DOVE2::StudioApp> make();
    // True when `app` is exactly the framework's DOVE2::StudioApp, not a domain's subclass.
    static bool isFrameworkApplication(const DOVE2::StudioApp& app);
};

}  // namespace VantorStudio
