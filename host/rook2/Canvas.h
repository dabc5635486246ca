#pragma once

#include "parr/GLWidgetEvent2.h"
#include "rook2/Scene.h"
#include "rook2/ScenePainter.h"
#include "wren/Emitter.h"
#include "wren/Listener.h"

#include <QPointF>
#include <QWidget>

namespace ROOK2 {

class CanvasScrollBars;
class TextEditOverlay;
class TextNode;

// The widget that shows one scene. The view maps a scene point s to the widget point
// (s - origin) * zoom. It paints with a ScenePainter (only the exposed part), takes keyboard
// focus on click, and turns Qt input into scene events (Scene::deliver...), giving each
// mouse event its scene position, integer widget position, button (left 1, right 2,
// middle 4) and modifiers (PARR::Modifier values).
//
// Navigation: Control+wheel zooms about the pointer; the wheel alone scrolls (Shift: sideways)
// unless a tool consumes it; dragging with the middle button pans; zoomIn, zoomOut and
// fitToView for buttons and menus. Control with + / - / 0 zooms in, out, fits.
// Scroll bars along the bottom and right edges follow the view and scroll it
// (CanvasScrollBars); the scene shows in what they leave, viewportSize(), whose top-left is
// the widget's.
// Editable text nodes are edited in place in a TextEditOverlay.
//
// Context menus: a context-menu event goes to the scene's handlers and tools first; when none
// of them consumes it, contextMenuRequested tells the scene point and the global screen point,
// so the program around the canvas can show its menu.
//
// Renders on the user-interface thread (GLBridge). The scene must outlive the canvas or be
// replaced with setScene(nullptr) first.
class Canvas : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMinZoom = 0.02;
    static constexpr double kMaxZoom = 50.0;
    static constexpr double kZoomStep = 1.25;
    static constexpr double kHitTolerancePixels = 3.0;

    explicit Canvas(QWidget* parent = nullptr);
    ~Canvas() override;

    void setScene(Scene* scene);
    Scene* scene() const { return scene_; }

    double zoom() const { return zoom_; }
    // Sets the zoom (clamped to kMinZoom..kMaxZoom), keeping the scene point under the widget
    // point `anchor` in place.
    void setZoom(double zoom, const QPointF& anchor);
    // Zooms about the centre of the viewport.
    void setZoom(double zoom);
    // The scene point shown at the widget's top-left corner.
    QPointF origin() const { return origin_; }
    void setOrigin(const QPointF& origin);
    // Scrolls the view by (dx, dy) widget pixels.
    void scrollByPixels(double dx, double dy);

    QPointF mapToScene(const QPointF& widgetPoint) const;
    QPointF mapFromScene(const QPointF& scenePoint) const;
    // The part of the widget that shows the scene: its size less the scroll bars.
    QSize viewportSize() const;
    CanvasScrollBars& scrollBars() const { return *scrollBars_; }

    TextEditOverlay* textEditor() const { return editor_; }
    ScenePainter* scenePainter() const { return painter_.get(); }
    // Told when the canvas is hidden, respectively closed (before it goes).
    WREN::Emitter<PARR::GLWidgetEvent2>& getHideEmitter() { return hidden_; }
    WREN::Emitter<PARR::GLWidgetEvent2>& getCloseEmitter() { return closed_; }

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    // Zooms and scrolls so that everything the scene draws fits with a small margin.
    void fitToView();

Q_SIGNALS:
    // A context menu was asked for at `scenePos` (scene frame), `globalPos` (screen), and no
    // handler or tool of the scene took the request.
    void contextMenuRequested(const QPointF& scenePos, const QPoint& globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Repaints what the scene's changes touched: the old and new boxes of the nodes that
    // changed, or the whole view. Runs once per turn of the event loop after a change.
    void repaintChanges();
    void scheduleRepaintOfChanges();
    MouseEvent toSceneEvent(QMouseEvent* event, MouseEvent::Type type) const;
    void deliverMouse(QMouseEvent* event, MouseEvent::Type type);
    bool handleZoomKeys(QKeyEvent* event);
    void openTextEditor(TextNode* node);
    void deliverCanvasEvent(Scene::CanvasEventKind kind, unsigned modifiers);
    // The view moved or zoomed: repaint and let the scroll bars follow.
    void viewChanged();

    Scene* scene_ = nullptr;
    std::unique_ptr<ScenePainter> painter_;
    WREN::Listener listener_;
    TextEditOverlay* editor_ = nullptr;
    CanvasScrollBars* scrollBars_ = nullptr;
    double zoom_ = 1.0;
    bool repaintScheduled_ = false;
    QPointF origin_;
    bool panning_ = false;
    QPointF panLast_;
    WREN::Emitter<PARR::GLWidgetEvent2> hidden_;
    WREN::Emitter<PARR::GLWidgetEvent2> closed_;
};

}  // namespace ROOK2
