#pragma once

#include "vtdove/IVantorRenderer.h"

namespace VTDove {

// A renderer that moves everything drawn through it by a fixed offset and passes it on: the
// block icons draw in block coordinates, and this turns them into diagram coordinates by the
// block's position. Holds the target by reference; lives for one painting call.
class TranslatingRenderer : public VantorRenderer::IVantorRenderer {
public:
    TranslatingRenderer(VantorRenderer::IVantorRenderer& target, PARR::GLPoint<double> offset);

    void fillRect(double x, double y, double w, double h) override;
    void drawRect(double x, double y, double w, double h) override;
    void fillRoundRect(double x, double y, double w, double h, double r) override;
    void drawRoundRect(double x, double y, double w, double h, double r) override;
    void fillEllipse(double x, double y, double w, double h) override;
    void drawEllipse(double x, double y, double w, double h) override;
    void fillArc(double x, double y, double w, double h, double start, double span) override;
    void drawArc(double x, double y, double w, double h, double start, double span) override;
    void fillPolygon(const std::vector<PARR::GLPoint<double>>& points) override;
    void drawPolyline(const std::vector<PARR::GLPoint<double>>& points) override;
    void drawText(const std::string& text) override;
    void drawImage(double x, double y, double w, double h, const QImage& image) override;
    void drawPoint(int x, int y) override;
    void lineTo(int x, int y) override;
    void setFont(const std::string& name) override;
    void setTextRotation(double degrees) override;
    void setLineStyle(int pen) override;
    void setTextHAlign(std::uint32_t value) override;
    void setTextVAlign(std::uint32_t value) override;
    void setTextOption(std::uint32_t value) override;
    void moveTo(const PARR::GLPoint<double>& point) override;
    void setFillColor(std::uint32_t colour) override;
    void setLineColor(std::uint32_t colour) override;
    void flush() override;
    void beginSS(double top, double left, double bottom, double right) override;
    void endSS() override;
    void beginPortLabels() override;
    bool endPortLabels() override;

private:
    std::vector<PARR::GLPoint<double>> moved(const std::vector<PARR::GLPoint<double>>& p) const;
    // Integer coordinates move by the offset rounded to whole units.
    int movedX(int x) const;
    int movedY(int y) const;

    VantorRenderer::IVantorRenderer& target_;
    PARR::GLPoint<double> offset_;
};

}  // namespace VTDove
