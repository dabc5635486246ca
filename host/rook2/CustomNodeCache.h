#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "parr/GLRect.h"

class QPainter;

namespace ROOK2 {

class CustomNode;
class Node;

// Device-resolution images of custom nodes' drawings. A node is drawn by its painter once
// and then from its image for as long as its drawing version (CustomNode::drawingVersion),
// its bounds and the device scale stay the same. Drawings under a rotated, sheared or
// mirrored transform, or larger than kMaxImagePixels, are painted directly each time.
// Images not used for kFramesKept frames, and those of destroyed nodes, are dropped.
class CustomNodeCache {
public:
    static constexpr std::int64_t kMaxImagePixels = 4096 * 4096;
    static constexpr std::uint64_t kFramesKept = 16;

    // Draws `node` with `painter`, whose world transform maps the node's frame to the device.
    void draw(QPainter& painter, const CustomNode& node);
    // Marks the start of a repaint (for dropping stale images).
    void beginFrame() { ++frame_; }
    void endFrame();
    void clear() { entries_.clear(); }

    std::size_t size() const { return entries_.size(); }
    // How many times a painter was asked to draw (into an image or directly) so far.
    std::uint64_t painterCalls() const { return painterCalls_; }

private:
    struct Entry {
        std::shared_ptr<Node*> anchor;
        std::uint64_t version = 0;
        PARR::GLRect<double> bounds;
        double scaleX = 0.0, scaleY = 0.0;
        double fracX = 0.0, fracY = 0.0;
        QImage image;
        std::uint64_t lastFrame = 0;
    };
    void paintDirectly(QPainter& painter, const CustomNode& node);
    void render(Entry& entry, QPainter& painter, const CustomNode& node);

    std::unordered_map<const CustomNode*, Entry> entries_;
    std::uint64_t frame_ = 0;
    std::uint64_t painterCalls_ = 0;
};

}  // namespace ROOK2
