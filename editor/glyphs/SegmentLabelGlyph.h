#pragma once

#include <cstdint>

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "parr/Path.h"
#include "rook2/TextNode.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The glyph of a segment label: the text of the label's line, beside one leg of the segment,
// 4 units off the leg on the side of its left-hand normal (the other side when flipped).
//
// Where along the segment: the drawn points of the segment (SegmentGlyph::drawnPoints) make
// legs 0..n; location 0 is a quarter along leg 0, locations 1..n+1 the middles of legs 0..n,
// location n+2 three quarters along leg n, anything larger the middle of leg n, a negative
// location the middle of leg 0. Positions are absolute diagram coordinates (the segment's polyline,
// the parent of this glyph's root, sits at the origin). Not selectable. User-interface thread only.
class VANTOR_EXPORT SegmentLabelGlyph : public DOVE2::Glyph {
public:
    using Point = PARR::GLPoint<double>;

    explicit SegmentLabelGlyph(const VTQUILL::ImmutableSegmentLabel& label);
    ~SegmentLabelGlyph() override;

    // Builds the text node in the glyph's scene (nothing without a scene), then updates.
    void create() override;
    // The text node; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return root; }
    // Text from the line's label, position after the segment. A segment with no drawn point
    // (both ends gone, no vertices) leaves the text where it was.
    void update() override;

private:
    // The point the label is anchored at, and the unit direction of its leg ((0, 0) for a leg
    // shorter than 0.0001), for a label at `location` on a polyline through `points` (at
    // least one point).
    struct Anchor {
        Point at;
        Point direction;
    };
    static Anchor anchorOnPath(const PARR::Path& points, std::int64_t location);
    void place(const Anchor& anchor, bool flipped);

    PARR::Holder<ROOK2::TextNode> root;
};

}  // namespace Vantor
