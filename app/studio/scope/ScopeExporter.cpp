#include "ScopeExporter.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <charconv>

#include "PlotPainter.h"
#include "PlotWidget.h"

namespace VantorStudio {

namespace {

// "-2.2250738585072014e-308" is the longest shortest form of a double.
constexpr int kNumberChars = 32;

void appendNumber(std::string& text, double number) {
    char digits[kNumberChars];
    const std::to_chars_result result = std::to_chars(digits, digits + kNumberChars, number);
    text.append(digits, result.ptr);
}

void appendName(std::string& text, const std::string& name) {
    if (name.find_first_of(",\"\r\n") == std::string::npos) {
        text += name;
        return;
    }
    text += '"';
    for (const char c : name) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
}

// The first of the first `count` samples whose time is not before `time` (with `after`: is
// after `time`); times never decrease along the samples.
std::size_t searchTime(const VTSIM::SimulationResults& results, std::size_t count, double time,
                       bool after) {
    std::size_t low = 0, high = count;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const double t = results.time(middle);
        if (t < time || (after && t == time))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::string cannotWrite(const std::string& path, const char* what, const QString& cause) {
    return path + ": the " + what + " cannot be written" +
           (cause.isEmpty() ? std::string() : " (" + cause.toStdString() + ")");
}

std::string commit(QSaveFile& file, const std::string& path, const char* what) {
    if (!file.commit())
        return cannotWrite(path, what, file.errorString());
    return {};
}

}  // namespace

std::string ScopeExporter::csvText(const VTSIM::SimulationResults& results,
                                   const std::vector<std::size_t>& columns, PlotRange time) {
    std::string text = "time";
    for (const std::size_t column : columns) {
        text += ',';
        appendName(text, results.columnNames().at(column));
    }
    text += '\n';
    const std::size_t count = results.size();
    const std::size_t first = searchTime(results, count, time.low, false);
    const std::size_t end = searchTime(results, count, time.high, true);
    for (std::size_t sample = first; sample < end; ++sample) {
        appendNumber(text, results.time(sample));
        for (const std::size_t column : columns) {
            text += ',';
            appendNumber(text, results.value(column, sample));
        }
        text += '\n';
    }
    return text;
}

std::string ScopeExporter::writeCsv(const std::string& path,
                                    const VTSIM::SimulationResults& results,
                                    const std::vector<std::size_t>& columns, PlotRange time) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, "data", file.errorString());
    const std::string text = csvText(results, columns, time);
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return cannotWrite(path, "data", file.errorString());
    }
    return commit(file, path, "data");
}

std::optional<ScopeExporter::PictureFormat> ScopeExporter::pictureFormatOf(
    const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "png")
        return PictureFormat::Png;
    if (suffix == "svg")
        return PictureFormat::Svg;
    return std::nullopt;
}

void ScopeExporter::paint(QPainter& painter, const std::vector<const PlotWidget*>& plots,
                          QSize size) {
    painter.fillRect(QRect(QPoint(0, 0), size), PlotPainter::kBackground);
    if (plots.empty())
        return;
    const int count = int(plots.size());
    for (int i = 0; i < count; ++i) {
        // Integer bounds that tile the height exactly, whatever it is.
        const int top = size.height() * i / count;
        const int bottom = size.height() * (i + 1) / count;
        plots[i]->render(painter, QRect(0, top, size.width(), bottom - top));
    }
}

QImage ScopeExporter::image(const std::vector<const PlotWidget*>& plots, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(PlotPainter::kBackground);
    QPainter painter(&picture);
    paint(painter, plots, size);
    return picture;
}

std::string ScopeExporter::writePicture(const std::string& path,
                                        const std::vector<const PlotWidget*>& plots, QSize size,
                                        const QString& title) {
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format)
        return path + ": pictures are written as .png or .svg files";
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, "picture", file.errorString());
    bool painted = true;
    if (*format == PictureFormat::Png) {
        painted = image(plots, size).save(&file, "PNG");
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter;
        painted = painter.begin(&svg);
        if (painted)
            paint(painter, plots, size);
        painted = painter.end() && painted;
    }
    if (!painted) {
        file.cancelWriting();
        return cannotWrite(path, "picture", file.errorString());
    }
    return commit(file, path, "picture");
}

}  // namespace VantorStudio
