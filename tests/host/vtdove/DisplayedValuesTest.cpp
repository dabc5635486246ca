#include "vtdove/DisplayedValues.h"

#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "RecordingRenderer.h"
#include "quill/ListenerBase.h"
#include "support/QtTestApplication.h"
#include "vtdove/BlockPainter.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/GraphListener.h"
#include "vtquill/file/ModelFileWriter.h"

using VTDove::DisplayedValues;
using VTDoveTest::LibraryModel;

namespace {

// Logs what a diagram's listeners hear, and the commits of its model.
class Heard : public VTDove::GraphListener, public QUILL::ListenerBase {
public:
    explicit Heard(const VTQUILL::Diagram& d)
        : GraphListener(VTQUILL::getVtGraph(d)), model(d.getModel()) {
        model.registerModifierOnCommit(this);
    }
    void changeBatchBegin() override { log.push_back("begin"); }
    void changeBatchEnd() override { log.push_back("end"); }
    void blockHasChanged(vtBlock* b) override {
        log.push_back("changed " + VTQUILL::getQUILLBlock(b, model).getName());
    }
    void onCommit(const QUILL::ReportOfChanges<>&) override { log.push_back("commit"); }
    QUILL::ImmutableModel model;
    std::vector<std::string> log;
};

// Drawn as in the studio, where a GUI application measures the fonts.
std::vector<std::string> drawingOf(const VTQUILL::Block& block) {
    TestSupport::qtApplication();
    VTDoveTest::RecordingRenderer r;
    VTDove::paintBlockGraphics(block, r);
    return r.calls;
}

}  // namespace

TEST(DisplayedValuesTest, AValueIsDrawnRightAlignedAndClearingRestoresTheIconLeavingTheModelAlone) {
    LibraryModel m;
    const VTQUILL::Block display = m.add("Display", "D", {10, 20});
    const std::vector<std::string> usual = drawingOf(display);
    const std::string saved = VTQUILL::File::ModelFileWriter::toText(m.model);
    const auto states = m.snapshot();
    Heard heard(m.diagram);

    ASSERT_TRUE(DisplayedValues::instance().set(display, "1.2346"));
    std::vector<std::string> shown = drawingOf(display);
    // The usual frames, then the value 3 inside the inner frame's right side, not the "0".
    EXPECT_EQ(shown.back(), "drawText 1.2346 @ 95 35");
    shown.back() = "drawText 0 @ 55 35";
    EXPECT_EQ(shown, usual);
    EXPECT_EQ(VTQUILL::File::ModelFileWriter::toText(m.model), saved);

    DisplayedValues::instance().clear(m.model);
    EXPECT_EQ(drawingOf(display), usual);
    EXPECT_EQ(DisplayedValues::instance().find(display), std::nullopt);
    EXPECT_EQ(heard.log,
              (std::vector<std::string>{"begin", "changed D", "end", "begin", "changed D", "end"}));
    EXPECT_EQ(m.snapshot(), states);
}

TEST(DisplayedValuesTest, OnlyChangedValuesOfExistingDisplaysAreToldAndClearingDropsDeletedOnes) {
    LibraryModel m;
    const VTQUILL::Block first = m.add("Display", "D1");
    const VTQUILL::Block second = m.add("Display", "D2", {0, 50});
    const VTQUILL::Block gain = m.add("Gain", "G", {0, 100});
    ASSERT_TRUE(DisplayedValues::instance().set(first, "1"));
    ASSERT_TRUE(DisplayedValues::instance().set(second, "2"));
    m.edit([&] { first.destroy(); });
    Heard heard(m.diagram);

    EXPECT_TRUE(DisplayedValues::instance().set(second, "2"));
    EXPECT_FALSE(DisplayedValues::instance().set(gain, "1"));
    EXPECT_FALSE(DisplayedValues::instance().set(first, "3"));
    EXPECT_TRUE(heard.log.empty());
    DisplayedValues::instance().clear(m.model);
    EXPECT_EQ(heard.log, (std::vector<std::string>{"begin", "changed D2", "end"}));
    EXPECT_EQ(DisplayedValues::instance().size(), 0u);
}
