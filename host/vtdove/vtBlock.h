#pragma once

#include "vtdove/EngineHandle.h"

namespace VTDove {

// The engine's handle of a block: its identity plus the block's numeric engine handle, a
// positive number unique among all blocks of the process and stable for the block's life.
class vtBlock : public EngineHandle {
public:
    vtBlock(QUILL::Deviant& root, QUILL::ObjectId block, double handle)
        : EngineHandle(root, block), handle_(handle) {}

    double getHandle() const { return handle_; }

private:
    double handle_;
};

}  // namespace VTDove

using VTDove::vtBlock;
