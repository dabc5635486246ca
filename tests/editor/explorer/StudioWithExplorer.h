#pragma once

#include "dove2/explorer/RegisterExplorerComponents.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "studio/StudioApp.h"
#include "support/QtTestApplication.h"

namespace TestSupport {

// A studio started like the window's: a model explorer ("DOVE2 tree component") and the
// block-diagram studio application, in a process with a Qt application. The editors close and
// the studio shuts down when it goes; models shown must outlive it.
class StudioWithExplorer {
public:
    StudioWithExplorer() {
        TestSupport::qtApplication();
        DOVE2::registerExplorerComponents();
        studio.setApp(PARR::Holder<HARBOR::Application>(app.get()));
        PARR::ErrorHolder errors;
        studio.createComponent(DOVE2::TreeComponent::staticGetTypeName(),
                               DOVE2::TreeComponent::kComponentName, errors);
        for (HARBOR::StudioComponentBase* component : studio.getComponents())
            component->initialize(errors);
        studio.start(startErrors);
    }
    StudioWithExplorer(const StudioWithExplorer&) = delete;
    StudioWithExplorer& operator=(const StudioWithExplorer&) = delete;
    ~StudioWithExplorer() {
        PARR::ErrorHolder errors;
        app->closeAllEditors(errors);
        studio.shutDown(errors);
    }

    HARBOR::Studio studio;
    PARR::Holder<Vantor::StudioApp> app{new Vantor::StudioApp()};
    PARR::ErrorHolder startErrors;

    DOVE2::TreeComponent& tree() const {
        return *dynamic_cast<DOVE2::TreeComponent*>(
            studio.getComponent(DOVE2::TreeComponent::kComponentName));
    }
};

}  // namespace TestSupport
