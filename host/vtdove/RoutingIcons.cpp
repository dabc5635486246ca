// Icons of the signal-routing blocks.
#include "vtdove/BlockIcons.h"
#include "vtdove/IconCanvas.h"

namespace VTDove {

void BlockIcons::mux(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    r.setFillColor(VantorRenderer::packRgba(0, 0, 0));
    r.fillRect(0, 0, c.width(), c.height());
    r.drawRect(0, 0, c.width(), c.height());
}

void BlockIcons::demux(const Block& b, Renderer& r) {
    mux(b, r);
}

void BlockIcons::switchBlock(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.polyline({{0, 1.0 / 6}, {0.3, 1.0 / 6}});
    c.polyline({{0, 5.0 / 6}, {0.3, 5.0 / 6}});
    c.polyline({{0, 0.5}, {0.2, 0.5}});
    c.polyline({{0.3, 1.0 / 6}, {0.7, 0.5}, {1, 0.5}});
    r.drawEllipse(c.width() * 0.7 - 1.5, c.height() * 0.5 - 1.5, 3, 3);
}

}  // namespace VTDove
