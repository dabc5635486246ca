#pragma once

#include <cstddef>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "dove2/Diagram.h"
#include "dove2/Glyph.h"
#include "parr/Holder.h"
#include "quill/ListenerBase.h"
#include "quill/ObjectId.h"
#include "wren/Listener.h"

namespace ROOK2 {
class Node;
class Scene;
}  // namespace ROOK2

namespace DOVE2 {

class Editor;
class GlyphFactory;

// The glyphs of one shown diagram: one glyph per diagram element of the diagram (at any
// depth of containment, but not inside nested diagrams such as a subsystem's), made by a
// glyph factory and driven only by the reports of the instance the diagram handle is bound
// to (an editor's view instance): created elements get a glyph, modified ones an update,
// deleted ones lose their glyph. A preview in the view instance therefore shows at once, and
// syncFromRoot puts the glyphs back, through the same reports.
//
// Scene placement: a glyph's root goes under the child container of its container element's
// glyph (positions relative to the container), else to the top level of the scene (absolute
// diagram coordinates). Each root gets its glyph as event handler, and the glyph hears when
// its root is selected or deselected.
//
// Lifetime: the scene, the factory and the editor are not owned and must outlive this
// object. The glyphs are owned (shared with whoever holds their holders); destroying the
// Graphics takes every glyph's nodes out of the scene. When the instance closes, all glyphs
// go. User-interface thread only.
class Graphics : public QUILL::ListenerBase, public WREN::Listener {
public:
    // Shows `diagram` (bound to the instance to follow) in `scene`, glyphs made by `factory`;
    // `editor` (may be null) is given to every glyph.
    Graphics(ROOK2::Scene& scene, const Diagram& diagram, GlyphFactory& factory,
             Editor* editor = nullptr);
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    ~Graphics() override;

    const Diagram& getDiagram() const { return diagram_; }
    ROOK2::Scene& getScene() const { return scene_; }

    // The glyph of the element with this handle's identity (in any instance); empty when the
    // element has no glyph here.
    PARR::Holder<Glyph> getGlyph(const QUILL::ImmutableClassObject& element) const;
    // The glyph whose root is `node` or the nearest ancestor of it; empty when none is.
    PARR::Holder<Glyph> getGlyph(const ROOK2::Node* node) const;
    // Number of glyphs.
    std::size_t glyphCount() const { return glyphs_.size(); }

    // Throws the element's glyph away and makes, places and updates a new one (the glyphs of
    // contained elements move under it). Nothing happens for an element not shown here.
    void invalidateGlyph(const QUILL::ImmutableClassObject& element);

    // While a batch lives, the glyphs of modified elements are brought up to date once, when
    // the outermost batch ends, however many commits modified them meanwhile (a preview put
    // back and the command that makes it for good: the glyphs move back and forth for
    // nothing otherwise). Created and deleted elements are handled at once. Nothing may read
    // the glyphs' drawing while a batch lives.
    // Beyond this many glyphs, destroying them all drops the scene's index first.
    static constexpr std::size_t kDropIndexFrom = 1000;

    class UpdateBatch {
    public:
        explicit UpdateBatch(Graphics* graphics);
        ~UpdateBatch();
        UpdateBatch(const UpdateBatch&) = delete;
        UpdateBatch& operator=(const UpdateBatch&) = delete;

    private:
        Graphics* graphics_;
    };

    // QUILL::ListenerBase
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

private:
    bool isShown(const QUILL::ImmutableClassObject& object) const;
    void populate(const QUILL::ImmutableClassObject& container);
    Glyph* makeGlyph(const QUILL::ImmutableClassObject& object);
    void attachRoot(Glyph& glyph, const QUILL::ImmutableClassObject& object);
    void updateGlyph(Glyph& glyph);
    void updateAttachedEdges(const QUILL::ImmutableClassObject& object,
                             std::unordered_set<QUILL::ObjectId>& updated);
    void updateModified(const std::vector<QUILL::ImmutableClassObject>& modified);
    void refreshLayoutRects(const QUILL::ImmutableClassObject& object);
    void destroyGlyph(QUILL::ObjectId id);
    // Forgets the glyph of `id` and returns its root, still in the scene, for the caller to
    // remove; empty when there is no such glyph or its root is gone already.
    PARR::Holder<ROOK2::Node> releaseGlyph(QUILL::ObjectId id);
    void detachChildrenOf(QUILL::ObjectId id);
    void reattachChildrenOf(QUILL::ObjectId id);
    void destroyAll();
    void onNodeSelectionChanged(ROOK2::Node* const& node);
    // The glyph of this Graphics whose root is `node`; null for any other node.
    Glyph* glyphRootedAt(const ROOK2::Node* node) const;

    ROOK2::Scene& scene_;
    Diagram diagram_;
    GlyphFactory& factory_;
    Editor* editor_;
    std::unordered_map<QUILL::ObjectId, PARR::Holder<Glyph>> glyphs_;
    // Open update batches, and the elements modified while one is open, each once.
    int batches_ = 0;
    std::vector<QUILL::ImmutableClassObject> heldModified_;
    std::unordered_set<QUILL::ObjectId> held_;
};

}  // namespace DOVE2
