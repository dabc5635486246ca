#pragma once

#include <QObject>
#include <QSize>

#include "parr/GLRect.h"
#include "rook2/Scene.h"

class QScrollBar;

namespace ROOK2 {

class Canvas;

// The horizontal and vertical scroll bars of a canvas: child widgets of the canvas along its
// bottom and right edges. The canvas shows the scene in what they leave (viewportSize).
//
// Frame: a bar's values are widget pixels at the canvas's zoom, value = origin * zoom along
// its axis. Its range is the scene's bounds with kMarginPixels on every side, united with the
// area in view, so one can scroll a little past the drawing and the bars never jump while one
// scrolls beyond it. Dragging a bar (or clicking its track or arrows) sets the canvas's origin
// along that axis and leaves the other axis and the zoom alone.
//
// The scene's bounds are cached: sceneChanged looks at the changed boxes and measures the
// scene again only when a change reached the edge of the bounds (or the whole scene changed),
// so following a gesture costs O(changed boxes), not O(scene).
//
// Owned by the canvas (a QObject child); the bars are the canvas's children.
class CanvasScrollBars : public QObject {
    Q_OBJECT
public:
    // Widget pixels beyond the scene's bounds that the bars let one scroll to.
    static constexpr int kMarginPixels = 50;

    explicit CanvasScrollBars(Canvas& canvas);

    QScrollBar* horizontal() const { return horizontal_; }
    QScrollBar* vertical() const { return vertical_; }
    // The canvas's size less the bars.
    QSize viewportSize() const;

    // Places the bars along the canvas's edges (after a resize) and follows the view.
    void layout();
    // Sets ranges and positions from the canvas's origin, zoom and the scene's bounds.
    void followView();
    // The scene was replaced: its bounds are measured again.
    void sceneReplaced();
    // The scene changed within `dirty` (the region the canvas repaints).
    void sceneChanged(const Scene::DirtyRegion& dirty);

private:
    void onHorizontalMoved(int value);
    void onVerticalMoved(int value);
    // The scene's bounds, measured again when they may have changed; empty without a scene.
    PARR::GLRect<double> sceneBounds();
    // Whether `box` reaches the edge of the cached bounds or beyond.
    bool reachesEdge(const PARR::GLRect<double>& box) const;

    Canvas& canvas_;
    QScrollBar* horizontal_;
    QScrollBar* vertical_;
    PARR::GLRect<double> bounds_;
    bool boundsKnown_ = false;
    // Set while the bars follow the view: their value changes then are not the user's.
    bool following_ = false;
};

}  // namespace ROOK2
