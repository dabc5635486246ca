// Icons of subsystems, charts and blocks of unknown type.
#include <algorithm>

#include "vtdove/BlockIcons.h"
#include "vtdove/IconCanvas.h"
#include "vtdove/SubsystemPorts.h"

namespace VTDove {

namespace {

// The names of the subsystem's inner Input (or Output) blocks, at the block's ports.
void drawPortNames(const IconCanvas& c, const std::vector<std::string>& names, bool inputs) {
    const int count = static_cast<int>(names.size());
    for (int i = 0; i < count; ++i) {
        const double y = c.height() * (2 * i + 1) / (2.0 * count);
        if (inputs) {
            c.text(names[i], {3, y}, 0, 2);
        } else {
            c.text(names[i], {c.width() - 3, y}, 2, 2);
        }
    }
}

}  // namespace

void BlockIcons::subsystem(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.thickFrame();
    const SubsystemPorts ports(b);
    r.beginPortLabels();
    drawPortNames(c, ports.inputNames(), true);
    drawPortNames(c, ports.outputNames(), false);
    r.endPortLabels();
}

void BlockIcons::maskedSubsystem(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.thickFrame();
    c.centredText(shown(b, "IconText", "Mask"));
}

void BlockIcons::configurableSubsystem(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.thickFrame();
    c.text("Template", c.at(0.5, 0.35));
    c.text(shown(b, "Choice", "..."), c.at(0.5, 0.65));
}

void BlockIcons::pidController(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.thickFrame();
    c.centredText("PID(s)");
}

void BlockIcons::chart(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    r.drawRoundRect(c.width() * 0.15, c.height() * 0.2, c.width() * 0.3, c.height() * 0.25, 0.4);
    r.drawRoundRect(c.width() * 0.55, c.height() * 0.55, c.width() * 0.3, c.height() * 0.25, 0.4);
    c.polyline({{0.45, 0.32}, {0.7, 0.32}, {0.7, 0.55}});
}

void BlockIcons::unknown(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.centredText(b.getType());
}

}  // namespace VTDove
