#include "explorer/VTBasicTreeFilter.h"

#include <algorithm>

#include "quill/CooperativeVisitor.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

namespace {

// Answers whether the tree leaves an object out, per class of the object.
class LeftOut : public QUILL::CooperativeVisitor::Visitor<bool, QUILL::ImmutableClassObject> {
public:
    LeftOut() : Visitor(&table()) {}

    bool operator()(const QUILL::ImmutableClassObject& object) {
        return object.isValid() && visit(object);
    }

private:
    static const Table& table() {
        static const Table* const t = [] {
            auto* made = new Table();
            made->setDefault(
                [](Table::VisitorType&, const QUILL::ImmutableClassObject&) { return false; });
            made->add<VTQUILL::Port>(
                [](Table::VisitorType&, const QUILL::ImmutableClassObject&) { return true; });
            return made;
        }();
        return *t;
    }
};

}  // namespace

boost::shared_ptr<VTBasicTreeFilter> VTBasicTreeFilter::create() {
    return boost::shared_ptr<VTBasicTreeFilter>(new VTBasicTreeFilter());
}

VTBasicTreeFilter::VTBasicTreeFilter() = default;

VTBasicTreeFilter::~VTBasicTreeFilter() = default;

std::vector<QUILL::ImmutableClassObject> VTBasicTreeFilter::filterObjects(
    const QUILL::ImmutableClassObject& owner, const DOVE2::Util::TreeProperty& property,
    std::vector<QUILL::ImmutableClassObject> objects) const {
    objects = BasicCompositeFilter::filterObjects(owner, property, std::move(objects));
    LeftOut leftOut;
    std::erase_if(objects, [&leftOut](const QUILL::ImmutableClassObject& o) { return leftOut(o); });
    return objects;
}

}  // namespace Vantor
