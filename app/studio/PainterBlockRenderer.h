#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QColor>
#include <QPointF>

#include "vtdove/IVantorRenderer.h"

class QPainter;

namespace VantorStudio {

// Paints what the engine draws for a block straight onto a QPainter, in the painter's
// current coordinates (the engine's diagram units; set the painter's transform to place and
// scale the drawing). Frames are drawn as the engine issues them (a thick frame as its two
// rectangles), scaled regions are painted in place, port labels like everything else.
// Fonts keep the painter's font: the engine's font names are not mapped to system fonts.
//
// Holds the painter by reference, does not own it; lives for one painting.
class PainterBlockRenderer : public VantorRenderer::IVantorRenderer {
public:
    // `penWidth`: the width of every stroke, in the painter's units (a drawing scaled down
    // wants wider strokes to stay visible).
    explicit PainterBlockRenderer(QPainter& painter, double penWidth = 1.0);

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
    void beginPortLabels() override;
    bool endPortLabels() override;

private:
    // Sets the pen for outlines and no brush.
    QPainter& outlining();
    // Sets the fill brush and the outline pen.
    QPainter& filling();

    QPainter& painter_;
    double penWidth_;
    QColor lineColour_ = Qt::black;
    QColor fillColour_ = Qt::white;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    QPointF current_;
    double textRotation_ = 0;
    std::uint32_t hAlign_ = 0;
    std::uint32_t vAlign_ = 0;
    bool portLabelsOpen_ = false;
};

}  // namespace VantorStudio
