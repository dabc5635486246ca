#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/EngineTransaction.h"
#include "vtdove/GraphListener.h"

using namespace VTQUILL;
using VTDove::GraphListener;
using VTDoveTest::LibraryModel;

namespace {

// Logs every notification as "<tag>:<what>[ <block name>]".
class LoggingListener : public GraphListener {
public:
    LoggingListener(vtGraph* graph, std::vector<std::string>& log, std::string tag,
                    QUILL::ImmutableModel model = {})
        : GraphListener(graph), log_(log), tag_(std::move(tag)), model_(model) {}

    void blockIsAboutToBeDeleted(vtBlock* b) override { add("deleting", b); }
    void blockHasBeenAdded(vtBlock* b) override { add("added", b); }
    void annotationIsAboutToBeDeleted(vtAnnotation*) override { add("annotationDeleting"); }
    void annotationHasBeenAdded(vtAnnotation*) override { add("annotationAdded"); }
    void annotationHasChanged(vtAnnotation*) override { add("annotationChanged"); }
    void changeBatchBegin() override { add("begin"); }
    void changeBatchEnd() override { add("end"); }
    void blockHasChanged(vtBlock* b) override { add("changed", b); }

    std::function<void()> onEnd;

private:
    void add(const std::string& what, vtBlock* b = nullptr) {
        std::string entry = tag_ + ":" + what;
        if (b && model_.isValid()) {
            const Block block = getQUILLBlock(b, model_);
            entry += " " + (block.isValid() ? block.getName() : std::string("?"));
        }
        log_.push_back(entry);
        if (what == "end" && onEnd)
            onEnd();
    }
    std::vector<std::string>& log_;
    std::string tag_;
    QUILL::ImmutableModel model_;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(GraphListenerTest, AParameterEditIsOneBatchAroundTheChangedBlock) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l", m.model);
    const auto changes = VTDove::setBlockParameter(g, "Gain", "5");
    EXPECT_EQ(log, (Log{"l:begin", "l:changed G", "l:end"}));
    EXPECT_EQ(g.getParameter("Gain"), "5");
    ASSERT_TRUE(changes);
    EXPECT_FALSE(changes->empty());
}

TEST(GraphListenerTest, AParameterEditIsUndoneByItsChangeSet) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    const auto before = m.snapshot();
    const auto changes = VTDove::setBlockParameter(g, "Gain", "5");
    m.edit([&] { m.model.applyChanges(*changes, QUILL::Deviant::Direction::Backward); });
    EXPECT_EQ(g.getParameter("Gain"), "1");
    EXPECT_EQ(m.snapshot(), before);
}

TEST(GraphListenerTest, EditsInsideOneEngineTransactionShareOneBatchAndOneChangeSet) {
    LibraryModel m;
    const Block a = m.add("Gain", "A");
    const Block b = m.add("Gain", "B");
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l", m.model);
    vtGraph* graph = getVtGraph(m.diagram);
    VTDove::beginTransaction(graph);
    EXPECT_EQ(VTDove::setBlockParameter(a, "Gain", "2"), nullptr);
    EXPECT_EQ(VTDove::setBlockParameter(b, "Gain", "3"), nullptr);
    const auto changes = VTDove::commitTransaction(graph);
    EXPECT_EQ(log, (Log{"l:begin", "l:changed A", "l:changed B", "l:end"}));
    ASSERT_TRUE(changes);
    EXPECT_EQ(changes->size(), 2u);
}

TEST(GraphListenerTest, AnEngineTransactionWithoutEditsTellsNobody) {
    LibraryModel m;
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l");
    VTDove::beginTransaction(getVtGraph(m.diagram));
    EXPECT_EQ(VTDove::commitTransaction(getVtGraph(m.diagram)), nullptr);
    EXPECT_TRUE(log.empty());
}

