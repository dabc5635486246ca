#pragma once

#include "application/Export.h"
#include "dove2/tools/PaletteTool.h"
#include "parr/StringID.h"

namespace Vantor {

// A placeholder palette tool with the role "DoNothing": it is done as soon as it is made, so
// the editor takes it off the tool stack after the next event, and it leaves every event to
// the tools below. The palette buttons that have no gesture of their own make this tool.
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class VANTOR_EXPORT DummyTool : public DOVE2::PaletteTool {
public:
    explicit DummyTool(DOVE2::Editor& editor);
    ~DummyTool() override;

    // "DoNothing".
    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override;
    // Always true.
    bool isDone() const override;
};

}  // namespace Vantor
