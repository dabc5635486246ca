#include "DiagramExporter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

#include "StudioStartup.h"
#include "StudioTestSupport.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using StudioTest::ExampleCopy;
using VantorStudio::DiagramExporter;

QByteArray contentsOf(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The example PID loop, loaded, with a folder to write pictures into.
class DiagramExporterTest : public ::testing::Test {
protected:
    DiagramExporterTest() {
        StudioTest::qtApplication();
        VantorStudio::StudioStartup::initializeOnce();
        auto loaded = VTQUILL::File::ModelFileReader().load(folder.path());
        EXPECT_TRUE(loaded.ok());
        model = loaded.model;
    }
    ~DiagramExporterTest() override {
        if (model.isValid())
            model.close();
    }
    std::string write(const std::string& fileName, double scale = 2.0) {
        return DiagramExporter::write(model.getDiagrams().front(), folder.sibling(fileName), scale);
    }

    QStringList filesInFolder() const {
        return QDir(QFileInfo(QString::fromStdString(folder.path())).path())
            .entryList(QDir::Files | QDir::Hidden);
    }

    ExampleCopy folder{"pid_loop.vtm"};
    VTQUILL::Model model;
};

TEST_F(DiagramExporterTest, EachSuffixGivesAFileOfItsOwnFormatWhateverItsCase) {
    ASSERT_EQ(write("loop.png"), "");
    ASSERT_EQ(write("loop.PDF"), "");
    ASSERT_EQ(write("loop.Svg"), "");

    EXPECT_TRUE(contentsOf(folder.sibling("loop.png")).startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_TRUE(contentsOf(folder.sibling("loop.PDF")).startsWith("%PDF-"));
    QSvgRenderer svg(contentsOf(folder.sibling("loop.Svg")));
    EXPECT_TRUE(svg.isValid());
}

// Blocks are far larger than this; the diagram's own small badges may be bitmaps.
constexpr int kLargestIcon = 16;

// The largest width of the images embedded in `picture`, found by `pattern` (its first
// capture is a width); 0 when there is none.
int widestImage(const QByteArray& picture, const char* pattern) {
    int widest = 0;
    QRegularExpressionMatchIterator it =
        QRegularExpression(pattern).globalMatch(QString::fromLatin1(picture));
    while (it.hasNext())
        widest = std::max(widest, static_cast<int>(it.next().captured(1).toDouble()));
    return widest;
}

TEST_F(DiagramExporterTest, PdfAndSvgDrawTheBlocksAsVectorsNotBitmaps) {
    ASSERT_EQ(write("loop.pdf"), "");
    ASSERT_EQ(write("loop.svg"), "");

    const QByteArray pdf = contentsOf(folder.sibling("loop.pdf"));
    const QByteArray svg = contentsOf(folder.sibling("loop.svg"));
    EXPECT_LE(widestImage(pdf, R"re(/Subtype /Image[^>]*?/Width (\d+))re"), kLargestIcon);
    EXPECT_LE(widestImage(svg, R"re(<image[^>]*? width="([\d.]+)")re"), kLargestIcon);
    EXPECT_TRUE(svg.contains("<path"));
    EXPECT_TRUE(svg.contains("<text"));
}

// `image` at half its size, smoothed: what two painters draw alike then looks alike, though
// they smooth edges differently.
QImage halved(const QImage& image) {
    return image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of pixels whose grey levels differ by more than a quarter of the range, over the
// area of `a` (an image of `b`'s size).
double shareOfDifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            different += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64 ? 1 : 0;
    }
    return double(different) / (a.width() * a.height());
}

TEST_F(DiagramExporterTest, TheSvgLooksLikeThePngOfTheSameDiagram) {
    ASSERT_EQ(write("loop.png", 1.0), "");
    ASSERT_EQ(write("loop.svg"), "");
    const QImage png = QImage(QString::fromStdString(folder.sibling("loop.png")))
                           .convertToFormat(QImage::Format_RGB32);
    QImage svg(png.size(), QImage::Format_RGB32);
    svg.fill(Qt::white);
    QPainter painter(&svg);
    QSvgRenderer(contentsOf(folder.sibling("loop.svg"))).render(&painter);
    painter.end();

    EXPECT_LT(shareOfDifferentPixels(halved(svg), halved(png)), 0.01);
}

TEST_F(DiagramExporterTest, ThePngScaleSetsThePixelsPerDiagramUnit) {
    ASSERT_EQ(write("one.png", 1.0), "");
    ASSERT_EQ(write("four.png", 4.0), "");

    const QImage one(QString::fromStdString(folder.sibling("one.png")));
    const QImage four(QString::fromStdString(folder.sibling("four.png")));
    ASSERT_FALSE(one.isNull());
    EXPECT_NEAR(four.width(), 4 * one.width(), 4);
    EXPECT_NEAR(four.height(), 4 * one.height(), 4);
}

TEST_F(DiagramExporterTest, AnUnknownSuffixIsRefusedByNameAndWritesNothing) {
    const std::string error = write("loop.jpeg");

    EXPECT_NE(error.find(folder.sibling("loop.jpeg")), std::string::npos);
    EXPECT_NE(error.find(".svg"), std::string::npos);
    EXPECT_EQ(filesInFolder(), QStringList{"pid_loop.vtm"});
}

TEST_F(DiagramExporterTest, AFileThatCannotBeWrittenIsNamedAndLeavesNoPartialFile) {
    const std::string out = folder.sibling("missing-folder/loop.pdf");
    const std::string error = DiagramExporter::write(model.getDiagrams().front(), out);

    EXPECT_NE(error.find(out), std::string::npos);
    EXPECT_EQ(filesInFolder(), QStringList{"pid_loop.vtm"});
}

}  // namespace
