#include "dove2/explorer/BasicCompositeFilter.h"

#include <algorithm>
#include <utility>

namespace DOVE2::Util {

BasicCompositeFilter::BasicCompositeFilter() = default;

BasicCompositeFilter::~BasicCompositeFilter() = default;

void BasicCompositeFilter::addFilter(const boost::shared_ptr<TreeFilter>& part) {
    if (part && part.get() != this)
        parts_.push_back(part);
}

bool BasicCompositeFilter::removeFilter(const boost::shared_ptr<TreeFilter>& part) {
    return std::erase(parts_, part) > 0;
}

std::vector<TreeProperty> BasicCompositeFilter::filterAttributes(
    const QUILL::ImmutableClassObject& object, std::vector<TreeProperty> properties) const {
    std::vector<TreeProperty> walked;
    if (std::find(properties.begin(), properties.end(), TreeProperty::contained()) !=
        properties.end())
        walked.push_back(TreeProperty::contained());
    for (const auto& part : parts_)
        walked = part->filterAttributes(object, std::move(walked));
    return walked;
}

std::vector<QUILL::ImmutableClassObject> BasicCompositeFilter::filterObjects(
    const QUILL::ImmutableClassObject& owner, const TreeProperty& property,
    std::vector<QUILL::ImmutableClassObject> objects) const {
    for (const auto& part : parts_)
        objects = part->filterObjects(owner, property, std::move(objects));
    return objects;
}

}  // namespace DOVE2::Util
