#include <gtest/gtest.h>

#include "quill/Exception.h"
#include "quill/Transaction.h"
#include "vtquill/VTQuill.h"

using namespace VTQUILL;

namespace {

const QUILL::StringMap kRunSettings = {{"stopTime", "5"}, {"solver", "bdf"}, {"relTol", "1e-05"}};

class ModelSimulationSettingsTest : public testing::Test {
protected:
    ~ModelSimulationSettingsTest() override { model.close(); }

    // Sets `settings` in a transaction of its own and returns the message they are refused
    // with; empty when they are taken.
    std::string set(const QUILL::StringMap& settings) {
        QUILL::Transaction tx(model);
        try {
            model.setSimulationSettings(settings);
        } catch (const QUILL::Exception& e) {
            changes = tx.commit();
            return e.what();
        }
        changes = tx.commit();
        return {};
    }

    Model model = Factory::createNewModel("m");
    std::shared_ptr<const QUILL::ChangeSet> changes;
};

}  // namespace

// --- Reading and keeping -----------------------------------------------------------------------

TEST_F(ModelSimulationSettingsTest, ANewModelHasNoSettings) {
    EXPECT_TRUE(model.getSimulationSettings().empty());
}

TEST_F(ModelSimulationSettingsTest, SettingsGivenInAnyOrderAreKeptInTheCanonicalOrder) {
    EXPECT_EQ(set({{"outputStep", "0.5"},
                   {"absTol", "1e-9"},
                   {"solver", "euler"},
                   {"fixedStep", "0.001"},
                   {"stopTime", "1.0"},
                   {"maxStep", "2"},
                   {"relTol", "0.01"}}),
              "");
    const QUILL::StringMap expected = {
        {"stopTime", "1.0"}, {"solver", "euler"},    {"relTol", "0.01"},   {"absTol", "1e-9"},
        {"maxStep", "2"},    {"fixedStep", "0.001"}, {"outputStep", "0.5"}};
    EXPECT_EQ(model.getSimulationSettings(), expected);
}

TEST_F(ModelSimulationSettingsTest, SettingsReplaceTheWholeSetAndAnEmptySetClearsThem) {
    set(kRunSettings);
    set({{"solver", "adams"}});
    EXPECT_EQ(model.getSimulationSettings(), (QUILL::StringMap{{"solver", "adams"}}));
    set({});
    EXPECT_TRUE(model.getSimulationSettings().empty());
}

TEST_F(ModelSimulationSettingsTest, ARolledBackChangeLeavesTheEarlierSettings) {
    set(kRunSettings);
    QUILL::Transaction tx(model);
    model.setSimulationSettings({{"stopTime", "99"}});
    tx.rollback();
    EXPECT_EQ(model.getSimulationSettings(), kRunSettings);
}

// --- Refusals ------------------------------------------------------------------------------------

TEST_F(ModelSimulationSettingsTest, AnUnknownKeyIsRefusedAndTheModelIsUnchanged) {
    set(kRunSettings);
    EXPECT_EQ(set({{"solver", "rk4"}, {"stepSize", "0.1"}}),
              "Unknown simulation setting \"stepSize\".");
    ASSERT_TRUE(changes);
    EXPECT_TRUE(changes->empty());
    EXPECT_EQ(model.getSimulationSettings(), kRunSettings);
}

TEST_F(ModelSimulationSettingsTest, EachKindOfBadValueIsRefusedNamingTheSetting) {
    const std::string number = "must be a number greater than 0; found ";
    const std::pair<QUILL::StringMap, std::string> cases[] = {
        {{{"relTol", "0"}}, "\"relTol\": " + number + "0"},
        {{{"absTol", "-1e-06"}}, "\"absTol\": " + number + "-1e-06"},
        {{{"stopTime", "ten"}}, "\"stopTime\": " + number + "\"ten\""},
        {{{"maxStep", " 1"}}, "\"maxStep\": " + number + "\" 1\""},
        {{{"fixedStep", "1s"}}, "\"fixedStep\": " + number + "\"1s\""},
        {{{"outputStep", "inf"}}, "\"outputStep\": " + number + "\"inf\""},
        {{{"stopTime", "nan"}}, "\"stopTime\": " + number + "\"nan\""},
        {{{"solver", "Dopri5"}},
         "\"solver\": unknown solver \"Dopri5\"; expected \"auto\", \"dopri5\", \"bdf\", "
         "\"adams\", \"rk4\" or \"euler\""},
        {{{"stopTime", "1"}, {"stopTime", "2"}}, "\"stopTime\": it is given twice"},
    };
    for (const auto& [settings, named] : cases) {
        EXPECT_EQ(set(settings), "Cannot set the simulation setting " + named + ".");
        EXPECT_TRUE(model.getSimulationSettings().empty()) << named;
    }
}

TEST_F(ModelSimulationSettingsTest, SettingOutsideATransactionIsRefused) {
    EXPECT_THROW(model.setSimulationSettings(kRunSettings), QUILL::Exception);
    EXPECT_TRUE(model.getSimulationSettings().empty());
}
