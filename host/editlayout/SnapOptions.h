#pragma once

namespace EditLayout {

// How far a smart-guide solve reaches for an alignment.
struct SnapOptions {
    // The reach in screen pixels; at `zoom` 1 a pixel is a diagram unit.
    double tolerance = 5.0;
    // Screen pixels per diagram unit; the reach in diagram units is tolerance / zoom, so it
    // stays the same on screen. A zoom <= 0 counts as 1.
    double zoom = 1.0;

    double toleranceInDiagramUnits() const { return zoom > 0 ? tolerance / zoom : tolerance; }
};

}  // namespace EditLayout
