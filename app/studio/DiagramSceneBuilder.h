#pragma once

#include "rook2/Scene.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

// Draws a diagram of a model into a scene as plain nodes: blocks as framed boxes with their
// type and name, ports as small triangles facing their orientation, segments as polylines
// with arrowheads on signal lines, solder joints as dots, free ends as short dashes, and
// annotations as text. Everything is in absolute diagram coordinates. The read-only view the
// studio shows until the editor module draws diagrams with glyphs.
class DiagramSceneBuilder {
public:
    explicit DiagramSceneBuilder(ROOK2::Scene& scene) : scene_(scene) {}

    void build(const VTQUILL::ImmutableDiagram& diagram);

private:
    void addBlock(const VTQUILL::ImmutableBlock& block);
    void addPort(const VTQUILL::ImmutablePort& port, const PARR::GLPoint<double>& blockOrigin);
    void addLine(const VTQUILL::ImmutableLine& line);
    void addSegment(const VTQUILL::ImmutableSegment& segment, bool arrow);
    void addAnnotation(const VTQUILL::ImmutableAnnotation& annotation);
    void addLabel(const std::string& text, const PARR::GLPoint<double>& center, bool bold);
    // A segment end at nothing or at a terminator.
    static bool isFreeEnd(const QUILL::ImmutableClassObject& end);

    ROOK2::Scene& scene_;
};

}  // namespace VantorStudio
