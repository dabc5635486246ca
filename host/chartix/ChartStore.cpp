#include "chartix/ChartStore.h"

#include <algorithm>
#include <vector>

#include "chartix/CXDomain.h"
#include "chartix/ChartFactory.h"
#include "dove2/UndoHistory.h"
#include "quill/ReportOfChanges.h"

namespace CHARTIX {

ChartStore& ChartStore::instance() {
    // Never destroyed: models may close while other singletons shut down.
    static ChartStore* const store = new ChartStore();
    return *store;
}

QUILL::Model ChartStore::chartOf(const VTQUILL::ImmutableBlock& block) {
    if (!block.isValid() || !block.isChartix())
        return QUILL::Model();
    if (QUILL::Model found = findChart(block.getObjectId()); found.isValid())
        return found;
    attach(block, ChartFactory::create(ChartContent{block.getName(), {}}));
    return findChart(block.getObjectId());
}

QUILL::Model ChartStore::findChart(QUILL::ObjectId blockId) const {
    const auto found = byBlock_.find(blockId);
    if (found == byBlock_.end() || !found->second.chart.isValid())
        return QUILL::Model();
    return found->second.chart;
}

void ChartStore::attach(const VTQUILL::ImmutableBlock& block, const QUILL::Model& chart) {
    if (!block.isValid() || !ChartFactory::isChartModel(chart))
        return;
    CXDomain::ensureRegistered();
    QUILL::Deviant& root = block.getDeviant()->getRootDeviant();
    const auto& listened = registeredWith();
    if (std::find(listened.begin(), listened.end(), &root) == listened.end())
        root.registerModifierOnCommit(this);
    Entry& entry = byBlock_[block.getObjectId()];
    if (entry.chart.isValid() && entry.chart != chart)
        entry.chart.close();
    entry = Entry{chart.getRootDeviant(), ++lastId_, &root, block.getObjectId()};
    entry.chart.registerModifierOnCommit(this);
}

double ChartStore::chartIdOf(QUILL::ObjectId blockId) const {
    const auto found = byBlock_.find(blockId);
    return found != byBlock_.end() && found->second.chart.isValid() ? found->second.id : -1;
}

QUILL::Model ChartStore::chartById(double id) const {
    for (const auto& [block, entry] : byBlock_) {
        if (entry.id == id && entry.chart.isValid())
            return entry.chart;
    }
    return QUILL::Model();
}

VTQUILL::Block ChartStore::ownerOf(const QUILL::ImmutableModel& chart) const {
    if (!chart.isValid())
        return VTQUILL::Block();
    const QUILL::Deviant* root = &chart.getDeviant().getRootDeviant();
    for (const auto& [block, entry] : byBlock_) {
        if (entry.chart.getDeviantPtr() == root && entry.blockRoot->isOpen())
            return VTQUILL::Block(entry.blockRoot, entry.block);
    }
    return VTQUILL::Block();
}

// Commits of block-diagram models (heard for their closing) change no chart.
void ChartStore::onCommit(const QUILL::ReportOfChanges<>& report) {
    if (report.empty() || !ChartFactory::isChartModel(report.getModel()))
        return;
    QUILL::Deviant* owner = ownerOf(report.getModel()).getDeviant();
    if (!owner)
        return;
    const std::shared_ptr<DOVE2::UndoHistory> history =
        DOVE2::UndoHistory::forModel(QUILL::ImmutableModel(owner));
    if (history)
        history->markUnsaved();
}

// The block-diagram model closes: its charts go with it.
void ChartStore::onDeviantDestroyed(QUILL::Deviant& instance) {
    std::vector<QUILL::Model> closing;
    for (auto it = byBlock_.begin(); it != byBlock_.end();) {
        if (it->second.blockRoot == &instance) {
            closing.push_back(it->second.chart);
            it = byBlock_.erase(it);
        } else {
            ++it;
        }
    }
    for (const QUILL::Model& chart : closing)
        chart.close();
}

}  // namespace CHARTIX
