#include "studio/VTQueryPlatformStudio.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "dove2/Editor.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "studio/StudioApp.h"
#include "studio/SystemPath.h"
#include "vtdove/EngineHandles.h"

namespace VTDove {

namespace {

// Calls `visit` for every open editor of every studio with a framework studio application,
// studios in the order they were made, editors in the order they were opened, until it
// answers false.
void forEachEditor(
    const std::function<bool(HARBOR::Studio&, DOVE2::StudioApp&, DOVE2::Editor&)>& visit) {
    for (HARBOR::Studio* studio : HARBOR::Studio::allStudios()) {
        auto* app = studio ? dynamic_cast<DOVE2::StudioApp*>(studio->getApp()) : nullptr;
        if (!app)
            continue;
        for (DOVE2::Editor* editor : app->getAllEditors()) {
            if (editor && !visit(*studio, *app, *editor))
                return;
        }
    }
}

// `editor` when it is still open in some studio, else null (it may have been closed, and
// destroyed, since it was remembered).
DOVE2::Editor* stillOpen(DOVE2::Editor* editor) {
    if (!editor)
        return nullptr;
    bool open = false;
    forEachEditor([&](HARBOR::Studio&, DOVE2::StudioApp&, DOVE2::Editor& candidate) {
        open = &candidate == editor;
        return !open;
    });
    return open ? editor : nullptr;
}

// The editor's diagram bound to the model's root, which outlives the editor's view instance.
DOVE2::Diagram rootDiagramOf(const DOVE2::Editor& editor) {
    const DOVE2::Diagram& shown = editor.getDiagram();
    return DOVE2::Diagram(shown.asDeviant(shown.getRootModel().getRootDeviant()));
}

bool opensAsDiagram(const VTQUILL::Block& block) {
    return block.isChartix() ||
           (block.isSubsystem() && !block.isMasked() && !block.isBlockConfigurableSubsystem());
}

}  // namespace

VTQueryPlatformStudio::VTQueryPlatformStudio() = default;

VTQueryPlatformStudio::~VTQueryPlatformStudio() = default;

void VTQueryPlatformStudio::findEditors(const std::string& name) {
    const std::string wanted = Vantor::vt_spacedName(name);
    foundEditor = nullptr;
    sameModelEditor = nullptr;
    const std::string wantedRoot = Vantor::vt_name(wanted, Vantor::RootName);
    forEachEditor([&](HARBOR::Studio&, DOVE2::StudioApp&, DOVE2::Editor& editor) {
        const std::string editorName = Vantor::vt_spacedName(editor.getName());
        if (editorName == wanted) {
            foundEditor = &editor;
            return false;
        }
        if (Vantor::vt_name(editorName, Vantor::RootName) == wantedRoot)
            sameModelEditor = &editor;
        return true;
    });
}

bool VTQueryPlatformStudio::hasEditor(const std::string& name) {
    if (!name.empty())
        findEditors(name);
    return getFoundEditor() != nullptr;
}

bool VTQueryPlatformStudio::hasEditorOfSameModel(const std::string& name) {
    if (!name.empty())
        findEditors(name);
    return !getFoundEditor() && getSameModelEditor();
}

void VTQueryPlatformStudio::openEngineBlock(double blockHandle) {
    DOVE2::Editor* editor = getSameModelEditor();
    if (!editor)
        editor = getFoundEditor();
    if (!editor)
        return;
    auto* app = dynamic_cast<Vantor::StudioApp*>(editor->getStudioApp());
    if (!app)
        return;
    // The block is taken in the model's root instance, where it outlives the editor's view.
    const VTQUILL::Block block =
        VTQUILL::getQUILLBlock(blockHandle, rootDiagramOf(*editor).getModelQUILL());
    if (!block.isValid())
        return;
    if (opensAsDiagram(block))
        app->openBlock(block, false);
    else
        dialogs.openDialog(block.getFullPathName(), 0, false);
}

void VTQueryPlatformStudio::showFoundEditor() {
    DOVE2::Editor* editor = getFoundEditor();
    DOVE2::StudioApp* app = editor ? editor->getStudioApp() : nullptr;
    if (!app)
        return;
    PARR::ErrorHolder errors;
    app->openEditor(rootDiagramOf(*editor), errors);
    // The data model asked for something the studio could not do: the user is told.
    DOVE2::warnOfFailure("Showing the editor of " + editor->getName(), errors);
}

bool VTQueryPlatformStudio::closeEditorByName(const std::string& name) {
    if (!name.empty())
        findEditors(name);
    DOVE2::Editor* editor = getFoundEditor();
    if (!editor || static_cast<PARR::UndoRedoCommandTarget*>(editor)->isDirty())
        return false;
    // Closing destroys the editor: everything needed afterwards is read first.
    HARBOR::Studio* studio = editor->getStudio();
    DOVE2::StudioApp* app = editor->getStudioApp();
    const DOVE2::Diagram diagram = rootDiagramOf(*editor);
    if (!studio || !app)
        return false;
    foundEditor = nullptr;
    PARR::ErrorHolder errors;
    app->closeEditor(diagram, errors);
    if (!studio->hasOpenDocuments(errors))
        studio->closeIfEmpty();
    DOVE2::warnOfFailure("Closing the editor of " + diagram.getFullName(), errors);
    return true;
}

bool VTQueryPlatformStudio::closeModelEditors(const std::string& modelName) {
    const std::string wanted = Vantor::vt_spacedName(modelName);
    // Closing one editor may close others and destroys it, so diagrams are remembered, not
    // editors, in the order the editors were found.
    std::vector<std::pair<DOVE2::StudioApp*, DOVE2::Diagram>> toClose;
    std::vector<HARBOR::Studio*> studios;
    bool dirty = false;
    forEachEditor([&](HARBOR::Studio& studio, DOVE2::StudioApp& app, DOVE2::Editor& editor) {
        const std::string name = Vantor::vt_spacedName(editor.getName());
        if (name != wanted && Vantor::vt_name(name, Vantor::RootName) != wanted)
            return true;
        if (static_cast<PARR::UndoRedoCommandTarget&>(editor).isDirty()) {
            dirty = true;
            return false;
        }
        toClose.emplace_back(&app, rootDiagramOf(editor));
        if (std::find(studios.begin(), studios.end(), &studio) == studios.end())
            studios.push_back(&studio);
        return true;
    });
    if (dirty)
        return false;
    foundEditor = nullptr;
    sameModelEditor = nullptr;
    PARR::ErrorHolder errors;
    for (const auto& [app, diagram] : toClose) {
        // An editor closed along with an earlier one is gone already.
        if (app->findEditor(diagram))
            app->closeEditor(diagram, errors);
    }
    for (HARBOR::Studio* studio : studios)
        studio->closeIfEmpty();
    dialogs.closeAllDialogs();
    DOVE2::warnOfFailure("Closing the editors of " + modelName, errors);
    return true;
}

DOVE2::Editor* VTQueryPlatformStudio::getFoundEditor() const {
    return stillOpen(foundEditor);
}

DOVE2::Editor* VTQueryPlatformStudio::getSameModelEditor() const {
    return stillOpen(sameModelEditor);
}

}  // namespace VTDove
