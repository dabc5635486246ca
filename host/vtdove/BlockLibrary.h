#pragma once

#include <functional>
#include <string>
#include <vector>

#include "parr/GLPoint.h"
#include "quill/Value.h"
#include "vtquill/VTQuill.h"

namespace VantorRenderer {
class IVantorRenderer;
}

namespace VTDove {

// One port of a block type's layout: kind ("In Port", "Out Port", "Connection Port"),
// position relative to the block at the type's default size, and orientation in degrees
// (0 +x, 90 -y, 180 -x, 270 +y).
struct PortLayoutEntry {
    std::string kind;
    PARR::GLPoint<double> position;
    double orientation = 0;
};

// A block type of the engine's library: parameters with their defaults, port layout,
// default size, kind flags, and the drawing code the engine runs for the block's icon.
struct BlockType {
    std::string name;   // the type text Block::getType returns ("Gain", "Sum", ...)
    std::string group;  // the library group the type is listed in ("Math Operations", ...)
    PARR::GLPoint<double> defaultSize{30, 30};
    std::vector<PortLayoutEntry> ports;
    QUILL::StringMap defaultParameters;
    bool subsystem = false;     // gets an inner diagram (ports follow its Input/Output blocks)
    bool masked = false;        // a masked subsystem: does not open as a diagram
    bool configurable = false;  // a configurable subsystem
    bool chart = false;         // a state-chart block
    std::string libraryLinkType = "None";  // "None", "Default", "Modified" or "Disabled"
    // Draws the block's icon through the renderer, in block coordinates (0, 0, w, h).
    std::function<void(const VTQUILL::ImmutableBlock&, VantorRenderer::IVantorRenderer&)> draw;
};

// The engine's block library (process-wide, read-only after start-up).
class BlockLibrary {
public:
    static const BlockLibrary& instance();

    // The type of that name; null when the library has none.
    const BlockType* find(const std::string& typeName) const;
    // Every type name, in library order.
    std::vector<std::string> typeNames() const;
    // The library's groups, in library order (each type belongs to exactly one).
    std::vector<std::string> groupNames() const;
    // The names of the types of `group`, in library order; empty for an unknown group.
    std::vector<std::string> typeNamesIn(const std::string& group) const;

    // Creates a block of `typeName` named `name` at `position` (relative to the diagram) in
    // `diagram`, with the type's size, parameters, flags and ports (and the inner diagram of a
    // subsystem). Needs an open transaction on the diagram's instance. An unknown type is
    // refused with QUILL::Exception before anything changes.
    VTQUILL::Block instantiate(const VTQUILL::Diagram& diagram, const std::string& typeName,
                               const std::string& name, PARR::GLPoint<double> position) const;

private:
    BlockLibrary();
    std::vector<BlockType> types_;
    std::vector<std::string> groups_;
};

}  // namespace VTDove
