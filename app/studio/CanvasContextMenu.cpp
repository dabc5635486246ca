#include "CanvasContextMenu.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <vector>

#include "EditActions.h"
#include "dove2/Editor.h"
#include "dove2/Glyph.h"
#include "dove2/Graphics.h"
#include "rook2/Canvas.h"
#include "rook2/MouseEvent.h"
#include "rook2/Scene.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

namespace {

// Whether double-clicking `block` opens a diagram: a chart, or a subsystem that is neither
// masked nor configurable (other blocks open their parameters instead).
bool opensADiagram(const VTQUILL::ImmutableBlock& block) {
    if (block.isChartix())
        return true;
    return block.isSubsystem() && !block.isMasked() && !block.isBlockConfigurableSubsystem();
}

bool isLinePart(const DOVE2::DiagramElement& element) {
    return VTQUILL::Segment(element).isValid() || VTQUILL::SolderJoint(element).isValid();
}

}  // namespace

CanvasContextMenu::CanvasContextMenu(EditActions& edit, WindowActions window, QObject* parent)
    : QObject(parent),
      edit_(edit),
      window_(std::move(window)),
      presenter_([](QMenu& menu, const QPoint& at) { menu.exec(at); }) {}

CanvasContextMenu::~CanvasContextMenu() = default;

void CanvasContextMenu::attach(DOVE2::Editor& editor) {
    ROOK2::Canvas* canvas = editor.getCanvas();
    if (!canvas)
        return;
    // The canvas goes with its editor, and the connection with the canvas.
    connect(canvas, &ROOK2::Canvas::contextMenuRequested, this,
            [this, &editor](const QPointF& scenePos, const QPoint& globalPos) {
                onRequested(editor, scenePos, globalPos);
            });
}

void CanvasContextMenu::onRequested(DOVE2::Editor& editor, const QPointF& scenePos,
                                    const QPoint& globalPos) {
    if (std::unique_ptr<QMenu> menu = build(editor, scenePos))
        presenter_(*menu, globalPos);
}

std::unique_ptr<QMenu> CanvasContextMenu::build(DOVE2::Editor& editor, const QPointF& scenePos) {
    if (&editor != edit_.editor() || !editor.getScene())
        return nullptr;
    const DOVE2::DiagramElement clicked = selectAt(editor, scenePos);
    if (window_.refresh)
        window_.refresh();
    auto menu = std::make_unique<QMenu>();
    if (VTQUILL::Block(clicked).isValid())
        addBlockItems(*menu, editor, clicked);
    else if (isLinePart(clicked))
        addLineItems(*menu, editor);
    else if (clicked.isValid())
        addElementItems(*menu);
    else
        addCanvasItems(*menu);
    return menu;
}

DOVE2::DiagramElement CanvasContextMenu::selectAt(DOVE2::Editor& editor, const QPointF& scenePos) {
    ROOK2::Scene& scene = *editor.getScene();
    ROOK2::Node* node = scene.selectableNodeAt({scenePos.x(), scenePos.y()}, scene.hitTolerance());
    DOVE2::Graphics* graphics = editor.getGraphics();
    const PARR::Holder<DOVE2::Glyph> glyph =
        node && graphics ? graphics->getGlyph(node) : PARR::Holder<DOVE2::Glyph>();
    if (!glyph)
        return {};
    if (!node->isSelected()) {
        scene.clearSelection();
        node->setSelected(true);
    }
    return DOVE2::DiagramElement(glyph->diagramElement().asDeviant(editor.getViewInstance()));
}

void CanvasContextMenu::addBlockItems(QMenu& menu, DOVE2::Editor& editor,
                                      const DOVE2::DiagramElement& block) {
    menu.addAction(window_.blockParameters);
    if (opensADiagram(VTQUILL::ImmutableBlock(block))) {
        menu.addAction(tr("&Open"), this, [&editor, block] { open(editor, block); });
    }
    menu.addSeparator();
    addElementItems(menu);
}

void CanvasContextMenu::addLineItems(QMenu& menu, DOVE2::Editor& editor) {
    menu.addAction(edit_.remove());
    QAction* line =
        menu.addAction(tr("Delete &Line"), this, [this, &editor] { deleteLines(editor); });
    line->setEnabled(edit_.remove()->isEnabled());
}

void CanvasContextMenu::addElementItems(QMenu& menu) {
    menu.addAction(edit_.cut());
    menu.addAction(edit_.copy());
    menu.addAction(edit_.remove());
}

void CanvasContextMenu::addCanvasItems(QMenu& menu) {
    menu.addAction(edit_.paste());
    menu.addAction(edit_.selectAll());
    menu.addSeparator();
    menu.addAction(window_.fitToView);
}

// A double-click at the block's centre, where no name label lies, reaches the block's glyph
// and the tools exactly as the user's would.
void CanvasContextMenu::open(DOVE2::Editor& editor, const DOVE2::DiagramElement& block) {
    const VTQUILL::ImmutableBlock opened(block);
    ROOK2::Scene* scene = editor.getScene();
    ROOK2::Canvas* canvas = editor.getCanvas();
    if (!opened.isValid() || !scene || !canvas)
        return;
    const PARR::GLPoint<double> centre = opened.getPosition() + opened.getSize() * 0.5;
    const QPoint widget = canvas->mapFromScene(QPointF(centre.x, centre.y)).toPoint();
    ROOK2::MouseEvent click(ROOK2::MouseEvent::DoubleClick, centre, {widget.x(), widget.y()},
                            ROOK2::MouseEvent::LeftButton, ROOK2::MouseEvent::LeftButton, 0);
    scene->deliverMouseEvent(click);
}

// The selection becomes the lines' segments alone: blocks selected with them stay.
void CanvasContextMenu::deleteLines(DOVE2::Editor& editor) {
    std::vector<VTQUILL::ImmutableLine> lines;
    for (const DOVE2::DiagramElement& part : editor.getSelection()) {
        const VTQUILL::ImmutableLine line(part.getContainer());
        if (isLinePart(part) && line.isValid() &&
            std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    editor.clearSelection();
    for (const VTQUILL::ImmutableLine& line : lines) {
        for (const VTQUILL::ImmutableSegment& segment : line.getSegments())
            editor.select(segment, true);
    }
    edit_.deleteSelection();
}

}  // namespace VantorStudio
