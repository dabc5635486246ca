#include "EditActions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include "BusyGuard.h"
#include "dove2/Editor.h"
#include "dove2/tools/DeleteTool.h"
#include "harbor/AbstractDomainInterface.h"
#include "rook2/KeyEvent.h"
#include "rook2/Scene.h"

namespace VantorStudio {

namespace {

QString menuText(const char* verb, const std::string& description) {
    QString text = QObject::tr(verb);
    if (!description.empty())
        text += " " + QString::fromStdString(description);
    return text;
}

}  // namespace

EditActions::EditActions(QObject* parent) : QObject(parent) {
    undo_ = make(tr("Undo"), QKeySequence::Undo, &EditActions::doUndo);
    redo_ = make(tr("Redo"), QKeySequence::Redo, &EditActions::doRedo);
    addShortcuts(*redo_, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                          QKeySequence(Qt::CTRL | Qt::Key_Y)});
    cut_ = make(tr("Cut"), QKeySequence::Cut, &EditActions::doCut);
    copy_ = make(tr("Copy"), QKeySequence::Copy, &EditActions::doCopy);
    paste_ = make(tr("Paste"), QKeySequence::Paste, &EditActions::doPaste);
    delete_ = make(tr("Delete"), QKeySequence::Delete, &EditActions::doDelete);
    selectAll_ = make(tr("Select All"), QKeySequence::SelectAll, &EditActions::doSelectAll);
    refresh();
}

void EditActions::setEditor(DOVE2::Editor* editor) {
    editor_ = editor;
    refresh();
}

void EditActions::refresh() {
    DOVE2::Editor* editor = editor_;
    const HARBOR::AbstractDomainInterface* domain = editor ? editor->getDomain() : nullptr;
    const bool canUndo = editor && editor->canUndo();
    const bool canRedo = editor && editor->canRedo();
    undo_->setText(menuText("Undo", canUndo ? editor->undoText() : std::string()));
    redo_->setText(menuText("Redo", canRedo ? editor->redoText() : std::string()));
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
    cut_->setEnabled(domain && domain->canCut());
    copy_->setEnabled(domain && domain->canCopy());
    paste_->setEnabled(domain && domain->canPaste());
    delete_->setEnabled(editor && editor->lastSelected().isValid());
    selectAll_->setEnabled(editor && editor->getDiagram().isValid());
}

void EditActions::addTo(QMenu& menu) const {
    menu.addAction(undo_);
    menu.addAction(redo_);
    menu.addSeparator();
    menu.addAction(cut_);
    menu.addAction(copy_);
    menu.addAction(paste_);
    menu.addAction(delete_);
    menu.addSeparator();
    menu.addAction(selectAll_);
}

bool EditActions::deleteSelection() {
    if (!editor_)
        return false;
    BusyGuard busy(window());
    ROOK2::KeyEvent press(ROOK2::KeyEvent::Press, DOVE2::DeleteTool::kDeleteKey, 0);
    if (!editor_->delegateToTool(DOVE2::DeleteTool::staticGetDefaultRole(), press))
        editor_->getScene()->deliverKeyEvent(press);
    refresh();
    return true;
}

QWidget* EditActions::window() const {
    return qobject_cast<QWidget*>(parent());
}

void EditActions::addShortcuts(QAction& action, const QList<QKeySequence>& keys) {
    QList<QKeySequence> shortcuts = action.shortcuts();
    for (const QKeySequence& key : keys) {
        if (!shortcuts.contains(key))
            shortcuts.append(key);
    }
    action.setShortcuts(shortcuts);
}

QAction* EditActions::make(const QString& text, int standardKey, void (EditActions::*slot)()) {
    auto* action = new QAction(text, this);
    action->setShortcuts(
        QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(standardKey)));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void EditActions::doUndo() {
    BusyGuard busy(window());
    if (editor_)
        editor_->undo();
    refresh();
}

void EditActions::doRedo() {
    BusyGuard busy(window());
    if (editor_)
        editor_->redo();
    refresh();
}

void EditActions::doCut() {
    BusyGuard busy(window());
    if (HARBOR::AbstractDomainInterface* domain = editor_ ? editor_->getDomain() : nullptr)
        domain->doCut();
    refresh();
}

void EditActions::doCopy() {
    if (HARBOR::AbstractDomainInterface* domain = editor_ ? editor_->getDomain() : nullptr)
        domain->doCopy();
    refresh();
}

void EditActions::doPaste() {
    BusyGuard busy(window());
    if (HARBOR::AbstractDomainInterface* domain = editor_ ? editor_->getDomain() : nullptr)
        domain->doPaste();
    refresh();
}

void EditActions::doDelete() {
    deleteSelection();
}

void EditActions::doSelectAll() {
    BusyGuard busy(window());
    if (editor_)
        editor_->selectAll();
    refresh();
}

}  // namespace VantorStudio
