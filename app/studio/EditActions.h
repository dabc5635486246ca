#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

// The Edit menu's actions on the active editor:
//  - Undo and Redo, whose texts name the command ("Undo Move") and which are enabled as the
//    editor's canUndo / canRedo answer; Redo answers both Ctrl+Shift+Z and Ctrl+Y, whatever
//    the platform's own binding;
//  - Cut, Copy and Paste through the cut/copy/paste hooks of the editor's domain interface,
//    enabled as its canCut / canCopy / canPaste answer;
//  - Delete, through the editor's delete tool (a Delete key press handed to the tool of the
//    delete role; the scene's tools get the key when the editor has no such tool), enabled
//    while something is selected;
//  - Select All (Editor::selectAll).
// The window tells it the active editor (before that editor goes) and when to refresh (the
// undo history, the selection or the clipboard changed). The actions are children of the
// parent given.
//
// Every action but Copy can take long on a big diagram (seconds for thousands of blocks):
// each runs under a BusyGuard, so clicks and key presses made meanwhile are dropped instead of
// starting the next long command; the status bar of the parent's window (when the parent is
// a widget of a main window) says how many were dropped.
class EditActions : public QObject {
    Q_OBJECT
public:
    explicit EditActions(QObject* parent);

    // Acts on `editor` from now on (null: every action disabled) and refreshes.
    void setEditor(DOVE2::Editor* editor);
    DOVE2::Editor* editor() const { return editor_; }
    // Sets texts and enabled states from the editor's current answers.
    void refresh();
    void addTo(QMenu& menu) const;

    // The Delete key press for the active editor (see the class comment); false when there is
    // no editor.
    bool deleteSelection();

    QAction* undo() const { return undo_; }
    QAction* redo() const { return redo_; }
    QAction* cut() const { return cut_; }
    QAction* copy() const { return copy_; }
    QAction* paste() const { return paste_; }
    QAction* remove() const { return delete_; }
    QAction* selectAll() const { return selectAll_; }

private:
    // The widget whose window hears of input dropped while busy; null when the parent is none.
    QWidget* window() const;
    QAction* make(const QString& text, int standardKey, void (EditActions::*slot)());
    // Adds `keys` to the shortcuts of `action`, each once.
    static void addShortcuts(QAction& action, const QList<QKeySequence>& keys);
    void doUndo();
    void doRedo();
    void doCut();
    void doCopy();
    void doPaste();
    void doDelete();
    void doSelectAll();

    DOVE2::Editor* editor_ = nullptr;
    QAction* undo_;
    QAction* redo_;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* delete_;
    QAction* selectAll_;
};

}  // namespace VantorStudio
