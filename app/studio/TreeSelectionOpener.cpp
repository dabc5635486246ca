#include "TreeSelectionOpener.h"

#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"

namespace VantorStudio {

namespace {

constexpr int kUserSelection = 0;

}  // namespace

TreeSelectionOpener::TreeSelectionOpener(DOVE2::StudioApp& app) : app_(app) {
    app_.getTreeSelectionChangedEventService().subscribe(
        static_cast<WREN::Listener&>(*this),
        [this](const DOVE2::TreeSelectionChangedEvent& event) { handle(event); });
}

TreeSelectionOpener::~TreeSelectionOpener() {
    WREN::Listener::disconnect();
}

DOVE2::Diagram TreeSelectionOpener::diagramFor(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return DOVE2::Diagram();
    const DOVE2::Diagram itself(object);
    return itself.isValid() ? itself : DOVE2::ownedDiagramOf(object);
}

void TreeSelectionOpener::handle(const DOVE2::TreeSelectionChangedEvent& event) {
    if (event.getSelectionKind() != kUserSelection)
        return;
    const DOVE2::Diagram diagram = diagramFor(event.lastSelection());
    if (!diagram.isValid())
        return;
    PARR::ErrorHolder errors;
    app_.openEditor(diagram, errors);
    DOVE2::warnOfFailure("Cannot open " + diagram.getFullName(), errors);
}

}  // namespace VantorStudio
