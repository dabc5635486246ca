#pragma once

#include <string>
#include <vector>

#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "parr/GSet.h"
#include "quill/ClassObject.h"

namespace DOVE2 {

// Deletes a set of diagram elements with everything they contain, and with every graph edge
// attached to a graph node among them (at any depth): a generic edge cannot stay with an end
// that is gone. Edges that go are taken out of the edge lists of the nodes that stay.
// Elements that are gone already, and elements inside another element of the set, are
// skipped. The undo text is the description given at construction ("Delete").
class DeleteElementsCommand : public Command {
public:
    // `elements` may be handles of any instance of `model`'s model; they are re-bound to
    // `model` when the command runs.
    DeleteElementsCommand(const QUILL::Model& model, PARR::GSet<DiagramElement> elements,
                          std::string description = "Delete");
    ~DeleteElementsCommand() override;

    void execute(PARR::ErrorHolder& errors) override;
    std::string shortDescription() const override { return description_; }

    const PARR::GSet<DiagramElement>& getElements() const { return elements_; }

private:
    std::vector<QUILL::ClassObject> outermostElements() const;
    static std::vector<QUILL::ClassObject> edgesToDelete(
        const std::vector<QUILL::ClassObject>& doomed);

    PARR::GSet<DiagramElement> elements_;
    std::string description_;
};

}  // namespace DOVE2
