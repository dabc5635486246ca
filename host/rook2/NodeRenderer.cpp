#include "rook2/NodeRenderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QStaticText>
#include <QString>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "rook2/ContainerNode.h"
#include "rook2/CustomNode.h"
#include "rook2/CustomNodeCache.h"
#include "rook2/EffectShadow.h"
#include "rook2/EllipseNode.h"
#include "rook2/ImageNode.h"
#include "rook2/LinearPathNode.h"
#include "rook2/LodScale.h"
#include "rook2/QtConversions.h"
#include "rook2/RectNode.h"
#include "rook2/RoundedRectNode.h"
#include "rook2/ShadowImageCache.h"
#include "rook2/ShapeOutline.h"
#include "rook2/TextNode.h"

namespace ROOK2 {

namespace {

// Device pixels per unit of the painter's current frame.
double scaleOf(const QTransform& t) {
    const double s = std::sqrt(std::abs(t.determinant()));
    return s > 0.0 ? s : 1.0;
}

// The farthest a shadow reaches beyond its shape, in the node's frame.
double reachOf(const EffectShadow& shadow) {
    return std::max(std::abs(shadow.offset().x), std::abs(shadow.offset().y)) + shadow.blurRadius();
}

bool leavesMark(const Stroke& stroke) {
    return stroke.isVisible() && stroke.color().alpha() > 0.0;
}

bool leavesMark(const Fill& fill) {
    return fill.isGradient() || (fill.isColor() && fill.color().alpha() > 0.0);
}

}  // namespace

void NodeRenderer::draw(const Node& node) {
    painter_.setRenderHint(QPainter::Antialiasing, node.getDrawStyle().antialiased);
    if (!node.getEffects().empty())
        drawEffects(node);
    node.accept(*this);
}

double NodeRenderer::zoom() const {
    return scaleOf(painter_.worldTransform());
}

bool NodeRenderer::useNodeTools(const Node& node) {
    const bool stroked = leavesMark(node.getStroke()), filled = leavesMark(node.getFill());
    if (!stroked && !filled)
        return false;
    painter_.setPen(stroked ? toQPen(node.getStroke(), zoom()) : QPen(Qt::NoPen));
    painter_.setBrush(filled ? toQBrush(node.getFill()) : QBrush(Qt::NoBrush));
    return true;
}

void NodeRenderer::drawEffects(const Node& node) {
    const LodScale& lod = LodScale::instance();
    QPainterPath shape;
    for (const auto& effect : node.getEffects().effects()) {
        const auto* shadow = dynamic_cast<const EffectShadow*>(effect.get());
        if (!shadow || !lod.isDetailVisible(reachOf(*shadow), zoom()))
            continue;
        if (shape.isEmpty())
            shape = ShapeOutline::of(node);
        if (shape.isEmpty())
            return;
        shadows_.draw(painter_, shape, *shadow);
    }
}

void NodeRenderer::visit(const ContainerNode&) {}

void NodeRenderer::visit(const RectNode& node) {
    if (!useNodeTools(node))
        return;
    painter_.drawRect(toQRectF(node.getRect()));
}

void NodeRenderer::visit(const RoundedRectNode& node) {
    if (!useNodeTools(node))
        return;
    const PARR::GLRect<double>& r = node.getRect();
    const double radius = std::min(node.getCornerRadius(), std::min(r.width, r.height) / 2);
    painter_.drawRoundedRect(toQRectF(r), radius, radius);
}

void NodeRenderer::visit(const EllipseNode& node) {
    if (!useNodeTools(node))
        return;
    painter_.drawEllipse(toQRectF(node.getEllipse().rect()));
}

void NodeRenderer::visit(const LinearPathNode& node) {
    if (useNodeTools(node)) {
        QPolygonF polygon;
        for (const auto& p : node.getPoints())
            polygon << toQPointF(p);
        if (node.isClosed())
            painter_.drawPolygon(polygon, Qt::OddEvenFill);
        else
            painter_.drawPolyline(polygon);
    }
    if (node.isClosed())
        return;
    if (!node.getStartDecoration().isEmpty())
        drawDecoration(*node.getStartDecoration().node(),
                       toQTransform(node.startDecorationPlacement()));
    if (!node.getEndDecoration().isEmpty())
        drawDecoration(*node.getEndDecoration().node(),
                       toQTransform(node.endDecorationPlacement()));
}

void NodeRenderer::drawDecoration(const Node& decoration, const QTransform& placement) {
    if (!decoration.isVisible())
        return;
    const PARR::GLRect<double> box = decoration.paintRect();
    if (!LodScale::instance().isDetailVisible(std::max(box.width, box.height), zoom()))
        return;
    const QTransform saved = painter_.worldTransform();
    painter_.setWorldTransform(toQTransform(decoration.localToParent()) * placement * saved);
    draw(decoration);
    painter_.setWorldTransform(saved);
}

void NodeRenderer::visit(const TextNode& node) {
    if (node.getText().empty() || !LodScale::instance().isTextReadable(node.lineSpacing(), zoom()))
        return;
    useNodeTools(node);
    painter_.setFont(node.getFont());
    const QString text = QString::fromStdString(node.getText());
    const double spacing = node.lineSpacing();
    double y = node.ascent();
    int firstByte = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        drawTextLine(node, line, firstByte, y);
        firstByte += int(line.toStdString().size()) + 1;
        y += spacing;
    }
}

