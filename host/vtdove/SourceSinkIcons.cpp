// Icons of the sources and sinks.
#include <cmath>
#include <numbers>

#include "vtdove/BlockIcons.h"
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

void BlockIcons::display(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    r.drawRect(2, 2, c.width() - 4, c.height() - 4);
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
