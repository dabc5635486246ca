#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vtdove/SubsystemPorts.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

using namespace VTQUILL;
using File::ModelFileReader;
using File::ModelFileWriter;

namespace {

// A model as older files wrote it: every older block type, both older parameter names and
// both older criteria texts.
constexpr const char* kOlderFile = R"({
  "format": "vantor-model",
  "version": 1,
  "name": "older",
  "diagrams": [
    {"id": 1, "name": "older", "blocks": [
      {"id": 2, "type": "Sine Wave", "name": "Source", "position": [0, 0], "size": [30, 30]},
      {"id": 3, "type": "Transfer Fcn", "name": "Plant", "position": [60, 0], "size": [60, 40]},
      {"id": 4, "type": "Switch", "name": "AtLeast", "position": [0, 80], "size": [30, 30],
       "parameters": [["Threshold", "0.5"], ["Criteria", "u2 >= Threshold"]]},
      {"id": 5, "type": "Switch", "name": "Above", "position": [60, 80], "size": [30, 30],
       "parameters": [["Criteria", "u2 > Threshold"], ["Threshold", "2"]]},
      {"id": 6, "type": "MaskedSubsystem", "name": "Valve", "position": [0, 160],
       "size": [60, 40], "parameters": [["MaskDisplay", "V"]], "subsystem": 20},
      {"id": 7, "type": "ConfigurableSubsystem", "name": "Sensor", "position": [100, 160],
       "size": [60, 40], "parameters": [["BlockChoice", "Fast"]], "subsystem": 30}
    ]},
    {"id": 20, "name": "Valve", "blocks": [
      {"id": 21, "type": "Inport", "name": "u", "position": [20, 40], "size": [30, 14],
       "parameters": [["Port", "1"]]},
      {"id": 22, "type": "Outport", "name": "y", "position": [150, 40], "size": [30, 14],
       "parameters": [["Port", "1"]]}
    ]},
    {"id": 30, "name": "Sensor"}
  ]
})";

ModelFileReader::Result load(const std::string& text) {
    return ModelFileReader().loadText(text, "older.vtm");
}

std::vector<std::string> typesIn(const Diagram& diagram) {
    std::vector<std::string> types;
    for (const Block& b : diagram.getBlocks())
        types.push_back(b.getType());
    return types;
}

// The model of `text`, closed at the end of the test.
struct Loaded {
    explicit Loaded(const std::string& text) : result(load(text)) {
        EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error->message());
    }
    ~Loaded() {
        if (result.model.isValid())
            result.model.close();
    }
    std::vector<Block> topBlocks() const {
        std::vector<Block> blocks;
        for (const Block& b : result.model.getDiagrams().front().getBlocks())
            blocks.push_back(b);
        return blocks;
    }
    ModelFileReader::Result result;
};

}  // namespace

TEST(LegacyNamesTest, AnOlderFileLoadsWithTheCurrentNamesAndSavesNoOlderName) {
    Loaded older(kOlderFile);
    ASSERT_TRUE(older.result.ok());
    const std::vector<Block> top = older.topBlocks();
    ASSERT_EQ(top.size(), 6u);
    EXPECT_EQ(typesIn(older.result.model.getDiagrams().front()),
              (std::vector<std::string>{"Sine", "Transfer Function", "Switch", "Switch",
                                        "MaskedSubsystem", "ConfigurableSubsystem"}));
    EXPECT_EQ(top[2].getParameters(),
              (QUILL::StringMap{{"Threshold", "0.5"}, {"Criteria", "u2 >= threshold"}}));
    EXPECT_EQ(top[3].getParameters(),
              (QUILL::StringMap{{"Criteria", "u2 > threshold"}, {"Threshold", "2"}}));
    EXPECT_EQ(top[4].getParameters(), (QUILL::StringMap{{"IconText", "V"}}));
    EXPECT_EQ(top[5].getParameters(), (QUILL::StringMap{{"Choice", "Fast"}}));

    const Diagram valve = top[4].getSubsystemDiagram();
    EXPECT_EQ(typesIn(valve), (std::vector<std::string>{"Input", "Output"}));
    const VTDove::SubsystemPorts ports(top[4]);
    EXPECT_EQ(ports.inputNames(), std::vector<std::string>{"u"});
    EXPECT_EQ(ports.outputNames(), std::vector<std::string>{"y"});

    const std::string saved = ModelFileWriter::toText(older.result.model);
    for (const char* olderName :
         {"\"Sine Wave\"", "\"Transfer Fcn\"", "\"Inport\"", "\"Outport\"", "\"MaskDisplay\"",
          "\"BlockChoice\"", "u2 >= Threshold", "u2 > Threshold"})
        EXPECT_EQ(saved.find(olderName), std::string::npos) << olderName << " in\n" << saved;
}

TEST(LegacyNamesTest, OlderNamesChangeOnlyWhereTheyWereUsed) {
    // A Gain that happens to have parameters with the older names, and a block named after an
    // older type: names of blocks and of other types' parameters are the user's own.
    Loaded model(R"({"format": "vantor-model", "version": 1, "name": "m", "diagrams": [
      {"id": 1, "name": "m", "blocks": [
        {"id": 2, "type": "Gain", "name": "Inport", "position": [0, 0], "size": [30, 30],
         "parameters": [["MaskDisplay", "a"], ["BlockChoice", "b"], ["Criteria", "u2 > Threshold"]]},
        {"id": 3, "type": "Switch", "name": "S", "position": [60, 0], "size": [30, 30],
         "parameters": [["Criteria", "u2 != 0"], ["Inport", "u2 >= Threshold"]]}
      ]}]})");
    ASSERT_TRUE(model.result.ok());
    const std::vector<Block> top = model.topBlocks();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].getName(), "Inport");
    EXPECT_EQ(top[0].getParameters(),
              (QUILL::StringMap{
                  {"MaskDisplay", "a"}, {"BlockChoice", "b"}, {"Criteria", "u2 > Threshold"}}));
    EXPECT_EQ(top[1].getParameters(),
              (QUILL::StringMap{{"Criteria", "u2 != 0"}, {"Inport", "u2 >= Threshold"}}));
}

TEST(LegacyNamesTest, AnOlderAndACurrentNameOfOneParameterAreRefusedAsARepeat) {
    const ModelFileReader::Result result = load(R"({"format": "vantor-model", "version": 1,
      "name": "m", "diagrams": [{"id": 1, "name": "m", "blocks": [
        {"id": 2, "type": "ConfigurableSubsystem", "name": "C", "position": [0, 0],
         "size": [60, 40], "parameters": [["BlockChoice", "A"], ["Choice", "B"]]}]}]})");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->place, "diagrams[0].blocks[0].parameters[1]");
    EXPECT_EQ(result.error->problem,
              "parameter \"Choice\" appears twice (as \"BlockChoice\" and \"Choice\")");
    EXPECT_FALSE(result.model.isValid());
}
