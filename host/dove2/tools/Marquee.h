#pragma once

#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "rook2/MouseEvent.h"
#include "rook2/RectNode.h"

namespace ROOK2 {
class Scene;
}

namespace DOVE2 {

// The rubber band of a selection drag: armed by a press on empty space, shown as a dashed
// rectangle node at the top of the scene once the pointer has moved far enough, removed again
// by `disarm`. Rectangles are in scene coordinates (absolute diagram coordinates).
//
// The scene is not owned and must outlive the marquee while it is armed; the marquee's node
// belongs to the scene while it is shown. User-interface thread only.
class Marquee {
public:
    Marquee() = default;
    Marquee(const Marquee&) = delete;
    Marquee& operator=(const Marquee&) = delete;
    ~Marquee();

    // Starts following a gesture pressed at `press` in `scene`; shows nothing yet.
    void arm(ROOK2::Scene& scene, const ROOK2::MouseEvent& press);
    // Removes the rectangle from the scene (if shown) and stops following.
    void disarm();

    // Follows the pointer: once it is at least `threshold` widget pixels from the press, the
    // rectangle spans the press point and the pointer and is shown. True while it is shown.
    bool follow(const ROOK2::MouseEvent& event, double threshold);

    bool isArmed() const { return scene_ != nullptr; }
    bool isShown() const { return static_cast<bool>(node_); }
    // The rectangle spanned by the press point and the last followed pointer position.
    PARR::GLRect<double> rect() const;
    // The node drawing the rectangle; null while it is not shown.
    ROOK2::RectNode* node() const { return node_.get(); }

private:
    void show();

    ROOK2::Scene* scene_ = nullptr;
    PARR::GLPoint<double> start_;
    PARR::GLPoint<double> current_;
    PARR::GLPoint<int> startWidget_;
    PARR::Holder<ROOK2::RectNode> node_;
};

}  // namespace DOVE2