// A line of one colour and font, its layout kept between paints: laying text out (shaping) was
// most of a repaint of a diagram's names. The cache is emptied when it grows large.
void NodeRenderer::drawPlainLine(const QString& line, const QFont& font, double top) {
    static std::unordered_map<QString, QStaticText> layouts;
    constexpr std::size_t kMostLayouts = 8192;
    if (layouts.size() > kMostLayouts)
        layouts.clear();
    const QString key = font.key() + QChar(0x1f) + line;
    auto found = layouts.find(key);
    if (found == layouts.end()) {
        QStaticText text(line);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        found = layouts.emplace(key, std::move(text)).first;
    }
    painter_.drawStaticText(QPointF(0, top), found->second);
}

void NodeRenderer::drawTextLine(const TextNode& node, const QString& line, int firstByte,
                                double y) {
    const QColor plain = toQColor(node.getTextColor());
    const std::vector<TextSpan> spans = node.highlightedSpans();
    if (spans.empty()) {
        painter_.setPen(plain);
        drawPlainLine(line, node.getFont(), y - node.ascent());
        return;
    }
    const std::string bytes = line.toStdString();
    QFont font = node.getFont();
    double x = 0.0;
    std::size_t at = 0;
    auto drawRun = [&](std::size_t length, const QColor& color, bool bold) {
        if (length == 0)
            return;
        const QString run = QString::fromStdString(bytes.substr(at, length));
        font.setBold(bold);
        painter_.setFont(font);
        painter_.setPen(color);
        painter_.drawText(QPointF(x, y), run);
        x += QFontMetricsF(font).horizontalAdvance(run);
        at += length;
    };
    for (const TextSpan& span : spans) {
        const std::size_t lineStart = std::size_t(firstByte), lineEnd = lineStart + bytes.size();
        const std::size_t s = std::max(span.start, lineStart);
        const std::size_t e = std::min(span.start + span.length, lineEnd);
        if (s >= e || s - lineStart < at)
            continue;
        drawRun(s - lineStart - at, plain, node.getFont().bold());
        drawRun(e - s, toQColor(span.color), span.bold);
    }
    drawRun(bytes.size() - at, plain, node.getFont().bold());
}

void NodeRenderer::visit(const ImageNode& node) {
    const QImage& image = node.image();
    if (image.isNull())
        return;
    painter_.drawImage(toQRectF(node.contentRect()), image);
}

void NodeRenderer::visit(const CustomNode& node) {
    cache_.draw(painter_, node);
}

}  // namespace ROOK2
