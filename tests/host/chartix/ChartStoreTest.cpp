#include "chartix/ChartStore.h"

#include <gtest/gtest.h>

#include "chartix/ChartFactory.h"
#include "dove2/DomainRegistry.h"
#include "dove2/UndoHistory.h"
#include "quill/Transaction.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using CHARTIX::ChartContent;
using CHARTIX::ChartFactory;
using CHARTIX::ChartStore;
using TestSupport::BlockDiagramBuilder;

// --- Owning charts ---------------------------------------------------------------------------

TEST(ChartStoreTest, AChartBlockGetsOneEmptyChartNamedAfterItAndKeepsIt) {
    BlockDiagramBuilder b("m");
    const VTQUILL::Block chartBlock = b.block("Logic", {10, 10, 60, 60}, "Chart");

    const QUILL::Model chart = ChartStore::instance().chartOf(chartBlock);

    ASSERT_TRUE(ChartFactory::isChartModel(chart));
    EXPECT_EQ(ChartFactory::read(chart), (ChartContent{"Logic", {}}));
    EXPECT_EQ(ChartStore::instance().chartOf(chartBlock), chart);
    EXPECT_EQ(ChartStore::instance().ownerOf(chart), chartBlock);
    PARR::ErrorHolder errors;
    EXPECT_NE(DOVE2::DomainRegistry::instance().getStaticDomainForModel(chart, errors), nullptr);
}

TEST(ChartStoreTest, OtherBlocksOwnNoChart) {
    BlockDiagramBuilder b("m");
    const VTQUILL::Block gain = b.block("G", {10, 10, 40, 30}, "Gain");

    EXPECT_FALSE(ChartStore::instance().chartOf(gain).isValid());
    EXPECT_EQ(ChartStore::instance().chartIdOf(gain.getObjectId()), -1);
}

TEST(ChartStoreTest, ADeletedChartBlockKeepsItsChartUntilItsModelCloses) {
    QUILL::Model chart;
    {
        BlockDiagramBuilder b("m");
        const VTQUILL::Block chartBlock = b.block("Logic", {10, 10, 60, 60}, "Chart");
        chart = ChartStore::instance().chartOf(chartBlock);
        const QUILL::ObjectId id = chartBlock.getObjectId();
        b.edit([&] {
            chartBlock.destroy();
            return true;
        });

        EXPECT_EQ(ChartStore::instance().findChart(id), chart);
    }
    EXPECT_FALSE(chart.isValid());
}

TEST(ChartStoreTest, AttachingAChartClosesTheOneTheBlockHad) {
    BlockDiagramBuilder b("m");
    const VTQUILL::Block chartBlock = b.block("Logic", {10, 10, 60, 60}, "Chart");
    const QUILL::Model first = ChartStore::instance().chartOf(chartBlock);
    const double firstId = ChartStore::instance().chartIdOf(chartBlock.getObjectId());

    const QUILL::Model second = ChartFactory::create({"Logic", {{"Idle", {0, 0}, {80, 40}}}});
    ChartStore::instance().attach(chartBlock, second);

    EXPECT_FALSE(first.isValid());
    EXPECT_EQ(ChartStore::instance().chartOf(chartBlock), second);
    EXPECT_FALSE(ChartStore::instance().chartById(firstId).isValid());
    EXPECT_EQ(ChartStore::instance().chartById(
                  ChartStore::instance().chartIdOf(chartBlock.getObjectId())),
              second);
}

// --- Saving with the model ------------------------------------------------------------------

TEST(ChartStoreTest, EditingAChartLeavesItsBlocksModelWithUnsavedChanges) {
    BlockDiagramBuilder b("m");
    const VTQUILL::Block chartBlock = b.block("Logic", {10, 10, 60, 60}, "Chart");
    const QUILL::Model chart = ChartStore::instance().chartOf(chartBlock);
    const std::shared_ptr<DOVE2::UndoHistory> history = DOVE2::UndoHistory::forModel(b.model());
    history->setClean();

    QUILL::Transaction tx(chart);
    ChartFactory::addState(ChartFactory::chartDiagram(chart), {"Idle", {0, 0}, {}});
    tx.commit();

    EXPECT_TRUE(history->isDirty());
}

}  // namespace
