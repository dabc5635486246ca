#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QPoint>
#include <QPointF>

#include "dove2/DiagramElement.h"

class QAction;
class QMenu;

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

class EditActions;

// The context menus of the editors' canvases. A right-click first selects what it is on, as a
// left press would (an element already selected keeps the selection, so the menu acts on all
// of it); the menu then acts on the selection:
//  - on a block: Block Parameters..., Open (a subsystem or chart only: the same as
//    double-clicking the block), Cut, Copy, Delete;
//  - on a line: Delete (the segment and, on a signal line, what it feeds) and Delete Line
//    (every segment of the selected lines, and nothing else selected), each one undoable
//    command;
//  - on another element (an annotation): Cut, Copy, Delete;
//  - on empty canvas: Paste, Select All, Fit to View (the selection stays).
// The menus show the window's own actions (EditActions, Block Parameters, Fit to View), so the
// menus and the menu bar do the same and are enabled alike.
//
// Only the active editor's canvas shows a menu: the window's actions act on that editor.
// The edit actions and the window's actions are not owned and must outlive this object.
class CanvasContextMenu : public QObject {
    Q_OBJECT
public:
    // The window's actions the menus offer, and how to bring their enabled states up to date
    // with a selection the right-click just made.
    struct WindowActions {
        QAction* blockParameters = nullptr;
        QAction* fitToView = nullptr;
        std::function<void()> refresh;
    };
    // Shows a built menu at a global screen point; the default runs it (QMenu::exec).
    using Presenter = std::function<void(QMenu& menu, const QPoint& globalPos)>;

    CanvasContextMenu(EditActions& edit, WindowActions window, QObject* parent);
    ~CanvasContextMenu() override;

    // Shows menus for right-clicks on the canvas of `editor` from now on (call once per editor;
    // the connection goes with the canvas).
    void attach(DOVE2::Editor& editor);
    // Selects what lies at `scenePos` (scene frame) in `editor` and builds the menu for it; the
    // caller owns the menu. Null when `editor` is not the active editor or has no scene.
    std::unique_ptr<QMenu> build(DOVE2::Editor& editor, const QPointF& scenePos);
    void setPresenter(Presenter presenter) { presenter_ = std::move(presenter); }

private:
    void onRequested(DOVE2::Editor& editor, const QPointF& scenePos, const QPoint& globalPos);
    // Selects the element whose glyph lies at `scenePos` unless it is selected already; returns
    // that element, empty on empty canvas.
    static DOVE2::DiagramElement selectAt(DOVE2::Editor& editor, const QPointF& scenePos);
    void addBlockItems(QMenu& menu, DOVE2::Editor& editor, const DOVE2::DiagramElement& block);
    void addLineItems(QMenu& menu, DOVE2::Editor& editor);
    void addElementItems(QMenu& menu);
    void addCanvasItems(QMenu& menu);
    // Opens a subsystem the way a double-click on its block does.
    static void open(DOVE2::Editor& editor, const DOVE2::DiagramElement& block);
    // Deletes every segment of the lines of the selected segments and branch points, and
    // nothing else, as one command.
    void deleteLines(DOVE2::Editor& editor);

    EditActions& edit_;
    WindowActions window_;
    Presenter presenter_;
};

}  // namespace VantorStudio
