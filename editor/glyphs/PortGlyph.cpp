#include "glyphs/PortGlyph.h"

#include <string>

#include "glyphs/GlyphStyle.h"
#include "parr/Transform.h"
#include "rook2/ContainerNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

namespace Vantor {

namespace {

bool isDirected(const std::string& type) {
    return type == VTQUILL::kInPort || type == VTQUILL::kOutPort;
}

}  // namespace

PortGlyph::PortGlyph(const VTQUILL::ImmutablePort& port)
    : DOVE2::Glyph(DOVE2::DiagramElement(port)) {}

PortGlyph::~PortGlyph() = default;

void PortGlyph::create() {
    ROOK2::Scene* scene = getScene();
    if (!scene)
        return;
    root = scene->createNode<ROOK2::ContainerNode>();
    const std::string type = VTQUILL::ImmutablePort(diagramElement()).getType();
    if (type == VTQUILL::kInPort)
        addChevron({{5, -5}, {0, 0}, {5, 5}});
    else if (type == VTQUILL::kOutPort)
        addChevron({{0, -5}, {5, 0}, {0, 5}});
    else {
        const auto square = scene->createNode<ROOK2::RectNode>(PARR::GLRect<double>(-3, -3, 6, 6));
        square->setFill(GlyphStyle::fill(GlyphStyle::red()));
        square->setParent(root);
    }
    root->setSelectable(false);
}

// The hit rectangle makes the whole chevron area hittable, not only its strokes.
void PortGlyph::addChevron(const std::vector<PARR::GLPoint<double>>& points) {
    ROOK2::Scene* scene = getScene();
    const auto chevron = scene->addNode(GlyphStyle::chevron(points, GlyphStyle::black()));
    const auto hitArea = scene->createNode<ROOK2::RectNode>(PARR::GLRect<double>(0, -5, 5, 10));
    hitArea->setFill(GlyphStyle::fill(GlyphStyle::transparent()));
    hitArea->setStroke(GlyphStyle::stroke(GlyphStyle::transparent()));
    chevron->setParent(root);
    hitArea->setParent(root);
}

void PortGlyph::update() {
    const VTQUILL::ImmutablePort port(diagramElement());
    if (!root || !port.isValid())
        return;
    root->setPosition(port.getPosition());
    if (isDirected(port.getType()))
        root->setVisible(!port.hasEdge());
    root->setTransform(PARR::Transform());
    root->rotateDegrees(360 - port.getOrientation());
}

}  // namespace Vantor
