#pragma once

#include <string>

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

class StatusReporter;
class StudioPrompts;

// File > Export...: asks where to write a picture of the diagram an editor shows (through the
// window's prompts) and writes it with DiagramExporter. Every outcome reaches the status bar:
// where the picture went, or why none was written. The prompts and the reporter must outlive
// the controller.
class PictureExportController {
public:
    PictureExportController(StudioPrompts& prompts, StatusReporter& status)
        : prompts_(prompts), status_(status) {}

    // Exports the diagram `editor` shows (null: there is nothing to export, which the status bar
    // says). Returns the file written; empty when the user cancelled or the export failed.
    std::string exportDiagramOf(const DOVE2::Editor* editor);

private:
    StudioPrompts& prompts_;
    StatusReporter& status_;
};

}  // namespace VantorStudio
