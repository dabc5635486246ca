#pragma once

#include "chartix/ChartGlyphFactory.h"
#include "dove2/Dove2Domain.h"

namespace CHARTIX {

// The state-chart domain ("CXDomain"): the domain of chart models ("ChartixDI.ChartModel").
// Its glyph factory draws states with their names (ChartGlyphFactory); it keeps the
// framework's generic tools and explorer, so a chart opens in an editor where its states can
// be selected, moved, resized and deleted.
//
// One instance per process (get()), registered with the framework's domain registry by
// ensureRegistered (the first chart made does it), never destroyed.
class CXDomain : public DOVE2::Dove2Domain {
public:
    static constexpr const char* kName = "CXDomain";

    static CXDomain* get();
    // Registers the domain with DOVE2::DomainRegistry::instance() unless a domain of that
    // name is registered already. Cheap after the first call.
    static void ensureRegistered();

    // "CXDomain".
    PARR::StringID getName() const override;
    // "ChartixDI.ChartModel".
    PARR::StringID getModelClassFullName() const override;
    // The domain's ChartGlyphFactory, owned by the domain.
    DOVE2::GlyphFactory* getGlyphFactory() const override;

private:
    CXDomain() = default;

    mutable ChartGlyphFactory glyphFactory_;
};

}  // namespace CHARTIX
