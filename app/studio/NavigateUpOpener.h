#pragma once

#include "dove2/Diagram.h"
#include "dove2/NavigateUpRequest.h"
#include "wren/Listener.h"

namespace DOVE2 {
class StudioApp;
}

namespace VantorStudio {

// Opens the diagram above the one being left, for a studio whose application is the
// framework's own DOVE2::StudioApp (a domain's application answers navigate-up requests
// itself): the diagram holding the element that owns the request's diagram. A top-level
// diagram has nothing above it; the request then opens nothing. Why the diagram above cannot
// be opened is told to the user (DOVE2::warnOfFailure). Subscribes to the
// application's navigate-up service for its own life; the application must outlive it.
class NavigateUpOpener : public WREN::Listener {
public:
    explicit NavigateUpOpener(DOVE2::StudioApp& app);
    ~NavigateUpOpener() override;

    // The diagram above `diagram`: the nearest diagram among the containers of its owner;
    // an empty handle for a top-level or invalid diagram.
    static DOVE2::Diagram parentOf(const QUILL::ImmutableClassObject& diagram);

private:
    void handle(const DOVE2::NavigateUpRequest& request);

    DOVE2::StudioApp& app_;
};

}  // namespace VantorStudio
