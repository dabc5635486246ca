#pragma once

#include "vtdove/EngineHandle.h"

namespace VTDove {

// The engine's handle of a segment.
class vtSegment : public EngineHandle {
public:
    using EngineHandle::EngineHandle;
};

}  // namespace VTDove

using VTDove::vtSegment;
