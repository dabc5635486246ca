#pragma once

#include <list>

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "editlayout/AffinityMap.h"
#include "editlayout/Feature.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "rook2/MouseEvent.h"
#include "rook2/Node.h"
#include "rook2/TextNode.h"
#include "vtquill/VTQuill.h"
#include "wren/Listener.h"

namespace Vantor {

class Editor;
class StudioApp;

// The on-canvas representation of one block: what every block drawing has in common. The
// root node (made by the subclass) is selectable and movable and sits at the block's
// position; under it the block's name label (editable in an editor; finishing an edit renames
// the block through an undoable "Rename Block" command), the library-link indicator, the
// corner resize handles while selected. A double click opens a viewable subsystem's diagram
// or a plain block's parameter dialog. `features` gives the move tool's smart guides one
// feature per port besides the block's rectangle.
//
// How the body is drawn is the subclass's business: `createBlockContent` builds the root and
// whatever hangs under it, `updateBlockContent` keeps it at the block's size.
//
// The glyph reads its block afresh on every call and stores no block data. It owns the
// connection of the label's edit-complete signal (WREN::Listener), cut when it is destroyed.
// User-interface thread only.
class VANTOR_EXPORT BlockGlyph : public DOVE2::Glyph, public WREN::Listener {
public:
    explicit BlockGlyph(const VTQUILL::Block& block);
    ~BlockGlyph() override;

    // Builds the body (createBlockContent), makes the root selectable and movable, puts the
    // name label under it and listens to the label's edits.
    void create() override;
    // Resize handles (in an editor) while selected, library-link indicator, root at the
    // block's position, name label centred 2 units under the block (shown when the block's
    // draw-name flag is set), then the body (updateBlockContent).
    void update() override;
    // Only the resize handles follow the selection: the rest of `update` does not depend on
    // it, and Select All or a click that clears a large selection tells every block.
    void onSelectionChanged() override;
    // Shows, changes or removes the "libLink" indicator after the block's library-link type
    // ("None" shows none; "Default", "Modified", "Disabled" show their icon from the
    // installation's resources folder; an icon file that is missing shows nothing).
    virtual void updateVisualIndicators();

    // Opens a viewable subsystem in the studio (Shift: open type 2, Control: open type 1, the
    // open type put back afterwards) or a plain block's parameter dialog. Ignored without the
    // studio application, respectively the editor, that it needs.
    void handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) override;

    // The base features of the layout rectangle (absolute diagram coordinates), followed in an
    // editor by one feature per port glyph, of kind 5 (top), 6 (left), 7 (bottom) or 8
    // (right) after the side of the rectangle the port is nearest to, each displaced by
    // (dx, dy). Without an editor: the base features only.
    std::list<EditLayout::Feature> features(double dx, double dy) const override;
    // The rectangle affinities, then port-to-port affinities that outrank them: top to bottom
    // (flag 1), bottom to top (2), left to right (4), right to left (8).
    static void addVTAffinities(EditLayout::AffinityMap& map);

    // Centres `node` in a rectangle of `rect`'s size whose corner is at the origin of the
    // node's parent (the rectangle's own position is not used).
    void centerInRect(ROOK2::Node& node, const PARR::GLRect<double>& rect) const;
    // The block's rectangle in absolute diagram coordinates (DOVE2::DI::boundingRect).
    PARR::GLRect<double> getBlockBounds() const;

protected:
    // The block, bound to the instance the glyph shows (a fresh handle on each call).
    VTQUILL::Block block() const;
    // Remembers the editor and its studio application, makes the name label editable.
    void onSetEditor() override;

    // Builds the subclass's root (getRoot must answer it afterwards) and its body nodes.
    virtual void createBlockContent() = 0;
    // Brings the body to the block's current size; called last in every update, with the
    // root already at the block's position.
    virtual void updateBlockContent() = 0;

    // getBlockBounds in the frame of `node` (for the root: its corner at (0, 0)).
    PARR::GLRect<double> getBlockBoundsIn(const ROOK2::Node& node) const;

private:
    void onNameChanged();
    void showResizeControls(bool shown);
    void placeLabel(const VTQUILL::Block& shown);
    void openSubsystem(const VTQUILL::Block& subsystem, unsigned modifiers);

    PARR::Holder<ROOK2::TextNode> label;
    StudioApp* studioApp = nullptr;
    Editor* editor = nullptr;
};

}  // namespace Vantor
