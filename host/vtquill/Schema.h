#pragma once

#include "quill/Attribute.h"
#include "quill/Type.h"

namespace VTQUILL {

// The block-diagram metaclasses and their attributes, defined once on first use.
//
// Containment: the model object holds top-level diagrams; a diagram holds blocks, lines and
// annotations; a block holds its ports and, for a subsystem, its inner diagram; a line holds
// its segments and solder joints; a segment holds its labels and the terminators of its free
// ends. Positions are relative to the container; a diagram ends the container chain.
struct Schema {
    const QUILL::Type& model;
    const QUILL::Type& diagram;
    const QUILL::Type& block;
    const QUILL::Type& port;
    const QUILL::Type& line;
    const QUILL::Type& segment;
    const QUILL::Type& solderJoint;
    const QUILL::Type& terminator;
    const QUILL::Type& segmentLabel;
    const QUILL::Type& annotation;

    const QUILL::Attribute& modelName;
    // The run settings, key -> value text in canonical order (SimulationSettingsValidator);
    // empty: every setting at its default.
    const QUILL::Attribute& modelSimulation;
    const QUILL::Attribute& blockName;
    const QUILL::Attribute& blockType;
    const QUILL::Attribute& libraryLinkType;  // "None", "Default", "Modified", "Disabled"
    const QUILL::Attribute& drawName;
    const QUILL::Attribute& masked;
    const QUILL::Attribute& parameters;
    const QUILL::Attribute& portType;     // "In Port", "Out Port", "Connection Port"
    const QUILL::Attribute& orientation;  // degrees: 0 +x, 90 -y, 180 -x, 270 +y
    const QUILL::Attribute& portNumber;
    const QUILL::Attribute& lineType;  // "Signal" or "Connection"
    const QUILL::Attribute& lineLabel;
    const QUILL::Attribute& terminatorType;
    const QUILL::Attribute& labelLocation;
    const QUILL::Attribute& labelFlipped;
    const QUILL::Attribute& annotationText;
    const QUILL::Attribute& useTextAsClickFcn;

    static const Schema& get();
};

// Texts the model uses.
inline constexpr const char* kSignalLine = "Signal";
inline constexpr const char* kConnectionLine = "Connection";
inline constexpr const char* kInPort = "In Port";
inline constexpr const char* kOutPort = "Out Port";
inline constexpr const char* kConnectionPort = "Connection Port";

}  // namespace VTQUILL
