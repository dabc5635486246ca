#pragma once

#include <string>

#include "vtdove/IVantorRenderer.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

// The drawing code of the library's block types. Each draws the block's icon in block
// coordinates, (0, 0) at the top-left corner and (w, h) = the block's size, reading the
// block's parameters where the icon shows them. Grouped by kind of block.
class BlockIcons {
public:
    using Renderer = VantorRenderer::IVantorRenderer;
    using Block = VTQUILL::ImmutableBlock;

    // Math operations.
    static void gain(const Block& b, Renderer& r);
    static void sum(const Block& b, Renderer& r);
    static void product(const Block& b, Renderer& r);
    static void integrator(const Block& b, Renderer& r);
    static void derivative(const Block& b, Renderer& r);
    static void saturation(const Block& b, Renderer& r);
    static void transferFunction(const Block& b, Renderer& r);

    // Sources and sinks.
    static void constant(const Block& b, Renderer& r);
    static void step(const Block& b, Renderer& r);
    static void sine(const Block& b, Renderer& r);
    static void scope(const Block& b, Renderer& r);
    // A double frame around "0" centred; while a run shows a value for the block
    // (DisplayedValues), that text instead, right-aligned in the largest font up to 12 units
    // high that fits inside the inner frame.
    static void display(const Block& b, Renderer& r);
    static void input(const Block& b, Renderer& r);
    static void output(const Block& b, Renderer& r);

    // Signal routing.
    static void mux(const Block& b, Renderer& r);
    static void demux(const Block& b, Renderer& r);
    static void switchBlock(const Block& b, Renderer& r);

    // Structure: subsystems and charts.
    static void subsystem(const Block& b, Renderer& r);
    static void maskedSubsystem(const Block& b, Renderer& r);
    static void configurableSubsystem(const Block& b, Renderer& r);
    static void pidController(const Block& b, Renderer& r);
    static void chart(const Block& b, Renderer& r);
    // A block of a type the library does not know: a frame and the type's name.
    static void unknown(const Block& b, Renderer& r);

    // Physical elements.
    static void resistor(const Block& b, Renderer& r);
    static void capacitor(const Block& b, Renderer& r);
    static void ground(const Block& b, Renderer& r);

    // A parameter's value as an icon shows it: the value when it is short, else `fallback`.
    static std::string shown(const Block& b, const std::string& parameter,
                             const std::string& fallback);
};

}  // namespace VTDove
