#include "explorer/TreePopulator.h"

#include <vector>

#include "dove2/AbstractDove2Domain.h"
#include "explorer/ChartDomain.h"
#include "explorer/VTBasicTreeFilter.h"
#include "studio/StudioApp.h"
#include "tessel/FunctionRegistry.h"
#include "tessel/Value.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

namespace {

constexpr const char* kChartDispatcher = "cxprivate";
constexpr double kNoChart = -1;

// One result of "cxprivate" called with `args`; false when the call failed (an unknown
// dispatcher or a raised error).
bool askChartSide(const std::vector<TESSEL::Value>& args, TESSEL::Value& result) {
    std::vector<TESSEL::Value> results;
    if (TESSEL::inCallFcnWithTrap(1, results, args, kChartDispatcher) != 0)
        return false;
    result = results[0];
    return true;
}

// The chart id of a chart block ("block2chart" of its engine handle); kNoChart when the
// state-chart side has none or answers anything but a number.
double chartOf(const VTQUILL::ImmutableBlock& block) {
    TESSEL::Value id;
    if (!askChartSide(
            {TESSEL::Value::string("block2chart"), TESSEL::Value::scalar(block.getHandle())}, id) ||
        !id.isScalar())
        return kNoChart;
    return id.asDouble();
}

bool hasSubcharts(double chart) {
    if (chart == kNoChart)
        return false;
    TESSEL::Value subcharts;
    return askChartSide({TESSEL::Value::string("SubchartsIn"), TESSEL::Value::scalar(chart)},
                        subcharts) &&
           !subcharts.isEmpty();
}

// Appends the blocks of `blocks` that open as diagrams.
template <class Blocks>
void appendViewable(const Blocks& blocks, DOVE2::GetChildrenBase::Children& children) {
    for (const auto& block : blocks) {
        if (isBlockAViewableSubsystem(block))
            children.push_back(block);
    }
}

}  // namespace

TreePopulator::TreePopulator(const boost::shared_ptr<VTBasicTreeFilter>& filter,
                             const std::string& name)
    : GetChildrenBase(filter, name, filter) {}

TreePopulator::~TreePopulator() = default;

void TreePopulator::setStudioApp(DOVE2::StudioApp* app) {
    studioApp_ = dynamic_cast<StudioApp*>(app);
    GetChildrenBase::setStudioApp(studioApp_);
}

DOVE2::StudioApp* TreePopulator::getStudioApp() const {
    return studioApp_;
}

void TreePopulator::initializeDispatch() {
    setDispatchTable(&dispatchTable());
}

bool TreePopulator::hasChildren(const QUILL::ImmutableClassObject& object) {
    if (const VTQUILL::ImmutableBlock block(object); block.isValid()) {
        if (block.isChartix() && hasSubcharts(chartOf(block)))
            return true;
        return block.containsViewableSubsystems();
    }
    if (const VTQUILL::ImmutableDiagram diagram(object); diagram.isValid())
        return diagram.containsViewableSubsystems();
    return GetChildrenBase::hasChildren(object);
}

const TreePopulator::Table& TreePopulator::dispatchTable() {
    static const Table* const table = [] {
        auto* t = new Table();
        t->setDefault(
            [](Table::VisitorType&, const QUILL::ImmutableClassObject&) { return Children(); });
        t->add<VTQUILL::Diagram>([](Table::VisitorType& v, const QUILL::ImmutableClassObject& o) {
            return static_cast<TreePopulator&>(v).childrenOfDiagram(o);
        });
        t->add<VTQUILL::Block>([](Table::VisitorType& v, const QUILL::ImmutableClassObject& o) {
            return static_cast<TreePopulator&>(v).childrenOfBlock(o);
        });
        return t;
    }();
    return *table;
}

TreePopulator::Children TreePopulator::childrenOfDiagram(
    const QUILL::ImmutableClassObject& diagram) {
    Children children;
    for (const QUILL::ImmutableClassObject& child : getFilteredChildren(diagram)) {
        if (const VTQUILL::ImmutableBlock block(child);
            block.isValid() && isBlockAViewableSubsystem(block))
            children.push_back(child);
    }
    return children;
}

TreePopulator::Children TreePopulator::childrenOfBlock(const QUILL::ImmutableClassObject& object) {
    const VTQUILL::Block block(object.getDeviant(), object.getObjectId());
    Children children;
    // The block's inner diagram is shown through its blocks, not as a node of its own.
    for (const QUILL::ImmutableClassObject& child : getFilteredChildren(object)) {
        if (!VTQUILL::ImmutableDiagram(child).isValid())
            children.push_back(child);
    }
    if (block.isChartix())
        appendChartChildren(object, children);
    if (!studioApp_)
        return children;
    const VTQUILL::Diagram shown(studioApp_->block2Diagram(block, false));
    if (shown.isValid())
        appendViewable(shown.getBlocks(), children);
    return children;
}

void TreePopulator::appendChartChildren(const QUILL::ImmutableClassObject& block,
                                        Children& children) {
    DOVE2::GetChildrenBase* charts = chartPopulator();
    if (!charts)
        return;
    Children chartChildren;
    charts->execute(block, chartChildren);
    children.insert(children.end(), chartChildren.begin(), chartChildren.end());
}

DOVE2::GetChildrenBase* TreePopulator::chartPopulator() {
    if (!chartPopulator_) {
        if (DOVE2::AbstractDove2Domain* charts = chartDomain()) {
            chartPopulator_ = charts->getTreePopulator();
            if (chartPopulator_)
                chartPopulator_->setStudioApp(studioApp_);
        }
    }
    return chartPopulator_.get();
}

}  // namespace Vantor
