#include "sim/blocks/SinkBlock.h"

namespace VTSIM {

SinkBlock::SinkBlock(std::string path, int inputCount)
    : RuntimeBlock(std::move(path), inputCount, 0) {}

}  // namespace VTSIM
