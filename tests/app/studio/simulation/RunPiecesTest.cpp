#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/studio/StudioTestSupport.h"
#include "host/sim/SimModelBuilder.h"
#include "scope/LoggedColumn.h"
#include "simulation/DisplayValues.h"
#include "simulation/ScopePicture.h"
#include "simulation/ScopeWindows.h"
#include "simulation/SimulationSettingsDialog.h"

namespace {

using VantorStudio::DisplayValues;
using VantorStudio::LoggedColumn;
using VantorStudio::ScopePicture;
using VantorStudio::SimulationSettingsDialog;

TEST(LoggedColumn, ViewerInputsAreTakenApartAndOtherNamesAreNot) {
    const auto scalar = LoggedColumn::parse("m/Sub:sys/Scope:2");
    ASSERT_TRUE(scalar);
    EXPECT_EQ(scalar->blockPath, "m/Sub:sys/Scope");
    EXPECT_EQ(scalar->input, 2);
    EXPECT_EQ(scalar->element, 0);
    const auto element = LoggedColumn::parse("m/Scope:1[12]");
    ASSERT_TRUE(element);
    EXPECT_EQ(element->blockPath, "m/Scope");
    EXPECT_EQ(element->input, 1);
    EXPECT_EQ(element->element, 12);
    for (const char* other :
         {"m/Out", "m/Scope:", "m/Scope:0", "m/Scope:1[]", "m/Scope:x", "m/Scope:1[2", ":1"})
        EXPECT_FALSE(LoggedColumn::parse(other)) << other;
}

TEST(DisplayValues, ShortShowsFiveSignificantDigitsLongFifteenAndVectorsInBrackets) {
    EXPECT_EQ(DisplayValues::format({2.0 / 3}, "short"), "0.66667");
    EXPECT_EQ(DisplayValues::format({2.0 / 3}, "long"), "0.666666666666667");
    EXPECT_EQ(DisplayValues::format({1, -0.5, 1e-7}, "short"), "[1 -0.5 1e-07]");
}

TEST(SimulationSettingsDialog, EmptyFieldsKeepDefaultsAndBadValuesAreRefusedWithTheReason) {
    StudioTest::qtApplication();
    SimulationSettingsDialog dialog({{"stopTime", "5"}, {"solver", "rk4"}, {"fixedStep", "0.01"}});
    EXPECT_EQ(dialog.field("stopTime")->text(), "5");
    EXPECT_EQ(dialog.solverBox()->currentText(), "rk4");
    EXPECT_EQ(dialog.settings(),
              (QUILL::StringMap{{"stopTime", "5"}, {"solver", "rk4"}, {"fixedStep", "0.01"}}));
    dialog.solverBox()->setCurrentText("auto");
    dialog.field("fixedStep")->clear();
    dialog.field("relTol")->setText("1e-6");
    EXPECT_EQ(dialog.settings(), (QUILL::StringMap{{"stopTime", "5"}, {"relTol", "1e-6"}}));
    EXPECT_TRUE(dialog.problem().empty());
    dialog.field("absTol")->setText("tiny");
    EXPECT_NE(dialog.problem().find("absTol"), std::string::npos) << dialog.problem();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(ScopePicture, DrawsTheScopeOfARunAndAComparedRunFadedAndNamesWhatIsMissing) {
    StudioTest::qtApplication();
    QTemporaryDir dir;
    const std::string model = StudioTest::examplePath("pid_loop.vtm");
    const std::string one = dir.filePath("one.png").toStdString();
    const std::string two = dir.filePath("two.png").toStdString();
    EXPECT_EQ(ScopePicture::write(model, "pid_loop/Response", {}, one), "");
    EXPECT_EQ(ScopePicture::write(model, "pid_loop/Response",
                                  {{"pid_loop/Controller", {{"P", "6"}}}}, two),
              "");
    const QImage first(QString::fromStdString(one)), second(QString::fromStdString(two));
    ASSERT_EQ(first.size(), QSize(VantorStudio::ScopeWindow::kPictureWidth,
                                  VantorStudio::ScopeWindow::kPictureAxisHeight));
    ASSERT_EQ(second.size(), first.size());
    EXPECT_NE(first, second);  // the faded first run is drawn as well
    EXPECT_NE(ScopePicture::write(model, "pid_loop/Nothing", {}, one).find("pid_loop/Nothing"),
              std::string::npos);
    EXPECT_NE(ScopePicture::write(model, "pid_loop/Response", {}, "x.bmp").find(".png"),
              std::string::npos);
}

TEST(ScopeWindows, AModelWithManyScopesOpensNoneByItselfAndADoubleClickShowsTheRun) {
    StudioTest::qtApplication();
    SimTest::SimModelBuilder m("many");
    const std::size_t count = VantorStudio::ScopeWindows::kMostOpenedAtRun + 1;
    std::vector<std::pair<VTQUILL::Block, int>> scopes;
    for (std::size_t k = 0; k < count; ++k)
        scopes.emplace_back(m.add("Scope", "S" + std::to_string(k)), 1);
    m.fan(m.add("Constant", "C"), scopes);
    auto run = m.run(VTSIM::SimulationSettings());
    std::shared_ptr<const VTSIM::SimulationResults> results = std::move(run.results);
    VantorStudio::ScopeWindows windows(nullptr, nullptr);
    EXPECT_EQ(windows.runStarted(*run.compiled, m.model(), results, nullptr, 10), count);
    EXPECT_FALSE(windows.isOpen("many/S0"));
    EXPECT_FALSE(windows.window("many/S0"));
    VantorStudio::ScopeWindow& shown = windows.open("many/S3", 1);
    EXPECT_TRUE(windows.isOpen("many/S3"));
    ASSERT_EQ(shown.axis(0)->traces().size(), 1u);
    EXPECT_EQ(shown.axis(0)->traces()[0].results, results);
}

}  // namespace
