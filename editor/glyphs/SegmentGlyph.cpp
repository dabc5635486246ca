#include "glyphs/SegmentGlyph.h"

#include "application/Application.h"
#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "glyphs/GlyphStyle.h"
#include "rook2/ClosedLinearPathNode.h"
#include "rook2/LineEndDecoration.h"
#include "rook2/Scene.h"

namespace Vantor {

namespace {

ROOK2::LineEndDecoration noDecoration() {
    return ROOK2::LineEndDecoration(PARR::Holder<ROOK2::Node>());
}

ROOK2::LineEndDecoration arrowhead() {
    PARR::Holder<ROOK2::ClosedLinearPathNode> head(
        new ROOK2::ClosedLinearPathNode({{0, 0}, {-8, -4}, {-8, 4}}));
    head->setFill(GlyphStyle::fill(GlyphStyle::black()));
    return ROOK2::LineEndDecoration(head);
}

ROOK2::LineEndDecoration redChevron(const std::vector<PARR::GLPoint<double>>& points) {
    return ROOK2::LineEndDecoration(GlyphStyle::chevron(points, GlyphStyle::red()));
}

void addEndPoint(PARR::Path& path, const QUILL::ImmutableClassObject& end) {
    const DOVE2::GraphElement element(end);
    if (element.isValid())
        path.addPoint(Application::getAbsolutePosition(element));
}

}  // namespace

SegmentGlyph::SegmentGlyph(const VTQUILL::ImmutableSegment& segment)
    : DOVE2::Glyph(DOVE2::DiagramElement(segment)) {}

SegmentGlyph::~SegmentGlyph() = default;

PARR::Path SegmentGlyph::drawnPoints(const VTQUILL::ImmutableSegment& segment) {
    PARR::Path points;
    addEndPoint(points, segment.getSrcElement());
    for (const PARR::GLPoint<double>& vertex : segment.getPath().points())
        points.addPoint(vertex);
    addEndPoint(points, segment.getDstElement());
    return points;
}

void SegmentGlyph::create() {
    if (!getScene())
        return;
    root = getScene()->createNode<ROOK2::OpenLinearPathNode>();
    root->setSelectable(true);
    root->setMovable(true);
    update();
}

void SegmentGlyph::update() {
    const VTQUILL::ImmutableSegment segment(diagramElement());
    if (!root || !segment.isValid())
        return;
    PARR::Path route = drawnPoints(segment);
    route.simplify();
    root->setPoints(route.points());
    decorateEnds(segment);
    updateLabels(segment);
}

// Decorations are rebuilt from nothing, so none outlives the end that called for it.
void SegmentGlyph::decorateEnds(const VTQUILL::ImmutableSegment& segment) {
    root->setStartDecoration(noDecoration());
    root->setEndDecoration(noDecoration());
    const VTQUILL::ImmutablePort dstPort(segment.getDstElement());
    if (dstPort.isValid() && dstPort.getType() == VTQUILL::kInPort)
        root->setEndDecoration(arrowhead());
    bool freeEnd = false;
    if (const VTQUILL::ImmutableTerminator src(segment.getSrcElement()); src.isValid()) {
        freeEnd = true;
        if (src.getType() == VTQUILL::kInPort)
            root->setStartDecoration(redChevron({{5, -5}, {0, 0}, {5, 5}}));
    }
    if (const VTQUILL::ImmutableTerminator dst(segment.getDstElement()); dst.isValid()) {
        freeEnd = true;
        if (dst.getType() == VTQUILL::kOutPort)
            root->setEndDecoration(redChevron({{-5, -5}, {0, 0}, {-5, 5}}));
    }
    root->setStroke(freeEnd ? GlyphStyle::stroke(GlyphStyle::red(), ROOK2::Stroke::Dashed)
                            : GlyphStyle::stroke(GlyphStyle::black()));
}

void SegmentGlyph::updateLabels(const VTQUILL::ImmutableSegment& segment) const {
    const DOVE2::Graphics* graphics = getEditor() ? getEditor()->getGraphics() : nullptr;
    if (!graphics)
        return;
    for (const VTQUILL::ImmutableSegmentLabel& label : segment.getLabels()) {
        if (const PARR::Holder<DOVE2::Glyph> glyph = graphics->getGlyph(label))
            glyph->update();
    }
}

}  // namespace Vantor
