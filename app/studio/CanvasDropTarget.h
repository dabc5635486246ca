#pragma once

#include <QObject>

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

// Lets block-library entries (LibraryTree::kMimeType) be dropped onto an editor's canvas:
// an event filter on the canvas that accepts such drags and, on the drop, adds the block
// centred where it was dropped (BlockPlacer::addAt), leaving every other event to the canvas.
//
// Made by install(); a child of the canvas, so it goes with it. The editor owns the canvas,
// so the editor outlives the filter.
class CanvasDropTarget : public QObject {
    Q_OBJECT
public:
    // Installs a drop target on the editor's canvas (once per canvas); does nothing when the
    // editor has no canvas. Returns the target, or null without a canvas.
    static CanvasDropTarget* install(DOVE2::Editor& editor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CanvasDropTarget(DOVE2::Editor& editor, QObject* canvas);

    DOVE2::Editor& editor_;
};

}  // namespace VantorStudio
