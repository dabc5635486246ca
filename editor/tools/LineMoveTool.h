#pragma once

#include <array>
#include <memory>

#include "application/Export.h"
#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "dove2/GraphEdge.h"
#include "parr/GHash.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "rook2/CallbackToolState.h"
#include "rook2/Tool.h"
#include "tools/SegmentReshape.h"
#include "vtquill/VTQuill.h"

namespace DOVE2 {
class Editor;
}

namespace Vantor {

class SegmentDragPath;

// Reshapes a line by dragging one of its parts: a corner (vertex) of a segment's route, a leg
// of it, or a solder joint. The selection tool makes it for one gesture (role "MoveLine"),
// hands it the pressed element and replays the press and the first move into it. A move of at
// least 2 widget pixels grabs, in this order, a vertex, a leg or a solder joint near the press;
// each further move previews the matching command (MoveVertexCommand, MoveSegmentCommand,
// MoveSolderCommand, all "Edit Line") in the editor's view instance, and the left release
// hands it to the editor. Escape drops the preview and ends the gesture without a command.
//
// States: Idle -press-> Pressed -move (grab)-> VertexDrag | LegDrag | SolderDrag -release->
// Idle (done). A release in Pressed ends the gesture without a change. Buttons other than the
// left one are ignored.
//
// The drag delta is the pointer's scene displacement from the press, with the smaller
// coordinate dropped while Shift is held, rounded to whole units (halves away from zero).
// The editor is not owned and must outlive the tool. User-interface thread only.
class VANTOR_EXPORT LineMoveTool : public ROOK2::Tool {
public:
    enum class Mode { Idle, Pressed, VertexDrag, LegDrag, SolderDrag };
    static constexpr int kEscapeKey = 0x01000000;
    static constexpr double kDragStart = 2.0;

    explicit LineMoveTool(DOVE2::Editor& editor);
    ~LineMoveTool() override;

    // "MoveLine".
    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }

    void handleMouseMoveEvent(ROOK2::MouseEvent& event) override;
    void handleMousePressEvent(ROOK2::MouseEvent& event) override;
    void handleMouseReleaseEvent(ROOK2::MouseEvent& event) override;
    void handleKeyPressEvent(ROOK2::KeyEvent& event) override;
    bool isDone() const override { return done_; }

    // The segment or solder joint to drag; set before the press.
    void setElement(const DOVE2::DiagramElement& element) { element_ = element; }
    // Stores the drag delta (rounded to whole units).
    void setDragDelta(const PARR::GLPoint<double>& delta);
    const PARR::GLPoint<double>& getDragDelta() const { return dragDelta_; }
    Mode getMode() const { return mode_; }

private:
    using State = ROOK2::CallbackToolState<LineMoveTool>;

    void pressInIdle(ROOK2::MouseEvent& event);
    void moveInPressed(ROOK2::MouseEvent& event);
    void releaseInPressed(ROOK2::MouseEvent& event);
    void previewDrag(ROOK2::MouseEvent& event);
    void submitDrag(ROOK2::MouseEvent& event);

    bool grabVertex();
    bool grabLeg();
    bool grabSolderJoint();
    // Sets up the route around the grabbed piece at point `at` of `path`: the head from point
    // `headFrom` to `at`, the tail from `tailFrom` to the end.
    void reshapeAround(const VTQUILL::Segment& segment, const SegmentDragPath& path, std::size_t at,
                       std::size_t headFrom, std::size_t tailFrom);
    void enter(Mode mode);
    void updateDragDelta(const ROOK2::MouseEvent& event);
    // The command of the current drag state, built on `model` with the current drag delta.
    PARR::Holder<DOVE2::Command> buildCommand(const QUILL::Model& model);

    DOVE2::Editor& editor_;
    DOVE2::DiagramElement element_;
    ROOK2::MouseEvent pressEvent_;
    bool done_ = false;
    PARR::GLPoint<double> dragDelta_;
    Mode mode_ = Mode::Idle;
    std::array<std::unique_ptr<State>, 5> states_;
    // Vertex and leg drags: the segment, the route around the grabbed piece and its hint.
    SegmentReshape reshape_;
    PARR::GLPoint<double> grabPoint_;
    PARR::GLPoint<double> grabPoint2_;
    // Solder-joint drags.
    VTQUILL::SolderJoint solderJoint_;
    PARR::GHash<DOVE2::DiagramElement> carriedEnds_;
    PARR::GHash<DOVE2::GraphEdge> translatedSegments_;
    SegmentRouteHints jointHints_;
};

}  // namespace Vantor
