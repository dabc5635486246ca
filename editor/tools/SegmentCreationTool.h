#pragma once

#include "application/Export.h"
#include "dove2/tools/EdgeCreationTool.h"
#include "parr/Path.h"
#include "tools/CreateSegmentCommand.h"

namespace Vantor {

// Draws new segments. A press on a free port, a free line end or (with Control) a segment
// starts one; dragging to a target and releasing ends it there. Releasing on the start
// element instead enters click mode: each click on empty canvas (or on the start element)
// lays a corner, and a click on a valid anchor (or a double click anywhere) finishes the
// segment through the corners. Each step of the gesture previews a CreateSegmentCommand in
// the working model (the editor's view instance); the final one ("Create Segment") is handed
// to the editor. Escape ends the gesture without a segment (the framework's), and leaves
// click mode.
//
// Source and destination are ordered so that a connection may run from source to
// destination (Application::canConnect); a release where no segment may end makes none.
// Positions in scene coordinates (absolute diagram coordinates). The editor is not owned and
// must outlive the tool. User-interface thread only.
class VANTOR_EXPORT SegmentCreationTool : public DOVE2::EdgeCreationTool {
public:
    explicit SegmentCreationTool(DOVE2::Editor& editor);
    ~SegmentCreationTool() override;

    void handleMousePressEvent(ROOK2::MouseEvent& event) override;
    void handleMouseReleaseEvent(ROOK2::MouseEvent& event) override;
    void handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) override;
    void reset() override;

    // A segment may start at a free port, a free line end, or a segment while Control is held.
    bool isValidStartEvent(const ROOK2::MouseEvent& event) override;
    // Forwards to createPreview.
    void showPreview(const DOVE2::GraphElement& element, const PARR::GLPoint<double>& point,
                     const QUILL::Model& model) override;
    // Runs, in `model`, the command of a segment from the start element to `element` or
    // `point`; errors are dropped (the preview then shows what the command left).
    void createPreview(const DOVE2::GraphElement& element, const PARR::GLPoint<double>& point,
                       const QUILL::Model& model);
    // The command of the segment ending at `element`, built on `model` and not run; none when
    // no segment may end at `element`.
    PARR::Holder<DOVE2::Command> createEdgeCommand(const DOVE2::GraphElement& element,
                                                   const PARR::GLPoint<double>& point,
                                                   const QUILL::Model& model) override;

    // Whether a segment from the start element may end at `element`: it is an anchor and a
    // connection may run between the two in either direction.
    bool canEndAt(const DOVE2::GraphElement& element) const;

    bool isInClickMode() const { return clickMode_; }
    // The corners laid so far in click mode (absolute diagram coordinates).
    const PARR::Path& getVertexPath() const { return vertexPath_; }

private:
    PARR::Holder<CreateSegmentCommand> buildCreateSegmentCommand(
        const VTQUILL::Diagram& diagram, const DOVE2::GraphElement& start,
        const DOVE2::GraphElement& end, const PARR::GLPoint<double>& point) const;
    void addCorner(const DOVE2::GraphElement& element, const PARR::GLPoint<double>& point);

    PARR::Path vertexPath_;
    bool clickMode_ = false;
};

}  // namespace Vantor
