#pragma once

#include <string>

#include "dove2/Diagram.h"
#include "parr/Holder.h"
#include "rook2/Node.h"

namespace DOVE2::Util {

// The scripting environment's installation folder (TESSEL::fetchTesselRoot).
std::string fetchTesselRoot();

// Shows a miniature of `diagram` inside `node`: adds a custom node as the last child of
// `node` that draws the diagram's glyphs (made by the glyph factory of the model's domain)
// scaled to fit the node's box, centred, aspect kept. The miniature follows the diagram: it
// is drawn again from the model whenever it repaints. Nothing is added for an invalid
// diagram. Returns the added node (an empty holder when nothing was added).
PARR::Holder<ROOK2::Node> renderDiagramIntoNode(const ImmutableDiagram& diagram, ROOK2::Node& node);

}  // namespace DOVE2::Util
