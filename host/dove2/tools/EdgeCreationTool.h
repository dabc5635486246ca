#pragma once

#include "dove2/Command.h"
#include "dove2/GraphElement.h"
#include "dove2/tools/PaletteTool.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "quill/Model.h"
#include "rook2/KeyEvent.h"
#include "rook2/MouseEvent.h"

namespace DOVE2 {

// The tool that draws edges between graph elements. It stays on the editor's tool stack
// (above the selection tool) and takes a left press only where an edge may start
// (isValidStartEvent); every other press goes on to the tools below.
//
// The gesture:
//   press on a valid start:  the start element and position are recorded; the tool is active;
//   each valid intermediate event that is a move:
//                            the previous preview is dropped, then showPreview(element under
//                            the pointer, pointer position, working model) runs in a committed
//                            transaction on the working model;
//   a valid final event (left release):
//                            the preview is dropped, createEdgeCommand(element under the
//                            pointer, pointer position, root model) gives the command (or
//                            none), the editor processes it, and the tool resets;
//   Escape:                  the tool resets.
// The working model is the editor's view instance, so the glyphs show the preview at once;
// the final command is built on the root, where the editor runs and records it.
//
// Default behaviour: an edge may start at a graph node inside another graph node (a port), or
// at any graph node while Alt is held; the preview is a straight generic edge from the start
// node to the node under the pointer, or to the pointer; the final command (CreateEdgeCommand)
// joins the start node to another graph node, and there is none over empty canvas.
//
// Positions are scene coordinates (absolute diagram coordinates). The editor is not owned and
// must outlive the tool. User-interface thread only.
class EdgeCreationTool : public PaletteTool {
public:
    explicit EdgeCreationTool(Editor& editor);
    ~EdgeCreationTool() override;

    // "DOVE2:EdgeCreationTool".
    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }

    void handleMousePressEvent(ROOK2::MouseEvent& event) override;
    void handleMouseMoveEvent(ROOK2::MouseEvent& event) override;
    void handleMouseReleaseEvent(ROOK2::MouseEvent& event) override;
    void handleKeyPressEvent(ROOK2::KeyEvent& event) override;

    // True from a press on a valid start until the gesture ends.
    bool isActive() const { return active_; }
    // The working model: the editor's view instance.
    QUILL::Model getModel() const;
    // Where the gesture began: the element pressed (bound to the working model) and the press
    // position. Empty / (0, 0) while not active.
    const GraphElement& getStartElement() const { return startElement_; }
    const PARR::GLPoint<double>& getStartPosition() const { return startPosition_; }
    // The graph element whose glyph is the topmost one hit at `point`, bound to the working
    // model; glyphs of elements that exist only in a preview are passed over. Empty when none.
    GraphElement getGraphElementAt(const PARR::GLPoint<double>& point) const;

    // Ends the gesture: not active, no start, no preview.
    virtual void reset();

    // Whether a press may start an edge (see the class comment for the default).
    virtual bool isValidStartEvent(const ROOK2::MouseEvent& event);
    // Whether an event continues the active gesture. Default: while active, a move, or a
    // press, release or double click of the left button.
    virtual bool isValidIntermediateEvent(const ROOK2::MouseEvent& event);
    // Whether an event ends the active gesture. Default: while active, a release or double
    // click of the left button.
    virtual bool isValidFinalEvent(const ROOK2::MouseEvent& event);

    // Draws the preview of an edge from the start element to `element` (may be empty) or
    // `point`, changing `model` (the working model) inside the transaction the tool opened.
    virtual void showPreview(const GraphElement& element, const PARR::GLPoint<double>& point,
                             const QUILL::Model& model);
    // The command that makes the edge ending at `element` (may be empty) or `point`, built on
    // `model` (the root) and not run; an empty holder when no edge is to be made.
    virtual PARR::Holder<Command> createEdgeCommand(const GraphElement& element,
                                                    const PARR::GLPoint<double>& point,
                                                    const QUILL::Model& model);

protected:
    // Whether the default edge may join the start element to `end`: both graph nodes, and not
    // the same one.
    bool canEndAt(const GraphElement& end) const;

private:
    void start(const ROOK2::MouseEvent& event);
    void updatePreview(const PARR::GLPoint<double>& point);
    void finish(const PARR::GLPoint<double>& point);

    bool active_ = false;
    GraphElement startElement_;
    PARR::GLPoint<double> startPosition_;
};

}  // namespace DOVE2
