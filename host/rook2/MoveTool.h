#pragma once

#include <utility>
#include <vector>

#include "parr/GLPoint.h"
#include "parr/StringID.h"
#include "rook2/Tool.h"
#include "rook2/WeakRef.h"

namespace ROOK2 {

// The tool of one move gesture, put on the stack by the selection tool once a press on a
// movable selected node turns into a drag. Press: buildMovingSet. Each move: setDelta with
// the scene displacement from the press, then duringMove. Left release: setDelta, then
// commitMove; the tool is then done. This default moves the selected movable nodes (those
// without a moving ancestor) by the displacement, as seen in each node's parent frame;
// editors derive from it to move model elements instead.
class MoveTool : public Tool {
public:
    MoveTool() = default;

    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }
    bool isDone() const override { return done_; }

    void handleMousePressEvent(MouseEvent& event) override;
    void handleMouseMoveEvent(MouseEvent& event) override;
    void handleMouseReleaseEvent(MouseEvent& event) override;

    // The displacement of the gesture so far (scene units).
    const PARR::GLPoint<double>& getDelta() const { return delta_; }
    virtual void setDelta(const PARR::GLPoint<double>& delta) { delta_ = delta; }

protected:
    virtual void buildMovingSet();
    virtual void duringMove();
    virtual void commitMove();

    // The nodes moved by the default duringMove, with their positions at the press.
    const std::vector<std::pair<WeakRef<Node>, PARR::GLPoint<double>>>& movingNodes() const {
        return moving_;
    }

private:
    PARR::GLPoint<double> start_;
    PARR::GLPoint<double> delta_;
    std::vector<std::pair<WeakRef<Node>, PARR::GLPoint<double>>> moving_;
    bool pressed_ = false;
    bool done_ = false;
};

}  // namespace ROOK2
