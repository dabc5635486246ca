#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "quill/ListenerBase.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/SystemNames.h"

using VTDove::getNewSystemName;
using VTDove::isBDBeingDestroyedOrClosed;
using VTDoveTest::LibraryModel;

namespace {

// Asks, while told that its model closes, whether the model counts as closing.
class ClosingProbe : public QUILL::ListenerBase {
public:
    std::vector<std::string> asked;
    std::vector<bool> answers;
    void onDeviantDestroyed(QUILL::Deviant&) override {
        for (const auto& name : asked)
            answers.push_back(isBDBeingDestroyedOrClosed(name));
    }
};

}  // namespace

TEST(SystemNamesTest, TheFirstNewSystemIsUntitled) {
    EXPECT_EQ(getNewSystemName(), "untitled");
}

TEST(SystemNamesTest, NamesOfOpenModelsAreSkipped) {
    LibraryModel first("untitled");
    EXPECT_EQ(getNewSystemName(), "untitled1");
    LibraryModel second("untitled1");
    EXPECT_EQ(getNewSystemName(), "untitled2");
}

TEST(SystemNamesTest, ANameIsFreeAgainOnceItsModelIsClosed) {
    { LibraryModel closed("untitled"); }
    EXPECT_EQ(getNewSystemName(), "untitled");
}

TEST(SystemNamesTest, AModelClosedByTheEngineCountsAsClosingWhileItCloses) {
    LibraryModel m("closing");
    ClosingProbe probe;
    probe.asked = {"closing", "closing/Sub", "other", "closing2"};
    m.model.registerModifierOnCommit(&probe);
    EXPECT_FALSE(isBDBeingDestroyedOrClosed("closing"));
    VTDove::closeSystem(m.model);
    EXPECT_EQ(probe.answers, (std::vector<bool>{true, true, false, false}));
    EXPECT_FALSE(isBDBeingDestroyedOrClosed("closing"));
}

TEST(SystemNamesTest, AModelTheEngineKnowsCountsAsClosingWhenClosedDirectly) {
    LibraryModel m("direct");
    VTQUILL::getVtGraph(m.diagram);  // the engine now follows this model
    ClosingProbe probe;
    probe.asked = {"direct"};
    m.model.registerModifierOnCommit(&probe);
    m.model.close();
    EXPECT_EQ(probe.answers, (std::vector<bool>{true}));
    EXPECT_FALSE(isBDBeingDestroyedOrClosed("direct"));
}
