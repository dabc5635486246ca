#pragma once

#include <cstdint>
#include <string>

#include "dove2/Command.h"
#include "dove2/Diagram.h"
#include "dove2/GraphElement.h"
#include "parr/Path.h"

namespace DOVE2 {

// Creates one generic graph edge (a DOVE2.GraphEdge) in a diagram, from a source graph node
// to a destination graph node, and lists it among both nodes' edges. Without a valid
// destination the edge ends free; its path (interior vertices, absolute diagram coordinates)
// then usually holds the free end. Undo text "Create Edge".
class CreateEdgeCommand : public Command {
public:
    // Error when the source is not a graph node or the diagram is gone (no arguments).
    static constexpr const char* kNoSource = "DOVE2_EdgeWithoutSource";
    static constexpr std::uint32_t kNoSourceCode = 0x6E0030;

    // Handles of any instance of `model`'s model; they are re-bound to `model` when the
    // command runs.
    CreateEdgeCommand(const QUILL::Model& model, const Diagram& diagram, const GraphElement& source,
                      const GraphElement& destination, PARR::Path path = {});
    ~CreateEdgeCommand() override;

    void execute(PARR::ErrorHolder& errors) override;
    std::string shortDescription() const override;

    const GraphElement& getSource() const { return source_; }
    const GraphElement& getDestination() const { return destination_; }
    const PARR::Path& getPath() const { return path_; }

private:
    Diagram diagram_;
    GraphElement source_;
    GraphElement destination_;
    PARR::Path path_;
};

}  // namespace DOVE2
