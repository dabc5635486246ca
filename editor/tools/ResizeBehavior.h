#pragma once

#include "application/Export.h"
#include "dove2/tools/ResizeBehavior.h"
#include "parr/Holder.h"
#include "rook2/KeyEvent.h"
#include "tools/ResizeCommand.h"

namespace Vantor {

// The block-diagram resize gesture: the framework's handles and rectangle (about the centre
// with Control, keeping the aspect with Shift) with a minimum size of 10 x 10, and one
// ResizeCommand ("Resize") that spreads a block's ports along its sides and routes its lines
// again. Each live step applies the command to the view instance afresh from the root's
// state; the release hands it to the editor. Escape drops the preview: the rest of the
// gesture changes nothing and records nothing.
//
// Rectangles are in the frame of the glyph root's parent (see DOVE2::ResizeBehavior). The
// editor is not owned and must outlive the behaviour. User-interface thread only.
class VANTOR_EXPORT ResizeBehavior : public DOVE2::ResizeBehavior {
public:
    static constexpr double kMinimumSide = 10.0;
    static constexpr int kEscapeKey = 0x01000000;

    ResizeBehavior(DOVE2::Editor& editor, bool livePreview);
    ~ResizeBehavior() override;

    void recordStartingConditions(ROOK2::MouseEvent& event) override;
    void resizeTo(const PARR::GLRect<double>& rect) override;
    void finishResize(const PARR::GLRect<double>& rect) override;
    void handleKeyPressEvent(ROOK2::KeyEvent& event) override;

    // The command of the gesture; null outside one (and after Escape).
    const ResizeCommand* getPendingCommand() const { return pending_.get(); }

private:
    // Sets the element's position and size for `rect` into the pending command: the size
    // raised to the minimum, the side opposite the dragged handle kept where it is.
    void setTarget(const PARR::GLRect<double>& rect);

    PARR::Holder<ResizeCommand> pending_;
};

}  // namespace Vantor
