#include "dove2/tools/MoveTool.h"

#include "dove2/Editor.h"
#include "dove2/GraphEdge.h"
#include "dove2/Graphics.h"
#include "dove2/tools/MoveElementsCommand.h"
#include "editlayout/SmartGuides.h"
#include "quill/Transaction.h"
#include "rook2/Scene.h"

namespace DOVE2 {

namespace {

bool hasAncestorIn(const QUILL::ImmutableClassObject& object,
                   const PARR::GHash<DiagramElement>& set) {
    for (QUILL::ImmutableClassObject c = object.getContainer(); c.isValid(); c = c.getContainer()) {
        if (set.contains(DiagramElement(c)))
            return true;
    }
    return false;
}

}  // namespace

MoveTool::MoveTool(Editor& editor) : editor_(editor) {}

MoveTool::~MoveTool() = default;

void MoveTool::handleMousePressEvent(ROOK2::MouseEvent& event) {
    if (event.button() != ROOK2::MouseEvent::LeftButton || pressed_)
        return;
    start_ = event.scenePos();
    total_ = applied_ = {};
    pressed_ = true;
    finishing_ = false;
    buildMovingSet();
    beginSmartGuides();
    event.consume();
}

void MoveTool::handleMouseMoveEvent(ROOK2::MouseEvent& event) {
    if (!pressed_)
        return;
    setDelta(event.scenePos() - start_);
    duringMove();
    applied_ = total_;
    if (ROOK2::Scene* scene = editor_.getScene(); scene && smartGuides_)
        guideLines_.show(*scene, snapper_.guides());
    event.consume();
}

void MoveTool::handleMouseReleaseEvent(ROOK2::MouseEvent& event) {
    if (!pressed_ || event.button() != ROOK2::MouseEvent::LeftButton)
        return;
    finishing_ = true;
    setDelta(event.scenePos() - start_);
    commitMove();
    endGesture();
    event.consume();
}

PARR::GLPoint<double> MoveTool::getDelta() const {
    return finishing_ ? total_ : total_ - applied_;
}

void MoveTool::setDelta(const PARR::GLPoint<double>& delta) {
    total_ = smartGuides_ ? snapper_.snap(delta) : delta;
    ROOK2::MoveTool::setDelta(getDelta());
}

bool MoveTool::participatesInSmartGuides(const DiagramElement& element) const {
    return element.isValid() && !GraphEdge(element).isValid();
}

void MoveTool::addSmartGuideAffinities(EditLayout::AffinityMap& map) {
    EditLayout::SmartGuides::AddRectangleAffinities(map);
}

void MoveTool::buildMovingSet() {
    movingSet_.clear();
    Graphics* graphics = editor_.getGraphics();
    if (!graphics)
        return;
    PARR::GHash<DiagramElement> movable;
    for (const DiagramElement& element : editor_.getSelection()) {
        const PARR::Holder<Glyph> glyph = graphics->getGlyph(element);
        if (glyph && glyph->isMovable())
            movable.insert(element);
    }
    for (const DiagramElement& element : movable) {
        if (!hasAncestorIn(element, movable))
            movingSet_.insert(element);
    }
}

void MoveTool::duringMove() {
    const QUILL::Model& view = editor_.getViewInstance();
    const PARR::GLPoint<double> delta = getDelta();
    if (!view.isValid() || movingSet_.empty() || delta == PARR::GLPoint<double>())
        return;
    QUILL::Transaction transaction(view);
    for (const DiagramElement& element : movingSet_) {
        const DiagramElement here(element.asDeviant(view));
        if (here.isValid())
            here.setPosition(here.getPosition() + delta);
    }
    transaction.commit();
}

void MoveTool::commitMove() {
    editor_.dropPreviews();
    const PARR::GLPoint<double> delta = getDelta();
    if (movingSet_.empty() || delta == PARR::GLPoint<double>())
        return;
    editor_.processCommand(PARR::Holder<Command>(
        new MoveElementsCommand(editor_.getRootDeviant(), movingSet_, delta)));
}

bool MoveTool::isMovingWithAncestors(const QUILL::ImmutableClassObject& object) const {
    if (!object.isValid())
        return false;
    return movingSet_.contains(DiagramElement(object)) || hasAncestorIn(object, movingSet_);
}

void MoveTool::beginSmartGuides() {
    snapper_.end();
    heldGlyphs_.clear();
    if (!smartGuides_ || !editor_.getGraphics())
        return;
    std::vector<const EditLayout::Item*> moving;
    for (const DiagramElement& element : movingSet_) {
        if (const EditLayout::Item* item = holdItem(element))
            moving.push_back(item);
    }
    std::vector<const EditLayout::Item*> resting;
    collectResting(editor_.getDiagram(), resting);
    EditLayout::AffinityMap affinities;
    addSmartGuideAffinities(affinities);
    snapper_.begin(resting, moving, std::move(affinities));
}

void MoveTool::collectResting(const QUILL::ImmutableClassObject& container,
                              std::vector<const EditLayout::Item*>& resting) {
    if (!container.isValid())
        return;
    for (const QUILL::ImmutableClassObject& child : container.getContained()) {
        const DiagramElement element(child);
        // Whatever lies inside a moving element moves with it.
        if (!element.isValid() || movingSet_.contains(element))
            continue;
        if (const EditLayout::Item* item = holdItem(element))
            resting.push_back(item);
        collectResting(child, resting);
    }
}

const EditLayout::Item* MoveTool::holdItem(const DiagramElement& element) {
    if (!participatesInSmartGuides(element))
        return nullptr;
    PARR::Holder<Glyph> glyph = editor_.getGraphics()->getGlyph(element);
    if (!glyph)
        return nullptr;
    heldGlyphs_.push_back(glyph);
    return glyph.get();
}

void MoveTool::endGesture() {
    pressed_ = false;
    done_ = true;
    snapper_.end();
    heldGlyphs_.clear();
    guideLines_.clear();
}

}  // namespace DOVE2
