// Icons of the physical elements (blocks with Connection Ports).
#include "vtdove/BlockIcons.h"
#include "vtdove/IconCanvas.h"

namespace VTDove {

void BlockIcons::resistor(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    c.polyline({{0, 0.5},
                {0.2, 0.5},
                {0.25, 0.2},
                {0.35, 0.8},
                {0.45, 0.2},
                {0.55, 0.8},
                {0.65, 0.2},
                {0.75, 0.8},
                {0.8, 0.5},
                {1, 0.5}});
}

void BlockIcons::capacitor(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    c.polyline({{0, 0.5}, {0.42, 0.5}});
    c.polyline({{0.42, 0.1}, {0.42, 0.9}});
    c.polyline({{0.58, 0.1}, {0.58, 0.9}});
    c.polyline({{0.58, 0.5}, {1, 0.5}});
}

void BlockIcons::ground(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    c.polyline({{0.5, 0}, {0.5, 0.4}});
    c.polyline({{0.1, 0.4}, {0.9, 0.4}});
    c.polyline({{0.25, 0.65}, {0.75, 0.65}});
    c.polyline({{0.4, 0.9}, {0.6, 0.9}});
}

}  // namespace VTDove
