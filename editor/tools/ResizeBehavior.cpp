#include "tools/ResizeBehavior.h"

#include <algorithm>

#include "dove2/Editor.h"
#include "quill/Transaction.h"

namespace Vantor {

ResizeBehavior::ResizeBehavior(DOVE2::Editor& editor, bool livePreview)
    : DOVE2::ResizeBehavior(editor, livePreview) {}

ResizeBehavior::~ResizeBehavior() = default;

void ResizeBehavior::recordStartingConditions(ROOK2::MouseEvent& event) {
    DOVE2::ResizeBehavior::recordStartingConditions(event);
    pending_.reset();
    if (!getDiagramElement().isValid())
        return;
    const PARR::GLPoint<double> least = getMinimumSize();
    setMinimumSize({std::max(least.x, kMinimumSide), std::max(least.y, kMinimumSide)});
    pending_ = ResizeCommand::create(getEditor().getRootDeviant(), getDiagramElement());
}

void ResizeBehavior::setTarget(const PARR::GLRect<double>& rect) {
    const PARR::GLPoint<double> size{std::max(rect.width, kMinimumSide),
                                     std::max(rect.height, kMinimumSide)};
    PARR::GLPoint<double> position = positionFor(rect);
    // Dragging a left or top handle past the minimum keeps the right or bottom side in place.
    const Corner corner = getCorner();
    if (corner == TopLeft || corner == BottomLeft)
        position.x -= size.x - rect.width;
    if (corner == TopLeft || corner == TopRight)
        position.y -= size.y - rect.height;
    pending_->setTarget(position, size);
}

void ResizeBehavior::resizeTo(const PARR::GLRect<double>& rect) {
    const QUILL::Model& view = getEditor().getViewInstance();
    if (!pending_ || !view.isValid())
        return;
    setTarget(rect);
    // The previous step's clean-up changed the view: each step starts again from the root.
    QUILL::Transaction transaction(view);
    view.syncFromRoot();
    pending_->applyTo(view);
    transaction.commit();
}

void ResizeBehavior::finishResize(const PARR::GLRect<double>& rect) {
    if (!pending_)
        return;
    setTarget(rect);
    const PARR::Holder<ResizeCommand> command = pending_;
    pending_.reset();
    const DOVE2::DiagramElement atRoot(
        command->getElement().asDeviant(getEditor().getRootDeviant()));
    // A press on a handle without a drag records nothing.
    if (atRoot.isValid() && atRoot.getPosition() == command->getPosition() &&
        atRoot.getSize() == command->getSize()) {
        getEditor().dropPreviews();
        return;
    }
    getEditor().processCommand(command);
}

void ResizeBehavior::handleKeyPressEvent(ROOK2::KeyEvent& event) {
    if (event.key() != kEscapeKey || !pending_)
        return;
    pending_.reset();
    getEditor().dropPreviews();
    event.consume();
}

}  // namespace Vantor
