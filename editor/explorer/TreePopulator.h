#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "dove2/explorer/GetChildrenBase.h"

namespace Vantor {

class StudioApp;
class VTBasicTreeFilter;

// The model explorer's children of block-diagram objects: below a diagram, its blocks that
// open as diagrams; below such a block, the chart children of a state-chart block (from the
// state-chart domain's populator) and the blocks of its diagram that open as diagrams. A
// block's own inner diagram is not listed: its blocks are. Ports never show (the filter).
// Other objects have no children.
//
// Made per caller by VTDomain::getTreePopulator with a filter of its own, held by
// boost::shared_ptr. The studio application (not owned) is needed for blocks: without it a
// block shows only its chart children. The state-chart domain's populator is fetched on first
// need and kept. One dispatch table for all populators. User-interface thread only.
class VANTOR_EXPORT TreePopulator : public DOVE2::GetChildrenBase {
public:
    explicit TreePopulator(const boost::shared_ptr<VTBasicTreeFilter>& filter,
                           const std::string& name = {});
    ~TreePopulator() override;

    // Keeps `app` when it is a Vantor::StudioApp, else null.
    void setStudioApp(DOVE2::StudioApp* app) override;
    DOVE2::StudioApp* getStudioApp() const override;
    void initializeDispatch() override;
    // A chart block has children when the state-chart side lists sub-charts of its chart, or
    // when it contains viewable subsystems; a subsystem block or a diagram when it contains
    // viewable subsystems; any other object when it has children.
    bool hasChildren(const QUILL::ImmutableClassObject& object) override;

    static const Table& dispatchTable();

private:
    Children childrenOfDiagram(const QUILL::ImmutableClassObject& diagram);
    Children childrenOfBlock(const QUILL::ImmutableClassObject& block);
    void appendChartChildren(const QUILL::ImmutableClassObject& block, Children& children);
    DOVE2::GetChildrenBase* chartPopulator();

    StudioApp* studioApp_ = nullptr;
    boost::shared_ptr<DOVE2::GetChildrenBase> chartPopulator_;
};

}  // namespace Vantor
