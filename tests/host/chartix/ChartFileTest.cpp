// The chart part of model files: a chart block's chart is saved inside the block and comes
// back with it; files without charts load and save as before.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "chartix/ChartFactory.h"
#include "chartix/ChartStore.h"
#include "quill/Transaction.h"
#include "support/ProjectRoot.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using CHARTIX::ChartContent;
using CHARTIX::ChartFactory;
using CHARTIX::ChartStore;
using VTQUILL::File::ModelFileReader;
using VTQUILL::File::ModelFileWriter;

std::string example(const std::string& name) {
    std::ifstream in(TestSupport::projectRoot() / "examples" / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The model's block named `name` in its top-level diagram.
VTQUILL::Block blockNamed(const VTQUILL::Model& model, const std::string& name) {
    for (const VTQUILL::Block& block : model.getDiagrams().front().getBlocks()) {
        if (block.getName() == name)
            return block;
    }
    return VTQUILL::Block();
}

// Owns a loaded model and closes it (with its charts) at the end of the test.
struct Loaded {
    explicit Loaded(const std::string& text) : result(ModelFileReader().loadText(text, "t.vtm")) {}
    ~Loaded() { result.model.close(); }
    ModelFileReader::Result result;
};

TEST(ChartFileTest, TheChartExampleLoadsWithItsStatesAndSavesByteForByte) {
    const std::string text = example("thermostat_chart.vtm");
    Loaded loaded(text);
    ASSERT_TRUE(loaded.result.ok()) << loaded.result.error->message();

    const VTQUILL::Block chartBlock = blockNamed(loaded.result.model, "ModeLogic");
    const ChartContent chart =
        ChartFactory::read(ChartStore::instance().findChart(chartBlock.getObjectId()));
    ASSERT_EQ(chart.states.size(), 3u);
    EXPECT_EQ(chart.states[1], (CHARTIX::StateContent{"Heating", {160, 20}, {80, 40}}));
    EXPECT_EQ(ModelFileWriter::toText(loaded.result.model), text);
}

TEST(ChartFileTest, AChartEditedAfterLoadingIsWhatTheNextSaveKeeps) {
    Loaded loaded(example("thermostat_chart.vtm"));
    ASSERT_TRUE(loaded.result.ok());
    const QUILL::Model chart = ChartStore::instance().findChart(
        blockNamed(loaded.result.model, "ModeLogic").getObjectId());
    QUILL::Transaction tx(chart);
    ChartFactory::addState(ChartFactory::chartDiagram(chart), {"Cooling", {300, 20}, {60, 30}});
    tx.commit();

    Loaded again(ModelFileWriter::toText(loaded.result.model));

    ASSERT_TRUE(again.result.ok());
    const ChartContent reloaded = ChartFactory::read(ChartStore::instance().findChart(
        blockNamed(again.result.model, "ModeLogic").getObjectId()));
    EXPECT_EQ(reloaded, ChartFactory::read(chart));
}

TEST(ChartFileTest, AFileWithoutChartsLoadsAndSavesAsBefore) {
    const std::string text = example("chart_controller.vtm");
    Loaded loaded(text);

    ASSERT_TRUE(loaded.result.ok()) << loaded.result.error->message();
    const VTQUILL::Block chartBlock = blockNamed(loaded.result.model, "ModeLogic");
    EXPECT_FALSE(ChartStore::instance().findChart(chartBlock.getObjectId()).isValid());
    EXPECT_EQ(ModelFileWriter::toText(loaded.result.model), text);
}

// The chart example with its first `from` replaced by `to`, loaded.
ModelFileReader::Result loadChartExampleWith(const std::string& from, const std::string& to) {
    std::string text = example("thermostat_chart.vtm");
    text.replace(text.find(from), from.size(), to);
    return ModelFileReader().loadText(text, "t.vtm");
}

TEST(ChartFileTest, AChartOnABlockOfAnotherTypeOrAStateWithoutNameIsRefused) {
    const auto otherType = loadChartExampleWith("\"type\": \"Chart\"", "\"type\": \"Gain\"");
    ASSERT_FALSE(otherType.ok());
    EXPECT_NE(otherType.error->place.find("chart"), std::string::npos);
    EXPECT_NE(otherType.error->problem.find("\"Chart\""), std::string::npos);

    const auto unnamed = loadChartExampleWith("\"name\": \"Idle\"", "\"name\": \"\"");
    ASSERT_FALSE(unnamed.ok());
    EXPECT_NE(unnamed.error->place.find("states"), std::string::npos);
}

}  // namespace
