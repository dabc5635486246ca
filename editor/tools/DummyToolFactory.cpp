#include "tools/DummyToolFactory.h"

#include "dove2/Editor.h"
#include "tessel/AssertionError.h"
#include "tools/DummyTool.h"

namespace Vantor {

DummyToolFactory::DummyToolFactory(DOVE2::Editor* editor) : editor_(editor) {}

DummyToolFactory::~DummyToolFactory() = default;

ROOK2::Tool* DummyToolFactory::createTool() {
    ROOK2::Tool* tool =
        editor_ ? editor_->addToolByRole(DummyTool::staticGetDefaultRole()) : nullptr;
    TESSEL_ASSERT(tool, "studio/Editor", __LINE__);
    return tool;
}

}  // namespace Vantor
