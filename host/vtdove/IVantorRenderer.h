#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parr/GLPoint.h"

class QImage;

namespace VantorRenderer {

// Packs a colour as the renderer takes it: red in the top byte, then green, blue, and alpha in
// the low byte (each 0..255).
constexpr std::uint32_t packRgba(std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                                 std::uint32_t alpha = 255) {
    return (red & 0xFFu) << 24 | (green & 0xFFu) << 16 | (blue & 0xFFu) << 8 | (alpha & 0xFFu);
}

// The drawing primitives through which the engine draws a block's look (its icon, frame and
// port labels). The engine calls them from VTDove::paintBlockGraphics in diagram coordinates
// (doubles unless stated; angles in radians, text rotation in degrees). An implementation
// records or paints them; it is not owned by the engine and must outlive the painting call.
//
// The virtual operations are laid out in a fixed order (slot 0 the destructor ... slot 28
// endPortLabels); the scaled-region pair beginSS/endSS does nothing by default, every other
// operation must be implemented.
class IVantorRenderer {
public:
    virtual ~IVantorRenderer() = default;

    virtual void fillRect(double x, double y, double w, double h) = 0;
    // A frame; the engine draws a thick frame as two nested rectangles about a unit apart.
    virtual void drawRect(double x, double y, double w, double h) = 0;
    // `r`: corner fraction, 0 (square) to 1 (fully round).
    virtual void fillRoundRect(double x, double y, double w, double h, double r) = 0;
    virtual void drawRoundRect(double x, double y, double w, double h, double r) = 0;
    virtual void fillEllipse(double x, double y, double w, double h) = 0;
    virtual void drawEllipse(double x, double y, double w, double h) = 0;
    virtual void fillArc(double x, double y, double w, double h, double start, double span) = 0;
    virtual void drawArc(double x, double y, double w, double h, double start, double span) = 0;
    virtual void fillPolygon(const std::vector<PARR::GLPoint<double>>& points) = 0;
    virtual void drawPolyline(const std::vector<PARR::GLPoint<double>>& points) = 0;
    // Text at the current point (moveTo), aligned and rotated by the text settings.
    virtual void drawText(const std::string& text) = 0;
    virtual void drawImage(double x, double y, double w, double h, const QImage& image) = 0;
    virtual void drawPoint(int x, int y) = 0;
    // A line from the current point to (x, y); the current point stays where it is.
    virtual void lineTo(int x, int y) = 0;
    // The font of the texts drawn from now on, as QFont::toString describes it; empty for the
    // renderer's usual font. A renderer that cannot change fonts may ignore it.
    virtual void setFont(const std::string& name) = 0;
    virtual void setTextRotation(double degrees) = 0;
    // `pen`: a line style (0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot).
    virtual void setLineStyle(int pen) = 0;
    // Horizontal: 0 left, 1 centred, 2 right. Vertical: 0 baseline-top, 1 top, 2 centred,
    // 3 bottom, 4 below the descent.
    virtual void setTextHAlign(std::uint32_t value) = 0;
    virtual void setTextVAlign(std::uint32_t value) = 0;
    virtual void setTextOption(std::uint32_t value) = 0;
    virtual void moveTo(const PARR::GLPoint<double>& point) = 0;
    // Packed colours (packRgba).
    virtual void setFillColor(std::uint32_t colour) = 0;
    virtual void setLineColor(std::uint32_t colour) = 0;
    virtual void flush() = 0;
    // Opens and closes a separately scaled region (top, left, bottom, right).
    virtual void beginSS(double top, double left, double bottom, double right) {
        (void)top;
        (void)left;
        (void)bottom;
        (void)right;
    }
    virtual void endSS() {}
    // Everything drawn between these two calls is a port label.
    virtual void beginPortLabels() = 0;
    // Returns whether a port-label section was open and has ended.
    virtual bool endPortLabels() = 0;
};

}  // namespace VantorRenderer
