#include "dove2/Util.h"

#include "dove2/DiagramMiniaturePainter.h"
#include "rook2/CustomNode.h"
#include "tessel/InstallationFolder.h"

namespace DOVE2::Util {

std::string fetchTesselRoot() {
    return TESSEL::fetchTesselRoot();
}

PARR::Holder<ROOK2::Node> renderDiagramIntoNode(const ImmutableDiagram& diagram,
                                                ROOK2::Node& node) {
    if (!diagram.isValid())
        return {};
    const PARR::GLRect<double> box = node.contentRect();
    PARR::Holder<ROOK2::CustomNode> miniature(new ROOK2::CustomNode(
        PARR::Holder<ROOK2::CustomNodePainter>(new DiagramMiniaturePainter(diagram, box))));
    miniature->setSelectable(false);
    miniature->setParent(&node);
    return miniature;
}

}  // namespace DOVE2::Util
