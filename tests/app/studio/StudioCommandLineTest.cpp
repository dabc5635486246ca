#include "StudioCommandLine.h"

#include <gtest/gtest.h>

namespace {

using VantorStudio::StudioCommandLine;

std::optional<StudioCommandLine> parse(const std::vector<std::string>& args,
                                       std::string* error = nullptr) {
    std::string ignored;
    return StudioCommandLine::parse(args, error ? *error : ignored);
}

TEST(StudioCommandLineWindow, WithoutArgumentsOpensAnEmptyWindow) {
    const auto line = parse({});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->mode, StudioCommandLine::Mode::Window);
    EXPECT_TRUE(line->modelFiles.empty());
}

TEST(StudioCommandLineWindow, ModelFilesAreOpenedInTheOrderGiven) {
    const auto line = parse({"a.vtm", "b.vtm"});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->modelFiles, (std::vector<std::string>{"a.vtm", "b.vtm"}));
}

TEST(StudioCommandLineWindow, AnUnknownOptionIsRefusedByName) {
    std::string error;
    EXPECT_FALSE(parse({"--frobnicate", "a.vtm"}, &error));
    EXPECT_NE(error.find("--frobnicate"), std::string::npos);
}

TEST(StudioCommandLineRender, TakesTheModelAndTheImage) {
    const auto line = parse({"--render", "m.vtm", "out.png"});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->mode, StudioCommandLine::Mode::Render);
    EXPECT_EQ(line->renderModel, "m.vtm");
    EXPECT_EQ(line->renderOutput, "out.png");
    EXPECT_TRUE(line->renderDiagram.empty());
}

TEST(StudioCommandLineRender, TakesADiagramPathBeforeOrAfterTheFiles) {
    for (const auto& args :
         {std::vector<std::string>{"--render", "m.vtm", "--diagram", "m/Sub", "out.png"},
          std::vector<std::string>{"--render", "m.vtm", "out.png", "--diagram", "m/Sub"},
          std::vector<std::string>{"--diagram", "m/Sub", "--render", "m.vtm", "out.png"}}) {
        const auto line = parse(args);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->renderModel, "m.vtm");
        EXPECT_EQ(line->renderDiagram, "m/Sub");
        EXPECT_EQ(line->renderOutput, "out.png");
    }
}

TEST(StudioCommandLineRender, NeedsExactlyTwoFiles) {
    std::string error;
    EXPECT_FALSE(parse({"--render", "m.vtm"}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(parse({"--render", "m.vtm", "a.png", "b.png"}));
}

TEST(StudioCommandLineRender, WritesPngPdfOrSvgAndRefusesOtherSuffixes) {
    for (const char* out : {"out.png", "out.pdf", "out.SVG"})
        EXPECT_TRUE(parse({"--render", "m.vtm", out})) << out;
    std::string error;
    EXPECT_FALSE(parse({"--render", "m.vtm", "out.jpg"}, &error));
    EXPECT_NE(error.find(".svg"), std::string::npos);
}

TEST(StudioCommandLineRender, TakesAPositiveScaleForPngs) {
    const auto line = parse({"--render", "m.vtm", "--scale", "4", "out.png"});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->renderScale, 4.0);
    EXPECT_EQ(line->renderOutput, "out.png");
    for (const char* bad : {"0", "-1", "x", "2x", "100"})
        EXPECT_FALSE(parse({"--render", "m.vtm", "--scale", bad, "out.png"})) << bad;
}

TEST(StudioCommandLineHelp, LongOrShortHelpAsksForTheUsage) {
    EXPECT_EQ(parse({"--help"})->mode, StudioCommandLine::Mode::Help);
    EXPECT_EQ(parse({"--render", "m.vtm", "-h"})->mode, StudioCommandLine::Mode::Help);
}

TEST(StudioCommandLineRender, ADiagramOptionNeedsAPathAndIsGivenOnce) {
    EXPECT_FALSE(parse({"--render", "m.vtm", "out.png", "--diagram"}));
    EXPECT_FALSE(parse({"--render", "m.vtm", "--diagram", "a", "--diagram", "b", "out.png"}));
}

TEST(StudioCommandLinePlot, TakesTheModelTheScopeTheComparisonAndThePicture) {
    const auto line =
        parse({"--plot", "m.vtm", "--compare", "m/Sub:x/Gain:Gain=2", "--scope", "m/S", "o.png"});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->mode, StudioCommandLine::Mode::Plot);
    EXPECT_EQ(line->plotModel, "m.vtm");
    EXPECT_EQ(line->plotScope, "m/S");
    EXPECT_EQ(line->plotOutput, "o.png");
    EXPECT_EQ(line->plotCompare.at("m/Sub:x/Gain").at("Gain"), "2");
    std::string error;
    EXPECT_FALSE(parse({"--plot", "m.vtm", "o.png"}, &error));
    EXPECT_NE(error.find("--scope"), std::string::npos);
    EXPECT_FALSE(
        parse({"--plot", "m.vtm", "--scope", "m/S", "--compare", "m/G=2", "o.png"}, &error));
    EXPECT_NE(error.find("BLOCK:NAME=VALUE"), std::string::npos);
}

}  // namespace
