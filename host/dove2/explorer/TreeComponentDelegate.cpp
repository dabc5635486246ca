#include "dove2/explorer/TreeComponentDelegate.h"

#include <QAbstractItemView>
#include <algorithm>
#include <utility>

#include "dove2/AbstractDove2Domain.h"
#include "dove2/Dove2Domain.h"
#include "dove2/ModelSchema.h"
#include "dove2/StudioApp.h"
#include "dove2/explorer/ElementDescriberBase.h"
#include "dove2/explorer/GetChildrenBase.h"
#include "dove2/explorer/GetIconBase.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"

namespace DOVE2 {

TreeComponentDelegate::TreeComponentDelegate(HARBOR::Studio* studio) : studio_(studio) {}

TreeComponentDelegate::~TreeComponentDelegate() = default;

StudioApp* TreeComponentDelegate::getStudioApp() const {
    return studio_ ? dynamic_cast<StudioApp*>(studio_->getApp()) : nullptr;
}

// --- Per object ------------------------------------------------------------------------------

void TreeComponentDelegate::describeElement(std::string& result,
                                            const QUILL::ImmutableClassObject& object,
                                            unsigned flags) {
    result = describerFor(object).describe(object, flags);
}

void TreeComponentDelegate::getIconOf(std::string& result,
                                      const QUILL::ImmutableClassObject& object) {
    result = iconControllerFor(object).execute(object);
}

void TreeComponentDelegate::getChildrenOf(const QUILL::ImmutableClassObject& object,
                                          std::vector<QUILL::ImmutableClassObject>& result) {
    populatorFor(object).execute(object, result);
}

bool TreeComponentDelegate::hasChildren(const QUILL::ImmutableClassObject& object) {
    return populatorFor(object).hasAtleastOneChild(object);
}

PARR::GList<QUILL::ImmutableClassObject> TreeComponentDelegate::getPathFromRoot(
    const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return {};
    const std::vector<QUILL::ImmutableClassObject> roots = getRootsOf(object.getModel());
    std::vector<QUILL::ImmutableClassObject> upwards;
    for (QUILL::ImmutableClassObject o = object; o.isValid(); o = o.getContainer()) {
        upwards.push_back(o);
        if (std::find(roots.begin(), roots.end(), o) != roots.end())
            return PARR::GList<QUILL::ImmutableClassObject>(upwards.rbegin(), upwards.rend());
    }
    return {};
}

std::vector<QUILL::ImmutableClassObject> TreeComponentDelegate::getRootsOf(
    const QUILL::ImmutableModel& model) {
    if (!model.isValid())
        return {};
    const QUILL::ImmutableClassObject modelObject = model.getModelObject();
    if (!modelObject.isValid())
        return {};
    std::vector<QUILL::ImmutableClassObject> roots;
    for (const QUILL::ImmutableClassObject& child : modelObject.getContained()) {
        if (child.isKindOf(ModelSchema::get().diagram))
            roots.push_back(child);
    }
    if (roots.empty())
        roots.push_back(modelObject);
    return roots;
}

// --- Editing texts ---------------------------------------------------------------------------

bool TreeComponentDelegate::setDescription(const QUILL::ImmutableClassObject& object,
                                           const std::string& text) {
    return setDescription_ && object.isValid() && setDescription_(object, text);
}

bool TreeComponentDelegate::isElementEditable(const QUILL::ImmutableClassObject& object) const {
    return isEditable_ && object.isValid() && isEditable_(object);
}

int TreeComponentDelegate::getEditTrigger() const {
    if (!setDescription_)
        return QAbstractItemView::NoEditTriggers;
    return QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;
}

void TreeComponentDelegate::setElementIsEditableVisitor(ElementIsEditableVisitor visitor) {
    isEditable_ = std::move(visitor);
}

void TreeComponentDelegate::setElementSetDescriptionVisitor(ElementSetDescriptionVisitor visitor) {
    setDescription_ = std::move(visitor);
}

// --- Services --------------------------------------------------------------------------------

boost::shared_ptr<Util::TreeFilter> TreeComponentDelegate::getFilter() const {
    return populator_ ? populator_->getFilter() : boost::shared_ptr<Util::TreeFilter>();
}

void TreeComponentDelegate::setGetChildrenMember(
    const boost::shared_ptr<GetChildrenBase>& populator) {
    populator_ = populator;
    if (populator_)
        populator_->setStudioApp(getStudioApp());
}

void TreeComponentDelegate::setGetIconMember(const boost::shared_ptr<GetIconBase>& icons) {
    icons_ = icons;
    onSetIconController();
}

void TreeComponentDelegate::setElementDescriber(
    const boost::shared_ptr<ElementDescriberBase>& describer) {
    describer_ = describer;
    onSetElementDescriber();
}

void TreeComponentDelegate::onSetIconController() {
    startTreeRefreshFromRoot();
}

void TreeComponentDelegate::onSetElementDescriber() {
    startTreeRefreshFromRoot();
}

// --- Refreshing ------------------------------------------------------------------------------

bool TreeComponentDelegate::shouldRefreshFromReportOfChanges(const ReportOfChanges& report) const {
    return !report.empty();
}

void TreeComponentDelegate::startTreeRefreshFromRoot() {
    if (component_)
        component_->refresh();
}

// --- Choosing the services -------------------------------------------------------------------

ElementDescriberBase& TreeComponentDelegate::describerFor(
    const QUILL::ImmutableClassObject& object) {
    if (describer_)
        return *describer_;
    if (AbstractDove2Domain* domain = domainOf(object)) {
        if (const auto& describer = domain->getElementDescriber())
            return *describer;
    }
    if (!plainDescriber_)
        plainDescriber_ = boost::shared_ptr<ElementDescriberBase>(new ElementDescriberBase());
    return *plainDescriber_;
}

GetIconBase& TreeComponentDelegate::iconControllerFor(const QUILL::ImmutableClassObject& object) {
    if (icons_)
        return *icons_;
    if (AbstractDove2Domain* domain = domainOf(object)) {
        if (const auto& icons = domain->getIconController())
            return *icons;
    }
    if (!plainIcons_)
        plainIcons_ = boost::shared_ptr<GetIconBase>(new GetIconBase());
    return *plainIcons_;
}

GetChildrenBase& TreeComponentDelegate::populatorFor(const QUILL::ImmutableClassObject& object) {
    if (populator_)
        return *populator_;
    AbstractDove2Domain* domain = domainOf(object);
    auto found = domainPopulators_.find(domain);
    if (found == domainPopulators_.end()) {
        // A domain makes a new populator on every request: keep the first one.
        boost::shared_ptr<GetChildrenBase> populator =
            domain ? domain->getTreePopulator() : boost::shared_ptr<GetChildrenBase>();
        if (populator)
            populator->setStudioApp(getStudioApp());
        found = domainPopulators_.emplace(domain, populator).first;
    }
    if (found->second)
        return *found->second;
    if (!plainPopulator_) {
        plainPopulator_ = boost::shared_ptr<GetChildrenBase>(new GetChildrenBase());
        plainPopulator_->setStudioApp(getStudioApp());
    }
    return *plainPopulator_;
}

AbstractDove2Domain* TreeComponentDelegate::domainOf(const QUILL::ImmutableClassObject& object) {
    return object.isValid() ? Dove2Domain::forModel(object.getModel()) : Dove2Domain::get();
}

}  // namespace DOVE2
