#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "dove2/explorer/BasicCompositeFilter.h"

namespace Vantor {

// The model explorer's filter of block-diagram objects: every port is left out, every other
// object passes, in its order. Serves a TreePopulator both as attribute filter and as
// object-type filter. Made by create(), held by boost::shared_ptr (it knows its owning
// pointer through the framework's shared_from_this). Keeps no state; the per-class table that
// picks the ports is one module-wide object, built on first use.
class VANTOR_EXPORT VTBasicTreeFilter : public DOVE2::Util::BasicCompositeFilter {
public:
    static boost::shared_ptr<VTBasicTreeFilter> create();
    ~VTBasicTreeFilter() override;

    // What the framework's composite keeps of `objects`, without the ports.
    std::vector<QUILL::ImmutableClassObject> filterObjects(
        const QUILL::ImmutableClassObject& owner, const DOVE2::Util::TreeProperty& property,
        std::vector<QUILL::ImmutableClassObject> objects) const override;

private:
    VTBasicTreeFilter();
};

}  // namespace Vantor
