#include "rook2/Canvas.h"

#include "parr/Modifier.h"
#include "rook2/CanvasScrollBars.h"
#include "rook2/TextEditOverlay.h"
#include "rook2/TextNode.h"
#include "wren/Emitter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace ROOK2 {

namespace {

int toButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseEvent::LeftButton;
        case Qt::RightButton:
            return MouseEvent::RightButton;
        case Qt::MiddleButton:
            return MouseEvent::MiddleButton;
        default:
            return MouseEvent::NoButton;
    }
}

int toButtons(Qt::MouseButtons buttons) {
    int out = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & b)
            out |= toButton(b);
    }
    return out;
}

unsigned toModifiers(Qt::KeyboardModifiers modifiers) {
    return static_cast<unsigned>(modifiers.toInt()) &
           (PARR::ShiftModifier | PARR::ControlModifier | PARR::AltModifier);
}

}  // namespace

Canvas::Canvas(QWidget* parent)
    : QWidget(parent),
      editor_(new TextEditOverlay(this)),
      scrollBars_(new CanvasScrollBars(*this)) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas::~Canvas() {
    listener_.disconnect();
}

void Canvas::setScene(Scene* scene) {
    if (scene == scene_)
        return;
    editor_->cancel();
    listener_.disconnect();
    scene_ = scene;
    painter_ = scene ? std::make_unique<ScenePainter>(*scene) : nullptr;
    if (scene) {
        scene->getChangedEmitter().connect(listener_,
                                           [this](Scene*) { scheduleRepaintOfChanges(); });
        scene->getTextEditRequestEmitter().connect(listener_,
                                                   [this](TextNode* n) { openTextEditor(n); });
        scene->setHitTolerance(kHitTolerancePixels / zoom_);
        // The whole view is painted next: what changed before is in it, and the scene is to
        // tell of the changes after it (it tells once until acknowledged).
        scene->takeDirtyRegion();
        scene->acknowledgeChanges();
    }
    scrollBars_->sceneReplaced();
    update();
}

// --- view ---------------------------------------------------------------------------------

void Canvas::setZoom(double zoom, const QPointF& anchor) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const QPointF fixed = mapToScene(anchor);
    zoom_ = zoom;
    origin_ = fixed - anchor / zoom_;
    if (scene_)
        scene_->setHitTolerance(kHitTolerancePixels / zoom_);
    viewChanged();
}

void Canvas::setZoom(double zoom) {
    const QSize view = viewportSize();
    setZoom(zoom, QPointF(view.width() / 2.0, view.height() / 2.0));
}

void Canvas::setOrigin(const QPointF& origin) {
    origin_ = origin;
    viewChanged();
}

void Canvas::viewChanged() {
    scrollBars_->followView();
    update();
}

void Canvas::scrollByPixels(double dx, double dy) {
    setOrigin(origin_ + QPointF(dx, dy) / zoom_);
}

QPointF Canvas::mapToScene(const QPointF& widgetPoint) const {
    return origin_ + widgetPoint / zoom_;
}

QPointF Canvas::mapFromScene(const QPointF& scenePoint) const {
    return (scenePoint - origin_) * zoom_;
}

QSize Canvas::viewportSize() const {
    return scrollBars_->viewportSize();
}

void Canvas::zoomIn() {
    setZoom(zoom_ * kZoomStep);
}

void Canvas::zoomOut() {
    setZoom(zoom_ / kZoomStep);
}

void Canvas::fitToView() {
    const QSize view = viewportSize();
    if (!scene_ || view.isEmpty())
        return;
    const PARR::GLRect<double> box = scene_->itemsBoundingRect();
    if (box.isEmpty())
        return;
    constexpr double margin = 10.0;  // widget pixels on each side
    const double zx = (view.width() - 2 * margin) / box.width;
    const double zy = (view.height() - 2 * margin) / box.height;
    zoom_ = std::clamp(std::min(zx, zy), kMinZoom, kMaxZoom);
    const QPointF center(box.hCenter(), box.vCenter());
    origin_ = center - QPointF(view.width(), view.height()) / (2.0 * zoom_);
    scene_->setHitTolerance(kHitTolerancePixels / zoom_);
    viewChanged();
}

