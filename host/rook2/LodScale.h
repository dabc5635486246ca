#pragma once

namespace ROOK2 {

// The shared level-of-detail policy of scene painting.
//  - Stroke widths: a stroke of width w (scene units) is drawn w * zoom device pixels wide,
//    but never thinner than `minimumPixelWidth()`, so thin lines stay visible when the view
//    is zoomed far out. A width of 0 is always a cosmetic one-pixel line.
//  - Text whose lines would be less than `minimumTextPixels()` device pixels apart cannot be
//    read and is not drawn.
//  - Details (shadows, line-end decorations) reaching less than `minimumDetailPixels()` on
//    the device are not drawn. Lines, shapes and block drawings are always drawn, so a
//    zoomed-out view keeps the diagram's structure.
//
// One instance per process (`instance()`), living until the process ends; user-interface
// thread only.
class LodScale {
public:
    static LodScale& instance();

    double minimumPixelWidth() const { return minimumPixelWidth_; }
    // Values below 0 count as 0 (no minimum).
    void setMinimumPixelWidth(double pixels);
    double minimumTextPixels() const { return minimumTextPixels_; }
    // Values below 0 count as 0 (all text drawn).
    void setMinimumTextPixels(double pixels);
    double minimumDetailPixels() const { return minimumDetailPixels_; }
    // Values below 0 count as 0 (all details drawn).
    void setMinimumDetailPixels(double pixels);

    // The pen width in scene units for a stroke of `width` scene units at `zoom` device
    // pixels per scene unit; 0 stays 0 (cosmetic).
    double effectiveWidth(double width, double zoom) const;
    // Whether text with `lineSpacing` units between lines can be read at `zoom`.
    bool isTextReadable(double lineSpacing, double zoom) const;
    // Whether a detail reaching `extent` units is worth drawing at `zoom`.
    bool isDetailVisible(double extent, double zoom) const;

private:
    LodScale() = default;
    double minimumPixelWidth_ = 1.0;
    double minimumTextPixels_ = 4.0;
    double minimumDetailPixels_ = 1.5;
};

}  // namespace ROOK2
