#pragma once

#include <string>

#include "harbor/StudioService.h"
#include "parr/ErrorHolder.h"
#include "parr/GSet.h"
#include "parr/StringID.h"

namespace HARBOR {
class Studio;
class StudioComponentBase;
}  // namespace HARBOR

namespace DOVE2 {

// What a studio application asks of its studio's window layout: the components shown in a
// tab, and the making of components. Tabs hold the studio's documents (editors), one each,
// in the order they were opened: tab i shows the i-th document of the studio.
class StudioFrameworkService : public HARBOR::StudioService {
public:
    // Error for a tab index outside the open tabs; argument: the index.
    static constexpr const char* kNoSuchTab = "DOVE2_NoSuchTab";
    static constexpr std::uint32_t kNoSuchTabCode = 0x6E0011;

    explicit StudioFrameworkService(HARBOR::Studio& studio) : studio_(studio) {}

    // The components shown in tab `index` (one editor); an empty set with kNoSuchTab for an
    // index outside the tabs. The caller owns the set.
    PARR::GSet<HARBOR::StudioComponentBase*> getComponentsOfTab(int index,
                                                                PARR::ErrorHolder& errors) const;
    // The number of tabs.
    int tabCount() const;
    // Makes a component of type `typeName` named `name`, adds it to the studio and
    // initializes it; the studio holds it. Null with the error when it cannot be made.
    HARBOR::StudioComponentBase* createComponent(const PARR::StringID& typeName,
                                                 const std::string& name,
                                                 PARR::ErrorHolder& errors) const;

private:
    HARBOR::Studio& studio_;
};

}  // namespace DOVE2
