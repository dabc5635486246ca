#pragma once

#include <QImage>
#include <QTransform>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "parr/GLRect.h"

class QPainter;

namespace ROOK2 {

class CustomNode;
class Node;

// Device-resolution images of custom nodes' drawings. A node is drawn by its painter once
// and then from its image for as long as its drawing version (CustomNode::drawingVersion),
// its bounds and the device scale stay the same. Drawings under a rotated, sheared or
// mirrored transform, or larger than kMaxImagePixels, are painted directly each time.
//
// A run of sibling custom nodes that follow one another among their parent's children with
// the same transform, no children and no effects (a block's recorded layers) is composited
// into one image, in order: drawing the run's first node draws them all, and the others,
// asked next in the same frame under the same device transform, draw nothing. Asked in any
// other way, a node draws itself alone.
//
// Images not used for kFramesKept frames, and those of destroyed nodes, are dropped by a
// sweep every kFramesPerSweep frames (a sweep visits every image; a frame visits only the
// visible ones).
class CustomNodeCache {
public:
    static constexpr std::int64_t kMaxImagePixels = 4096 * 4096;
    static constexpr std::uint64_t kFramesKept = 16;
    static constexpr std::uint64_t kFramesPerSweep = 8;

    // Draws `node` with `painter`, whose world transform maps the node's frame to the device.
    void draw(QPainter& painter, const CustomNode& node);
    // Marks the start of a repaint (for dropping stale images). A repaint of part of the view
    // (`partial`) does not count as a frame: images outside it are not growing stale.
    void beginFrame(bool partial = false) {
        if (!partial)
            ++frame_;
        sweepDue_ = !partial && frame_ % kFramesPerSweep == 0;
        composited_.clear();
        nextComposited_ = 0;
    }
    void endFrame();
    void clear() { entries_.clear(); }

    std::size_t size() const { return entries_.size(); }
    // How many times a painter was asked to draw (into an image or directly) so far.
    std::uint64_t painterCalls() const { return painterCalls_; }

private:
    // One node drawn into an image, as it was when drawn.
    struct Drawn {
        const CustomNode* node = nullptr;
        std::shared_ptr<Node*> anchor;
        std::uint64_t version = 0;
        PARR::GLRect<double> bounds;
        bool operator==(const Drawn& o) const {
            return node == o.node && anchor == o.anchor && version == o.version &&
                   bounds == o.bounds;
        }
    };
    struct Entry {
        std::vector<Drawn> drawn;  // the node first, then the rest of its run
        PARR::GLRect<double> bounds;
        double scaleX = 0.0, scaleY = 0.0;
        double fracX = 0.0, fracY = 0.0;
        QImage image;
        std::uint64_t lastFrame = 0;
    };
    void paintDirectly(QPainter& painter, const CustomNode& node);
    // `node` and the siblings composited with it, as they are now.
    static std::vector<Drawn> runOf(const CustomNode& node);
    void render(Entry& entry, QPainter& painter);
    bool skipComposited(const CustomNode& node, const QTransform& t);

    std::unordered_map<const CustomNode*, Entry> entries_;
    // Nodes already drawn this frame as part of the last run, next to be asked.
    std::vector<const CustomNode*> composited_;
    std::size_t nextComposited_ = 0;
    QTransform compositedAt_;
    std::uint64_t frame_ = 0;
    bool sweepDue_ = false;
    std::uint64_t painterCalls_ = 0;
};

}  // namespace ROOK2
