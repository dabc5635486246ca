#include "rook2/CanvasScrollBars.h"

#include <QRectF>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "rook2/Canvas.h"

namespace ROOK2 {

namespace {

// Far beyond any drawing; keeps a bar's integer values from overflowing at extreme zooms.
constexpr double kLimit = 1e9;

int toBarValue(double pixels) {
    return static_cast<int>(std::clamp(pixels, -kLimit, kLimit));
}

// Sets a bar to show the span [low, high] (widget pixels) through a page of `page` pixels
// starting at `value`.
void setSpan(QScrollBar& bar, double low, double high, double value, int page) {
    const int minimum = toBarValue(std::floor(low));
    const int maximum = std::max(minimum, toBarValue(std::ceil(high - page)));
    bar.setRange(minimum, maximum);
    bar.setPageStep(std::max(1, page));
    bar.setSingleStep(std::max(1, page / 20));
    bar.setValue(toBarValue(std::round(value)));
}

}  // namespace

CanvasScrollBars::CanvasScrollBars(Canvas& canvas)
    : QObject(&canvas),
      canvas_(canvas),
      horizontal_(new QScrollBar(Qt::Horizontal, &canvas)),
      vertical_(new QScrollBar(Qt::Vertical, &canvas)) {
    for (QScrollBar* bar : {horizontal_, vertical_}) {
        // The canvas keeps the keyboard: arrows and Escape belong to its tools.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setCursor(Qt::ArrowCursor);
    }
    connect(horizontal_, &QScrollBar::valueChanged, this, &CanvasScrollBars::onHorizontalMoved);
    connect(vertical_, &QScrollBar::valueChanged, this, &CanvasScrollBars::onVerticalMoved);
}

QSize CanvasScrollBars::viewportSize() const {
    return QSize(std::max(0, canvas_.width() - vertical_->sizeHint().width()),
                 std::max(0, canvas_.height() - horizontal_->sizeHint().height()));
}

void CanvasScrollBars::layout() {
    const QSize view = viewportSize();
    horizontal_->setGeometry(0, view.height(), view.width(), canvas_.height() - view.height());
    vertical_->setGeometry(view.width(), 0, canvas_.width() - view.width(), view.height());
    followView();
}

void CanvasScrollBars::followView() {
    const QSize view = viewportSize();
    const double zoom = canvas_.zoom();
    const QPointF origin = canvas_.origin();
    QRectF content(origin, QSizeF(view.width() / zoom, view.height() / zoom));
    const PARR::GLRect<double> bounds = sceneBounds();
    if (!bounds.isEmpty()) {
        const double margin = kMarginPixels / zoom;
        content = content.united(QRectF(bounds.x - margin, bounds.y - margin,
                                        bounds.width + 2 * margin, bounds.height + 2 * margin));
    }
    following_ = true;
    setSpan(*horizontal_, content.left() * zoom, content.right() * zoom, origin.x() * zoom,
            view.width());
    setSpan(*vertical_, content.top() * zoom, content.bottom() * zoom, origin.y() * zoom,
            view.height());
    following_ = false;
}

void CanvasScrollBars::sceneReplaced() {
    boundsKnown_ = false;
    followView();
}

void CanvasScrollBars::sceneChanged(const Scene::DirtyRegion& dirty) {
    if (boundsKnown_) {
        boundsKnown_ = !dirty.whole && std::none_of(dirty.boxes.begin(), dirty.boxes.end(),
                                                    [this](const PARR::GLRect<double>& box) {
                                                        return reachesEdge(box);
                                                    });
    }
    followView();
}

void CanvasScrollBars::onHorizontalMoved(int value) {
    if (!following_)
        canvas_.setOrigin(QPointF(value / canvas_.zoom(), canvas_.origin().y()));
}

void CanvasScrollBars::onVerticalMoved(int value) {
    if (!following_)
        canvas_.setOrigin(QPointF(canvas_.origin().x(), value / canvas_.zoom()));
}

PARR::GLRect<double> CanvasScrollBars::sceneBounds() {
    Scene* scene = canvas_.scene();
    if (!scene)
        return {};
    if (!boundsKnown_) {
        bounds_ = scene->itemsBoundingRect();
        boundsKnown_ = true;
    }
    return bounds_;
}

// A box strictly inside the bounds neither defined their edge before nor moves it now.
bool CanvasScrollBars::reachesEdge(const PARR::GLRect<double>& box) const {
    return box.left() <= bounds_.left() || box.right() >= bounds_.right() ||
           box.top() <= bounds_.top() || box.bottom() >= bounds_.bottom();
}

}  // namespace ROOK2
