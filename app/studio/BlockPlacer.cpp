#include "BlockPlacer.h"

#include "AddBlockCommand.h"
#include "dove2/Editor.h"
#include "rook2/Canvas.h"

namespace VantorStudio {

VTQUILL::Block BlockPlacer::addAt(DOVE2::Editor& editor, const std::string& typeName,
                                  const PARR::GLPoint<double>& centre) {
    if (!editor.getDiagram().isValid())
        return VTQUILL::Block();
    PARR::Holder<AddBlockCommand> command(
        new AddBlockCommand(editor.getRootDeviant(), editor.getDiagram(), typeName, centre));
    if (!editor.processCommand(command))
        return VTQUILL::Block();
    const VTQUILL::Block block = command->createdBlock();
    editor.select(block);
    return block;
}

PARR::GLPoint<double> BlockPlacer::viewCentre(const DOVE2::Editor& editor) {
    const ROOK2::Canvas* canvas = editor.getCanvas();
    if (!canvas)
        return {0, 0};
    const QPointF centre =
        canvas->mapToScene(QRectF(QPointF(0, 0), canvas->viewportSize()).center());
    return {centre.x(), centre.y()};
}

}  // namespace VantorStudio
