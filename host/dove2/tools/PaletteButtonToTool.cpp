#include "dove2/tools/PaletteButtonToTool.h"

#include <utility>

#include "dove2/tools/PaletteButtonToolFactory.h"

namespace DOVE2 {

PaletteButtonToTool::PaletteButtonToTool(PaletteButtonToolFactory* factory, Editor* editor,
                                         std::string iconPath, std::string label)
    : factory_(factory),
      editor_(editor),
      iconPath_(std::move(iconPath)),
      label_(std::move(label)) {}

PaletteButtonToTool::~PaletteButtonToTool() = default;

void PaletteButtonToTool::activate() {
    if (factory_)
        factory_->createTool();
}

}  // namespace DOVE2
