#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chartix/ChartContent.h"
#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "quill/Value.h"

namespace VTQUILL::File {

// The contents of a model file as plain values, between the JSON text and the repository:
// the reader decodes JSON into it, validates it and builds a model from it; the writer
// extracts it from a model and prints it. Every vector keeps the file's order. Positions
// follow the model: relative to the element's container, except segment vertices, which are
// absolute diagram coordinates.

// An element id as written in the file. `key` is its display form and identity: the digits
// of an integer id, the quoted text of a string id (so 7 and "7" are different ids).
struct FileId {
    std::string key;
    bool operator==(const FileId&) const = default;
};

// What a segment end was resolved to by the validator.
enum class EndKind { Free, Port, Joint, Terminator };

struct DocEnd {
    bool attached = false;  // false: the file says null (the end is attached to nothing)
    FileId target;
    // Filled in by the validator: for a port, `owner` is the block index in the diagram and
    // `index` the port index; for a joint, the joint index in the line; for a terminator, the
    // terminator index in the segment.
    EndKind kind = EndKind::Free;
    std::uint32_t owner = 0;
    std::uint32_t index = 0;
    // Used by the writer while it extracts a model: the repository object at this end.
    std::uint64_t object = 0;
};

struct DocPort {
    FileId id;
    std::string kind;
    std::int64_t number = 1;
    PARR::GLPoint<double> position;
    double orientation = 0;
};

struct DocBlock {
    FileId id;
    std::string type;
    std::string name;
    PARR::GLPoint<double> position;
    PARR::GLPoint<double> size;
    std::string libraryLinkType = "None";
    bool drawName = true;
    bool masked = false;
    QUILL::StringMap parameters;
    std::vector<DocPort> ports;
    bool hasSubsystem = false;
    FileId subsystem;
    std::uint32_t subsystemIndex = 0;   // index of the inner diagram, filled in by the validator
    std::uint64_t subsystemObject = 0;  // the inner diagram's repository object, for the writer
    // A chart block's chart ("Chart" blocks only; a chart block without one gets an empty
    // chart when it is first shown).
    bool hasChart = false;
    CHARTIX::ChartContent chart;
};

struct DocJoint {
    FileId id;
    PARR::GLPoint<double> position;
};

struct DocTerminator {
    FileId id;
    std::string type;
    PARR::GLPoint<double> position;
};

struct DocLabel {
    std::int64_t location = 0;
    bool flipped = false;
};

struct DocSegment {
    FileId id;
    DocEnd source;
    DocEnd destination;
    PARR::Path vertices;
    std::vector<DocTerminator> terminators;
    std::vector<DocLabel> labels;
};

struct DocLine {
    FileId id;
    std::string type = "Signal";
    std::string label;
    std::vector<DocJoint> joints;
    std::vector<DocSegment> segments;
};

struct DocAnnotation {
    FileId id;
    std::string text;
    PARR::GLPoint<double> position;
    bool clickFunction = false;
};

struct DocDiagram {
    FileId id;
    std::string name;
    std::vector<DocBlock> blocks;
    std::vector<DocLine> lines;
    std::vector<DocAnnotation> annotations;
};

struct ModelDocument {
    std::string name;
    // The run settings, key -> value text in canonical order (SimulationSettingsValidator);
    // numbers spelled as NumberText spells them. Empty: the file has no "simulation" member.
    QUILL::StringMap simulation;
    // Top-level diagrams and the inner diagrams of subsystem blocks alike; a diagram that no
    // block names as its subsystem is a top-level diagram.
    std::vector<DocDiagram> diagrams;
};

}  // namespace VTQUILL::File
