#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "dove2/explorer/TreeComponentDelegate.h"

namespace DOVE2 {
class AbstractDove2Domain;
}

namespace Vantor {

class StudioApp;

// The block-diagram studio's model-explorer delegate. An object whose scripting type name
// contains "VTQUILL" is served by the diagram domain's describer, icon controller and tree
// populator; one whose name contains "ChartixDI" by the state-chart domain's ("CXDomain",
// looked up on the first chart object); any other object is not served (no text, no icon, no
// children). The path to an object runs through the system path of the diagram showing it.
//
// Installed by StudioApp::initialize in the studio's tree component, which owns it. The studio
// must outlive it. User-interface thread only.
class VANTOR_EXPORT TreeControlDelegate : public DOVE2::TreeComponentDelegate {
public:
    explicit TreeControlDelegate(HARBOR::Studio* studio);
    ~TreeControlDelegate() override;

    void describeElement(std::string& result, const QUILL::ImmutableClassObject& object,
                         unsigned flags) override;
    void getIconOf(std::string& result, const QUILL::ImmutableClassObject& object) override;
    void getChildrenOf(const QUILL::ImmutableClassObject& object,
                       std::vector<QUILL::ImmutableClassObject>& result) override;
    bool hasChildren(const QUILL::ImmutableClassObject& object) override;
    // The tree nodes from the model's top-level diagram down to `object`, by the names of the
    // full path of the diagram registered for `object` (StudioApp::getDiagram). The walk
    // stops at the first name whose diagram is unknown; empty when no diagram is registered
    // for the object or the studio's application is not a Vantor::StudioApp. Below the
    // top-level diagram each node is the child block whose diagram has the next path.
    PARR::GList<QUILL::ImmutableClassObject> getPathFromRoot(
        const QUILL::ImmutableClassObject& object) override;

private:
    // The domain serving `object` by the dispatch rule; null when none serves it.
    DOVE2::AbstractDove2Domain* servingDomain(const QUILL::ImmutableClassObject& object);
    // The node below the current one whose diagram is at `path`: the child block showing it,
    // else the object registered for the known diagram of that path; empty when neither.
    QUILL::ImmutableClassObject childAt(const std::vector<QUILL::ImmutableClassObject>& children,
                                        const std::string& path);
    // The tree populator of `domain` (one of the two served); null when it has none.
    DOVE2::GetChildrenBase* populatorOf(const DOVE2::AbstractDove2Domain* domain) const;

    StudioApp* app_;
    DOVE2::AbstractDove2Domain* diagramDomain_;
    boost::shared_ptr<DOVE2::GetChildrenBase> diagramPopulator_;
    DOVE2::AbstractDove2Domain* chartDomain_ = nullptr;
    boost::shared_ptr<DOVE2::GetChildrenBase> chartPopulator_;
    bool chartDomainLookedUp_ = false;
};

}  // namespace Vantor
