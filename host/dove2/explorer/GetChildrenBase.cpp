#include "dove2/explorer/GetChildrenBase.h"

#include <unordered_set>
#include <utility>

#include "dove2/explorer/LazyTableVisit.h"
#include "quill/Exception.h"

namespace DOVE2 {

GetChildrenBase::GetChildrenBase(FilterPtr attributeFilter, std::string name,
                                 FilterPtr objectTypeFilter)
    : attributeFilter_(std::move(attributeFilter)),
      name_(std::move(name)),
      objectTypeFilter_(std::move(objectTypeFilter)) {}

GetChildrenBase::~GetChildrenBase() = default;

void GetChildrenBase::setStudioApp(StudioApp* app) {
    studioApp_ = app;
}

StudioApp* GetChildrenBase::getStudioApp() const {
    return studioApp_;
}

void GetChildrenBase::setFilter(FilterPtr filter) {
    attributeFilter_ = std::move(filter);
}

void GetChildrenBase::setFilterObjectsByType(FilterPtr filter) {
    objectTypeFilter_ = std::move(filter);
}

void GetChildrenBase::initializeDispatch() {
    setDispatchTable(&genericDispatchTable());
}

bool GetChildrenBase::hasChildren(const QUILL::ImmutableClassObject& object) {
    Children children;
    execute(object, children);
    return !children.empty();
}

void GetChildrenBase::execute(const QUILL::ImmutableClassObject& object, Children& result) {
    result.clear();
    if (!object.isValid())
        return;
    result = visitWithLazyTable(
        *this, object, [this] { initializeDispatch(); }, genericDispatchTable(), Children());
}

bool GetChildrenBase::hasAtleastOneChild(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return false;
    try {
        return hasChildren(object);
    } catch (const QUILL::Exception&) {
        return false;
    }
}

GetChildrenBase::Children GetChildrenBase::getFilteredChildren(
    const QUILL::ImmutableClassObject& object) const {
    Children children;
    if (!object.isValid())
        return children;
    std::unordered_set<QUILL::ObjectId> listed;
    for (const Util::TreeProperty& property : internalGetFilteredAttributes(object)) {
        for (const auto& child :
             internalGetFilteredObjectsByType(object, property, property.objectsOf(object))) {
            if (listed.insert(child.getObjectId()).second)
                children.push_back(child);
        }
    }
    return children;
}

const GetChildrenBase::Table& GetChildrenBase::genericDispatchTable() {
    static const Table table = [] {
        Table t;
        t.setDefault([](Table::VisitorType& visitor, const QUILL::ImmutableClassObject& object) {
            return static_cast<GetChildrenBase&>(visitor).getFilteredChildren(object);
        });
        return t;
    }();
    return table;
}

std::vector<Util::TreeProperty> GetChildrenBase::internalGetFilteredAttributes(
    const QUILL::ImmutableClassObject& object) const {
    if (!attributeFilter_)
        return {Util::TreeProperty::contained()};
    return attributeFilter_->filterAttributes(object,
                                              Util::TreeProperty::allOf(object.getMetaClass()));
}

GetChildrenBase::Children GetChildrenBase::internalGetFilteredObjectsByType(
    const QUILL::ImmutableClassObject& owner, const Util::TreeProperty& property,
    Children objects) const {
    if (!objectTypeFilter_)
        return objects;
    return objectTypeFilter_->filterObjects(owner, property, std::move(objects));
}

}  // namespace DOVE2
