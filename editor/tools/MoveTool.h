#pragma once

#include "application/Export.h"
#include "dove2/tools/MoveTool.h"
#include "parr/GLPoint.h"
#include "rook2/KeyEvent.h"
#include "tools/AttachedLineSets.h"

namespace Vantor {

// The block-diagram move gesture: the framework's move (moving set from the selection, smart
// guides, the live preview in the editor's view instance) with the attached lines following.
// When the gesture begins it sorts the lines at the moving elements (AttachedLineSets); each
// drag step then moves carried joints and free ends, shifts segments between two moving
// things and routes segments with one moving end again from their hint, in the view instance;
// the release hands one MoveCommand ("Move") to the editor. Escape drops the preview and ends
// the gesture without a command.
//
// Displacements are whole diagram units: the framework's smart-guide snap comes first, then
// each coordinate is rounded, halves away from zero (ports sit at fractional positions, so a
// snapped displacement may be fractional).
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class VANTOR_EXPORT MoveTool : public DOVE2::MoveTool {
public:
    static constexpr int kEscapeKey = 0x01000000;

    explicit MoveTool(DOVE2::Editor& editor);
    ~MoveTool() override;

    void handleMousePressEvent(ROOK2::MouseEvent& event) override;
    void handleMouseReleaseEvent(ROOK2::MouseEvent& event) override;
    void handleKeyPressEvent(ROOK2::KeyEvent& event) override;
    bool isDone() const override;

    // The rounded displacement: during a drag step the increment since the previous step,
    // from the release on the whole displacement.
    PARR::GLPoint<double> getDelta() const override;
    void setDelta(const PARR::GLPoint<double>& delta) override;

    // Blocks and annotations only, and only where the framework agrees.
    bool participatesInSmartGuides(const DOVE2::DiagramElement& element) const override;
    // The block-diagram affinities (BlockGlyph::addVTAffinities).
    void addSmartGuideAffinities(EditLayout::AffinityMap& map) override;

    // What the gesture drags along; filled when the gesture begins.
    const AttachedLineSets& getAttachedLines() const { return lines_; }

protected:
    void buildMovingSet() override;
    void duringMove() override;
    void commitMove() override;
    // Routes `segment` (bound to the view instance) again from the hint recorded under `key`;
    // without a hint only its glyph is redrawn.
    virtual void updateReroutedSegment(const VTQUILL::Segment& segment,
                                       const DOVE2::GraphEdge& key);

private:
    void moveCarriedElements(const QUILL::Model& view, const PARR::GLPoint<double>& delta);
    void translateSegments(const QUILL::Model& view, const PARR::GLPoint<double>& delta);

    AttachedLineSets lines_;
    PARR::GLPoint<double> snappedTotal_;
    PARR::GLPoint<double> snappedApplied_;
    PARR::GLPoint<double> roundedTotal_;
    PARR::GLPoint<double> roundedApplied_;
    bool finishing_ = false;
    bool cancelled_ = false;
};

}  // namespace Vantor
