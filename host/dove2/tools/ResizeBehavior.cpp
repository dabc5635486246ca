#include "dove2/tools/ResizeBehavior.h"

#include <algorithm>

#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "dove2/tools/ResizeElementCommand.h"
#include "parr/Modifier.h"
#include "quill/Transaction.h"
#include "rook2/Scene.h"
#include "rook2/Stroke.h"

namespace DOVE2 {

namespace {

using Corner = ROOK2::ResizeHandler::Corner;

PARR::GLPoint<double> cornerOf(const PARR::GLRect<double>& r, Corner corner) {
    switch (corner) {
        case ROOK2::ResizeHandler::TopLeft:
            return r.topLeft();
        case ROOK2::ResizeHandler::TopRight:
            return {r.right(), r.top()};
        case ROOK2::ResizeHandler::BottomRight:
            return r.bottomRight();
        case ROOK2::ResizeHandler::BottomLeft:
            return {r.left(), r.bottom()};
    }
    return r.topLeft();
}

Corner opposite(Corner corner) {
    return static_cast<Corner>((corner + 2) % 4);
}

// +1 where the dragged corner lies right of (below) the fixed one, -1 where it lies left of
// (above) it.
PARR::GLPoint<double> directionOf(Corner corner) {
    const bool right =
        corner == ROOK2::ResizeHandler::TopRight || corner == ROOK2::ResizeHandler::BottomRight;
    const bool bottom =
        corner == ROOK2::ResizeHandler::BottomLeft || corner == ROOK2::ResizeHandler::BottomRight;
    return {right ? 1.0 : -1.0, bottom ? 1.0 : -1.0};
}

// The corner of `requested` (spanned by `fixed` and the dragged corner) that is not `fixed`.
PARR::GLPoint<double> draggedCorner(const PARR::GLRect<double>& requested,
                                    const PARR::GLPoint<double>& fixed) {
    return {requested.left() == fixed.x ? requested.right() : requested.left(),
            requested.top() == fixed.y ? requested.bottom() : requested.top()};
}

}  // namespace

ResizeBehavior::ResizeBehavior(Editor& editor, bool livePreview)
    : editor_(editor), livePreview_(livePreview) {}

ResizeBehavior::~ResizeBehavior() {
    removeOutline();
}

void ResizeBehavior::beginResize(ROOK2::Node& target, Corner corner,
                                 const PARR::GLRect<double>& startRect, ROOK2::MouseEvent& event) {
    ROOK2::ResizeBehavior::beginResize(target, corner, startRect, event);
    done_ = false;
    recordStartingConditions(event);
}

void ResizeBehavior::resizeStep(const PARR::GLRect<double>& rect, ROOK2::MouseEvent& event) {
    if (element_.isValid())
        resizeTo(calculateRect(rect, event));
    event.consume();
}

void ResizeBehavior::endResize(const PARR::GLRect<double>& rect, ROOK2::MouseEvent& event) {
    if (element_.isValid())
        finishResize(calculateRect(rect, event));
    removeOutline();
    element_ = DiagramElement();
    done_ = true;
    event.consume();
}

void ResizeBehavior::recordStartingConditions(ROOK2::MouseEvent& /*event*/) {
    element_ = DiagramElement();
    originOffset_ = minimumSize_ = startPosition_ = {};
    Graphics* graphics = editor_.getGraphics();
    const PARR::Holder<Glyph> glyph = graphics ? graphics->getGlyph(getTarget()) : nullptr;
    if (!glyph || !glyph->diagramElement().isValid())
        return;
    element_ = glyph->diagramElement();
    startPosition_ = element_.getPosition();
    originOffset_ = getStartRect().topLeft() - startPosition_;
    setMinimumSize(glyph->minSize());
}

void ResizeBehavior::setMinimumSize(const PARR::GLPoint<double>& size) {
    minimumSize_ = {std::max(size.x, 0.0), std::max(size.y, 0.0)};
}

PARR::GLRect<double> ResizeBehavior::calculateRect(const PARR::GLRect<double>& requested,
                                                   const ROOK2::MouseEvent& event) const {
    const PARR::GLRect<double> start = getStartRect();
    const PARR::GLPoint<double> fixed = cornerOf(start, opposite(getCorner()));
    const PARR::GLPoint<double> dragged = draggedCorner(requested, fixed);
    const PARR::GLPoint<double> dir = directionOf(getCorner());
    const bool aboutCenter = shouldResizeAboutCenter(event);
    const PARR::GLPoint<double> anchor = aboutCenter ? start.center() : fixed;
    const double reach = aboutCenter ? 2.0 : 1.0;

    double width = std::max((dragged.x - anchor.x) * dir.x * reach, minimumSize_.x);
    double height = std::max((dragged.y - anchor.y) * dir.y * reach, minimumSize_.y);
    if (shouldPreserveAspect(event) && start.width > 0 && start.height > 0) {
        const double scale = std::max(width / start.width, height / start.height);
        width = start.width * scale;
        height = start.height * scale;
    }
    if (aboutCenter)
        return {anchor.x - width / 2, anchor.y - height / 2, width, height};
    return {dir.x > 0 ? fixed.x : fixed.x - width, dir.y > 0 ? fixed.y : fixed.y - height, width,
            height};
}

bool ResizeBehavior::shouldResizeAboutCenter(const ROOK2::MouseEvent& event) const {
    return (event.modifiers() & PARR::ControlModifier) != 0;
}

bool ResizeBehavior::shouldPreserveAspect(const ROOK2::MouseEvent& event) const {
    return (event.modifiers() & PARR::ShiftModifier) != 0;
}

void ResizeBehavior::resizeTo(const PARR::GLRect<double>& rect) {
    if (livePreview_)
        previewInViewInstance(rect);
    else
        showOutline(rect);
}

void ResizeBehavior::finishResize(const PARR::GLRect<double>& rect) {
    removeOutline();
    editor_.dropPreviews();
    const QUILL::Model root = editor_.getRootDeviant();
    const DiagramElement atRoot(element_.asDeviant(root));
    const PARR::GLPoint<double> position = positionFor(rect);
    const PARR::GLPoint<double> size = rect.size();
    if (!atRoot.isValid() || (atRoot.getPosition() == position && atRoot.getSize() == size))
        return;
    editor_.processCommand(
        PARR::Holder<Command>(new ResizeElementCommand(root, element_, position, size)));
}

PARR::GLPoint<double> ResizeBehavior::positionFor(const PARR::GLRect<double>& rect) const {
    return rect.topLeft() - originOffset_;
}

void ResizeBehavior::applyRect(const PARR::GLRect<double>& /*rect*/) {}

void ResizeBehavior::previewInViewInstance(const PARR::GLRect<double>& rect) {
    const QUILL::Model& view = editor_.getViewInstance();
    const DiagramElement here(element_.asDeviant(view));
    if (!here.isValid())
        return;
    QUILL::Transaction transaction(view);
    here.setPosition(positionFor(rect));
    here.setSize(rect.size());
    transaction.commit();
}

void ResizeBehavior::showOutline(const PARR::GLRect<double>& rect) {
    ROOK2::Scene* scene = editor_.getScene();
    if (!scene)
        return;
    const ROOK2::Node* target = getTarget();
    const ROOK2::Node* parent = target ? target->getParent() : nullptr;
    const PARR::GLRect<double> inScene = parent ? parent->sceneTransform().mapRect(rect) : rect;
    if (!outline_) {
        outline_ = scene->createNode<ROOK2::RectNode>();
        outline_->setStroke(
            ROOK2::Stroke(PARR::Color(0.2, 0.4, 0.9, 1), 0, ROOK2::Stroke::Dashed, 0, 0));
    }
    outline_->setRect(inScene);
}

void ResizeBehavior::removeOutline() {
    if (outline_ && !outline_->isRemoved())
        outline_->remove();
    outline_.reset();
}

}  // namespace DOVE2
