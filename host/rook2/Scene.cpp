#include "rook2/Scene.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "rook2/EventHandler.h"
#include "rook2/TextNode.h"
#include "wren/Emitter.h"

namespace ROOK2 {

namespace {

bool drawsSomething(const PARR::GLRect<double>& r) {
    return r.width >= 0.0 && r.height >= 0.0 && (r.width > 0.0 || r.height > 0.0);
}

// Scene units per node unit, for turning a scene tolerance into the node's frame.
double scaleOf(const PARR::Transform& t) {
    const double s = std::sqrt(std::abs(t.determinant()));
    return s > 0.0 ? s : 1.0;
}

// The box a selection outline traces around `node` (its bounds), scene frame.
PARR::GLRect<double> outlineBox(const Node& node) {
    return node.sceneTransform().mapRect(node.getBounds().boundingRect());
}

// Whether `node` or one of its ancestors is in `set`.
bool isUnderAnyOf(const Node* node, const std::unordered_set<const Node*>& set) {
    for (; node; node = node->getParent()) {
        if (set.count(node))
            return true;
    }
    return false;
}

}  // namespace

Scene::Scene() : tools_(*this) {}

Scene::~Scene() {
    tools_.clearToolStack();
    queued_.clear();
    outlinesQueued_.clear();
    // Nodes held elsewhere survive the scene: take every one of them out of it.
    while (!topLevel_.empty()) {
        const PARR::Holder<Node> node = topLevel_.back();
        node->remove();
    }
}

// --- nodes --------------------------------------------------------------------------------

void Scene::addTopLevel(Node& node) {
    if (node.scene_ == this && !node.parent_ && !node.removed_) {
        node.toTop();
        return;
    }
    PARR::Holder<Node> keep(&node);
    node.detachFromParentOrScene();
    topLevel_.push_back(keep);
    if (node.removed_)
        node.revive();
    if (node.scene_ == this)
        nodeReordered(node);
    else
        node.attachTo(this);
}

void Scene::removeNodes(const std::vector<PARR::Holder<Node>>& nodes) {
    std::unordered_set<const Node*> going;
    for (const PARR::Holder<Node>& node : nodes) {
        if (node && !node->removed_ && node->scene_ == this)
            going.insert(node.get());
        else if (node && !node->removed_)
            node->remove();
    }
    // A node under another that goes stays under it and leaves with it; only the topmost
    // leave their lists of siblings.
    std::unordered_set<const Node*> topmost;
    std::vector<PARR::Holder<Node>> leaving;
    for (const PARR::Holder<Node>& node : nodes) {
        if (node && going.count(node.get()) && !isUnderAnyOf(node->parent_, going) &&
            topmost.insert(node.get()).second)
            leaving.push_back(node);
    }
    if (leaving.empty())
        return;
    // Read while the parents still lead up to the nodes that leave.
    std::erase_if(selection_,
                  [&topmost](const Node* selected) { return isUnderAnyOf(selected, topmost); });
    std::vector<std::vector<PARR::Holder<Node>>*> lists;
    for (const PARR::Holder<Node>& node : leaving)
        lists.push_back(&node->siblings());
    std::sort(lists.begin(), lists.end());
    lists.erase(std::unique(lists.begin(), lists.end()), lists.end());
    for (std::vector<PARR::Holder<Node>>* list : lists)
        std::erase_if(*list,
                      [&topmost](const PARR::Holder<Node>& n) { return topmost.count(n.get()); });
    // Cleared however the loop ends: the change is told to listeners, which may throw.
    removingMany_ = true;
    const struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{removingMany_};
    for (const PARR::Holder<Node>& node : leaving) {
        outlineMayChange(node->parent_);
        node->parent_ = nullptr;
        node->attachTo(nullptr);
        node->markRemoved();
    }
}

void Scene::nodeEntering(Node& node) {
    ++nodeCount_;
    // A node that comes after every other one (a new glyph, the children a new glyph brings,
    // entering in drawing order) takes the next number; anywhere else renumbers the scene
    // at the next query.
    if (!orderDirty_ && isLastInPaintOrder(node))
        node.slot_.paintOrder = nextPaintOrder_++;
    else
        orderDirty_ = true;
    queue(node);
    if (node.selected_)
        selection_.push_back(&node);
    signalChange();
}

void Scene::nodeLeaving(Node& node) {
    --nodeCount_;
    // The others keep their relative order: their numbers stay valid.
    markDirty(node);
    if (node.slot_.outlined)
        markDirty(node.slot_.outlineRect);
    node.slot_.outlined = false;
    index_.erase(node);
    node.slot_.queued = false;
    // Only selected nodes are listed, and removeNodes takes its own out in one pass.
    if (node.selected_ && !removingMany_)
        std::erase(selection_, &node);
    if (grabNode_ && *grabNode_ == &node) {
        grab_ = nullptr;
        grabNode_.reset();
    }
    signalChange();
}

void Scene::nodeGeometryChanged(Node& node) {
    queue(node);
    signalChange();
}

void Scene::nodeAppearanceChanged(Node& node) {
    // Shown or hidden, a node takes its children along.
    markDirtySubtree(node);
    outlineMayChange(node.parent_);
    outlinesUnderMayChange(node);
    signalChange();
}

void Scene::nodeReordered(Node& node) {
    orderDirty_ = true;
    queue(node);  // a new parent means a new scene transform
    signalChange();
}

void Scene::nodeSelectionChanged(Node& node) {
    dirty_.whole = true;  // the outline reaches a few device pixels beyond the node
    queueOutline(node);
    if (node.selected_)
        selection_.push_back(&node);
    else
        std::erase(selection_, &node);
    selectionChanged_.emit(&node);
    signalChange();
}

void Scene::signalChange() {
    if (changeSignalled_)
        return;
    changeSignalled_ = true;
    changed_.emit(this);
}

// One pass: every node is marked first and told after, so listeners find the selection
// already empty; deselecting the nodes one by one would search the list once per node.
void Scene::clearSelection() {
    if (selection_.empty())
        return;
    // Held, so that a listener that removes a node cannot free one still to be told of.
    std::vector<PARR::Holder<Node>> cleared;
    cleared.reserve(selection_.size());
    for (Node* node : selection_) {
        node->selected_ = false;
        cleared.emplace_back(node);
        queueOutline(*node);
    }
    selection_.clear();
    dirty_.whole = true;
    for (const PARR::Holder<Node>& node : cleared)
        selectionChanged_.emit(node.get());
    signalChange();
}

// --- index --------------------------------------------------------------------------------

void Scene::queue(Node& node) {
    if (node.slot_.queued)
        return;
    node.slot_.queued = true;
    queued_.push_back(PARR::Holder<Node>(&node));
}

void Scene::flush() {
    while (!queued_.empty()) {
        std::vector<PARR::Holder<Node>> work;
        work.swap(queued_);
        for (const auto& node : work) {
            if (node->scene_ != this || !node->slot_.queued)
                continue;
            const PARR::Transform parentToScene =
                node->parent_ ? node->parent_->sceneTransform() : PARR::Transform();
            outlineMayChange(node->parent_);
            reindex(*node, parentToScene);
        }
    }
    if (orderDirty_)
        renumber();
}

void Scene::reindex(Node& node, const PARR::Transform& parentToScene) {
    node.slot_.queued = false;
    if (node.selected_)
        queueOutline(node);
    const PARR::Transform toScene = node.localToParent() * parentToScene;
    const PARR::GLRect<double> box = node.paintRect();
    markDirty(node);
    if (drawsSomething(box)) {
        index_.insert(node, toScene.mapRect(box));
        markDirty(node);
    } else {
        index_.erase(node);
    }
    for (const auto& child : node.children_)
        reindex(*child, toScene);
}

void Scene::renumber() {
    std::uint64_t next = 0;
    std::vector<Node*> stack;
    for (auto it = topLevel_.rbegin(); it != topLevel_.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        Node* node = stack.back();
        stack.pop_back();
        node->slot_.paintOrder = next++;
        for (auto it = node->children_.rbegin(); it != node->children_.rend(); ++it)
            stack.push_back(it->get());
    }
    nextPaintOrder_ = next;
    orderDirty_ = false;
}

void Scene::markDirty(const Node& node) {
    if (node.slot_.indexed)
        markDirty(node.slot_.sceneRect);
}

void Scene::markDirtySubtree(const Node& node) {
    markDirty(node);
    for (const auto& child : node.children_) {
        if (dirty_.whole)
            return;
        markDirtySubtree(*child);
    }
}

void Scene::markDirty(const PARR::GLRect<double>& box) {
    if (dirty_.whole)
        return;
    if (dirty_.boxes.size() >= kMaxDirtyBoxes) {
        dirty_.whole = true;
        dirty_.boxes.clear();
        return;
    }
    dirty_.boxes.push_back(box);
}

// Nothing to walk while nothing is selected, as during most edits.
void Scene::outlineMayChange(Node* node) {
    if (selection_.empty())
        return;
    for (; node; node = node->parent_) {
        if (node->selected_)
            queueOutline(*node);
    }
}

void Scene::outlinesUnderMayChange(Node& node) {
    if (selection_.empty())
        return;
    if (node.selected_)
        queueOutline(node);
    for (const auto& child : node.children_)
        outlinesUnderMayChange(*child);
}

void Scene::queueOutline(Node& node) {
    if (node.slot_.outlineQueued || node.scene_ != this)
        return;
    node.slot_.outlineQueued = true;
    outlinesQueued_.push_back(PARR::Holder<Node>(&node));
}

// Mirrors what ScenePainter outlines: the selected nodes visible in this scene.
void Scene::remeasureOutlines() {
    std::vector<PARR::Holder<Node>> work;
    work.swap(outlinesQueued_);
    for (const PARR::Holder<Node>& node : work) {
        IndexSlot& slot = node->slot_;
        slot.outlineQueued = false;
        const bool was = slot.outlined;
        const PARR::GLRect<double> before = slot.outlineRect;
        slot.outlined = node->scene_ == this && node->selected_ && node->isVisibleInScene();
        if (slot.outlined)
            slot.outlineRect = outlineBox(*node);
        const bool moved = was != slot.outlined || !(before == slot.outlineRect);
        if (was && moved)
            markDirty(before);
        if (slot.outlined && moved)
            markDirty(slot.outlineRect);
    }
}

void Scene::dropIndex() {
    index_.clear();
    std::vector<Node*> stack;
    for (const auto& node : topLevel_)
        stack.push_back(node.get());
    while (!stack.empty()) {
        Node* node = stack.back();
        stack.pop_back();
        node->slot_.indexed = false;
        for (const auto& child : node->children_)
            stack.push_back(child.get());
    }
    for (const auto& node : topLevel_)
        queue(*node);
    dirty_.whole = true;
    dirty_.boxes.clear();
    signalChange();
}

std::optional<PARR::GLRect<double>> Scene::selectionOutline(const Node& node) {
    if (node.slot_.outlineQueued || !outlinesQueued_.empty()) {
        flush();
        remeasureOutlines();  // what it marks stays in the region for the next repaint
    }
    if (node.scene_ != this || !node.slot_.outlined)
        return std::nullopt;
    return node.slot_.outlineRect;
}

Scene::DirtyRegion Scene::takeDirtyRegion() {
    flush();
    remeasureOutlines();
    DirtyRegion taken;
    std::swap(taken, dirty_);
    return taken;
}

// Whether no node of this scene follows `node` in drawing order (pre-order): its later
// siblings and those of its ancestors are all still outside the scene. Costs the number of
// those later siblings, none for a node appended at the top.
bool Scene::isLastInPaintOrder(const Node& node) const {
    for (const Node* n = &node;; n = n->parent_) {
        const auto& siblings = n->parent_ ? n->parent_->children_ : topLevel_;
        for (auto it = siblings.rbegin(); it != siblings.rend() && it->get() != n; ++it) {
            if ((*it)->scene_ == this)
                return false;
        }
        if (!n->parent_)
            return true;
    }
}

// The index finds the bounds from the nodes of its outermost cells, unless hidden nodes stand
// alone there; then a walk down the tree, where a hidden node's subtree is skipped whole.
PARR::GLRect<double> Scene::itemsBoundingRect() {
    flush();
    if (const std::optional<PARR::GLRect<double>> outer =
            index_.outerBounds([](const Node& node) { return node.isVisibleInScene(); }))
        return *outer;
    PARR::GLRect<double> box;
    std::vector<const Node*> stack;
    for (const auto& node : topLevel_)
        stack.push_back(node.get());
    while (!stack.empty()) {
        const Node* node = stack.back();
        stack.pop_back();
        if (!node->visible_)
            continue;
        if (node->slot_.indexed)
            box = box.united(node->slot_.sceneRect);
        for (const auto& child : node->children_)
            stack.push_back(child.get());
    }
    return box;
}

// --- queries ------------------------------------------------------------------------------

std::vector<Node*> Scene::nodesIn(const PARR::GLRect<double>& rect) {
    flush();
    std::vector<Node*> found = index_.query(rect);
    std::erase_if(found, [](const Node* n) { return !n->isVisibleInScene(); });
    std::sort(found.begin(), found.end(), [](const Node* a, const Node* b) {
        return a->slot_.paintOrder < b->slot_.paintOrder;
    });
    return found;
}

std::vector<Node*> Scene::hitCandidates(const PARR::GLPoint<double>& p, double tolerance) {
    std::vector<Node*> found =
        nodesIn({p.x - tolerance, p.y - tolerance, 2 * tolerance, 2 * tolerance});
    std::reverse(found.begin(), found.end());  // topmost first
    return found;
}

Node* Scene::nodeAt(const PARR::GLPoint<double>& p, double tolerance) {
    for (Node* node : hitCandidates(p, tolerance)) {
        const PARR::Transform toScene = node->sceneTransform();
        bool invertible = false;
        const PARR::GLPoint<double> local = toScene.inverted(&invertible).map(p);
        if (invertible && node->hitsContent(local, tolerance / scaleOf(toScene)))
            return node;
    }
    return nullptr;
}

// Two passes: what the point lies on, topmost first, and only then what lies within the
// tolerance. Zoomed far out the tolerance is wider than a block, and a press inside a block
// must take the block rather than a line that ends at its port.
Node* Scene::selectableNodeAt(const PARR::GLPoint<double>& p, double tolerance) {
    const std::vector<Node*> candidates = hitCandidates(p, tolerance);
    for (const double within : {0.0, tolerance}) {
        for (Node* node : candidates) {
            Node* selectable = node;
            while (selectable && !selectable->selectable_)
                selectable = selectable->parent_;
            if (!selectable)
                continue;
            const PARR::Transform toScene = node->sceneTransform();
            bool invertible = false;
            const PARR::GLPoint<double> local = toScene.inverted(&invertible).map(p);
            if (invertible && node->hitsContent(local, within / scaleOf(toScene)))
                return selectable;
        }
        if (tolerance <= 0.0)
            break;
    }
    return nullptr;
}

// --- events -------------------------------------------------------------------------------

void Scene::deliverMouseEvent(MouseEvent& event) {
    switch (event.type()) {
        case MouseEvent::Press:
            deliverPress(event);
            return;
        case MouseEvent::DoubleClick:
            if (startTextEdit(event)) {
                event.consume();
                return;
            }
            deliverToHandlers(nodeAt(event.scenePos(), hitTolerance_), event,
                              &EventHandler::handleMouseDoubleClickEvent);
            tools_.deliver(event, [&](Tool& t) { t.handleMouseDoubleClickEvent(event); });
            return;
        case MouseEvent::Move:
        case MouseEvent::Release:
            if (deliverToGrab(event))
                return;
            if (event.type() == MouseEvent::Move)
                tools_.deliver(event, [&](Tool& t) { t.handleMouseMoveEvent(event); });
            else
                tools_.deliver(event, [&](Tool& t) { t.handleMouseReleaseEvent(event); });
            return;
    }
}

void Scene::deliverPress(MouseEvent& event) {
    grab_ = nullptr;
    grabNode_.reset();
    for (Node* node = nodeAt(event.scenePos(), hitTolerance_); node; node = node->parent_) {
        EventHandler* handler = node->handler_;
        if (!handler)
            continue;
        handler->handleMousePressEvent(event);
        if (event.isConsumed()) {
            grab_ = handler;
            grabNode_ = node->anchor();
            return;
        }
    }
    tools_.deliver(event, [&](Tool& t) { t.handleMousePressEvent(event); });
}

bool Scene::deliverToGrab(MouseEvent& event) {
    if (!grab_ || !grabNode_ || !*grabNode_)
        return false;
    EventHandler* handler = grab_;
    if (event.type() == MouseEvent::Release) {
        grab_ = nullptr;
        grabNode_.reset();
        handler->handleMouseReleaseEvent(event);
    } else {
        handler->handleMouseMoveEvent(event);
    }
    tools_.removeDoneTools();
    return event.isConsumed();
}

void Scene::deliverToHandlers(Node* target, MouseEvent& event,
                              void (EventHandler::*handle)(MouseEvent&)) {
    for (Node* node = target; node && !event.isConsumed(); node = node->parent_) {
        if (node->handler_)
            (node->handler_->*handle)(event);
    }
}

bool Scene::startTextEdit(const MouseEvent& event) {
    if (event.button() != MouseEvent::LeftButton)
        return false;
    auto* text = dynamic_cast<TextNode*>(nodeAt(event.scenePos(), hitTolerance_));
    if (!text || !text->isEditable())
        return false;
    text->beginEdit();
    return true;
}

void Scene::deliverWheelEvent(WheelEvent& event) {
    tools_.deliver(event, [&](Tool& t) { t.handleWheelEvent(event); });
}

void Scene::deliverContextMenuEvent(MouseEvent& event) {
    deliverToHandlers(nodeAt(event.scenePos(), hitTolerance_), event,
                      &EventHandler::handleContextMenuEvent);
    tools_.deliver(event, [&](Tool& t) { t.handleContextMenuEvent(event); });
}

void Scene::deliverKeyEvent(KeyEvent& event) {
    if (event.type() == KeyEvent::Press)
        tools_.deliver(event, [&](Tool& t) { t.handleKeyPressEvent(event); });
    else
        tools_.deliver(event, [&](Tool& t) { t.handleKeyReleaseEvent(event); });
}

void Scene::deliverCanvasEvent(CanvasEventKind kind, Event& event) {
    tools_.deliver(event, [&](Tool& t) {
        switch (kind) {
            case FocusIn:
                t.handleFocusInEvent(event);
                break;
            case FocusOut:
                t.handleFocusOutEvent(event);
                break;
            case EnterCanvas:
                t.handleEnterCanvasEvent(event);
                break;
            case LeaveCanvas:
                t.handleLeaveCanvasEvent(event);
                break;
        }
    });
}

}  // namespace ROOK2
