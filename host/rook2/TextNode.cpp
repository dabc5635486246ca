#include "rook2/TextNode.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "rook2/NodeVisitor.h"
#include "rook2/Scene.h"
#include "wren/Emitter.h"

namespace ROOK2 {

void TextNode::setText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    measured_ = false;
    geometryChanged();
}

void TextNode::setFont(const QFont& font) {
    if (font == font_)
        return;
    font_ = font;
    measured_ = false;
    geometryChanged();
}

void TextNode::setTextColor(const PARR::Color& color) {
    if (color == textColor_)
        return;
    textColor_ = color;
    appearanceChanged();
}

void TextNode::setSyntaxHighlighter(const PARR::Holder<SyntaxHighlighter>& highlighter) {
    highlighter_ = highlighter;
    appearanceChanged();
}

std::vector<TextSpan> TextNode::highlightedSpans() const {
    return highlighter_ ? highlighter_->highlight(text_) : std::vector<TextSpan>();
}

bool TextNode::beginEdit() {
    if (!editable_ || !getScene())
        return false;
    editing_ = true;
    getScene()->getTextEditRequestEmitter().emit(this);
    return true;
}

void TextNode::completeEdit(const std::string& text) {
    editing_ = false;
    setText(text);
    editComplete_.emit(text_);
}

void TextNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

void TextNode::measure() const {
    if (measured_)
        return;
    const QFontMetricsF metrics(font_);
    const QStringList lines = QString::fromStdString(text_).split(QLatin1Char('\n'));
    double width = 0.0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    lineSpacing_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    const double height = text_.empty() ? 0.0 : lineSpacing_ * lines.size();
    box_ = {0.0, 0.0, text_.empty() ? 0.0 : width, height};
    measured_ = true;
}

PARR::GLRect<double> TextNode::contentRect() const {
    measure();
    return box_;
}

double TextNode::lineSpacing() const {
    measure();
    return lineSpacing_;
}

double TextNode::ascent() const {
    measure();
    return ascent_;
}

}  // namespace ROOK2
