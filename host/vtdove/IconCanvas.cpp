#include "vtdove/IconCanvas.h"

namespace VTDove {

using VantorRenderer::packRgba;

IconCanvas::IconCanvas(VantorRenderer::IVantorRenderer& renderer, PARR::GLPoint<double> size)
    : renderer_(renderer), size_(size) {}

PARR::GLPoint<double> IconCanvas::at(double fx, double fy) const {
    return {size_.x * fx, size_.y * fy};
}

void IconCanvas::useDefaultColours() const {
    renderer_.setLineColor(packRgba(0, 0, 0));
    renderer_.setFillColor(packRgba(255, 255, 255));
    renderer_.setLineStyle(1);
}

void IconCanvas::frame() const {
    useDefaultColours();
    renderer_.fillRect(0, 0, size_.x, size_.y);
    renderer_.drawRect(0, 0, size_.x, size_.y);
}

void IconCanvas::thickFrame() const {
    useDefaultColours();
    renderer_.fillRect(0, 0, size_.x, size_.y);
    renderer_.drawRect(0, 0, size_.x, size_.y);
    renderer_.drawRect(1, 1, size_.x - 2, size_.y - 2);
}

void IconCanvas::text(const std::string& text, PARR::GLPoint<double> anchor, std::uint32_t hAlign,
                      std::uint32_t vAlign) const {
    renderer_.setTextRotation(0);
    renderer_.setTextHAlign(hAlign);
    renderer_.setTextVAlign(vAlign);
    renderer_.moveTo(anchor);
    renderer_.drawText(text);
}

void IconCanvas::centredText(const std::string& text) const {
    this->text(text, at(0.5, 0.5));
}

void IconCanvas::polyline(std::initializer_list<PARR::GLPoint<double>> fractions) const {
    std::vector<PARR::GLPoint<double>> points;
    for (const auto& f : fractions)
        points.push_back(at(f.x, f.y));
    renderer_.drawPolyline(points);
}

void IconCanvas::polygon(std::initializer_list<PARR::GLPoint<double>> fractions,
                         bool filled) const {
    std::vector<PARR::GLPoint<double>> points;
    for (const auto& f : fractions)
        points.push_back(at(f.x, f.y));
    if (filled) {
        renderer_.fillPolygon(points);
    } else {
        points.push_back(points.front());
        renderer_.drawPolyline(points);
    }
}

}  // namespace VTDove
