#pragma once

#include "application/Export.h"
#include "dove2/tools/DeleteTool.h"

namespace Vantor {

// The block-diagram delete tool: the framework's delete tool (its key handling, role and
// lifetime unchanged) whose deletion is one DeleteCommand "Delete" for the editor's whole
// selection, processed by the editor so that it lands on the undo history. The command is
// handed over even when nothing is selected; it then deletes nothing.
//
// The role is the framework's (DOVE2::DeleteTool::staticGetDefaultRole()). The editor is not
// owned and must outlive the tool. User-interface thread only.
class VANTOR_EXPORT DeleteTool : public DOVE2::DeleteTool {
public:
    explicit DeleteTool(DOVE2::Editor& editor);
    ~DeleteTool() override;

    // Does nothing.
    void prepareDelete() override;
    // Builds the command on the root instance of the diagram's model from the selection
    // (each element once) and hands it to the editor.
    void deleteSelection() override;
};

}  // namespace Vantor
