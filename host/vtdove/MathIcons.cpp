// Icons of the math blocks.
#include "vtdove/BlockIcons.h"
#include "vtdove/IconCanvas.h"

namespace VTDove {

namespace {

constexpr std::size_t kLongestShownValue = 6;

}  // namespace

std::string BlockIcons::shown(const Block& b, const std::string& parameter,
                              const std::string& fallback) {
    const std::string value = b.getParameter(parameter);
    if (value.empty() || value.size() > kLongestShownValue)
        return fallback;
    return value;
}

void BlockIcons::gain(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    c.polygon({{0, 0}, {1, 0.5}, {0, 1}}, true);
    c.polygon({{0, 0}, {1, 0.5}, {0, 1}}, false);
    c.text(shown(b, "Gain", "K"), c.at(0.35, 0.5));
}

void BlockIcons::sum(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.useDefaultColours();
    r.fillEllipse(0, 0, c.width(), c.height());
    r.drawEllipse(0, 0, c.width(), c.height());
    c.centredText("\u03A3");
    const std::string signs = b.getParameter("Inputs");
    r.beginPortLabels();
    int shownSigns = 0;
    for (char sign : signs) {
        if (sign == '+' || sign == '-')
            ++shownSigns;
    }
    int index = 0;
    for (char sign : signs) {
        if (sign != '+' && sign != '-')
            continue;
        const double y = c.height() * (2 * index + 1) / (2.0 * shownSigns);
        c.text(std::string(1, sign), {c.width() * 0.2, y}, 0, 2);
        ++index;
    }
    r.endPortLabels();
}

void BlockIcons::product(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.centredText("\u00D7");
}

void BlockIcons::integrator(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.text("1", c.at(0.5, 0.3));
    c.polyline({{0.25, 0.5}, {0.75, 0.5}});
    c.text("s", c.at(0.5, 0.7));
}

void BlockIcons::derivative(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.text("du", c.at(0.5, 0.3));
    c.polyline({{0.2, 0.5}, {0.8, 0.5}});
    c.text("dt", c.at(0.5, 0.7));
}

void BlockIcons::saturation(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.polyline({{0.5, 0.1}, {0.5, 0.9}});
    c.polyline({{0.1, 0.5}, {0.9, 0.5}});
    c.polyline({{0.1, 0.75}, {0.35, 0.75}, {0.65, 0.25}, {0.9, 0.25}});
}

void BlockIcons::transferFunction(const Block& b, Renderer& r) {
    const IconCanvas c(r, b.getSize());
    c.frame();
    c.text(shown(b, "Numerator", "num(s)"), c.at(0.5, 0.3));
    c.polyline({{0.15, 0.5}, {0.85, 0.5}});
    c.text(shown(b, "Denominator", "den(s)"), c.at(0.5, 0.7));
}

}  // namespace VTDove