// --- painting -----------------------------------------------------------------------------

void Canvas::scheduleRepaintOfChanges() {
    if (repaintScheduled_)
        return;
    repaintScheduled_ = true;
    // Queued: the changes of one gesture step all land before the region is worked out.
    QMetaObject::invokeMethod(
        this, [this] { repaintChanges(); }, Qt::QueuedConnection);
}

void Canvas::repaintChanges() {
    repaintScheduled_ = false;
    if (!scene_)
        return;
    const Scene::DirtyRegion dirty = scene_->takeDirtyRegion();
    scene_->acknowledgeChanges();
    scrollBars_->sceneChanged(dirty);
    if (dirty.whole) {
        update();
        return;
    }
    // Cosmetic strokes and anti-aliasing reach a little beyond a node's box.
    constexpr int kMarginPixels = 3;
    for (const PARR::GLRect<double>& box : dirty.boxes) {
        const QRectF inView(mapFromScene(QPointF(box.x, box.y)),
                            mapFromScene(QPointF(box.x + box.width, box.y + box.height)));
        update(inView.toAlignedRect().adjusted(-kMarginPixels, -kMarginPixels, kMarginPixels,
                                               kMarginPixels));
    }
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scrollBars_->layout();
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!scene_)
        return;
    painter.setWorldTransform(QTransform::fromTranslate(-origin_.x(), -origin_.y()) *
                              QTransform::fromScale(zoom_, zoom_));
    const QRectF exposed(mapToScene(event->rect().topLeft()),
                         mapToScene(event->rect().bottomRight() + QPoint(1, 1)));
    painter_->paint(painter, {exposed.x(), exposed.y(), exposed.width(), exposed.height()},
                    event->rect() != rect());
}

// --- input --------------------------------------------------------------------------------

MouseEvent Canvas::toSceneEvent(QMouseEvent* event, MouseEvent::Type type) const {
    const QPointF scenePos = mapToScene(event->position());
    const QPoint widgetPos = event->position().toPoint();
    return MouseEvent(type, {scenePos.x(), scenePos.y()}, {widgetPos.x(), widgetPos.y()},
                      toButton(event->button()), toButtons(event->buttons()),
                      toModifiers(event->modifiers()));
}

void Canvas::deliverMouse(QMouseEvent* event, MouseEvent::Type type) {
    if (!scene_)
        return;
    MouseEvent sceneEvent = toSceneEvent(event, type);
    scene_->deliverMouseEvent(sceneEvent);
    event->setAccepted(sceneEvent.isConsumed());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::MiddleButton) {
        panning_ = true;
        panLast_ = event->position();
        return;
    }
    deliverMouse(event, MouseEvent::Press);
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPointF step = event->position() - panLast_;
        panLast_ = event->position();
        scrollByPixels(-step.x(), -step.y());
        return;
    }
    deliverMouse(event, MouseEvent::Move);
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && panning_) {
        panning_ = false;
        return;
    }
    deliverMouse(event, MouseEvent::Release);
}

void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
    deliverMouse(event, MouseEvent::DoubleClick);
}

