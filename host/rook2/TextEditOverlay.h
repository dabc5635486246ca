#pragma once

#include "rook2/TextNode.h"
#include "rook2/WeakRef.h"

#include <QPlainTextEdit>

namespace ROOK2 {

class TextNode;

// The in-place editor a canvas opens over an editable text node: a borderless text box
// holding the node's text. Return (without Shift) or leaving the box completes the edit
// (TextNode::completeEdit, which emits the node's edit-complete signal); Escape cancels it;
// Shift+Return starts a new line. The overlay hides itself when the edit ends.
class TextEditOverlay : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextEditOverlay(QWidget* parent);

    // Starts editing `node`, covering `widgetRect`.
    void edit(TextNode& node, const QRect& widgetRect);
    bool isEditing() const { return node_.isAlive(); }
    TextNode* editedNode() const { return node_.get(); }
    // Ends the edit, taking the current text; nothing happens when no edit runs.
    void complete();
    void cancel();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    WeakRef<TextNode> node_;
};

}  // namespace ROOK2
