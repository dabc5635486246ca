#include "vtdove/TranslatingRenderer.h"

#include <cmath>

namespace VTDove {

TranslatingRenderer::TranslatingRenderer(VantorRenderer::IVantorRenderer& target,
                                         PARR::GLPoint<double> offset)
    : target_(target), offset_(offset) {}

std::vector<PARR::GLPoint<double>> TranslatingRenderer::moved(
    const std::vector<PARR::GLPoint<double>>& points) const {
    std::vector<PARR::GLPoint<double>> result;
    result.reserve(points.size());
    for (const auto& p : points)
        result.push_back(p + offset_);
    return result;
}

int TranslatingRenderer::movedX(int x) const {
    return x + static_cast<int>(std::lround(offset_.x));
}

int TranslatingRenderer::movedY(int y) const {
    return y + static_cast<int>(std::lround(offset_.y));
}

void TranslatingRenderer::fillRect(double x, double y, double w, double h) {
    target_.fillRect(x + offset_.x, y + offset_.y, w, h);
}
void TranslatingRenderer::drawRect(double x, double y, double w, double h) {
    target_.drawRect(x + offset_.x, y + offset_.y, w, h);
}
void TranslatingRenderer::fillRoundRect(double x, double y, double w, double h, double r) {
    target_.fillRoundRect(x + offset_.x, y + offset_.y, w, h, r);
}
void TranslatingRenderer::drawRoundRect(double x, double y, double w, double h, double r) {
    target_.drawRoundRect(x + offset_.x, y + offset_.y, w, h, r);
}
void TranslatingRenderer::fillEllipse(double x, double y, double w, double h) {
    target_.fillEllipse(x + offset_.x, y + offset_.y, w, h);
}
void TranslatingRenderer::drawEllipse(double x, double y, double w, double h) {
    target_.drawEllipse(x + offset_.x, y + offset_.y, w, h);
}
void TranslatingRenderer::fillArc(double x, double y, double w, double h, double start,
                                  double span) {
    target_.fillArc(x + offset_.x, y + offset_.y, w, h, start, span);
}
void TranslatingRenderer::drawArc(double x, double y, double w, double h, double start,
                                  double span) {
    target_.drawArc(x + offset_.x, y + offset_.y, w, h, start, span);
}
void TranslatingRenderer::fillPolygon(const std::vector<PARR::GLPoint<double>>& points) {
    target_.fillPolygon(moved(points));
}
void TranslatingRenderer::drawPolyline(const std::vector<PARR::GLPoint<double>>& points) {
    target_.drawPolyline(moved(points));
}
void TranslatingRenderer::drawText(const std::string& text) {
    target_.drawText(text);
}
void TranslatingRenderer::drawImage(double x, double y, double w, double h, const QImage& image) {
    target_.drawImage(x + offset_.x, y + offset_.y, w, h, image);
}
void TranslatingRenderer::drawPoint(int x, int y) {
    target_.drawPoint(movedX(x), movedY(y));
}
void TranslatingRenderer::lineTo(int x, int y) {
    target_.lineTo(movedX(x), movedY(y));
}
void TranslatingRenderer::setFont(const std::string& name) {
    target_.setFont(name);
}
void TranslatingRenderer::setTextRotation(double degrees) {
    target_.setTextRotation(degrees);
}
void TranslatingRenderer::setLineStyle(int pen) {
    target_.setLineStyle(pen);
}
void TranslatingRenderer::setTextHAlign(std::uint32_t value) {
    target_.setTextHAlign(value);
}
void TranslatingRenderer::setTextVAlign(std::uint32_t value) {
    target_.setTextVAlign(value);
}
void TranslatingRenderer::setTextOption(std::uint32_t value) {
    target_.setTextOption(value);
}
void TranslatingRenderer::moveTo(const PARR::GLPoint<double>& point) {
    target_.moveTo(point + offset_);
}
void TranslatingRenderer::setFillColor(std::uint32_t colour) {
    target_.setFillColor(colour);
}
void TranslatingRenderer::setLineColor(std::uint32_t colour) {
    target_.setLineColor(colour);
}
void TranslatingRenderer::flush() {
    target_.flush();
}
void TranslatingRenderer::beginSS(double top, double left, double bottom, double right) {
    target_.beginSS(top + offset_.y, left + offset_.x, bottom + offset_.y, right + offset_.x);
}
void TranslatingRenderer::endSS() {
    target_.endSS();
}
void TranslatingRenderer::beginPortLabels() {
    target_.beginPortLabels();
}
bool TranslatingRenderer::endPortLabels() {
    return target_.endPortLabels();
}

}  // namespace VTDove
