#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "vtdove/IVantorRenderer.h"

namespace VTDoveTest {

// Records every primitive as one line of text ("drawRect 0 0 30 30", "drawText K @ 10 15"),
// in call order; text is recorded with the current point it is drawn at.
class RecordingRenderer : public VantorRenderer::IVantorRenderer {
public:
    std::vector<std::string> calls;
    PARR::GLPoint<double> current;

    bool has(const std::string& call) const {
        for (const auto& c : calls) {
            if (c == call)
                return true;
        }
        return false;
    }
    bool hasPrefix(const std::string& prefix) const {
        for (const auto& c : calls) {
            if (c.rfind(prefix, 0) == 0)
                return true;
        }
        return false;
    }
    std::size_t indexOf(const std::string& prefix) const {
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].rfind(prefix, 0) == 0)
                return i;
        }
        return calls.size();
    }
    std::vector<std::vector<PARR::GLPoint<double>>> polylines;

    void fillRect(double x, double y, double w, double h) override { rec("fillRect", x, y, w, h); }
    void drawRect(double x, double y, double w, double h) override { rec("drawRect", x, y, w, h); }
    void fillRoundRect(double x, double y, double w, double h, double) override {
        rec("fillRoundRect", x, y, w, h);
    }
    void drawRoundRect(double x, double y, double w, double h, double) override {
        rec("drawRoundRect", x, y, w, h);
    }
    void fillEllipse(double x, double y, double w, double h) override {
        rec("fillEllipse", x, y, w, h);
    }
    void drawEllipse(double x, double y, double w, double h) override {
        rec("drawEllipse", x, y, w, h);
    }
    void fillArc(double x, double y, double w, double h, double, double) override {
        rec("fillArc", x, y, w, h);
    }
    void drawArc(double x, double y, double w, double h, double, double) override {
        rec("drawArc", x, y, w, h);
    }
    void fillPolygon(const std::vector<PARR::GLPoint<double>>& p) override {
        calls.push_back("fillPolygon " + std::to_string(p.size()));
        polylines.push_back(p);
    }
    void drawPolyline(const std::vector<PARR::GLPoint<double>>& p) override {
        calls.push_back("drawPolyline " + std::to_string(p.size()));
        polylines.push_back(p);
    }
    void drawText(const std::string& text) override {
        std::ostringstream s;
        s << "drawText " << text << " @ " << current.x << " " << current.y;
        calls.push_back(s.str());
    }
    void drawImage(double x, double y, double w, double h, const QImage&) override {
        rec("drawImage", x, y, w, h);
    }
    void drawPoint(int x, int y) override { rec("drawPoint", x, y); }
    void lineTo(int x, int y) override { rec("lineTo", x, y); }
    void setFont(const std::string&) override {}
    void setTextRotation(double) override {}
    void setLineStyle(int) override {}
    void setTextHAlign(std::uint32_t) override {}
    void setTextVAlign(std::uint32_t) override {}
    void setTextOption(std::uint32_t) override {}
    void moveTo(const PARR::GLPoint<double>& p) override { current = p; }
    void setFillColor(std::uint32_t c) override { fill = c; }
    void setLineColor(std::uint32_t c) override { line = c; }
    void flush() override {}
    void beginPortLabels() override { calls.push_back("beginPortLabels"); }
    bool endPortLabels() override {
        calls.push_back("endPortLabels");
        return true;
    }

    std::uint32_t fill = 0;
    std::uint32_t line = 0;

private:
    template <class... T>
    void rec(const std::string& name, T... values) {
        std::ostringstream s;
        s << name;
        ((s << " " << values), ...);
        calls.push_back(s.str());
    }
};

}  // namespace VTDoveTest
