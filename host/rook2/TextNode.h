#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "parr/Color.h"
#include "parr/Holder.h"
#include "rook2/Node.h"
#include "rook2/SyntaxHighlighter.h"
#include "wren/Emitter.h"

namespace ROOK2 {

// A text (UTF-8, lines separated by "\n") whose top-left corner is the node's origin. Its
// box comes from the font's metrics: the widest line's advance by the number of lines times
// the line spacing. Hit over its whole box.
//
// An editable text can be edited in place: beginEdit asks the scene's canvas to open an
// editor over it (Scene::getTextEditRequestEmitter); completeEdit takes the new text and
// emits it on the edit-complete emitter; cancelEdit leaves the text alone. Measuring needs a
// QGuiApplication (fonts).
class TextNode : public Node {
public:
    TextNode() = default;
    explicit TextNode(const std::string& text) : text_(text) {}

    void setText(const std::string& text);
    const std::string& getText() const { return text_; }
    void setFont(const QFont& font);
    const QFont& getFont() const { return font_; }
    void setTextColor(const PARR::Color& color);
    const PARR::Color& getTextColor() const { return textColor_; }

    // The highlighter that colours the text; empty for plain text.
    void setSyntaxHighlighter(const PARR::Holder<SyntaxHighlighter>& highlighter);
    const PARR::Holder<SyntaxHighlighter>& getSyntaxHighlighter() const { return highlighter_; }
    // The coloured runs of the current text (none without a highlighter).
    std::vector<TextSpan> highlightedSpans() const;

    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }
    // Starts editing when the text is editable and in a scene; false otherwise.
    bool beginEdit();
    bool isEditing() const { return editing_; }
    // Ends editing with `text`: sets it and emits it on the edit-complete emitter (also
    // when unchanged).
    void completeEdit(const std::string& text);
    void cancelEdit() { editing_ = false; }
    // Emits the final text each time an edit completes.
    WREN::Emitter<std::string>& getEditCompleteEmitter() { return editComplete_; }

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override;

    // Width of one line and the line spacing, from the font.
    double lineSpacing() const;
    double ascent() const;

private:
    void measure() const;

    std::string text_;
    QFont font_;
    PARR::Color textColor_;
    PARR::Holder<SyntaxHighlighter> highlighter_;
    bool editable_ = false;
    bool editing_ = false;
    WREN::Emitter<std::string> editComplete_;
    mutable bool measured_ = false;
    mutable PARR::GLRect<double> box_;
    mutable double lineSpacing_ = 0.0;
    mutable double ascent_ = 0.0;
};

}  // namespace ROOK2
