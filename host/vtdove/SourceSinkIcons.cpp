// Icons of the sources and sinks.
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRectF>
#include <QString>
#include <cmath>
#include <numbers>
#include <optional>

#include "vtdove/BlockIcons.h"
#include "vtdove/DisplayedValues.h"
#include "vtdove/IconCanvas.h"

namespace VTDove {

void BlockIcons::constant(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.centredText(shown(b, "Value", "C"));
}

void BlockIcons::step(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.polyline({{0.15, 0.75}, {0.5, 0.75}, {0.5, 0.25}, {0.85, 0.25}});
}

void BlockIcons::sine(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.curve([](double t) { return 0.6 * std::sin(2 * std::numbers::pi * t); }, 0.1, 0.1, 0.9, 0.9,
            24);
}

void BlockIcons::scope(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    r.setFillColor(VantorRenderer::packRgba(0, 0, 0));
    r.fillRect(c.width() * 0.15, c.height() * 0.15, c.width() * 0.7, c.height() * 0.5);
    r.setLineColor(VantorRenderer::packRgba(255, 255, 0));
    c.polyline({{0.2, 0.55}, {0.4, 0.3}, {0.6, 0.5}, {0.8, 0.25}});
    c.useDefaultColours();
    r.drawRect(c.width() * 0.15, c.height() * 0.15, c.width() * 0.7, c.height() * 0.5);
}

namespace {

// A Display block's readout of a value: inside the inner frame, a gap of 3 from it sideways
// and 2 from it up and down (block units).
constexpr double kReadoutMarginX = 5;
constexpr double kReadoutMarginY = 4;
// The readout's text height in block units when the value fits at it.
constexpr int kReadoutPixelSize = 12;

// The box `text` takes in `font`, block units (a pixel-sized font measures the same on every
// device). Without a GUI application there are no font metrics: a wide estimate stands in.
QSizeF textExtent(const QString& text, const QFont& font) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {0.7 * font.pixelSize() * text.size(), 1.2 * font.pixelSize()};
    return QFontMetricsF(font)
        .boundingRect(QRectF(), Qt::AlignRight | Qt::AlignVCenter, text)
        .size();
}

// The largest font, up to kReadoutPixelSize, in which `text` fits into `room`; one pixel
// high when none does.
QFont readoutFont(const QString& text, const QSizeF& room) {
    QFont font;
    for (int pixels = kReadoutPixelSize; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QSizeF extent = textExtent(text, font);
        if (extent.width() <= room.width() && extent.height() <= room.height())
            return font;
    }
    font.setPixelSize(1);
    return font;
}

// The value right-aligned like a numeric readout, vertically centred.
void drawReadout(const IconCanvas& c, const std::string& text) {
    const QSizeF room(c.width() - 2 * kReadoutMarginX, c.height() - 2 * kReadoutMarginY);
    const QFont font = readoutFont(QString::fromStdString(text), room);
    c.renderer().setFont(font.toString().toStdString());
    c.text(text, {c.width() - kReadoutMarginX, c.height() / 2}, 2, 2);
    // Renderers keep their settings from one drawing to the next; other texts use the usual
    // font.
    c.renderer().setFont("");
}

}  // namespace

void BlockIcons::display(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    r.drawRect(2, 2, c.width() - 4, c.height() - 4);
    if (const std::optional<std::string> value = DisplayedValues::instance().find(b)) {
        drawReadout(c, *value);
        return;
    }
    c.centredText("0");
}

void BlockIcons::input(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    r.fillRoundRect(0, 0, c.width(), c.height(), 0.5);
    r.drawRoundRect(0, 0, c.width(), c.height(), 0.5);
    c.centredText(shown(b, "Port", "1"));
}

void BlockIcons::output(const Block& b, Renderer& r) {
    input(b, r);
}

}  // namespace VTDove
