#include "scope/PlotPainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "ScopeTestResults.h"
#include "support/QtTestApplication.h"

namespace {

using VantorStudio::MinMaxPyramid;
using VantorStudio::PlotCurve;
using VantorStudio::PlotMapping;
using VantorStudio::PlotPainter;
using VantorStudio::TraceDecimator;

const QColor kTrace(200, 30, 50);
const QRect kBounds(0, 0, 640, 240);

QImage draw(const MinMaxPyramid& samples, PlotPainter::Frame frame) {
    QImage image(kBounds.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PlotPainter::paint(painter, kBounds, {PlotCurve{&samples, kTrace, "y"}}, frame);
    return image;
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

class PlotPainterTest : public ::testing::Test {
protected:
    PlotPainterTest() { TestSupport::qtApplication(); }
};

TEST_F(PlotPainterTest, ASmallTraceDrawsTheSamePixelsDecimatedAsAPlainPolylineOfEverySample) {
    MinMaxPyramid samples(
        ScopeTest::ResultsBuilder({"y"})
            .samples(50, 0, 0.1, [](std::size_t i) { return std::sin(0.4 * i) + 0.01 * i; })
            .build(),
        0);
    samples.update();
    PlotPainter::Frame frame{{0, 4.9}, {-1.2, 1.6}, 2.0};
    const QImage decimated = draw(samples, frame);
    frame.mode = TraceDecimator::Mode::Plain;
    const QImage plain = draw(samples, frame);

    EXPECT_GT(pixelsOf(plain, kTrace), 300);
    EXPECT_TRUE(decimated == plain);
}

TEST_F(PlotPainterTest, ALargeTraceCoversEachPixelColumnFromItsMinimumToItsMaximum) {
    // A noisy sine: every pixel column spans many rows.
    MinMaxPyramid samples(
        ScopeTest::ResultsBuilder({"y"})
            .samples(1000000, 0, 1e-5,
                     [](std::size_t i) { return std::sin(i * 1e-5 * 3) + 0.3 * std::sin(i * 0.7); })
            .build(),
        0);
    samples.update();
    const PlotPainter::Frame frame{{0, 10}, {-1.5, 1.5}, std::nullopt, {}, false};
    const QImage image = draw(samples, frame);
    const PlotMapping mapping = PlotPainter::layout(kBounds, frame.time, frame.value);
    const auto columns = TraceDecimator::columns(samples, mapping);
    ASSERT_EQ(int(columns.size()), mapping.columns());

    int checkedRows = 0;
    for (int c = 1; c + 1 < mapping.columns(); ++c) {
        ASSERT_FALSE(columns[c].extent.empty());
        const int x = mapping.area().left() + c;
        const int top = int(std::floor(mapping.yOf(columns[c].extent.max)));
        const int bottom = int(std::floor(mapping.yOf(columns[c].extent.min)));
        for (int y = top + 1; y < bottom; ++y, ++checkedRows)
            ASSERT_EQ(image.pixelColor(x, y), kTrace) << "column " << c << " row " << y;
    }
    EXPECT_GT(checkedRows, 20 * mapping.columns());
}

TEST_F(PlotPainterTest, TheAreaLeavesRoomForTheNumbersAndEmptyBoundsDrawNoArea) {
    const PlotMapping mapping = PlotPainter::layout(kBounds, {0, 10}, {-1000, 1000});
    EXPECT_GT(mapping.area().left(), 20);
    EXPECT_LT(mapping.area().bottom(), kBounds.bottom() - 10);
    EXPECT_LT(mapping.area().right(), kBounds.right());

    MinMaxPyramid nothing(nullptr, 0);
    QImage tiny(QSize(10, 10), QImage::Format_RGB32);
    QPainter painter(&tiny);
    PlotPainter::paint(painter, tiny.rect(), {PlotCurve{&nothing, kTrace, "y"}},
                       PlotPainter::Frame{});
    painter.end();
    EXPECT_EQ(pixelsOf(tiny, PlotPainter::kBackground), 100);
}

}  // namespace
