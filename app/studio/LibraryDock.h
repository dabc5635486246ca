#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QDockWidget>

#include "vtquill/VTQuill.h"

class QLineEdit;
class QTreeWidgetItem;

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

class BlockIconCache;
class LibraryTree;
class StatusReporter;

// The "Library" dock: every block type of the engine's library, grouped as the library
// groups them, each with its engine-drawn icon (BlockIconCache, drawn once when the dock is
// made), above them a filter box. Dragging an entry onto a diagram adds the block where it is
// dropped (the canvases of editors given to acceptDropsOn); double-clicking an entry, or
// Enter on it, adds it at the centre of the active editor's view. Each addition is one
// undoable "Add Block" command of the editor (AddBlockCommand) and selects the new block.
//
// Failures reach the status bar: a command's own error through the editor's command-error
// emitter, an addition with no diagram open through `status`.
class LibraryDock : public QDockWidget {
    Q_OBJECT
public:
    // The dock's object name (the window keeps dock layouts by it).
    static constexpr const char* kObjectName = "LibraryDock";
    // Answers the editor additions go to; null when none is active.
    using ActiveEditor = std::function<DOVE2::Editor*()>;

    // `status` (not owned) must outlive the dock.
    LibraryDock(ActiveEditor activeEditor, StatusReporter& status, QWidget* parent = nullptr);
    ~LibraryDock() override;

    // Adds a block of `typeName` at the centre of the active editor's view, as double-clicking
    // its entry does. Returns the new block (bound to the model's root); an empty handle when
    // no editor is active (told to the status bar) or the command failed.
    VTQUILL::Block addToActiveEditor(const std::string& typeName);
    // Lets library entries be dropped onto the editor's canvas from now on.
    static void acceptDropsOn(DOVE2::Editor& editor);

    LibraryTree& tree() const { return *tree_; }
    QLineEdit& filterBox() const { return *filter_; }
    const BlockIconCache& icons() const { return *icons_; }

private:
    void onActivated(QTreeWidgetItem* item);

    ActiveEditor activeEditor_;
    StatusReporter& status_;
    std::unique_ptr<BlockIconCache> icons_;
    QLineEdit* filter_;
    LibraryTree* tree_;
};

}  // namespace VantorStudio
