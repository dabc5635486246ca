#include "dove2/DiagramMiniaturePainter.h"

#include <QPainter>
#include <algorithm>

#include "dove2/Dove2Domain.h"
#include "dove2/Graphics.h"
#include "rook2/Scene.h"
#include "rook2/ScenePainter.h"

namespace DOVE2 {

DiagramMiniaturePainter::DiagramMiniaturePainter(const ImmutableDiagram& diagram,
                                                 const PARR::GLRect<double>& box)
    : diagram_(diagram), box_(box) {}

ROOK2::Bounds DiagramMiniaturePainter::bounds() const {
    return ROOK2::Bounds(box_);
}

void DiagramMiniaturePainter::paint(QPainter* painter) {
    if (!diagram_.isValid())
        return;
    ROOK2::Scene scene;
    const Diagram diagram(diagram_.getDeviant(), diagram_.getObjectId());
    Graphics graphics(scene, diagram,
                      *Dove2Domain::forModel(diagram.getModelQUILL())->getGlyphFactory());
    const PARR::GLRect<double> content = scene.itemsBoundingRect();
    const double width = box_.width - 2 * kMargin;
    const double height = box_.height - 2 * kMargin;
    if (content.isEmpty() || width <= 0 || height <= 0)
        return;
    const double scale = std::min(width / content.width, height / content.height);
    painter->translate(box_.x + kMargin + (width - content.width * scale) / 2,
                       box_.y + kMargin + (height - content.height * scale) / 2);
    painter->scale(scale, scale);
    painter->translate(-content.x, -content.y);
    ROOK2::ScenePainter(scene).paint(*painter, content);
}

}  // namespace DOVE2
