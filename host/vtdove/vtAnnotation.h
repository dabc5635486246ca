#pragma once

#include "vtdove/EngineHandle.h"

namespace VTDove {

// The engine's handle of an annotation.
class vtAnnotation : public EngineHandle {
public:
    using EngineHandle::EngineHandle;
};

}  // namespace VTDove

using VTDove::vtAnnotation;
