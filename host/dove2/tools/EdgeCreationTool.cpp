#include "dove2/tools/EdgeCreationTool.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "dove2/Editor.h"
#include "dove2/GraphNode.h"
#include "dove2/Graphics.h"
#include "dove2/tools/CreateEdgeCommand.h"
#include "parr/Modifier.h"
#include "quill/Transaction.h"
#include "rook2/Node.h"
#include "rook2/Scene.h"
#include "tessel/Diagnostics.h"

namespace DOVE2 {

namespace {

constexpr int kEscapeKey = 0x01000000;

// Whether `node`'s own content covers the scene point `p`, within `tolerance` scene units.
bool hits(const ROOK2::Node& node, const PARR::GLPoint<double>& p, double tolerance) {
    const PARR::Transform toScene = node.sceneTransform();
    bool invertible = false;
    const PARR::GLPoint<double> local = toScene.inverted(&invertible).map(p);
    if (!invertible)
        return false;
    const double scale = std::sqrt(std::abs(toScene.determinant()));
    return node.hitsContent(local, scale > 0 ? tolerance / scale : tolerance);
}

// The visible nodes near `p`, topmost first.
std::vector<ROOK2::Node*> nodesNear(ROOK2::Scene& scene, const PARR::GLPoint<double>& p,
                                    double tolerance) {
    std::vector<ROOK2::Node*> found =
        scene.nodesIn({p.x - tolerance, p.y - tolerance, 2 * tolerance, 2 * tolerance});
    std::reverse(found.begin(), found.end());
    return found;
}

}  // namespace

EdgeCreationTool::EdgeCreationTool(Editor& editor) : PaletteTool(editor) {}

EdgeCreationTool::~EdgeCreationTool() = default;

PARR::StringID EdgeCreationTool::staticGetDefaultRole() {
    static const PARR::StringID role("DOVE2:EdgeCreationTool");
    return role;
}

void EdgeCreationTool::handleMousePressEvent(ROOK2::MouseEvent& event) {
    if (active_) {
        // The gesture owns the pointer until it ends.
        if (isValidIntermediateEvent(event))
            event.consume();
        return;
    }
    if (!isValidStartEvent(event))
        return;
    start(event);
    event.consume();
}

void EdgeCreationTool::handleMouseMoveEvent(ROOK2::MouseEvent& event) {
    if (!active_ || !isValidIntermediateEvent(event))
        return;
    updatePreview(event.scenePos());
    event.consume();
}

void EdgeCreationTool::handleMouseReleaseEvent(ROOK2::MouseEvent& event) {
    if (!active_)
        return;
    if (isValidFinalEvent(event)) {
        finish(event.scenePos());
        event.consume();
    } else if (isValidIntermediateEvent(event)) {
        event.consume();
    }
}

void EdgeCreationTool::handleKeyPressEvent(ROOK2::KeyEvent& event) {
    if (!active_ || event.key() != kEscapeKey)
        return;
    reset();
    event.consume();
}

QUILL::Model EdgeCreationTool::getModel() const {
    return getEditor().getViewInstance();
}

GraphElement EdgeCreationTool::getGraphElementAt(const PARR::GLPoint<double>& point) const {
    Graphics* graphics = getEditor().getGraphics();
    ROOK2::Scene* scene = getEditor().getScene();
    if (!graphics || !scene)
        return {};
    const double tolerance = scene->hitTolerance();
    for (ROOK2::Node* node : nodesNear(*scene, point, tolerance)) {
        if (!hits(*node, point, tolerance))
            continue;
        const PARR::Holder<Glyph> glyph = graphics->getGlyph(node);
        const GraphElement element(glyph ? glyph->diagramElement() : DiagramElement());
        if (element.isValid() && element.getRootDeviant().isValid())
            return element;
    }
    return {};
}

void EdgeCreationTool::reset() {
    active_ = false;
    startElement_ = GraphElement();
    startPosition_ = {};
    getEditor().dropPreviews();
}

bool EdgeCreationTool::isValidStartEvent(const ROOK2::MouseEvent& event) {
    if (event.button() != ROOK2::MouseEvent::LeftButton)
        return false;
    const GraphNode node(getGraphElementAt(event.scenePos()));
    if (!node.isValid())
        return false;
    if (event.modifiers() & PARR::AltModifier)
        return true;
    return GraphNode(node.getContainer()).isValid();
}

bool EdgeCreationTool::isValidIntermediateEvent(const ROOK2::MouseEvent& event) {
    return active_ && (event.type() == ROOK2::MouseEvent::Move ||
                       event.button() == ROOK2::MouseEvent::LeftButton);
}

bool EdgeCreationTool::isValidFinalEvent(const ROOK2::MouseEvent& event) {
    const bool ending = event.type() == ROOK2::MouseEvent::Release ||
                        event.type() == ROOK2::MouseEvent::DoubleClick;
    return active_ && ending && event.button() == ROOK2::MouseEvent::LeftButton;
}

void EdgeCreationTool::showPreview(const GraphElement& element, const PARR::GLPoint<double>& point,
                                   const QUILL::Model& model) {
    const bool joined = canEndAt(element);
    CreateEdgeCommand preview(model, getEditor().getDiagram(), startElement_,
                              joined ? element : GraphElement(),
                              joined ? PARR::Path() : PARR::Path{point});
    // A preview that cannot be built shows nothing; the command the gesture ends with goes
    // through Editor::processCommand, which reports its error.
    PARR::ErrorHolder previewErrors;
    preview.execute(previewErrors);
}

PARR::Holder<Command> EdgeCreationTool::createEdgeCommand(const GraphElement& element,
                                                          const PARR::GLPoint<double>& /*point*/,
                                                          const QUILL::Model& model) {
    if (!canEndAt(element))
        return {};
    return PARR::Holder<Command>(
        new CreateEdgeCommand(model, getEditor().getDiagram(), startElement_, element));
}

bool EdgeCreationTool::canEndAt(const GraphElement& end) const {
    return GraphNode(startElement_).isValid() && GraphNode(end).isValid() && end != startElement_;
}

void EdgeCreationTool::start(const ROOK2::MouseEvent& event) {
    startElement_ = getGraphElementAt(event.scenePos());
    startPosition_ = event.scenePos();
    active_ = true;
}

void EdgeCreationTool::updatePreview(const PARR::GLPoint<double>& point) {
    const QUILL::Model model = getModel();
    if (!model.isValid())
        return;
    // The last preview goes first, so that its glyphs are not found under the pointer.
    getEditor().dropPreviews();
    const GraphElement element = getGraphElementAt(point);
    QUILL::Transaction transaction(model);
    try {
        showPreview(element, point, model);
        transaction.commit();
    } catch (const std::exception& e) {
        // Leaving the scope rolls the step back: the view shows the root until the next move.
        TESSEL::Diagnostics::print(std::string("Edge preview failed: ") + e.what() + "\n");
    }
}

void EdgeCreationTool::finish(const PARR::GLPoint<double>& point) {
    getEditor().dropPreviews();
    const GraphElement element = getGraphElementAt(point);
    const PARR::Holder<Command> command =
        createEdgeCommand(element, point, getEditor().getRootDeviant());
    reset();
    if (command)
        getEditor().processCommand(command);
}

}  // namespace DOVE2
