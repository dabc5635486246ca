#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "rook2/Node.h"
#include "rook2/SpatialIndex.h"
#include "rook2/ToolStack.h"
#include "wren/Emitter.h"

namespace ROOK2 {

class EventHandler;
class TextNode;

// A scene: the node tree, its spatial index, the selection, the tool stack and the
// delivery of events to node handlers and tools. Everything here works without a window;
// a Canvas shows a scene and turns Qt input into calls of the deliver operations.
//
// Ownership: the scene holds its top-level nodes, each node its children. Nodes held
// elsewhere as well survive the scene; its destructor takes every node out of it first.
// All coordinates are scene coordinates unless stated otherwise. User-interface thread only.
class Scene {
public:
    Scene();
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // --- nodes --------------------------------------------------------------------------
    // Puts `node` (with its subtree) into this scene as the topmost top-level node, taking
    // it away from any parent or other scene. Returns the same handle.
    template <class T>
    PARR::Holder<T> addNode(const PARR::Holder<T>& node) {
        if (node)
            addTopLevel(*node);
        return node;
    }
    // Makes a node `new T(args...)` and adds it.
    template <class T, class... Args>
    PARR::Holder<T> createNode(Args&&... args) {
        return addNode(PARR::Holder<T>(new T(std::forward<Args>(args)...)));
    }
    const std::vector<PARR::Holder<Node>>& getTopLevelNodes() const { return topLevel_; }
    // Does Node::remove for each of `nodes` that is not removed yet, those of this scene in one
    // pass over each list of siblings and one over the selection: k nodes of a scene of n go
    // in O(n + k), where one by one they would cost O(k * n). A node under another of them
    // stays its child, as when the one above is removed first. The nodes left, and the
    // selected ones among them, keep their order.
    void removeNodes(const std::vector<PARR::Holder<Node>>& nodes);
    // Number of nodes in the scene, at every depth.
    std::size_t nodeCount() const { return nodeCount_; }
    // The box holding everything visible that the scene draws; empty for an empty scene.
    PARR::GLRect<double> itemsBoundingRect();

    // --- queries ------------------------------------------------------------------------
    // Nodes visible in the scene whose drawn box (own content, outline, effects) meets
    // `rect`, in drawing order (bottom first). Containers draw nothing and are not listed.
    std::vector<Node*> nodesIn(const PARR::GLRect<double>& rect);
    // The topmost visible node whose own content covers `p`, within `tolerance` scene units
    // of thin lines; null when there is none. Control nodes (resize handles) count.
    Node* nodeAt(const PARR::GLPoint<double>& p, double tolerance);
    // The selectable node under `p`: going down from the top, the first hit node that is
    // selectable or has a selectable ancestor yields that node (the nearest). Null if none.
    Node* selectableNodeAt(const PARR::GLPoint<double>& p, double tolerance);
    // Tolerance in scene units used by event delivery to find the node under the mouse
    // (the canvas sets it to a few pixels at its zoom). Default 3.
    void setHitTolerance(double tolerance) { hitTolerance_ = tolerance; }
    double hitTolerance() const { return hitTolerance_; }

    // --- selection ----------------------------------------------------------------------
    // The selected nodes in the scene, in the order they were selected.
    const std::vector<Node*>& getSelection() const { return selection_; }
    void clearSelection();
    // Emitted with the node whenever a node in the scene is selected or deselected.
    WREN::Emitter<Node*>& getSelectionChangedEmitter() { return selectionChanged_; }

    // --- tools --------------------------------------------------------------------------
    ToolStack& getToolStack() { return tools_; }
    void addToolConstructor(const PARR::Holder<BaseToolConstructor>& constructor) {
        tools_.addToolConstructor(constructor);
    }
    // A new tool from the constructor registered for `role`, put on top of the tool stack;
    // null when no constructor has that role.
    Tool* addToolByRole(const PARR::StringID& role) { return tools_.addToolByRole(role); }
    Tool* getToolByRole(const PARR::StringID& role) const { return tools_.getToolByRole(role); }
    Tool* currentTool() const { return tools_.currentTool(); }

    // --- events -------------------------------------------------------------------------
    // Mouse events. A press first goes to the event handlers of the node under the pointer
    // and of its ancestors (innermost first); the handler that consumes it receives the
    // following moves and the release first (a grab). A double click on an editable text
    // node starts editing it. Whatever is not consumed goes down the tool stack.
    void deliverMouseEvent(MouseEvent& event);
    void deliverWheelEvent(WheelEvent& event);
    void deliverContextMenuEvent(MouseEvent& event);
    void deliverKeyEvent(KeyEvent& event);
    enum CanvasEventKind { FocusIn, FocusOut, EnterCanvas, LeaveCanvas };
    void deliverCanvasEvent(CanvasEventKind kind, Event& event);

