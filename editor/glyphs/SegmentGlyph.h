#pragma once

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "parr/Holder.h"
#include "parr/Path.h"
#include "rook2/OpenLinearPathNode.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The glyph of a segment: a selectable, movable polyline in absolute diagram coordinates from
// its source's position through its stored vertices to its destination's position. A segment
// ending at an "In Port" ends in a black filled arrowhead; a segment with a free end (a
// terminator) is stroked red and dashed (style 2), with a red chevron at a free source of type
// "In Port" or a free destination of type "Out Port"; any other segment is stroked black and
// solid. Each update also updates the glyphs of the segment's labels, so that they follow.
// User-interface thread only.
class VANTOR_EXPORT SegmentGlyph : public DOVE2::Glyph {
public:
    explicit SegmentGlyph(const VTQUILL::ImmutableSegment& segment);
    ~SegmentGlyph() override;

    // Builds the polyline in the glyph's scene (nothing without a scene), then updates.
    void create() override;
    // The polyline; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return root; }
    // Route, end decorations and stroke after the segment, then the labels' glyphs.
    void update() override;
    // Nothing a segment draws depends on its selection (the painter draws the selection
    // feedback): selecting or deselecting it recomputes nothing.
    void onSelectionChanged() override {}

    // The segment's drawn points, absolute: the source element's position, the stored
    // vertices, the destination element's position, not simplified. An end attached to
    // nothing valid (a line being drawn or deleted) is left out.
    static PARR::Path drawnPoints(const VTQUILL::ImmutableSegment& segment);

private:
    void decorateEnds(const VTQUILL::ImmutableSegment& segment);
    void updateLabels(const VTQUILL::ImmutableSegment& segment) const;

    PARR::Holder<ROOK2::OpenLinearPathNode> root;
};

}  // namespace Vantor