void Canvas::wheelEvent(QWheelEvent* event) {
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (event->modifiers() & Qt::ControlModifier) {
        if (delta != 0)
            setZoom(zoom_ * std::pow(kZoomStep, delta / 120.0), event->position());
        event->accept();
        return;
    }
    if (scene_) {
        const QPointF scenePos = mapToScene(event->position());
        const QPoint widgetPos = event->position().toPoint();
        const bool sideways =
            event->angleDelta().y() == 0 || (event->modifiers() & Qt::ShiftModifier);
        WheelEvent wheel({scenePos.x(), scenePos.y()}, {widgetPos.x(), widgetPos.y()}, delta,
                         sideways, toButtons(event->buttons()), toModifiers(event->modifiers()));
        scene_->deliverWheelEvent(wheel);
        if (wheel.isConsumed())
            return;
    }
    const double pixels = -delta / 120.0 * 40.0;
    const bool sideways = event->angleDelta().y() == 0 || (event->modifiers() & Qt::ShiftModifier);
    scrollByPixels(sideways ? pixels : 0.0, sideways ? 0.0 : pixels);
    event->accept();
}

bool Canvas::handleZoomKeys(QKeyEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            return true;
        case Qt::Key_Minus:
            zoomOut();
            return true;
        case Qt::Key_0:
            fitToView();
            return true;
        default:
            return false;
    }
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    if (scene_) {
        KeyEvent key(KeyEvent::Press, event->key(), toModifiers(event->modifiers()),
                     event->text().toStdString(), event->isAutoRepeat());
        scene_->deliverKeyEvent(key);
        if (key.isConsumed())
            return;
    }
    if (!handleZoomKeys(event))
        QWidget::keyPressEvent(event);
}

void Canvas::keyReleaseEvent(QKeyEvent* event) {
    if (!scene_)
        return;
    KeyEvent key(KeyEvent::Release, event->key(), toModifiers(event->modifiers()),
                 event->text().toStdString(), event->isAutoRepeat());
    scene_->deliverKeyEvent(key);
}

void Canvas::deliverCanvasEvent(Scene::CanvasEventKind kind, unsigned modifiers) {
    if (!scene_)
        return;
    Event event(modifiers);
    scene_->deliverCanvasEvent(kind, event);
}

void Canvas::focusInEvent(QFocusEvent*) {
    deliverCanvasEvent(Scene::FocusIn, 0);
}

void Canvas::focusOutEvent(QFocusEvent*) {
    deliverCanvasEvent(Scene::FocusOut, 0);
}

void Canvas::enterEvent(QEnterEvent*) {
    deliverCanvasEvent(Scene::EnterCanvas, 0);
}

void Canvas::leaveEvent(QEvent*) {
    deliverCanvasEvent(Scene::LeaveCanvas, 0);
}

void Canvas::contextMenuEvent(QContextMenuEvent* event) {
    if (!scene_)
        return;
    const QPointF scenePos = mapToScene(event->pos());
    MouseEvent menu(MouseEvent::Press, {scenePos.x(), scenePos.y()},
                    {event->pos().x(), event->pos().y()}, MouseEvent::RightButton,
                    MouseEvent::NoButton, toModifiers(event->modifiers()));
    scene_->deliverContextMenuEvent(menu);
    if (!menu.isConsumed())
        Q_EMIT contextMenuRequested(scenePos, event->globalPos());
    event->accept();
}

// --- text editing -------------------------------------------------------------------------

void Canvas::openTextEditor(TextNode* node) {
    if (!node || node->getScene() != scene_)
        return;
    const PARR::GLRect<double> box = node->contentRect();
    const PARR::Transform toScene = node->sceneTransform();
    const PARR::GLRect<double> sceneBox = toScene.mapRect(box.adjusted(-2, -2, 40, 2));
    const QPointF topLeft = mapFromScene({sceneBox.x, sceneBox.y});
    const QRect rect(topLeft.toPoint(), QSize(int(std::ceil(sceneBox.width * zoom_)) + 8,
                                              int(std::ceil(sceneBox.height * zoom_)) + 8));
    editor_->edit(*node, rect);
}

void Canvas::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    hidden_.emit(PARR::GLWidgetEvent2(PARR::GLWidgetEvent2::Hide));
}

void Canvas::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    closed_.emit(PARR::GLWidgetEvent2(PARR::GLWidgetEvent2::Close));
}

}  // namespace ROOK2
