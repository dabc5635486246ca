#pragma once

#include <optional>
#include <string>

#include "DiagramRenderer.h"
#include "dove2/Diagram.h"

class QIODevice;

namespace VantorStudio {

// Writes the drawing of a diagram to a picture file: a PNG image, a PDF page or an SVG
// drawing, the format chosen by the file's suffix (case-insensitive). PDF and SVG are vector
// drawings at 96 diagram units per inch (a diagram's size on a screen at 100%; one SVG user
// unit per diagram unit); a PNG has the pixels per diagram unit asked for. The file is written
// whole or not at all: the picture goes to a temporary file that replaces the target only once
// complete, and nothing is left behind on failure. User-interface thread only, with a running
// QGuiApplication.
class DiagramExporter {
public:
    enum class Format { Png, Pdf, Svg };

    // The format the name of `path` asks for; nothing for any other suffix.
    static std::optional<Format> formatOf(const std::string& path);
    // The suffixes written, for messages: ".png, .pdf or .svg".
    static const char* suffixes();

    // Writes `diagram` (a valid handle in any instance of its model) to `path`, a PNG at
    // `pngScale` pixels per diagram unit (see DiagramRenderer::toImage). Returns an empty
    // string on success, else one message naming the file and the cause.
    static std::string write(const DOVE2::Diagram& diagram, const std::string& path,
                             double pngScale = DiagramRenderer::kScale);

private:
    static bool writePng(DiagramRenderer& drawing, QIODevice& device, double scale);
    static bool writePdf(DiagramRenderer& drawing, QIODevice& device, const std::string& title);
    static bool writeSvg(DiagramRenderer& drawing, QIODevice& device, const std::string& title);
};

}  // namespace VantorStudio
