#pragma once

#include <cstdint>
#include <string>

#include "harbor/GenericRegistry.h"
#include "harbor/StudioComponentFactory.h"

namespace HARBOR {

class StudioComponentBase;
class Studio;

// The process-wide registry of component factories, keyed by the type name of the components
// they make (StudioComponentFactory::getTypeName). Registering a second factory for a type
// name is refused with kDuplicateKey; looking up a type name nobody registered gives
// kUnknownKey (GenericRegistry).
class StudioComponentFactoryManager : public GenericRegistry<StudioComponentFactory> {
public:
    // Error raised when the factory of a type name made no component; arguments: the type
    // name, the component name.
    static constexpr const char* kComponentNotCreated = "HARBOR_ComponentNotCreated";
    static constexpr std::uint32_t kComponentNotCreatedCode = 0x710104;

    // The one manager; made on first use, lives until the process ends.
    static StudioComponentFactoryManager& instance();

    // A new component of type `typeName` named `name` for `studio`, made by the factory
    // registered under the type name, held. A null Holder and an error in `errors` when no
    // factory is registered under the type name or the factory made nothing.
    PARR::Holder<StudioComponentBase> createComponent(const PARR::StringID& typeName,
                                                      Studio* studio, const std::string& name,
                                                      PARR::ErrorHolder& errors) const;

protected:
    PARR::StringID keyOf(const StudioComponentFactory& factory) const override;

private:
    StudioComponentFactoryManager() = default;
};

}  // namespace HARBOR
