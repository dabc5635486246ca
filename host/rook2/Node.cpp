#include "rook2/Node.h"

#include <algorithm>
#include <iterator>

#include "rook2/Scene.h"

namespace ROOK2 {

namespace {

// Union of two boxes where a box of zero width or height still counts (a straight line has
// one); `have` tells whether `into` holds anything yet.
void unite(PARR::GLRect<double>& into, bool& have, const PARR::GLRect<double>& box) {
    if (!have) {
        into = box;
        have = true;
        return;
    }
    const double l = std::min(into.left(), box.left());
    const double t = std::min(into.top(), box.top());
    into = {l, t, std::max(into.right(), box.right()) - l,
            std::max(into.bottom(), box.bottom()) - t};
}

bool hasGeometry(const PARR::GLRect<double>& r) {
    return r.width >= 0.0 && r.height >= 0.0 && (r.width > 0.0 || r.height > 0.0);
}

}  // namespace

Node::Node() : anchor_(std::make_shared<Node*>(this)) {}

Node::~Node() {
    *anchor_ = nullptr;
    for (auto& child : children_)
        child->parent_ = nullptr;
}

// --- tree ---------------------------------------------------------------------------------

void Node::setParent(Node* parent) {
    if (parent == parent_ && !removed_)
        return;
    if (parent && (parent == this || isAncestorOf(parent)))
        return;
    PARR::Holder<Node> keep(this);
    Scene* target = parent ? parent->scene_ : scene_;
    detachFromParentOrScene();
    parent_ = parent;
    if (parent)
        parent->children_.push_back(keep);
    else if (target)
        target->topLevel_.push_back(keep);
    if (removed_)
        revive();
    if (target != scene_)
        attachTo(target);
    else if (scene_)
        scene_->nodeReordered(*this);
}

void Node::toBottom() {
    moveAmongSiblings(false);
}

void Node::toTop() {
    moveAmongSiblings(true);
}

void Node::moveAmongSiblings(bool toFront) {
    if (!parent_ && !scene_)
        return;
    auto& list = siblings();
    const auto at = std::find(list.begin(), list.end(), this);
    if (at == list.end())
        return;
    // Already there: the drawing order stays as it is, and the scene need not renumber.
    if (toFront ? at + 1 == list.end() : at == list.begin())
        return;
    if (toFront)
        std::rotate(at, at + 1, list.end());
    else
        std::rotate(list.begin(), at, at + 1);
    if (scene_)
        scene_->nodeReordered(*this);
}

void Node::remove() {
    PARR::Holder<Node> keep(this);
    detachFromParentOrScene();
    attachTo(nullptr);
    markRemoved();
}

std::vector<PARR::Holder<Node>>& Node::siblings() {
    return parent_ ? parent_->children_ : scene_->topLevel_;
}

void Node::detachFromParentOrScene() {
    if (!parent_ && !scene_)
        return;
    // Searched from the back: the latest added siblings go first when a whole scene is torn
    // down back to front, which keeps that linear.
    auto& list = siblings();
    const auto at = std::find(list.rbegin(), list.rend(), this);
    if (at != list.rend())
        list.erase(std::next(at).base());
    // The parent's subtree shrinks: so may the selection outline around it.
    if (scene_)
        scene_->outlineMayChange(parent_);
    parent_ = nullptr;
}

void Node::attachTo(Scene* scene) {
    if (scene_ != scene) {
        if (scene_)
            scene_->nodeLeaving(*this);
        scene_ = scene;
        if (scene_)
            scene_->nodeEntering(*this);
    }
    for (auto& child : children_)
        child->attachTo(scene);
}

void Node::markRemoved() {
    removed_ = true;
    *anchor_ = nullptr;
    for (auto& child : children_)
        child->markRemoved();
}

void Node::revive() {
    removed_ = false;
    anchor_ = std::make_shared<Node*>(this);
    for (auto& child : children_)
        child->revive();
}

bool Node::isAncestorOf(const Node* node) const {
    for (const Node* p = node ? node->parent_ : nullptr; p; p = p->parent_) {
        if (p == this)
            return true;
    }
    return false;
}

// --- geometry -----------------------------------------------------------------------------

void Node::setPosition(const PARR::GLPoint<double>& position) {
    if (position == position_)
        return;
    position_ = position;
    geometryChanged();
}

void Node::setTransform(const PARR::Transform& transform) {
    if (transform == transform_)
        return;
    transform_ = transform;
    geometryChanged();
}

void Node::rotateDegrees(double degrees, const PARR::GLPoint<double>& center) {
    transform_.rotate(degrees, center);
    geometryChanged();
}

PARR::Transform Node::localToParent() const {
    if (transform_.isIdentity())
        return PARR::Transform::fromTranslate(position_.x, position_.y);
    return PARR::Transform::fromTranslate(position_.x, position_.y) * transform_;
}

PARR::Transform Node::sceneTransform() const {
    PARR::Transform t = localToParent();
    for (const Node* p = parent_; p; p = p->parent_)
        t *= p->localToParent();
    return t;
}

PARR::GLPoint<double> Node::getScenePosition() const {
    return mapToScene({0.0, 0.0});
}

PARR::GLPoint<double> Node::mapToScene(const PARR::GLPoint<double>& p) const {
    return sceneTransform().map(p);
}

PARR::GLPoint<double> Node::mapFromScene(const PARR::GLPoint<double>& p) const {
    bool invertible = false;
    const PARR::Transform inverse = sceneTransform().inverted(&invertible);
    return invertible ? inverse.map(p) : PARR::GLPoint<double>();
}

PARR::GLRect<double> Node::paintRect() const {
    const PARR::GLRect<double> content = contentRect();
    if (!hasGeometry(content))
        return content;
    const double h = std::max(stroke_.halfExtent(), 1.0);
    return effects_.extendBounds(content.adjusted(-h, -h, h, h));
}

Bounds Node::getBounds() const {
    PARR::GLRect<double> box;
    bool have = false;
    const PARR::GLRect<double> own = contentRect();
    if (hasGeometry(own))
        unite(box, have, own);
    for (const auto& child : children_) {
        if (child->control_)
            continue;
        const PARR::GLRect<double> inner = child->getBounds().boundingRect();
        if (hasGeometry(inner))
            unite(box, have, child->localToParent().mapRect(inner));
    }
    return Bounds(box);
}

bool Node::hitsContent(const PARR::GLPoint<double>& p, double tolerance) const {
    const PARR::GLRect<double> own = contentRect();
    if (!hasGeometry(own))
        return false;
    return own.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(p);
}

// --- appearance ---------------------------------------------------------------------------

void Node::setFill(const Fill& fill) {
    if (fill == fill_)
        return;
    fill_ = fill;
    appearanceChanged();
}

void Node::setStroke(const Stroke& stroke) {
    if (stroke == stroke_)
        return;
    stroke_ = stroke;
    geometryChanged();
}

void Node::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    appearanceChanged();
}

bool Node::isVisibleInScene() const {
    for (const Node* n = this; n; n = n->parent_) {
        if (!n->visible_)
            return false;
    }
    return true;
}

void Node::setDrawStyle(const DrawStyle& style) {
    if (style == drawStyle_)
        return;
    drawStyle_ = style;
    appearanceChanged();
}

NodeEffects& Node::getEffects() {
    geometryChanged();
    return effects_;
}

// --- interaction --------------------------------------------------------------------------

void Node::setSelectable(bool selectable) {
    selectable_ = selectable;
    if (!selectable)
        setSelected(false);
}

void Node::setSelected(bool selected) {
    if (selected == selected_ || (selected && !selectable_))
        return;
    selected_ = selected;
    if (scene_)
        scene_->nodeSelectionChanged(*this);
}

void Node::geometryChanged() {
    if (scene_)
        scene_->nodeGeometryChanged(*this);
}

void Node::appearanceChanged() {
    if (scene_)
        scene_->nodeAppearanceChanged(*this);
}

}  // namespace ROOK2
