#pragma once

namespace ROOK2 {

// The shared level-of-detail policy for stroke widths. A stroke of width w (scene units) is
// drawn w * zoom device pixels wide, but never thinner than `minimumPixelWidth()`, so thin
// lines stay visible when the view is zoomed far out. A width of 0 is always a cosmetic
// one-pixel line and ignores this policy.
//
// One instance per process (`instance()`), living until the process ends; user-interface
// thread only.
class LodScale {
public:
    static LodScale& instance();

    double minimumPixelWidth() const { return minimumPixelWidth_; }
    // Values below 0 count as 0 (no minimum).
    void setMinimumPixelWidth(double pixels);

    // The pen width in scene units for a stroke of `width` scene units at `zoom` device
    // pixels per scene unit; 0 stays 0 (cosmetic).
    double effectiveWidth(double width, double zoom) const;

private:
    LodScale() = default;
    double minimumPixelWidth_ = 1.0;
};

}  // namespace ROOK2
