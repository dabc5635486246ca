#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "dove2/explorer/TreeFilter.h"
#include "dove2/explorer/TreeProperty.h"
#include "quill/CooperativeVisitor.h"
#include "quill/ImmutableClassObject.h"

namespace DOVE2 {

class StudioApp;

// The model explorer's tree populator: the objects shown below an object. The children are
// chosen per class of the object by a dispatch table (QUILL::CooperativeVisitor) shared by
// all populators of one kind; a domain's populator derives from this class and installs its
// table in initializeDispatch. Its handlers usually start from getFilteredChildren, the
// framework's children of an object: the objects reached through the properties that the
// attribute filter keeps, each list passed through the object-type filter.
//
// Used as it stands (no filters, the generic table), the children of an object are its
// contained objects, in their order.
//
// A domain makes a new populator for each caller (AbstractDove2Domain::getTreePopulator), who
// holds it by boost::shared_ptr; the filters are shared. The studio application is not owned.
// The table is not owned and must outlive the populator. User-interface thread only.
class GetChildrenBase
    : public QUILL::CooperativeVisitor::Visitor<std::vector<QUILL::ImmutableClassObject>,
                                                QUILL::ImmutableClassObject> {
public:
    using Children = std::vector<QUILL::ImmutableClassObject>;
    using FilterPtr = boost::shared_ptr<Util::TreeFilter>;

    // `attributeFilter` chooses the properties walked, `objectTypeFilter` the objects kept
    // (either may be null: every object's contained objects, respectively every object);
    // `name` names the populator.
    explicit GetChildrenBase(FilterPtr attributeFilter = FilterPtr(), std::string name = {},
                             FilterPtr objectTypeFilter = FilterPtr());
    ~GetChildrenBase() override;

    // The studio application whose tree this populator fills (null: none). The base keeps it
    // as given; a domain's populator may keep only an application of its own kind.
    virtual void setStudioApp(StudioApp* app);
    virtual StudioApp* getStudioApp() const;
    // Replaces the attribute filter, respectively the object-type filter (null: none).
    virtual void setFilter(FilterPtr filter);
    virtual void setFilterObjectsByType(FilterPtr filter);
    // Installs the dispatch table (setDispatchTable). The base installs the generic table.
    virtual void initializeDispatch();
    // Whether `object` has children to show (the tree shows an expander for it). The base
    // computes the children and answers whether there are any.
    virtual bool hasChildren(const QUILL::ImmutableClassObject& object);

    // Replaces the contents of `result` with the children of `object`, by the dispatch table;
    // initializeDispatch runs first when no table is installed yet (the generic table is used
    // when it installs none). Empty for an invalid object, or when the handler raised the
    // repository's exception (QUILL::Exception).
    void execute(const QUILL::ImmutableClassObject& object, Children& result);
    // hasChildren(object); false for an invalid object or when it raised the repository's
    // exception.
    bool hasAtleastOneChild(const QUILL::ImmutableClassObject& object);
    // The framework's children of `object`: for each property internalGetFilteredAttributes
    // keeps, in order, the objects internalGetFilteredObjectsByType keeps. An object reached
    // twice is listed once, where it was first reached. Empty for an invalid object.
    Children getFilteredChildren(const QUILL::ImmutableClassObject& object) const;

    const FilterPtr& getFilter() const { return attributeFilter_; }
    const FilterPtr& getFilterObjectsByType() const { return objectTypeFilter_; }
    const std::string& getName() const { return name_; }

    // The generic table: only a default entry, getFilteredChildren. Built once per process.
    static const Table& genericDispatchTable();

protected:
    // The properties of `object` to walk: what the attribute filter keeps of all its
    // properties (Util::TreeProperty::allOf); only the contained objects without a filter.
    virtual std::vector<Util::TreeProperty> internalGetFilteredAttributes(
        const QUILL::ImmutableClassObject& object) const;
    // What the object-type filter keeps of `objects`, reached from `owner` through
    // `property`; all of them without a filter.
    virtual Children internalGetFilteredObjectsByType(const QUILL::ImmutableClassObject& owner,
                                                      const Util::TreeProperty& property,
                                                      Children objects) const;

private:
    FilterPtr attributeFilter_;
    std::string name_;
    FilterPtr objectTypeFilter_;
    StudioApp* studioApp_ = nullptr;
};

}  // namespace DOVE2
