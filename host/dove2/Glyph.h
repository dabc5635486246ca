#pragma once

#include <memory>
#include <string>

#include "dove2/DiagramElement.h"
#include "editlayout/Item.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"
#include "rook2/EventHandler.h"
#include "rook2/Node.h"

namespace ROOK2 {
class Scene;
class TextNode;
}  // namespace ROOK2

namespace DOVE2 {

class Editor;
class VisualIndicatorContainer;

// The on-canvas representation of one diagram element: a subtree of scene nodes that a
// glyph builds in `create` and keeps in line with its element in `update`. Glyphs are made
// by a glyph factory, held through PARR::Holder<Glyph> and driven by Graphics, which
//   1. places the glyph in its scene (and editor, when there is one: `onSetEditor`),
//   2. calls `create` once,
//   3. puts the root under the child container of the container element's glyph (or at
//      the top level of the scene), makes the glyph the root's event handler,
//   4. calls `update` now and whenever the element changes, then refreshes the glyph's
//      layout rectangle and those of the glyphs inside it (EditLayout::Item, absolute
//      diagram coordinates),
//   5. removes the root from the scene when the element goes.
// A glyph reads its element afresh on every call (`diagramElement`); it stores no copy of
// model data. Gesture logic belongs to tools, not to glyphs. User-interface thread only.
class Glyph : public ROOK2::EventHandler,
              public PARR::ReferencedTemplate<unsigned int>,
              public EditLayout::Item {
public:
    // A glyph of `element` (a handle bound to the instance the glyph shows), not yet placed.
    explicit Glyph(const DiagramElement& element);
    Glyph(const Glyph&) = delete;
    Glyph& operator=(const Glyph&) = delete;
    ~Glyph() override;

    // Builds the glyph's scene nodes once, through getScene(). Default: builds nothing.
    virtual void create();
    // The glyph's root scene node; empty before `create` and for glyphs that draw nothing.
    virtual PARR::Holder<ROOK2::Node> getRoot() const = 0;
    // The node under which the glyphs of contained elements are put (their positions are
    // relative to this element). Default: the root.
    virtual PARR::Holder<ROOK2::Node> getChildContainer() const;
    // Brings the scene nodes in line with the element. Default: does nothing.
    virtual void update();
    // The smallest width and height the element may be resized to. Default: (0, 0).
    virtual PARR::GLPoint<double> minSize() const;
    // The root node was selected or deselected. Default: calls `update`, so that what a
    // glyph shows while selected (resize handles) follows the selection.
    virtual void onSelectionChanged();
    // Whether the root node exists, is still in a scene and is selected / movable /
    // selectable; false for a glyph without root.
    virtual bool isSelected() const;
    virtual bool isMovable() const;
    virtual bool isSelectable() const;
    // The user finished editing `text`, a text node of this glyph. Default: nothing.
    virtual void onTextEditComplete(ROOK2::TextNode& text);

    // The element, bound to the instance the glyph shows (a fresh handle on each call).
    DiagramElement diagramElement() const { return element_; }
    // The editor the glyph is shown in; null until it is placed in an editor.
    Editor* getEditor() const { return editor_; }
    // The scene the glyph builds its nodes in; null until it is placed in a scene.
    ROOK2::Scene* getScene() const { return scene_; }

    // Placement, done by Graphics before `create`. The scene is not owned and must outlive
    // the glyph's use of it. Setting an editor calls `onSetEditor`.
    void setScene(ROOK2::Scene* scene) { scene_ = scene; }
    void setEditor(Editor* editor);

    // --- visual indicators (small icons shown next to the glyph, each under a key) -------
    // The glyph's indicator container, made on first call; its node is a child of the root
    // (a glyph without root keeps the entries but shows nothing). Owned by the glyph.
    VisualIndicatorContainer& createVisualIndicatorContainer();
    // The container, or null when none was created.
    VisualIndicatorContainer* getVisualIndicatorContainer() const { return indicators_.get(); }

protected:
    // Called when the glyph is placed in an editor (getEditor() is then set). Default: nothing.
    virtual void onSetEditor();

private:
    DiagramElement element_;
    ROOK2::Scene* scene_ = nullptr;
    Editor* editor_ = nullptr;
    std::unique_ptr<VisualIndicatorContainer> indicators_;
};

}  // namespace DOVE2
