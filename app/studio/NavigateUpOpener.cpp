#include "NavigateUpOpener.h"

#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"

namespace VantorStudio {

NavigateUpOpener::NavigateUpOpener(DOVE2::StudioApp& app) : app_(app) {
    app_.getNavigateUpRequestService().subscribe(
        static_cast<WREN::Listener&>(*this),
        [this](const DOVE2::NavigateUpRequest& request) { handle(request); });
}

NavigateUpOpener::~NavigateUpOpener() {
    WREN::Listener::disconnect();
}

DOVE2::Diagram NavigateUpOpener::parentOf(const QUILL::ImmutableClassObject& diagram) {
    if (!DOVE2::Diagram(diagram).isValid())
        return DOVE2::Diagram();
    for (QUILL::ImmutableClassObject c = diagram.getContainer(); c.isValid();
         c = c.getContainer()) {
        const DOVE2::Diagram above(c);
        if (above.isValid())
            return above;
    }
    return DOVE2::Diagram();
}

void NavigateUpOpener::handle(const DOVE2::NavigateUpRequest& request) {
    const DOVE2::Diagram parent = parentOf(request.getObject());
    if (!parent.isValid())
        return;
    PARR::ErrorHolder errors;
    app_.openEditor(parent, errors);
    DOVE2::warnOfFailure("Cannot open " + parent.getFullName(), errors);
}

}  // namespace VantorStudio
