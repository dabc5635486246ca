#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <unordered_map>

class QPainter;
class QPainterPath;

namespace ROOK2 {

class EffectShadow;

// Device-resolution images of drop shadows. A shadow is drawn into an image once and then
// blitted at every repaint; nodes whose shadows look the same share one image: same shape up
// to a translation (in the node's frame), same shadow values, same device scale and the same
// sub-pixel phase (quarter pixels). Shadows under a rotated, sheared or mirrored transform,
// or larger than kMaxImagePixels, are drawn directly each time. Images not used for
// kFramesKept frames are dropped by a sweep every kFramesPerSweep frames.
class ShadowImageCache {
public:
    static constexpr std::int64_t kMaxImagePixels = 2048 * 2048;
    static constexpr std::uint64_t kFramesKept = 16;
    static constexpr std::uint64_t kFramesPerSweep = 8;

    // Draws the shadow of `shape` (in the painter's current frame, which maps the node's
    // frame to the device) with `painter`, leaving the painter's state as it was.
    void draw(QPainter& painter, const QPainterPath& shape, const EffectShadow& shadow);
    // A repaint of part of the view (`partial`) does not count as a frame (CustomNodeCache).
    void beginFrame(bool partial = false) {
        if (!partial)
            ++frame_;
        sweepDue_ = !partial && frame_ % kFramesPerSweep == 0;
    }
    void endFrame();

    std::size_t size() const { return entries_.size(); }
    // How many shadows were drawn with a pen and brush (into an image or directly) so far.
    std::uint64_t shadowRenders() const { return renders_; }

    // Draws the shadow itself: the shape moved by the offset, softened by fading rings.
    static void paintShadow(QPainter& painter, const QPainterPath& shape,
                            const EffectShadow& shadow);

private:
    struct Entry {
        QImage image;
        std::uint64_t lastFrame = 0;
    };

    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t frame_ = 0;
    bool sweepDue_ = false;
    std::uint64_t renders_ = 0;
};

}  // namespace ROOK2
