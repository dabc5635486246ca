#include "dove2/tools/SelectionTool.h"

#include <algorithm>

#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "rook2/MoveTool.h"
#include "rook2/Scene.h"

namespace DOVE2 {

namespace {

// The box `node` and its children cover, in scene coordinates.
PARR::GLRect<double> sceneBox(const ROOK2::Node& node) {
    return node.sceneTransform().mapRect(node.getBounds().boundingRect());
}

}  // namespace

SelectionTool::SelectionTool(Editor& editor) : editor_(editor) {}

SelectionTool::~SelectionTool() = default;

void SelectionTool::handleMousePressEvent(ROOK2::MouseEvent& event) {
    marquee_.disarm();
    ROOK2::SelectionTool::handleMousePressEvent(event);
    if (event.isConsumed() && !mousePressNode() && getScene())
        marquee_.arm(*getScene(), event);
}

void SelectionTool::handleMouseMoveEvent(ROOK2::MouseEvent& event) {
    if (!marquee_.isArmed()) {
        ROOK2::SelectionTool::handleMouseMoveEvent(event);
        return;
    }
    if (event.buttons() & ROOK2::MouseEvent::LeftButton)
        marquee_.follow(event, kDragThreshold);
    event.consume();
}

void SelectionTool::handleMouseReleaseEvent(ROOK2::MouseEvent& event) {
    if (marquee_.isArmed() && event.button() == ROOK2::MouseEvent::LeftButton) {
        const bool shown = marquee_.isShown();
        const PARR::GLRect<double> rect = marquee_.rect();
        // The rectangle goes first, so that it is not among the nodes found inside itself.
        marquee_.disarm();
        if (shown)
            selectInside(rect);
    }
    ROOK2::SelectionTool::handleMouseReleaseEvent(event);
}

void SelectionTool::invokeMoveTool(ROOK2::MouseEvent& event) {
    ROOK2::Tool* tool = editor_.addToolByRole(ROOK2::MoveTool::staticGetDefaultRole());
    if (!tool)
        return;
    ROOK2::MouseEvent press = lastMousePressEvent();
    press.resetConsumed();
    tool->handleMousePressEvent(press);
    tool->handleMouseMoveEvent(event);
}

PARR::GList<DiagramElement> SelectionTool::elementsInside(const PARR::GLRect<double>& rect) const {
    PARR::GList<DiagramElement> inside;
    Graphics* graphics = editor_.getGraphics();
    ROOK2::Scene* scene = editor_.getScene();
    if (!graphics || !scene)
        return inside;
    std::vector<const Glyph*> seen;
    for (ROOK2::Node* node : scene->nodesIn(rect)) {
        const PARR::Holder<Glyph> glyph = graphics->getGlyph(node);
        if (!glyph || std::find(seen.begin(), seen.end(), glyph.get()) != seen.end())
            continue;
        seen.push_back(glyph.get());
        const PARR::Holder<ROOK2::Node> root = glyph->getRoot();
        if (root && glyph->isSelectable() && rect.contains(sceneBox(*root)))
            inside.append(glyph->diagramElement());
    }
    return inside;
}

void SelectionTool::selectInside(const PARR::GLRect<double>& rect) {
    for (const DiagramElement& element : elementsInside(rect))
        editor_.select(element, true);
}

}  // namespace DOVE2
