#include "rook2/ShapeOutline.h"

#include <QPolygonF>
#include <algorithm>

#include "rook2/ContainerNode.h"
#include "rook2/CustomNode.h"
#include "rook2/EllipseNode.h"
#include "rook2/ImageNode.h"
#include "rook2/LinearPathNode.h"
#include "rook2/QtConversions.h"
#include "rook2/RectNode.h"
#include "rook2/RoundedRectNode.h"
#include "rook2/TextNode.h"

namespace ROOK2 {

QPainterPath ShapeOutline::of(const Node& node) {
    ShapeOutline outline;
    node.accept(outline);
    return outline.path_;
}

void ShapeOutline::visit(const ContainerNode&) {}

void ShapeOutline::visit(const RectNode& node) {
    path_.addRect(toQRectF(node.getRect()));
}

void ShapeOutline::visit(const RoundedRectNode& node) {
    const PARR::GLRect<double>& r = node.getRect();
    const double radius = std::min(node.getCornerRadius(), std::min(r.width, r.height) / 2);
    path_.addRoundedRect(toQRectF(r), radius, radius);
}

void ShapeOutline::visit(const EllipseNode& node) {
    path_.addEllipse(toQRectF(node.getEllipse().rect()));
}

void ShapeOutline::visit(const LinearPathNode& node) {
    QPolygonF polygon;
    for (const auto& p : node.getPoints())
        polygon << toQPointF(p);
    path_.addPolygon(polygon);
    if (node.isClosed())
        path_.closeSubpath();
}

void ShapeOutline::visit(const TextNode& node) {
    path_.addRect(toQRectF(node.contentRect()));
}

void ShapeOutline::visit(const ImageNode& node) {
    path_.addRect(toQRectF(node.contentRect()));
}

void ShapeOutline::visit(const CustomNode& node) {
    if (node.getPainter())
        path_ = node.getPainter()->getStrokedOutline();
}

}  // namespace ROOK2
