#pragma once

#include <string>

#include <QImage>
#include <QRectF>

#include "dove2/Diagram.h"
#include "dove2/Graphics.h"
#include "parr/GLRect.h"
#include "rook2/Scene.h"
#include "vtquill/VTQuill.h"

class QPaintDevice;
class QPainter;

namespace VantorStudio {

// Paints diagrams without a window: the diagram's glyphs, made by the glyph factory of the
// domain serving its model (the generic one when none claims it), in a scene of their own,
// painted with ROOK2::ScenePainter. With no editor to keep a block render cache, the editor
// module's legacy block glyphs have the engine draw their blocks themselves, so blocks show
// their own graphics. Needs a running QGuiApplication (fonts); no widget is made.
//
// An object holds one diagram's drawing as it was when made (it does not follow later edits);
// the diagram's model must outlive it. User-interface thread only.
class DiagramRenderer {
public:
    // Scene units around the drawing, and device pixels per scene unit of an image.
    static constexpr double kMargin = 20.0;
    static constexpr double kScale = 2.0;
    // The longest side of an image, in pixels; larger drawings are scaled down to it.
    static constexpr int kMaxSide = 8000;

    // Where the diagram lies in its image: the scene area shown and the pixels per unit.
    struct Framing {
        PARR::GLRect<double> area;
        double scale = kScale;
        // A rectangle of the diagram (absolute diagram units) in image pixels.
        QRectF toImage(const PARR::GLRect<double>& rect) const;
    };

    // The drawing of `diagram` (a valid handle in any instance of its model).
    explicit DiagramRenderer(const DOVE2::Diagram& diagram);
    DiagramRenderer(const DiagramRenderer&) = delete;
    DiagramRenderer& operator=(const DiagramRenderer&) = delete;

    // What the drawing covers with kMargin around it, in absolute diagram units; a small
    // area at the origin for a diagram that draws nothing.
    const PARR::GLRect<double>& area() const { return area_; }
    // Paints the drawing on a white background filling area(), without selection marks.
    // `painter`'s world transform maps absolute diagram units to its device. On a vector
    // device (PDF, SVG) every shape and text is painted as such, never as a bitmap.
    void paint(QPainter& painter);
    // Paints the drawing on all of `device`, area()'s top-left corner at the device's origin,
    // `scale` device units per diagram unit. False when the device cannot be painted on or
    // fails to finish.
    bool paintOn(QPaintDevice& device, double scale);
    // The drawing as an image of `scale` pixels per unit (less when the image would be longer
    // than kMaxSide); `framing`, when given, receives where the diagram went.
    QImage toImage(double scale = kScale, Framing* framing = nullptr);

    // The image of `diagram` (see toImage). A diagram that draws nothing gives a small white
    // image.
    static QImage render(const DOVE2::Diagram& diagram, Framing* framing = nullptr,
                         double scale = kScale);

    // The diagram of `model` (any instance) whose system path is `path`; the first top-level
    // diagram for an empty path; an empty handle when there is none.
    static VTQUILL::Diagram findDiagram(const VTQUILL::Model& model, const std::string& path);

    // Loads the model file, paints the diagram of `diagramPath` (empty: the first top-level
    // one) and writes it to `outputPath` as DiagramExporter does (format from the suffix;
    // `scale` pixels per unit for a PNG). Returns an empty string on success, else one message
    // naming the file and the cause. The model is closed again either way.
    static std::string renderFile(const std::string& modelPath, const std::string& diagramPath,
                                  const std::string& outputPath, double scale = kScale);

private:
    ROOK2::Scene scene_;
    DOVE2::Graphics graphics_;
    PARR::GLRect<double> area_;
};

}  // namespace VantorStudio
