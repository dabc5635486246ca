#include "dove2/RectangleGlyph.h"

#include "dove2/Editor.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"
#include "rook2/Fill.h"
#include "rook2/ResizeControls.h"
#include "rook2/Scene.h"
#include "rook2/Stroke.h"

namespace DOVE2 {

void RectangleGlyph::create() {
    if (!getScene())
        return;
    rect_ = getScene()->createNode<ROOK2::RectNode>();
    rect_->setStroke(ROOK2::Stroke(PARR::Color(0, 0, 0, 1), 0, 1, 0, 0));
    rect_->setFill(ROOK2::Fill(PARR::Color(1, 1, 1, 1)));
    rect_->setSelectable(true);
    rect_->setMovable(true);
}

void RectangleGlyph::update() {
    if (!rect_)
        return;
    const DiagramElement element = diagramElement();
    if (!element.isValid())
        return;
    rect_->setPosition(element.getPosition());
    rect_->setRect({{0, 0}, element.getSize()});
    updateResizeControls();
}

void RectangleGlyph::updateResizeControls() {
    const bool wanted = getEditor() && rect_->isSelected() && !rect_->isRemoved();
    const bool shown = ROOK2::ResizeControls::countResizeControls(*rect_) > 0;
    if (wanted && !shown)
        ROOK2::ResizeControls::installCornerResizeControls(*rect_);
    else if (!wanted && shown)
        ROOK2::ResizeControls::removeResizeControls(*rect_);
}

void RectangleGlyph::handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) {
    StudioApp* app = getEditor() ? getEditor()->getStudioApp() : nullptr;
    const Diagram owned = ownedDiagramOf(diagramElement());
    if (!app || !owned.isValid())
        return;
    PARR::ErrorHolder errors;
    app->openEditor(owned, errors);
    warnOfFailure("Cannot open " + owned.getFullName(), errors);
    event.consume();
}

}  // namespace DOVE2
