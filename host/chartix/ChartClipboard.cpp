#include "chartix/ChartClipboard.h"

#include "chartix/ChartFactory.h"
#include "chartix/ChartStore.h"

namespace CHARTIX {

std::vector<ChartContent>& ChartClipboard::remembered() {
    static std::vector<ChartContent>* const charts = new std::vector<ChartContent>();
    return *charts;
}

void ChartClipboard::copy(const std::vector<VTQUILL::ImmutableBlock>& copied) {
    std::vector<ChartContent>& charts = remembered();
    charts.clear();
    for (const VTQUILL::ImmutableBlock& block : copied) {
        if (block.isValid() && block.isChartix())
            charts.push_back(
                ChartFactory::read(ChartStore::instance().findChart(block.getObjectId())));
    }
}

void ChartClipboard::paste(const std::vector<VTQUILL::ImmutableBlock>& pasted) {
    const std::vector<ChartContent>& charts = remembered();
    std::size_t next = 0;
    for (const VTQUILL::ImmutableBlock& block : pasted) {
        if (next == charts.size())
            return;
        if (!block.isValid() || !block.isChartix())
            continue;
        ChartContent content = charts[next++];
        content.name = block.getName();
        ChartStore::instance().attach(block, ChartFactory::create(content));
    }
}

}  // namespace CHARTIX