TEST(GraphListenerTest, ListenersAreToldInRegistrationOrder) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    Log log;
    LoggingListener first(getVtGraph(m.diagram), log, "1");
    LoggingListener second(getVtGraph(m.diagram), log, "2");
    VTDove::setBlockParameter(g, "Gain", "5");
    EXPECT_EQ(log, (Log{"1:begin", "2:begin", "1:changed", "2:changed", "1:end", "2:end"}));
}

TEST(GraphListenerTest, AListenerMayUnregisterItselfOrOthersDuringDelivery) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    Log log;
    LoggingListener first(getVtGraph(m.diagram), log, "1");
    LoggingListener second(getVtGraph(m.diagram), log, "2");
    LoggingListener third(getVtGraph(m.diagram), log, "3");
    // The first listener drops itself and the third when the first batch ends.
    first.onEnd = [&] {
        first.unregister();
        third.unregister();
    };
    VTDove::setBlockParameter(g, "Gain", "5");
    EXPECT_EQ(log, (Log{"1:begin", "2:begin", "3:begin", "1:changed", "2:changed", "3:changed",
                        "1:end", "2:end"}));
    log.clear();
    VTDove::setBlockParameter(g, "Gain", "6");
    EXPECT_EQ(log, (Log{"2:begin", "2:changed", "2:end"}));
    EXPECT_EQ(first.getGraph(), nullptr);
}

TEST(GraphListenerTest, ADestroyedListenerIsNoLongerTold) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    Log log;
    { LoggingListener gone(getVtGraph(m.diagram), log, "gone"); }
    VTDove::setBlockParameter(g, "Gain", "5");
    EXPECT_TRUE(log.empty());
}

TEST(GraphListenerTest, BlocksAddedAndDestroyedByModelCommitsReachTheListeners) {
    LibraryModel m;
    const Block a = m.add("Gain", "A");
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l", m.model);
    m.add("Gain", "B");
    EXPECT_EQ(log, (Log{"l:begin", "l:added B", "l:end"}));
    log.clear();
    m.edit([&] { a.destroy(); });
    // Told after the commit: the block is gone from the model already.
    EXPECT_EQ(log, (Log{"l:begin", "l:deleting ?", "l:end"}));
}

TEST(GraphListenerTest, ABlockAddedToAnotherDiagramIsNotReported) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l");
    m.addTo(sub.getSubsystemDiagram(), "Gain", "Inner");
    EXPECT_TRUE(log.empty());
}

TEST(GraphListenerTest, AnnotationChangesReachTheListeners) {
    LibraryModel m;
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l");
    Annotation a;
    m.edit([&] { a = m.diagram.addAnnotation("note"); });
    m.edit([&] { a.setText("changed"); });
    m.edit([&] { a.destroy(); });
    EXPECT_EQ(log, (Log{"l:begin", "l:annotationAdded", "l:end", "l:begin", "l:annotationChanged",
                        "l:end", "l:begin", "l:annotationDeleting", "l:end"}));
}

TEST(GraphListenerTest, AFailedEngineEditChangesNothingAndStillEndsTheBatch) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    Log log;
    LoggingListener l(getVtGraph(m.diagram), log, "l");
    const auto before = m.snapshot();
    // A listener that throws while told about the change makes the edit fail.
    struct Throwing : GraphListener {
        using GraphListener::GraphListener;
        void blockHasChanged(vtBlock*) override { throw std::runtime_error("refused"); }
    } thrower(getVtGraph(m.diagram));
    EXPECT_THROW(VTDove::setBlockParameter(g, "Gain", "5"), std::runtime_error);
    EXPECT_EQ(m.snapshot(), before);
    EXPECT_EQ(log.back(), "l:end");
    EXPECT_EQ(getVtGraph(m.diagram)->transactionDepth(), 0);
}

TEST(GraphListenerTest, AListenerOnAClosedModelIsDetached) {
    Log log;
    auto m = std::make_unique<LibraryModel>();
    LoggingListener l(getVtGraph(m->diagram), log, "l");
    m.reset();
    LibraryModel other;
    getVtGraph(other.diagram);  // a new model lets the engine drop the closed one's handles
    EXPECT_EQ(l.getGraph(), nullptr);
}
