#pragma once

#include "parr/ReferencedTemplate.h"

namespace HARBOR {

// A service a studio offers under a name (Studio::registerService, Studio::getService2), such
// as the event service "TabFocusEvents". Callers take it as the derived type they expect
// (dynamic_cast, or Studio::getService<T>). Reference counted (count starts at 0); the studio
// holds its services through PARR::Holder until it goes.
class StudioService : public PARR::ReferencedTemplate<unsigned int> {
public:
    StudioService() = default;
    StudioService(const StudioService&) = delete;
    StudioService& operator=(const StudioService&) = delete;
    ~StudioService() override;
};

}  // namespace HARBOR
