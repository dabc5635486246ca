#include "tools/DummyTool.h"

namespace Vantor {

DummyTool::DummyTool(DOVE2::Editor& editor) : DOVE2::PaletteTool(editor) {}

DummyTool::~DummyTool() = default;

PARR::StringID DummyTool::staticGetDefaultRole() {
    static const PARR::StringID role("DoNothing");
    return role;
}

PARR::StringID DummyTool::getDefaultRole() const {
    return staticGetDefaultRole();
}

bool DummyTool::isDone() const {
    return true;
}

}  // namespace Vantor
