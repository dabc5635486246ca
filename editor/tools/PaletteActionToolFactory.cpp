#include "tools/PaletteActionToolFactory.h"

#include <utility>

namespace Vantor {

PaletteActionToolFactory::PaletteActionToolFactory(DOVE2::Editor* editor,
                                                   std::function<void()> action)
    : DummyToolFactory(editor), action_(std::move(action)) {}

PaletteActionToolFactory::~PaletteActionToolFactory() = default;

ROOK2::Tool* PaletteActionToolFactory::createTool() {
    ROOK2::Tool* tool = DummyToolFactory::createTool();
    if (action_)
        action_();
    return tool;
}

}  // namespace Vantor
