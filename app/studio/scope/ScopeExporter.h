#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "PlotMapping.h"
#include "sim/SimulationResults.h"

class QPainter;

namespace VantorStudio {

class PlotWidget;

// Writes what a scope shows to files: its data as CSV, its plots as a PNG image or an SVG
// drawing. Every file is written whole or not at all (through a temporary file that replaces
// the target once complete). Each writer returns an empty string on success, else one message
// naming the file and the cause. User-interface thread only, with a running QGuiApplication.
class ScopeExporter {
public:
    enum class PictureFormat { Png, Svg };

    // CSV text: a header `time,<column name>...` and one row per sample of `results` whose
    // time lies in the closed range `time`, values of `columns` (indices into the results'
    // value columns, each one there) in that order; numbers in their shortest form that reads
    // back to the same double (std::to_chars: `0.1`, `1e-07`, `nan`, `inf`), `\n` line ends.
    // A name holding a comma, a double quote or a line break is quoted, its quotes doubled.
    // Reads the samples complete when the call starts.
    static std::string csvText(const VTSIM::SimulationResults& results,
                               const std::vector<std::size_t>& columns, PlotRange time);
    static std::string writeCsv(const std::string& path, const VTSIM::SimulationResults& results,
                                const std::vector<std::size_t>& columns, PlotRange time);

    // The format the suffix of `path` asks for (".png" or ".svg", any case); nothing otherwise.
    static std::optional<PictureFormat> pictureFormatOf(const std::string& path);

    // Draws `plots` (not owned) stacked from top to bottom, each an equal share of `size`.
    static void paint(QPainter& painter, const std::vector<const PlotWidget*>& plots, QSize size);
    static QImage image(const std::vector<const PlotWidget*>& plots, QSize size);
    // `title`: the SVG drawing's title.
    static std::string writePicture(const std::string& path,
                                    const std::vector<const PlotWidget*>& plots, QSize size,
                                    const QString& title);
};

}  // namespace VantorStudio
