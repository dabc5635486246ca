#pragma once

#include <string>

#include <QImage>
#include <QRectF>

#include "dove2/Diagram.h"
#include "parr/GLRect.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

// Paints diagrams without a window: the diagram's glyphs, made by the glyph factory of the
// domain serving its model (the generic one when none claims it), in a scene of their own,
// painted with ROOK2::ScenePainter into an image on a white background. With no editor to
// keep a block render cache, the editor module's legacy block glyphs have the engine draw
// their blocks themselves, so blocks show their own graphics. Needs a running
// QGuiApplication (fonts); no widget is made.
class DiagramRenderer {
public:
    // Scene units around the drawing, and device pixels per scene unit.
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

    // The image of `diagram` (a valid handle in any instance of its model). A diagram that
    // draws nothing gives a small white image. `framing`, when given, receives where the
    // diagram went.
    static QImage render(const DOVE2::Diagram& diagram, Framing* framing = nullptr);

    // The diagram of `model` (any instance) whose system path is `path`; the first top-level
    // diagram for an empty path; an empty handle when there is none.
    static VTQUILL::Diagram findDiagram(const VTQUILL::Model& model, const std::string& path);

    // Loads the model file, paints the diagram of `diagramPath` (empty: the first top-level
    // one) and writes the image to `imagePath` (format from its suffix, PNG for .png). Returns
    // an empty string on success, else one message naming the file and the cause. The model is
    // closed again either way.
    static std::string renderFile(const std::string& modelPath, const std::string& diagramPath,
                                  const std::string& imagePath);
};

}  // namespace VantorStudio
