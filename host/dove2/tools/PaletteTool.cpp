#include "dove2/tools/PaletteTool.h"

namespace DOVE2 {

PaletteTool::PaletteTool(Editor& editor) : editor_(editor) {}

PaletteTool::~PaletteTool() = default;

}  // namespace DOVE2
