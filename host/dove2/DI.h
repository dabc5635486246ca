#pragma once

#include <vector>

#include "dove2/DiagramElement.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"

// Geometry of diagram elements in absolute diagram coordinates (the frame of the diagram
// that shows them; y grows downwards). Every function reads the element through its handle
// in the handle's instance; an invalid handle gives the empty value stated.
namespace DOVE2::DI {

// The element's position plus the positions of its containers, up to the first container
// that is not a diagram element (the diagram). (0, 0) for an invalid handle.
PARR::GLPoint<double> absolutePosition(const ImmutableDiagramElement& element);
// The same from a diagram element's state as `instance` holds it: one lookup per container,
// no handle conversions (for the line algorithms' inner loops).
PARR::GLPoint<double> absolutePosition(const QUILL::Deviant& instance,
                                       const QUILL::ObjectState& state);

// For a graph edge: the points of its drawing, from source to destination: the centre of
// the source element (when attached), the path's interior vertices, the centre of the
// destination element (when attached). Empty for anything else.
std::vector<PARR::GLPoint<double>> edgePoints(const ImmutableDiagramElement& element);

// The rectangle the element covers: for a graph edge, the bounding box of its edgePoints
// (no points: its absolute position with its size); for any other element, its absolute
// position with its size. An empty rectangle at (0, 0) for an invalid handle.
PARR::GLRect<double> boundingRect(const ImmutableDiagramElement& element);

}  // namespace DOVE2::DI
