#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "application/Export.h"
#include "renderer/FrameMerger.h"
#include "renderer/RenderLayer.h"
#include "vtdove/IVantorRenderer.h"
#include "vtquill/VTQuill.h"

namespace VantorRenderer {

// Records what the engine draws for one block into five layers instead of drawing it:
// foreground (text, images, points, lines), background (filled shapes), border (outlines and
// frames), SS (everything while a separately scaled region is open) and port labels
// (everything between beginPortLabels and endPortLabels). The block's render entry replays
// the layers at every scene repaint, so the engine draws a block only when it changes.
//
// Frames: begin(x, y) starts the recordings at the block's position, so the layers hold the
// block in its own frame ((0, 0) its top-left corner); the SS layer keeps the engine's
// diagram coordinates (fitSS places it). Thick frames (two nested rectangles) become one
// stroke of their width (FrameMerger). Colours, alignments, rotation, the text font and the
// current point persist from one rendering to the next. Texts use the recording painter's
// font unless the engine set one (setFont with a QFont::toString description; an empty one,
// or one Qt cannot read and warns about, goes back to the painter's font).
//
// Shared (std::shared_ptr) by the listener, the block's render entry and the entry's
// painters. User-interface thread only.
class VANTOR_EXPORT DOVERenderAdapter : public IVantorRenderer {
public:
    enum Layer : std::uint32_t {
        Foreground = 0,
        Background = 1,
        Border = 2,
        SS = 3,
        PortLabels = 4,
    };
    static constexpr std::size_t kLayerCount = 5;

    // An adapter for a block of `width` x `height` (diagram units).
    DOVERenderAdapter(double width, double height);
    ~DOVERenderAdapter() override;

    // --- one rendering ------------------------------------------------------------------
    // Starts a rendering of the block at (x, y): new recordings of the foreground, border
    // and background layers; the SS and port-label layers emptied and SS mode left, so a
    // block that stops drawing them shows none.
    void begin(double x, double y);
    // Ends it: the recordings closed (a region or port-label section left open is closed
    // too), a pending frame drawn first; the drawing offset back to (0, 0).
    void end();

    // One whole rendering of `block` by the engine: begin at the block's position (relative
    // to its diagram), the engine's drawing, end.
    void renderBlock(const VTQUILL::ImmutableBlock& block);

    // --- replay ---------------------------------------------------------------------------
    // Plays one layer onto `painter` (set up in the block's frame). The border layer draws a
    // still pending frame first. False when the layer holds nothing.
    bool replay(Layer layer, QPainter& painter);
    // The box a layer draws into (its frame: the block's, or diagram units for SS); empty
    // when it draws nothing.
    QRectF layerBounds(Layer layer) const;
    bool isLayerEmpty(Layer layer) const;
    // The filled shapes of a layer, in its frame (what a shadow under the layer follows);
    // empty when it fills nothing.
    const QPainterPath& filledShape(Layer layer) const { return layers[layer].filledShape(); }
    // Primitives recorded into a layer by the last rendering.
    int primitiveCount(Layer layer) const;

    // --- scaled region and stretching -------------------------------------------------------
    // True when the last rendering opened a scaled region.
    bool isSSMode() const { return ssMode; }
    // Fits the SS region into a block of W x H with a margin of 5: stores and returns the
    // scale k (-1 when the region or the block minus the margins is empty) and sets
    // `position` to where the SS node goes (block frame). Position is unset for k = -1.
    double fitSS(double blockWidth, double blockHeight, QPointF& position);
    double getSSScale() const { return ssScale; }
    // Remembers the factors the recordings are drawn stretched by (during a resize) and
    // clears the drawing offset.
    void setStretch(double sx, double sy);
    double getStretchX() const { return stretchX; }
    double getStretchY() const { return stretchY; }
    QPointF getDrawingOffset() const { return drawingOffset; }
    double getWidth() const { return width; }
    double getHeight() const { return height; }

