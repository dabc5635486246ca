#include "glyphs/SegmentLabelGlyph.h"

#include <algorithm>
#include <cmath>

#include <string>

#include "glyphs/SegmentGlyph.h"
#include "rook2/Scene.h"

namespace Vantor {

namespace {

constexpr double kOffset = 4.0;
constexpr double kShortestLeg = 0.0001;

}  // namespace

SegmentLabelGlyph::SegmentLabelGlyph(const VTQUILL::ImmutableSegmentLabel& label)
    : DOVE2::Glyph(DOVE2::DiagramElement(label)) {}

SegmentLabelGlyph::~SegmentLabelGlyph() = default;

void SegmentLabelGlyph::create() {
    if (!getScene())
        return;
    root = getScene()->createNode<ROOK2::TextNode>(std::string());
    root->setPosition({0, 0});
    root->setSelectable(false);
    update();
}

// Leg arithmetic is signed: a segment without vertices has one leg (n = 0), and a location
// below 1 must clamp to leg 0, not wrap around.
SegmentLabelGlyph::Anchor SegmentLabelGlyph::anchorOnPath(const PARR::Path& points,
                                                          std::int64_t location) {
    const auto count = static_cast<std::int64_t>(points.size());
    const std::int64_t lastLeg = std::max<std::int64_t>(count - 2, 0);
    const std::int64_t leg = std::clamp<std::int64_t>(location - 1, 0, lastLeg);
    const double t = location == 0 ? 0.25 : (location == lastLeg + 2 ? 0.75 : 0.5);
    const Point p0 = points[static_cast<std::size_t>(leg)];
    const Point p1 = points[static_cast<std::size_t>(std::min(leg + 1, count - 1))];
    Point d = p1 - p0;
    const double length = std::hypot(d.x, d.y);
    d = length > kShortestLeg ? Point(d.x / length, d.y / length) : Point(0, 0);
    return {p0 * (1 - t) + p1 * t, d};
}

void SegmentLabelGlyph::update() {
    const VTQUILL::ImmutableSegmentLabel label(diagramElement());
    const VTQUILL::ImmutableSegment segment =
        label.isValid() ? label.getContainer() : VTQUILL::ImmutableSegment();
    if (!root || !segment.isValid())
        return;
    const VTQUILL::ImmutableLine line = segment.getContainer();
    root->setText(line.isValid() ? line.getLabel() : std::string());
    const PARR::Path points = SegmentGlyph::drawnPoints(segment);
    if (points.empty())
        return;
    place(anchorOnPath(points, label.getLocation()), label.getFlipped());
}

// The text box is centred on the reference point, then pushed by half its extent along the
// normal, so that it lies wholly on the normal's side of the leg.
void SegmentLabelGlyph::place(const Anchor& anchor, bool flipped) {
    const Point d = anchor.direction;
    const Point normal = flipped ? Point(d.y, -d.x) : Point(-d.y, d.x);
    const Point q = anchor.at + normal * kOffset;
    const double w = root->getWidth();
    const double h = root->getHeight();
    root->setPosition({q.x - w / 2 + w * normal.x / 2, q.y - h / 2 + h * normal.y / 2});
}

}  // namespace Vantor
