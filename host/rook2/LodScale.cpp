#include "rook2/LodScale.h"

#include <algorithm>

namespace ROOK2 {

LodScale& LodScale::instance() {
    static LodScale scale;
    return scale;
}

void LodScale::setMinimumPixelWidth(double pixels) {
    minimumPixelWidth_ = std::max(0.0, pixels);
}

void LodScale::setMinimumTextPixels(double pixels) {
    minimumTextPixels_ = std::max(0.0, pixels);
}

void LodScale::setMinimumDetailPixels(double pixels) {
    minimumDetailPixels_ = std::max(0.0, pixels);
}

double LodScale::effectiveWidth(double width, double zoom) const {
    if (width <= 0.0 || zoom <= 0.0)
        return 0.0;
    return std::max(width, minimumPixelWidth_ / zoom);
}

bool LodScale::isTextReadable(double lineSpacing, double zoom) const {
    return lineSpacing * zoom >= minimumTextPixels_;
}

bool LodScale::isDetailVisible(double extent, double zoom) const {
    return extent * zoom >= minimumDetailPixels_;
}

}  // namespace ROOK2
