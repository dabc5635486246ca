#include "dove2/tools/SmartGuideLines.h"

#include "rook2/Scene.h"
#include "rook2/Stroke.h"

namespace DOVE2 {

namespace {

ROOK2::Stroke guideStroke() {
    return ROOK2::Stroke(PARR::Color(0.85, 0.1, 0.6, 1), 0, ROOK2::Stroke::Dashed, 0, 0);
}

}  // namespace

SmartGuideLines::~SmartGuideLines() {
    clear();
}

void SmartGuideLines::show(ROOK2::Scene& scene, const std::vector<EditLayout::GuideLine>& guides) {
    clear();
    for (const EditLayout::GuideLine& guide : guides) {
        PARR::Holder<ROOK2::OpenLinearPathNode> line =
            scene.createNode<ROOK2::OpenLinearPathNode>();
        line->setPoints({guide.from, guide.to});
        line->setStroke(guideStroke());
        line->setSelectable(false);
        lines_.push_back(line);
    }
}

void SmartGuideLines::clear() {
    for (const PARR::Holder<ROOK2::OpenLinearPathNode>& line : lines_) {
        if (!line->isRemoved())
            line->remove();
    }
    lines_.clear();
}

}  // namespace DOVE2
