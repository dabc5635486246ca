#pragma once

#include <string>

#include "harbor/StudioComponentBase.h"
#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"

namespace HARBOR {

class Studio;

// Makes the components of one type. Registered once per process with the component factory
// manager (StudioComponentFactoryManager::instance().registerObject) under its type name.
// Reference counted (count starts at 0); the manager holds it through PARR::Holder.
class StudioComponentFactory : public PARR::ReferencedTemplate<unsigned int> {
public:
    ~StudioComponentFactory() override;

    // The type name of the components made ("Vantor:Editor"); the registry key.
    virtual std::string getTypeName() const = 0;
    // A new component named `name` for `studio`, held by the caller alone; empty when none
    // can be made.
    virtual PARR::Holder<StudioComponentBase> create(Studio* studio,
                                                     const std::string& name) const = 0;
};

}  // namespace HARBOR
