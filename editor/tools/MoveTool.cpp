#include "tools/MoveTool.h"

#include "application/Application.h"
#include "application/Rounding.h"
#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "glyphs/BlockGlyph.h"
#include "parr/Holder.h"
#include "quill/Transaction.h"
#include "tools/MoveCommand.h"

namespace Vantor {

MoveTool::MoveTool(DOVE2::Editor& editor) : DOVE2::MoveTool(editor) {}

MoveTool::~MoveTool() = default;

void MoveTool::handleMousePressEvent(ROOK2::MouseEvent& event) {
    snappedTotal_ = snappedApplied_ = roundedTotal_ = roundedApplied_ = {};
    finishing_ = false;
    DOVE2::MoveTool::handleMousePressEvent(event);
}

void MoveTool::handleMouseReleaseEvent(ROOK2::MouseEvent& event) {
    if (event.button() == ROOK2::MouseEvent::LeftButton)
        finishing_ = true;
    DOVE2::MoveTool::handleMouseReleaseEvent(event);
}

void MoveTool::handleKeyPressEvent(ROOK2::KeyEvent& event) {
    if (event.key() != kEscapeKey || cancelled_ || DOVE2::MoveTool::isDone())
        return;
    cancelled_ = true;
    getEditor().dropPreviews();
    event.consume();
}

bool MoveTool::isDone() const {
    return cancelled_ || DOVE2::MoveTool::isDone();
}

PARR::GLPoint<double> MoveTool::getDelta() const {
    return finishing_ ? roundedTotal_ : roundedTotal_ - roundedApplied_;
}

void MoveTool::setDelta(const PARR::GLPoint<double>& delta) {
    DOVE2::MoveTool::setDelta(delta);
    // The framework answers the snapped increment during a step and the snapped whole
    // displacement once the release began.
    const PARR::GLPoint<double> snapped = DOVE2::MoveTool::getDelta();
    snappedTotal_ = finishing_ ? snapped : snappedApplied_ + snapped;
    roundedTotal_ = roundHalfAwayFromZero(snappedTotal_);
    ROOK2::MoveTool::setDelta(getDelta());
}

bool MoveTool::participatesInSmartGuides(const DOVE2::DiagramElement& element) const {
    return DOVE2::MoveTool::participatesInSmartGuides(element) &&
           (VTQUILL::Block(element).isValid() || VTQUILL::Annotation(element).isValid());
}

void MoveTool::addSmartGuideAffinities(EditLayout::AffinityMap& map) {
    BlockGlyph::addVTAffinities(map);
}

void MoveTool::buildMovingSet() {
    DOVE2::MoveTool::buildMovingSet();
    lines_ = AttachedLineSets();
    lines_.build(getMovingSet());
}

void MoveTool::duringMove() {
    const PARR::GLPoint<double> delta = getDelta();
    const QUILL::Model& view = getEditor().getViewInstance();
    if (view.isValid() && delta != PARR::GLPoint<double>()) {
        QUILL::Transaction transaction(view);
        DOVE2::MoveTool::duringMove();
        moveCarriedElements(view, delta);
        translateSegments(view, delta);
        for (const DOVE2::GraphEdge& segment : lines_.reroutedSegments)
            updateReroutedSegment(VTQUILL::Segment(segment.asDeviant(view)), segment);
        // An earlier step's clean-up may have merged lines away: stale handles are skipped.
        for (const VTQUILL::Line& line : lines_.reshapedLines) {
            const VTQUILL::Line here(line.asDeviant(view));
            if (here.isValid())
                Application::cleanupLine(here);
        }
        transaction.commit();
    }
    snappedApplied_ = snappedTotal_;
    roundedApplied_ = roundedTotal_;
}

void MoveTool::moveCarriedElements(const QUILL::Model& view, const PARR::GLPoint<double>& delta) {
    for (const DOVE2::DiagramElement& element : lines_.carriedElements) {
        const DOVE2::DiagramElement here(element.asDeviant(view));
        if (here.isValid())
            here.setPosition(here.getPosition() + delta);
    }
}

void MoveTool::translateSegments(const QUILL::Model& view, const PARR::GLPoint<double>& delta) {
    for (const DOVE2::GraphEdge& segment : lines_.translatedSegments) {
        const DOVE2::GraphEdge here(segment.asDeviant(view));
        if (!here.isValid())
            continue;
        PARR::Path path = here.getPath();
        if (path.empty()) {
            // Its ends moved, so its drawing did, although its path has nothing to shift: it
            // is reported as changed, and its glyph is drawn again from the report (cheaper
            // than making the glyph again, which looks at every glyph of the diagram).
            view.notifyObjectIsAboutToChange(here);
            continue;
        }
        path.offset(delta);
        here.setPath(path);
    }
}

void MoveTool::updateReroutedSegment(const VTQUILL::Segment& segment, const DOVE2::GraphEdge& key) {
    if (rerouteFromHint(lines_.routeHints, segment, key))
        return;
    if (DOVE2::Graphics* graphics = getEditor().getGraphics(); graphics && segment.isValid())
        graphics->invalidateGlyph(segment);
}

void MoveTool::commitMove() {
    // Putting the preview back and recording the move both move every glyph: brought up to
    // date once, at the end, they move once.
    const DOVE2::Graphics::UpdateBatch batch(getEditor().getGraphics());
    getEditor().dropPreviews();
    const PARR::GLPoint<double> delta = getDelta();
    if (getMovingSet().empty() || delta == PARR::GLPoint<double>())
        return;
    const QUILL::Model root = getEditor().getRootDeviant();
    getEditor().processCommand(
        PARR::Holder<DOVE2::Command>(new MoveCommand(root, delta, lines_, getMovingSet())));
}

}  // namespace Vantor
