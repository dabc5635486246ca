#pragma once

#include "dove2/Diagram.h"
#include "dove2/TreeSelectionChangedEvent.h"
#include "wren/Listener.h"

namespace DOVE2 {
class StudioApp;
}

namespace VantorStudio {

// Opens editors from the model tree for a studio whose application is the framework's own
// DOVE2::StudioApp (a domain's application follows tree selections itself): a selection the
// user made (kind 0) whose last object is a diagram, or an element owning a diagram (a
// subsystem block, the model), opens that diagram's editor or brings it to the front; why one
// cannot be opened is told to the user (DOVE2::warnOfFailure).
// Subscribes to the application's tree-selection service for its own life; the application
// must outlive it.
class TreeSelectionOpener : public WREN::Listener {
public:
    explicit TreeSelectionOpener(DOVE2::StudioApp& app);
    ~TreeSelectionOpener() override;

    // The diagram `object` stands for: the object itself when it is a diagram, else the first
    // diagram it contains; an empty handle when there is none.
    static DOVE2::Diagram diagramFor(const QUILL::ImmutableClassObject& object);

private:
    void handle(const DOVE2::TreeSelectionChangedEvent& event);

    DOVE2::StudioApp& app_;
};

}  // namespace VantorStudio
