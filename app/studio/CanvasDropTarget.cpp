#include "CanvasDropTarget.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include "BlockPlacer.h"
#include "LibraryTree.h"
#include "dove2/Editor.h"
#include "rook2/Canvas.h"

namespace VantorStudio {

CanvasDropTarget::CanvasDropTarget(DOVE2::Editor& editor, QObject* canvas)
    : QObject(canvas), editor_(editor) {}

CanvasDropTarget* CanvasDropTarget::install(DOVE2::Editor& editor) {
    ROOK2::Canvas* canvas = editor.getCanvas();
    if (!canvas)
        return nullptr;
    if (auto* installed =
            canvas->findChild<CanvasDropTarget*>(QString(), Qt::FindDirectChildrenOnly))
        return installed;
    auto* target = new CanvasDropTarget(editor, canvas);
    canvas->setAcceptDrops(true);
    canvas->installEventFilter(target);
    return target;
}

bool CanvasDropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (LibraryTree::typeNameIn(*drag->mimeData()).empty())
                return false;
            // A block is copied out of the library, never moved (a move would make the
            // dragging view remove its entry).
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const std::string type = LibraryTree::typeNameIn(*drop->mimeData());
            const ROOK2::Canvas* canvas = editor_.getCanvas();
            if (type.empty() || canvas != watched)
                return false;
            const QPointF at = canvas->mapToScene(drop->position());
            BlockPlacer::addAt(editor_, type, {at.x(), at.y()});
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace VantorStudio
