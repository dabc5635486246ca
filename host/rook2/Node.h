#pragma once

#include <memory>
#include <vector>

#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"
#include "parr/Transform.h"
#include "rook2/Bounds.h"
#include "rook2/DrawStyle.h"
#include "rook2/Fill.h"
#include "rook2/IndexSlot.h"
#include "rook2/NodeEffects.h"
#include "rook2/Stroke.h"

namespace ROOK2 {

class EventHandler;
class NodeVisitor;
class Scene;

// A node of the scene graph: a plain C++ object, reference counted and held through
// PARR::Holder. A node in a scene is owned by its parent (or, at the top level, by the
// scene); other holders merely keep it alive. A node may exist outside any scene: it joins
// one through Scene::addNode or by becoming the child of a node in a scene.
//
// Frames: each node has its own coordinates. Its parent sees a point p of the node at
//     transform.map(p + position)
// (the node is first placed at its position, then the transform applies in the parent's
// frame, so rotateDegrees about a point of the parent turns the node around that point).
// Scene coordinates are those of the top level.
//
// Drawing order: a node is drawn before (beneath) its children; children are drawn in their
// order, the last one on top; top-level nodes likewise in the order they were added.
//
// User-interface thread only.
class Node : public PARR::ReferencedTemplate<unsigned int> {
public:
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    ~Node() override;

    virtual void accept(NodeVisitor& visitor) const = 0;

    // --- tree ---------------------------------------------------------------------------
    Scene* getScene() const { return scene_; }
    Node* getParent() const { return parent_; }
    const std::vector<PARR::Holder<Node>>& getChildren() const { return children_; }
    // Makes this node the last child of `parent` (on top of its siblings), bringing it into
    // the parent's scene. Null detaches it from its parent; it then stays in its scene as a
    // top-level node. Making a node a child of itself or of its own descendant is ignored.
    void setParent(Node* parent);
    void setParent(const PARR::Holder<Node>& parent) { setParent(parent.get()); }
    // Moves the node to the first place among its siblings (drawn beneath them).
    void toBottom();
    // Moves the node to the last place among its siblings (drawn above them).
    void toTop();
    // Takes the node and its subtree out of the scene and away from its parent. Weak
    // references to any of them report them gone from then on; the nodes are destroyed
    // unless something else holds them.
    void remove();
    bool isRemoved() const { return removed_; }

    // --- geometry -----------------------------------------------------------------------
    // Position of the node's origin in its parent's frame (before the transform).
    void setPosition(const PARR::GLPoint<double>& position);
    const PARR::GLPoint<double>& getPosition() const { return position_; }
    void setTransform(const PARR::Transform& transform);
    const PARR::Transform& getTransform() const { return transform_; }
    // Appends a rotation by `degrees` (clockwise on screen) about `center`, a point in the
    // parent's frame.
    void rotateDegrees(double degrees, const PARR::GLPoint<double>& center);
    // Rotation about the node's own position.
    void rotateDegrees(double degrees) { rotateDegrees(degrees, position_); }
    // Node frame -> parent frame.
    PARR::Transform localToParent() const;
    // Node frame -> scene frame.
    PARR::Transform sceneTransform() const;
    // The scene position of the node's origin.
    PARR::GLPoint<double> getScenePosition() const;
    PARR::GLPoint<double> mapToScene(const PARR::GLPoint<double>& p) const;
    // A scene point in the node's frame; a node whose transform cannot be inverted maps every
    // point to its origin.
    PARR::GLPoint<double> mapFromScene(const PARR::GLPoint<double>& p) const;

    // The node's own geometry box (without outline width or effects), in its own frame:
    // the box a gradient of coordinate mode 2 spans. Empty for a node drawing nothing.
    virtual PARR::GLRect<double> contentRect() const = 0;
    // The box the node draws into, own frame: content plus outline, decorations and effects
    // (not its children).
    virtual PARR::GLRect<double> paintRect() const;
    // Own geometry united with the children's bounds (mapped into this frame); no outline
    // widths, effects or resize handles. Own frame.
    Bounds getBounds() const;
    // Width and height of getBounds().
    double getWidth() const { return getBounds().boundingRect().width; }
    double getHeight() const { return getBounds().boundingRect().height; }
    // True when the node's own content covers `p` (own frame), allowing `tolerance` units
    // for thin lines. Children are not considered.
    virtual bool hitsContent(const PARR::GLPoint<double>& p, double tolerance) const;

    // --- appearance ---------------------------------------------------------------------
    void setFill(const Fill& fill);
    const Fill& getFill() const { return fill_; }
    void setStroke(const Stroke& stroke);
    const Stroke& getStroke() const { return stroke_; }
    void setVisible(bool visible);
    bool isVisible() const { return visible_; }
    // Visible itself and every ancestor visible.
    bool isVisibleInScene() const;
    void setDrawStyle(const DrawStyle& style);
    const DrawStyle& getDrawStyle() const { return drawStyle_; }
    // The node's effects, to be changed in place (NodeEffects::add); the node is repainted
    // and re-measured when it is next drawn.
    NodeEffects& getEffects();
    const NodeEffects& getEffects() const { return effects_; }

    // --- interaction --------------------------------------------------------------------
    void setSelectable(bool selectable);
    bool isSelectable() const { return selectable_; }
    void setMovable(bool movable) { movable_ = movable; }
    bool isMovable() const { return movable_; }
    // Only a selectable node can be selected; selecting another node is ignored.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    // The handler that receives events aimed at this node or its descendants (not owned;
    // it must outlive its registration, or be replaced with null first). Null by default.
    void setEventHandler(EventHandler* handler) { handler_ = handler; }
    EventHandler* getEventHandler() const { return handler_; }
    // A control node (a resize handle) belongs to the scene's user interface, not to the
    // node it is attached to: it is left out of its parent's bounds.
    void setControl(bool control) { control_ = control; }
    bool isControl() const { return control_; }

    // The token weak references watch: it points at this node until the node is removed or
    // destroyed, and at null afterwards.
    std::shared_ptr<Node*> anchor() const { return anchor_; }

protected:
    Node();
    // To be called by kinds whenever their geometry box or outline changes.
    void geometryChanged();
    // To be called by kinds whenever only their looks change.
    void appearanceChanged();

private:
    friend class Scene;
    friend class SpatialIndex;

    void moveAmongSiblings(bool toFront);
    void detachFromParentOrScene();
    void attachTo(Scene* scene);
    void markRemoved();
    void revive();
    bool isAncestorOf(const Node* node) const;
    std::vector<PARR::Holder<Node>>& siblings();

    Scene* scene_ = nullptr;
    Node* parent_ = nullptr;
    std::vector<PARR::Holder<Node>> children_;
    PARR::GLPoint<double> position_;
    PARR::Transform transform_;
    Fill fill_;
    Stroke stroke_;
    DrawStyle drawStyle_;
    NodeEffects effects_;
    EventHandler* handler_ = nullptr;
    bool visible_ = true;
    bool selectable_ = false;
    bool movable_ = false;
    bool selected_ = false;
    bool removed_ = false;
    bool control_ = false;
    std::shared_ptr<Node*> anchor_;
    IndexSlot slot_;
};

}  // namespace ROOK2
