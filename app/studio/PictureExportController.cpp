#include "PictureExportController.h"

#include "DiagramExporter.h"
#include "StatusReporter.h"
#include "StudioPrompts.h"
#include "dove2/Editor.h"

namespace VantorStudio {

std::string PictureExportController::exportDiagramOf(const DOVE2::Editor* editor) {
    if (!editor || !editor->getDiagram().isValid()) {
        status_.showError("there is no diagram to export: open one first");
        return {};
    }
    const DOVE2::Diagram& diagram = editor->getDiagram();
    const StudioPrompts::PictureChoice choice = prompts_.choosePictureFile(diagram.getName());
    if (choice.file.empty())
        return {};
    const std::string error = DiagramExporter::write(diagram, choice.file, choice.scale);
    if (!error.empty()) {
        status_.showError(error);
        return {};
    }
    status_.showInfo("Exported \"" + diagram.getName() + "\" to " + choice.file);
    return choice.file;
}

}  // namespace VantorStudio
