#include "tools/SegmentCreationTool.h"

#include "application/Application.h"
#include "application/Rounding.h"
#include "dove2/Editor.h"
#include "parr/Modifier.h"
#include "quill/Transaction.h"

namespace Vantor {

SegmentCreationTool::SegmentCreationTool(DOVE2::Editor& editor) : DOVE2::EdgeCreationTool(editor) {}

SegmentCreationTool::~SegmentCreationTool() = default;

void SegmentCreationTool::handleMousePressEvent(ROOK2::MouseEvent& event) {
    // In click mode clicks act on release.
    if (clickMode_) {
        event.consume();
        return;
    }
    DOVE2::EdgeCreationTool::handleMousePressEvent(event);
}

void SegmentCreationTool::handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) {
    if (clickMode_)
        DOVE2::EdgeCreationTool::handleMouseReleaseEvent(event);
}

void SegmentCreationTool::handleMouseReleaseEvent(ROOK2::MouseEvent& event) {
    if (!isActive() || !isValidIntermediateEvent(event))
        return;
    getEditor().dropPreviews();
    const DOVE2::GraphElement element = getGraphElementAt(event.scenePos());
    SegmentAnchor anchor;
    const bool isAnchor = SegmentAnchor::classify(element, anchor);
    bool finish = false;
    bool entering = false;
    if (element.isValid() && element == getStartElement()) {
        entering = !clickMode_;
        clickMode_ = true;
    } else {
        finish = isAnchor || !clickMode_;
    }
    if (!clickMode_ || finish)
        DOVE2::EdgeCreationTool::handleMouseReleaseEvent(event);
    else if (!entering)
        addCorner(element, event.scenePos());
    event.consume();
}

void SegmentCreationTool::addCorner(const DOVE2::GraphElement& element,
                                    const PARR::GLPoint<double>& point) {
    const QUILL::Model model = getModel();
    QUILL::Transaction transaction(model);
    const PARR::Holder<CreateSegmentCommand> corner = buildCreateSegmentCommand(
        VTQUILL::Diagram(getEditor().getDiagram()), getStartElement(), element, point);
    PARR::ErrorHolder cornerErrors;  // a corner that cannot be laid leaves the path as it was
    corner->execute(cornerErrors);
    vertexPath_ = corner->getResultPath();
    transaction.commit();
}

void SegmentCreationTool::reset() {
    DOVE2::EdgeCreationTool::reset();
    clickMode_ = false;
    vertexPath_.clear();
}

bool SegmentCreationTool::isValidStartEvent(const ROOK2::MouseEvent& event) {
    if (event.button() != ROOK2::MouseEvent::LeftButton)
        return false;
    const DOVE2::GraphElement element = getGraphElementAt(event.scenePos());
    if (VTQUILL::Segment(element).isValid() && !(event.modifiers() & PARR::ControlModifier))
        return false;
    SegmentAnchor anchor;
    return SegmentAnchor::classify(element, anchor);
}

void SegmentCreationTool::showPreview(const DOVE2::GraphElement& element,
                                      const PARR::GLPoint<double>& point,
                                      const QUILL::Model& model) {
    createPreview(element, point, model);
}

void SegmentCreationTool::createPreview(const DOVE2::GraphElement& element,
                                        const PARR::GLPoint<double>& point,
                                        const QUILL::Model& model) {
    const VTQUILL::Diagram diagram(getEditor().getDiagram().asDeviant(model));
    const DOVE2::GraphElement start(getStartElement().asDeviant(model));
    const PARR::Holder<CreateSegmentCommand> preview =
        buildCreateSegmentCommand(diagram, start, element, point);
    PARR::ErrorHolder previewErrors;  // the final command reports through the editor
    preview->execute(previewErrors);
}

PARR::Holder<DOVE2::Command> SegmentCreationTool::createEdgeCommand(
    const DOVE2::GraphElement& element, const PARR::GLPoint<double>& point,
    const QUILL::Model& model) {
    if (!canEndAt(element))
        return {};
    const VTQUILL::Diagram diagram(getEditor().getDiagram().asDeviant(model));
    return buildCreateSegmentCommand(diagram,
                                     DOVE2::GraphElement(getStartElement().asDeviant(model)),
                                     DOVE2::GraphElement(element.asDeviant(model)), point);
}

bool SegmentCreationTool::canEndAt(const DOVE2::GraphElement& element) const {
    SegmentAnchor anchor;
    if (!SegmentAnchor::classify(element, anchor))
        return false;
    return Application::canConnect(getStartElement(), element) ||
           Application::canConnect(element, getStartElement());
}

PARR::Holder<CreateSegmentCommand> SegmentCreationTool::buildCreateSegmentCommand(
    const VTQUILL::Diagram& diagram, const DOVE2::GraphElement& start,
    const DOVE2::GraphElement& end, const PARR::GLPoint<double>& point) const {
    PARR::GLPoint<double> startPoint = getStartPosition();
    PARR::GLPoint<double> endPoint = roundHalfAwayFromZero(point);
    DOVE2::GraphElement source = start;
    DOVE2::GraphElement destination = end;
    if (end.isValid()) {
        if (!Application::canConnect(start, end)) {
            if (Application::canConnect(end, start)) {
                std::swap(source, destination);
                std::swap(startPoint, endPoint);
            } else {
                destination = DOVE2::GraphElement();
            }
        }
    }
    SegmentAnchor src;
    SegmentAnchor dst;
    SegmentAnchor::classify(source, src);
    SegmentAnchor::classify(destination, dst);
    return PARR::Holder<CreateSegmentCommand>(
        new CreateSegmentCommand(diagram, src, dst, startPoint, endPoint, vertexPath_));
}

}  // namespace Vantor
