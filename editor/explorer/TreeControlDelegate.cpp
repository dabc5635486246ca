#include "explorer/TreeControlDelegate.h"

#include <string>

#include "application/VTDomain.h"
#include "dove2/explorer/ElementDescriberBase.h"
#include "dove2/explorer/GetChildrenBase.h"
#include "dove2/explorer/GetIconBase.h"
#include "explorer/ChartDomain.h"
#include "studio/StudioApp.h"
#include "studio/SystemPath.h"
#include "vtquill/VTQuill.h"
#include "vtquill/YarrowTypeName.h"

namespace Vantor {

namespace {

bool typeNameHas(const QUILL::ImmutableClassObject& object, const char* mark) {
    return VTQUILL::getFullyQualifiedYarrowTypeName(object).find(mark) != std::string::npos;
}

}  // namespace

TreeControlDelegate::TreeControlDelegate(HARBOR::Studio* studio)
    : DOVE2::TreeComponentDelegate(studio),
      app_(dynamic_cast<StudioApp*>(getStudioApp())),
      diagramDomain_(VTDomain::get()),
      diagramPopulator_(diagramDomain_->getTreePopulator()) {
    if (diagramPopulator_)
        diagramPopulator_->setStudioApp(app_);
}

TreeControlDelegate::~TreeControlDelegate() = default;

DOVE2::AbstractDove2Domain* TreeControlDelegate::servingDomain(
    const QUILL::ImmutableClassObject& object) {
    if (typeNameHas(object, "VTQUILL"))
        return diagramDomain_;
    if (!typeNameHas(object, "ChartixDI"))
        return nullptr;
    if (!chartDomainLookedUp_) {
        chartDomainLookedUp_ = true;
        chartDomain_ = chartDomain();
        if (chartDomain_)
            chartPopulator_ = chartDomain_->getTreePopulator();
        if (chartPopulator_)
            chartPopulator_->setStudioApp(app_);
    }
    return chartDomain_;
}

DOVE2::GetChildrenBase* TreeControlDelegate::populatorOf(
    const DOVE2::AbstractDove2Domain* domain) const {
    if (!domain)
        return nullptr;
    return domain == diagramDomain_ ? diagramPopulator_.get() : chartPopulator_.get();
}

void TreeControlDelegate::describeElement(std::string& result,
                                          const QUILL::ImmutableClassObject& object,
                                          unsigned flags) {
    result.clear();
    DOVE2::AbstractDove2Domain* domain = servingDomain(object);
    if (domain && domain->getElementDescriber())
        result = domain->getElementDescriber()->describe(object, flags);
}

void TreeControlDelegate::getIconOf(std::string& result,
                                    const QUILL::ImmutableClassObject& object) {
    result.clear();
    DOVE2::AbstractDove2Domain* domain = servingDomain(object);
    if (domain && domain->getIconController())
        result = domain->getIconController()->execute(object);
}

void TreeControlDelegate::getChildrenOf(const QUILL::ImmutableClassObject& object,
                                        std::vector<QUILL::ImmutableClassObject>& result) {
    result.clear();
    if (DOVE2::GetChildrenBase* populator = populatorOf(servingDomain(object)))
        populator->execute(object, result);
}

bool TreeControlDelegate::hasChildren(const QUILL::ImmutableClassObject& object) {
    DOVE2::GetChildrenBase* populator = populatorOf(servingDomain(object));
    return populator && populator->hasAtleastOneChild(object);
}

PARR::GList<QUILL::ImmutableClassObject> TreeControlDelegate::getPathFromRoot(
    const QUILL::ImmutableClassObject& object) {
    PARR::GList<QUILL::ImmutableClassObject> path;
    const DOVE2::Diagram shown = app_ ? app_->getDiagram(object) : DOVE2::Diagram();
    if (!shown.isValid())
        return path;
    const std::list<std::string> names = vt_tokens(shown.getFullName());
    if (names.empty())
        return path;
    const DOVE2::Diagram top = app_->createTopLevelDiagram(names.front());
    if (!top.isValid())
        return path;
    QUILL::ImmutableClassObject node = top;
    path.append(node);
    std::string prefix = names.front();
    std::vector<QUILL::ImmutableClassObject> children;
    for (auto name = std::next(names.begin()); name != names.end(); ++name) {
        getChildrenOf(node, children);
        prefix += "/" + *name;
        node = childAt(children, prefix);
        if (!node.isValid())
            break;
        path.append(node);
    }
    return path;
}

QUILL::ImmutableClassObject TreeControlDelegate::childAt(
    const std::vector<QUILL::ImmutableClassObject>& children, const std::string& path) {
    // The child block whose diagram has that path is the tree's node for it; looking its
    // diagram up registers it, so the walk goes on below it.
    const std::string wanted = vt_spacedName(path);
    for (const QUILL::ImmutableClassObject& child : children) {
        const VTQUILL::Block block(child.getDeviant(), child.getObjectId());
        if (VTQUILL::ImmutableBlock(child).isValid() &&
            vt_spacedName(block.getFullPathName()) == wanted &&
            app_->block2Diagram(block, false).isValid())
            return child;
    }
    return app_->getNode(app_->getDiagram(path));
}

}  // namespace Vantor
