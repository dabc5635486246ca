#include "rook2/TextEditOverlay.h"

#include "rook2/TextNode.h"

#include <QKeyEvent>

namespace ROOK2 {

TextEditOverlay::TextEditOverlay(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameStyle(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
}

void TextEditOverlay::edit(TextNode& node, const QRect& widgetRect) {
    node_ = WeakRef<TextNode>(&node);
    setFont(node.getFont());
    setPlainText(QString::fromStdString(node.getText()));
    setGeometry(widgetRect);
    selectAll();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void TextEditOverlay::complete() {
    TextNode* node = node_.get();
    if (!node)
        return;
    node_.reset();
    hide();
    node->completeEdit(toPlainText().toStdString());
}

void TextEditOverlay::cancel() {
    TextNode* node = node_.get();
    node_.reset();
    hide();
    if (node)
        node->cancelEdit();
}

void TextEditOverlay::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & Qt::ShiftModifier)) {
        complete();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextEditOverlay::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    complete();
}

}  // namespace ROOK2
