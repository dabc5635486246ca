#pragma once

#include "rook2/NodeVisitor.h"

class QFont;
class QPainter;
class QString;
class QTransform;

namespace ROOK2 {

class CustomNodeCache;
class Node;
class ShadowImageCache;

// Draws one node's own content (not its children) with a QPainter whose world transform
// maps the node's frame to the device: effects first, then the shape with the node's fill
// and stroke, then line-end decorations. Custom nodes and shadows go through image caches.
// Follows the level-of-detail policy (LodScale): unreadable text, and shadows and line-end
// decorations too small to see, are left out; shapes with neither a visible stroke nor a
// visible fill draw nothing. Both caches must outlive the renderer.
class NodeRenderer : public NodeVisitor {
public:
    NodeRenderer(QPainter& painter, CustomNodeCache& cache, ShadowImageCache& shadows)
        : painter_(painter), cache_(cache), shadows_(shadows) {}

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
    // Sets the node's pen and brush; false when neither would leave a mark.
    bool useNodeTools(const Node& node);
    double zoom() const;
    void drawEffects(const Node& node);
    void drawDecoration(const Node& decoration, const QTransform& placement);
    void drawTextLine(const TextNode& node, const QString& line, int firstByte, double y);
    void drawPlainLine(const QString& line, const QFont& font, double top);

    QPainter& painter_;
    CustomNodeCache& cache_;
    ShadowImageCache& shadows_;
};

}  // namespace ROOK2