    // --- text editing and repaint requests ----------------------------------------------
    // Emitted when a text node asks to be edited in place (TextNode::beginEdit); a canvas
    // showing the scene opens its editor over the node.
    WREN::Emitter<TextNode*>& getTextEditRequestEmitter() { return textEditRequest_; }
    // Emitted once when the scene changes after the last acknowledgeChanges(): whoever
    // shows the scene repaints it and acknowledges.
    WREN::Emitter<Scene*>& getChangedEmitter() { return changed_; }
    void acknowledgeChanges() { changeSignalled_ = false; }

    // What changed on screen since the last call: the old and new drawn boxes (scene
    // coordinates) of every node that moved, changed its look, came or went, and the old and
    // new selection outline (the box of Node::getBounds) of every selected node under which
    // something of that kind happened; or `whole` when that is not known box by box (a change
    // of the selection, a first showing, too many boxes to be worth listing). The outlines are
    // cosmetic lines on the box's edges: whoever repaints widens the boxes by a few device
    // pixels. Brings the index up to date first. Costs O(changed nodes times their depth,
    // plus the subtrees of the selected nodes among them and above them).
    struct DirtyRegion {
        bool whole = false;
        std::vector<PARR::GLRect<double>> boxes;
    };
    DirtyRegion takeDirtyRegion();
    // Beyond this many boxes a dirty region is the whole scene.
    static constexpr std::size_t kMaxDirtyBoxes = 512;

    // Brings the spatial index and drawing order up to date (queries do it themselves).
    void flush();
    // Empties the spatial index and marks the whole scene to repaint; the nodes still in the
    // scene are indexed again at the next query. Before most of a large scene leaves, this
    // spares taking each node out of the index and the repaint region one by one.
    void dropIndex();

    // The box of `node`'s selection outline (Node::getBounds in the scene frame), as measured
    // for the repaint region, brought up to date first; none when the node shows no outline
    // (not selected, hidden, or of another scene).
    std::optional<PARR::GLRect<double>> selectionOutline(const Node& node);

private:
    friend class Node;

    void addTopLevel(Node& node);
    void nodeEntering(Node& node);
    void nodeLeaving(Node& node);
    void nodeGeometryChanged(Node& node);
    void nodeAppearanceChanged(Node& node);
    void nodeReordered(Node& node);
    void nodeSelectionChanged(Node& node);
    void signalChange();
    void queue(Node& node);
    void reindex(Node& node, const PARR::Transform& parentToScene);
    void renumber();
    bool isLastInPaintOrder(const Node& node) const;
    // Adds the node's indexed box to the dirty region (nothing for a node not drawn).
    void markDirty(const Node& node);
    void markDirty(const PARR::GLRect<double>& box);
    void markDirtySubtree(const Node& node);
    // A selected node's outline spans its subtree: it changes whenever something under it
    // moves, changes, comes or goes. Queues the outline of `node` and of every selected
    // ancestor to be measured again at the next takeDirtyRegion (null: nothing).
    void outlineMayChange(Node* node);
    // Queues the outline of `node` and of every selected node under it.
    void outlinesUnderMayChange(Node& node);
    void queueOutline(Node& node);
    // Puts the old and new box of every queued outline into the dirty region.
    void remeasureOutlines();
    std::vector<Node*> hitCandidates(const PARR::GLPoint<double>& p, double tolerance);
    void deliverPress(MouseEvent& event);
    bool deliverToGrab(MouseEvent& event);
    bool startTextEdit(const MouseEvent& event);
    void deliverToHandlers(Node* target, MouseEvent& event,
                           void (EventHandler::*handle)(MouseEvent&));

    std::vector<PARR::Holder<Node>> topLevel_;
    std::size_t nodeCount_ = 0;
    SpatialIndex index_;
    std::vector<PARR::Holder<Node>> queued_;
    std::vector<PARR::Holder<Node>> outlinesQueued_;
    bool orderDirty_ = false;
    DirtyRegion dirty_{true, {}};
    // The paint order the next node placed after every other one gets.
    std::uint64_t nextPaintOrder_ = 0;
    std::vector<Node*> selection_;
    ToolStack tools_;
    EventHandler* grab_ = nullptr;
    std::shared_ptr<Node*> grabNode_;
    double hitTolerance_ = 3.0;
    bool changeSignalled_ = false;
    // While removeNodes runs: the selection is brought up to date in one pass, not by each
    // node as it leaves.
    bool removingMany_ = false;
    WREN::Emitter<Node*> selectionChanged_;
    WREN::Emitter<TextNode*> textEditRequest_;
    WREN::Emitter<Scene*> changed_;
};

}  // namespace ROOK2
