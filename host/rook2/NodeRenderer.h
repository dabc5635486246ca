#pragma once

#include "rook2/NodeVisitor.h"

class QPainter;
class QString;
class QTransform;

namespace ROOK2 {

class CustomNodeCache;
class Node;

// Draws one node's own content (not its children) with a QPainter whose world transform
// maps the node's frame to the device: effects first, then the shape with the node's fill
// and stroke, then line-end decorations. Custom nodes go through the image cache.
class NodeRenderer : public NodeVisitor {
public:
    NodeRenderer(QPainter& painter, CustomNodeCache& cache) : painter_(painter), cache_(cache) {}

    void draw(const Node& node);

    void visit(const ContainerNode& node) override;
    void visit(const RectNode& node) override;
    void visit(const RoundedRectNode& node) override;
    void visit(const EllipseNode& node) override;
    void visit(const LinearPathNode& node) override;
    void visit(const TextNode& node) override;
    void visit(const ImageNode& node) override;
    void visit(const CustomNode& node) override;

private:
    void useNodeTools(const Node& node);
    void drawEffects(const Node& node);
    void drawDecoration(const Node& decoration, const QTransform& placement);
    void drawTextLine(const TextNode& node, const QString& line, int firstByte, double y);

    QPainter& painter_;
    CustomNodeCache& cache_;
};

}  // namespace ROOK2
