#pragma once

#include <vector>

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include "dove2/explorer/TreeFilter.h"

namespace DOVE2::Util {

// The framework's tree filter, made of parts. Its own rule walks only the contained objects
// of an object and keeps every object; then each part, in the order added, filters what the
// previous step kept (a part sees and may change the list the step before it returned). With
// no parts it shows exactly the contained objects, in their order.
//
// A domain's filter derives from it and overrides what it needs (a filter that leaves out
// objects of some classes overrides filterObjects). Held by boost::shared_ptr: it knows its
// owning pointer (shared_from_this) once one holds it. The parts are shared with whoever else
// holds them. Adding a filter to itself is ignored; a cycle through nested composites is the
// caller's error.
class BasicCompositeFilter : public TreeFilter,
                             public boost::enable_shared_from_this<BasicCompositeFilter> {
public:
    BasicCompositeFilter();
    ~BasicCompositeFilter() override;

    // Appends `part` (null and this filter itself are ignored).
    void addFilter(const boost::shared_ptr<TreeFilter>& part);
    // Removes every occurrence of `part`; false when it was not a part.
    bool removeFilter(const boost::shared_ptr<TreeFilter>& part);
    const std::vector<boost::shared_ptr<TreeFilter>>& getFilters() const { return parts_; }

    // The contained-objects property if `properties` hold it, then the parts in turn.
    std::vector<TreeProperty> filterAttributes(const QUILL::ImmutableClassObject& object,
                                               std::vector<TreeProperty> properties) const override;
    // `objects` through the parts in turn.
    std::vector<QUILL::ImmutableClassObject> filterObjects(
        const QUILL::ImmutableClassObject& owner, const TreeProperty& property,
        std::vector<QUILL::ImmutableClassObject> objects) const override;

private:
    std::vector<boost::shared_ptr<TreeFilter>> parts_;
};

}  // namespace DOVE2::Util
