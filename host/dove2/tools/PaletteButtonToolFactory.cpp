#include "dove2/tools/PaletteButtonToolFactory.h"

namespace DOVE2 {

PaletteButtonToolFactory::~PaletteButtonToolFactory() = default;

}  // namespace DOVE2