    // --- IVantorRenderer ------------------------------------------------------------------
    void fillRect(double x, double y, double w, double h) override;
    void drawRect(double x, double y, double w, double h) override;
    void fillRoundRect(double x, double y, double w, double h, double r) override;
    void drawRoundRect(double x, double y, double w, double h, double r) override;
    void fillEllipse(double x, double y, double w, double h) override;
    void drawEllipse(double x, double y, double w, double h) override;
    void fillArc(double x, double y, double w, double h, double start, double span) override;
    void drawArc(double x, double y, double w, double h, double start, double span) override;
    void fillPolygon(const std::vector<PARR::GLPoint<double>>& points) override;
    void drawPolyline(const std::vector<PARR::GLPoint<double>>& points) override;
    void drawText(const std::string& text) override;
    void drawImage(double x, double y, double w, double h, const QImage& image) override;
    void drawPoint(int x, int y) override;
    void lineTo(int x, int y) override;
    void setFont(const std::string& name) override;
    void setTextRotation(double degrees) override;
    void setLineStyle(int pen) override;
    void setTextHAlign(std::uint32_t value) override;
    void setTextVAlign(std::uint32_t value) override;
    void setTextOption(std::uint32_t value) override;
    void moveTo(const PARR::GLPoint<double>& point) override;
    void setFillColor(std::uint32_t colour) override;
    void setLineColor(std::uint32_t colour) override;
    void flush() override;
    void beginSS(double top, double left, double bottom, double right) override;
    void endSS() override;
    void beginPortLabels() override;
    bool endPortLabels() override;

    // The colour of a packed value (red in the top byte, alpha in the low byte).
    static QColor unpack(std::uint32_t colour);
    // Qt's relative roundness (percent of half the side, 0..100) of the engine's corner
    // fraction `r` on a w x h rectangle: {x, y}.
    static std::pair<int, int> roundness(double w, double h, double r);

private:
    // The painter primitives go to now: the SS layer's while the region is open, else the
    // one the current index selects (1 background, 2 border, 3 port labels, else foreground).
    RenderLayer& currentLayer();
    // Select a layer and set the painter's tools from the adapter's state. While a
    // port-label section is open the selection stays on it.
    // `covered`: what the primitive about to be drawn covers (the layer's bounds grow by it).
    QPainter& prepareFill(const QRectF& covered);
    QPainter& prepareOutline(const QRectF& covered);
    QPainter& prepareForeground(const QRectF& covered);
    void select(std::uint32_t index);
    // Selects the layer of `index` (as the prepare steps do) and tells whether it records.
    bool selectRecording(std::uint32_t index);
    void setOutlinePen(QPainter& painter) const;
    void drawFrameNow(const QRectF& rect);
    void drawPendingFrame();
    void roundRect(QPainter& painter, double x, double y, double w, double h, double r);

    std::array<RenderLayer, kLayerCount> layers;
    std::uint32_t currentIndex = 0;
    bool ssActive = false;
    bool portLabelsOpen = false;

    std::uint32_t textHAlign = 0;
    std::uint32_t textVAlign = 0;
    QPointF currentPoint;
    std::uint32_t fillColour = packRgba(255, 255, 255);
    std::uint32_t lineColour = packRgba(255, 255, 255);
    FrameMerger frames;
    double penWidth = 1.0;
    QPointF drawingOffset;
    std::shared_ptr<QRectF> lastRoundRect;
    std::shared_ptr<QRectF> lastTextRect;
    double textRotation = 0.0;
    // The font the engine asked for; none: the recording painter's own.
    std::optional<QFont> textFont;
    double ssWidth = -1.0, ssHeight = -1.0, ssTop = -1.0, ssLeft = -1.0;
    double ssScale = 1.0;
    double stretchX = 1.0, stretchY = 1.0;
    bool ssMode = false;
    double width;
    double height;
};

}  // namespace VantorRenderer
