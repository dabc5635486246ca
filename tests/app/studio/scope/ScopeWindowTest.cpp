#include "scope/ScopeWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "ScopeTestResults.h"
#include "support/QtTestApplication.h"

namespace {

using ScopeTest::ResultsBuilder;
using VantorStudio::PlotRange;
using VantorStudio::PlotTrace;
using VantorStudio::ScopeWindow;

const std::vector<std::string> kColumns{"loop/Scope:1",  "loop/Scope:2[1]", "loop/Scope:2[2]",
                                        "loop/Scope:10", "loop/Scope2:1",   "loop/Scope:2x",
                                        "loop/Out"};

// A run of six samples of the scope at "loop/Scope" (two inputs, the second a vector of two)
// among columns of similar names, and a previous run that logged the first input only.
class ScopeWindowTest : public ::testing::Test {
protected:
    ScopeWindowTest() { TestSupport::qtApplication(); }

    std::string file(const char* name) const { return folder.filePath(name).toStdString(); }
    static QByteArray contentsOf(const std::string& path) {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::shared_ptr<VTSIM::SimulationResults> current =
        ResultsBuilder(kColumns)
            .sample(0, {1.5, 0.1, -2, 9, 9, 9, 9})
            .sample(0.25, {1e-07, 0.2, -0.0, 9, 9, 9, 9})
            .sample(0.5, {3, 0.30000000000000004, 1e300, 9, 9, 9, 9})
            .sample(0.75, {-4.25, 1.0 / 3, 7, 9, 9, 9, 9})
            .sample(1, {5, 6, 7, 9, 9, 9, 9})
            .sample(1.25, {8, 8, 8, 9, 9, 9, 9})
            .build();
    std::shared_ptr<VTSIM::SimulationResults> previous =
        ResultsBuilder({"loop/Other:1", "loop/Scope:1"}).sample(0, {1, 2}).build();
    QTemporaryDir folder;
};

TEST_F(ScopeWindowTest, ColumnsAreMatchedByNameIntoOneAxisPerInput) {
    ScopeWindow window("loop/Scope", 2, current, previous);
    EXPECT_EQ(window.windowTitle(), "loop/Scope");
    ASSERT_EQ(window.axisCount(), 2);

    const std::vector<PlotTrace> first = window.axis(0)->traces();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].column, 0u);
    EXPECT_EQ(first[0].name, "input 1");
    const std::vector<PlotTrace> second = window.axis(1)->traces();
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].column, 1u);
    EXPECT_EQ(second[1].column, 2u);
    EXPECT_EQ(second[1].name, "input 2[2]");
    EXPECT_NE(second[0].colour, second[1].colour);

    const std::vector<PlotTrace> earlier = window.axis(0)->previousRunTraces();
    ASSERT_EQ(earlier.size(), 1u);
    EXPECT_EQ(earlier[0].results, previous);
    EXPECT_EQ(earlier[0].column, 1u);
    EXPECT_EQ(earlier[0].colour, first[0].colour);
    EXPECT_TRUE(window.axis(1)->previousRunTraces().empty());

    EXPECT_TRUE(window.comparesWithLastRun());
    window.setComparesWithLastRun(false);
    EXPECT_FALSE(window.axis(1)->previousRunShown());
}

TEST_F(ScopeWindowTest, ZoomingOneAxisMovesTheTimeOfAllAndAutoscaleRestoresThem) {
    ScopeWindow window("loop/Scope", 2, current, nullptr);
    window.resize(700, 600);
    window.axis(1)->resize(600, 250);
    const QPoint at = window.axis(1)->mapping().area().center();
    QWheelEvent event(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.axis(1), &event);
    EXPECT_LT(window.axis(1)->timeRange().span(), 1.25);
    EXPECT_EQ(window.axis(0)->timeRange(), window.axis(1)->timeRange());

    window.autoscale();
    EXPECT_EQ(window.axis(0)->timeRange(), (PlotRange{0, 1.25}));
    EXPECT_TRUE(window.axis(1)->timeAutoscaled());
}

TEST_F(ScopeWindowTest, ExportedDataHoldsTheSamplesOfTheShownTimeRangeInShortestForm) {
    ScopeWindow window("loop/Scope", 2, current, previous);
    for (int i = 0; i < 2; ++i)
        window.axis(i)->setTimeRange({0.25, 1});
    ASSERT_EQ(window.exportCsv(file("shown.csv")), "");
    EXPECT_EQ(contentsOf(file("shown.csv")).toStdString(),
              "time,loop/Scope:1,loop/Scope:2[1],loop/Scope:2[2]\n"
              "0.25,1e-07,0.2,-0\n"
              "0.5,3,0.30000000000000004,1e+300\n"
              "0.75,-4.25,0.3333333333333333,7\n"
              "1,5,6,7\n");
}

TEST_F(ScopeWindowTest, PicturesAreWrittenAsPngOrSvgByTheirSuffix) {
    ScopeWindow window("loop/Scope", 2, current, previous);
    ASSERT_EQ(window.exportPicture(file("scope.PNG")), "");
    const QImage image(QString::fromStdString(file("scope.PNG")));
    EXPECT_EQ(image.size(), QSize(ScopeWindow::kPictureWidth, 2 * ScopeWindow::kPictureAxisHeight));
    ASSERT_EQ(window.exportPicture(file("scope.svg")), "");
    EXPECT_TRUE(contentsOf(file("scope.svg")).contains("<svg"));
}

TEST_F(ScopeWindowTest, AFileThatCannotBeWrittenGivesAMessageNamingIt) {
    ScopeWindow window("loop/Scope", 2, current, previous);
    const std::string nowhere = file("missing/folder/data.csv");
    const std::string error = window.exportCsv(nowhere);
    EXPECT_NE(error.find(nowhere), std::string::npos) << error;
    EXPECT_NE(error.find("cannot be written"), std::string::npos) << error;
    EXPECT_NE(window.exportPicture(file("missing/scope.png")), "");
    EXPECT_NE(window.exportPicture(file("scope.bmp")).find(".png or .svg"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file("scope.bmp"))));
}

TEST_F(ScopeWindowTest, AScopeDrawsWithoutAWindowEvenWithNoSamplesOrNoColumns) {
    const QImage image = ScopeWindow::renderImage("loop/Scope", 2, current, previous, {900, 500});
    EXPECT_EQ(image.size(), QSize(900, 500));
    const QColor first = ScopeWindow::palette()[0];
    bool traceDrawn = false;
    for (int y = 0; y < 250 && !traceDrawn; ++y)
        for (int x = 0; x < 900 && !traceDrawn; ++x)
            traceDrawn = image.pixelColor(x, y) == first;
    EXPECT_TRUE(traceDrawn);

    const auto empty = ResultsBuilder(kColumns).build();
    EXPECT_EQ(ScopeWindow::renderImage("loop/Scope", 3, empty, nullptr, {300, 300}).size(),
              QSize(300, 300));
    EXPECT_FALSE(
        ScopeWindow::renderImage("absent/Scope", 1, nullptr, nullptr, {300, 200}).isNull());
    ScopeWindow window("loop/Scope", 1, empty, nullptr);
    EXPECT_EQ(window.exportCsv(file("empty.csv")), "");
    EXPECT_EQ(contentsOf(file("empty.csv")), "time,loop/Scope:1\n");
}

}  // namespace
