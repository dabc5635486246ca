#include "DiagramExporter.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace VantorStudio {

namespace {

// Device units per inch of the vector formats: the resolution of images and screens at 100%,
// so one diagram unit is one device unit and the blocks' recorded drawings (whose text is
// sized for that resolution) replay at their own size.
constexpr int kUnitsPerInch = 96;
constexpr double kPointsPerUnit = 72.0 / kUnitsPerInch;
// The longest side of a PDF page, in diagram units (200 inches, beyond which readers refuse
// pages); larger drawings are scaled down to it.
constexpr double kMaxPageSide = 200.0 * kUnitsPerInch;

std::string cannotWrite(const std::string& path, const QString& cause) {
    return path + ": the picture cannot be written" +
           (cause.isEmpty() ? std::string() : " (" + cause.toStdString() + ")");
}

}  // namespace

std::optional<DiagramExporter::Format> DiagramExporter::formatOf(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "png")
        return Format::Png;
    if (suffix == "pdf")
        return Format::Pdf;
    if (suffix == "svg")
        return Format::Svg;
    return std::nullopt;
}

const char* DiagramExporter::suffixes() {
    return ".png, .pdf or .svg";
}

std::string DiagramExporter::write(const DOVE2::Diagram& diagram, const std::string& path,
                                   double pngScale) {
    const std::optional<Format> format = formatOf(path);
    if (!format)
        return path + ": pictures are written as " + suffixes() + " files";
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    DiagramRenderer drawing(diagram);
    const std::string title = diagram.getName();
    bool painted = false;
    switch (*format) {
        case Format::Png:
            painted = writePng(drawing, file, pngScale);
            break;
        case Format::Pdf:
            painted = writePdf(drawing, file, title);
            break;
        case Format::Svg:
            painted = writeSvg(drawing, file, title);
            break;
    }
    if (!painted) {
        file.cancelWriting();
        return cannotWrite(path, file.errorString());
    }
    if (!file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

bool DiagramExporter::writePng(DiagramRenderer& drawing, QIODevice& device, double scale) {
    return drawing.toImage(scale).save(&device, "PNG");
}

bool DiagramExporter::writePdf(DiagramRenderer& drawing, QIODevice& device,
                               const std::string& title) {
    const PARR::GLRect<double>& area = drawing.area();
    const double scale = std::min(1.0, kMaxPageSide / std::max(area.width, area.height));
    QPdfWriter pdf(&device);
    pdf.setTitle(QString::fromStdString(title));
    pdf.setCreator("Vantor Studio");
    pdf.setResolution(kUnitsPerInch);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(area.width, area.height) * (scale * kPointsPerUnit),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    return drawing.paintOn(pdf, scale);
}

bool DiagramExporter::writeSvg(DiagramRenderer& drawing, QIODevice& device,
                               const std::string& title) {
    const PARR::GLRect<double>& area = drawing.area();
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setTitle(QString::fromStdString(title));
    svg.setResolution(kUnitsPerInch);
    svg.setSize(
        QSize(static_cast<int>(std::ceil(area.width)), static_cast<int>(std::ceil(area.height))));
    svg.setViewBox(QRectF(0, 0, area.width, area.height));
    return drawing.paintOn(svg, 1.0);
}

}  // namespace VantorStudio
