#include "tools/LineMoveTool.h"

#include <cmath>

#include "application/Application.h"
#include "application/Rounding.h"
#include "dove2/Editor.h"
#include "parr/Modifier.h"
#include "quill/Transaction.h"
#include "tools/MoveSegmentCommand.h"
#include "tools/MoveSolderCommand.h"
#include "tools/MoveVertexCommand.h"
#include "tools/SegmentDragPath.h"

namespace Vantor {

namespace {

std::size_t indexOf(LineMoveTool::Mode mode) {
    return static_cast<std::size_t>(mode);
}

bool near(const PARR::GLPoint<double>& a, const PARR::GLPoint<double>& b) {
    return std::hypot(a.x - b.x, a.y - b.y) <= SegmentDragPath::kGrabDistance;
}

}  // namespace

LineMoveTool::LineMoveTool(DOVE2::Editor& editor) : editor_(editor) {
    states_[indexOf(Mode::Idle)] = std::make_unique<State>(*this, &LineMoveTool::pressInIdle);
    states_[indexOf(Mode::Pressed)] = std::make_unique<State>(
        *this, nullptr, &LineMoveTool::releaseInPressed, &LineMoveTool::moveInPressed);
    for (Mode drag : {Mode::VertexDrag, Mode::LegDrag, Mode::SolderDrag}) {
        states_[indexOf(drag)] = std::make_unique<State>(*this, nullptr, &LineMoveTool::submitDrag,
                                                         &LineMoveTool::previewDrag);
    }
}

LineMoveTool::~LineMoveTool() = default;

PARR::StringID LineMoveTool::staticGetDefaultRole() {
    static const PARR::StringID role("MoveLine");
    return role;
}

void LineMoveTool::handleMousePressEvent(ROOK2::MouseEvent& event) {
    states_[indexOf(mode_)]->handleMousePressEvent(event);
}

void LineMoveTool::handleMouseMoveEvent(ROOK2::MouseEvent& event) {
    updateDragDelta(event);
    states_[indexOf(mode_)]->handleMouseMoveEvent(event);
}

void LineMoveTool::handleMouseReleaseEvent(ROOK2::MouseEvent& event) {
    updateDragDelta(event);
    states_[indexOf(mode_)]->handleMouseReleaseEvent(event);
}

void LineMoveTool::handleKeyPressEvent(ROOK2::KeyEvent& event) {
    if (event.key() != kEscapeKey || mode_ == Mode::Idle)
        return;
    editor_.dropPreviews();
    done_ = true;
    enter(Mode::Idle);
    event.consume();
}

void LineMoveTool::setDragDelta(const PARR::GLPoint<double>& delta) {
    // Routes have integer coordinates: a fractional delta (zoom other than 1) would put the
    // dragged part between them.
    dragDelta_ = roundHalfAwayFromZero(delta);
}

void LineMoveTool::updateDragDelta(const ROOK2::MouseEvent& event) {
    PARR::GLPoint<double> delta = event.scenePos() - pressEvent_.scenePos();
    if (event.modifiers() & PARR::ShiftModifier) {
        if (std::abs(delta.x) > std::abs(delta.y))
            delta.y = 0;
        else
            delta.x = 0;
    }
    setDragDelta(delta);
}

void LineMoveTool::enter(Mode mode) {
    mode_ = mode;
}

void LineMoveTool::pressInIdle(ROOK2::MouseEvent& event) {
    if (event.button() != ROOK2::MouseEvent::LeftButton)
        return;
    pressEvent_ = event;
    done_ = false;
    dragDelta_ = {};
    enter(Mode::Pressed);
    event.consume();
}

void LineMoveTool::moveInPressed(ROOK2::MouseEvent& event) {
    const PARR::GLPoint<int> from = pressEvent_.widgetPos();
    const PARR::GLPoint<int> to = event.widgetPos();
    if (std::hypot(to.x - from.x, to.y - from.y) < kDragStart)
        return;
    if (grabVertex())
        enter(Mode::VertexDrag);
    else if (grabLeg())
        enter(Mode::LegDrag);
    else if (grabSolderJoint())
        enter(Mode::SolderDrag);
    else
        return;
    event.consume();
    previewDrag(event);
}

void LineMoveTool::releaseInPressed(ROOK2::MouseEvent& event) {
    if (event.button() != ROOK2::MouseEvent::LeftButton)
        return;
    done_ = true;
    enter(Mode::Idle);
    event.consume();
}

void LineMoveTool::previewDrag(ROOK2::MouseEvent& event) {
    const QUILL::Model& view = editor_.getViewInstance();
    if (view.isValid()) {
        // Each preview starts from the root's state; the previous one goes in the same
        // transaction, so the view is told once.
        QUILL::Transaction transaction(view);
        view.syncFromRoot();
        PARR::ErrorHolder
            previewErrors;  // a preview that fails shows the root; the release reports
        buildCommand(view)->execute(previewErrors);
        transaction.commit();
    }
    event.consume();
}

void LineMoveTool::submitDrag(ROOK2::MouseEvent& event) {
    if (event.button() != ROOK2::MouseEvent::LeftButton)
        return;
    const PARR::Holder<DOVE2::Command> command = buildCommand(editor_.getRootDeviant());
    done_ = true;
    enter(Mode::Idle);
    editor_.processCommand(command);
    event.consume();
}

PARR::Holder<DOVE2::Command> LineMoveTool::buildCommand(const QUILL::Model& model) {
    switch (mode_) {
        case Mode::VertexDrag:
            return PARR::Holder<DOVE2::Command>(
                new MoveVertexCommand(model, dragDelta_, grabPoint_, reshape_));
        case Mode::LegDrag:
            return PARR::Holder<DOVE2::Command>(
                new MoveSegmentCommand(model, dragDelta_, grabPoint_, grabPoint2_, reshape_));
        default:
            return PARR::Holder<DOVE2::Command>(new MoveSolderCommand(
                model, dragDelta_, solderJoint_, carriedEnds_, translatedSegments_, jointHints_));
    }
}

bool LineMoveTool::grabVertex() {
    const VTQUILL::Segment segment(element_);
    const SegmentDragPath path(segment);
    const int i = path.vertexNear(pressEvent_.scenePos());
    if (i < 0)
        return false;
    const auto at = static_cast<std::size_t>(i);
    grabPoint_ = grabPoint2_ = path.points()[at];
    reshapeAround(segment, path, at, 1, at);
    return true;
}

bool LineMoveTool::grabLeg() {
    const VTQUILL::Segment segment(element_);
    const SegmentDragPath path(segment);
    const int i = path.legNear(pressEvent_.scenePos());
    if (i < 0)
        return false;
    const auto at = static_cast<std::size_t>(i);
    grabPoint_ = path.points()[at];
    grabPoint2_ = path.points()[at + 1];
    reshapeAround(segment, path, at, 0, at + 1);
    return true;
}

void LineMoveTool::reshapeAround(const VTQUILL::Segment& segment, const SegmentDragPath& path,
                                 std::size_t at, std::size_t headFrom, std::size_t tailFrom) {
    const PARR::Path& p = path.points();
    reshape_ = {segment,
                path.slice(headFrom, at),
                path.slice(tailFrom, p.size() - 1),
                Application::pointsAreHorizontal(p[at - 1], p[at]),
                Application::pointsAreHorizontal(p[at], p[at + 1]),
                {{segment, SegmentRouteHint::of(segment)}}};
}

bool LineMoveTool::grabSolderJoint() {
    QUILL::ImmutableClassObject grabbed = element_;
    if (const VTQUILL::Segment segment(element_); segment.isValid()) {
        const PARR::Path complete = Application::getCompleteSegmentPath(segment);
        if (!complete.empty() && near(pressEvent_.scenePos(), complete.front()))
            grabbed = segment.getSrcElement();
        else if (!complete.empty() && near(pressEvent_.scenePos(), complete.back()))
            grabbed = segment.getDstElement();
    }
    const VTQUILL::SolderJoint joint(grabbed);
    if (!joint.isValid())
        return false;
    solderJoint_ = joint;
    carriedEnds_.clear();
    translatedSegments_.clear();
    jointHints_.clear();
    for (const QUILL::ImmutableClassObject& edge : joint.getEdges()) {
        const VTQUILL::Segment segment(edge);
        if (!segment.isValid())
            continue;
        const bool fromJoint = segment.getSrcElement() == joint;
        const VTQUILL::Terminator freeEnd(fromJoint ? segment.getDstElement()
                                                    : segment.getSrcElement());
        if (freeEnd.isValid()) {
            carriedEnds_.insert(DOVE2::DiagramElement(freeEnd));
            translatedSegments_.insert(segment);
        } else {
            jointHints_.insert(segment, SegmentRouteHint::of(segment));
        }
    }
    return true;
}

}  // namespace Vantor
