#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "parr/GLPoint.h"
#include "vtdove/IVantorRenderer.h"

namespace VTDove {

// The drawing vocabulary of the block icons: a renderer plus the block's size, with the few
// composite strokes every icon uses (the frame, centred text, polylines given in fractions of
// the block). Coordinates are block coordinates, (0, 0) at the block's top-left corner.
// Holds the renderer by reference; use it only during one painting call.
class IconCanvas {
public:
    IconCanvas(VantorRenderer::IVantorRenderer& renderer, PARR::GLPoint<double> size);

    VantorRenderer::IVantorRenderer& renderer() const { return renderer_; }
    double width() const { return size_.x; }
    double height() const { return size_.y; }
    // A point given as fractions of the block's width and height.
    PARR::GLPoint<double> at(double fx, double fy) const;

    // Black lines on a white block: the default colours every icon starts with.
    void useDefaultColours() const;
    // The white background and a one-unit frame around the whole block.
    void frame() const;
    // A two-unit frame drawn the engine's way, as two nested rectangles.
    void thickFrame() const;
    // Text anchored at (x, y) with the given alignments (see IVantorRenderer).
    void text(const std::string& text, PARR::GLPoint<double> anchor, std::uint32_t hAlign = 1,
              std::uint32_t vAlign = 2) const;
    // Text centred in the block.
    void centredText(const std::string& text) const;
    // A polyline whose points are fractions of the block's width and height.
    void polyline(std::initializer_list<PARR::GLPoint<double>> fractions) const;
    void polygon(std::initializer_list<PARR::GLPoint<double>> fractions, bool filled) const;
    // A curve y = f(t) sampled at `samples` points over the box (fractions).
    template <class F>
    void curve(F f, double x0, double y0, double x1, double y1, int samples) const {
        std::vector<PARR::GLPoint<double>> points;
        for (int i = 0; i <= samples; ++i) {
            const double t = double(i) / samples;
            points.push_back(at(x0 + (x1 - x0) * t, y0 + (y1 - y0) * (0.5 - 0.5 * f(t))));
        }
        renderer_.drawPolyline(points);
    }

private:
    VantorRenderer::IVantorRenderer& renderer_;
    PARR::GLPoint<double> size_;
};

}  // namespace VTDove
