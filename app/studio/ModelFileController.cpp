#include "ModelFileController.h"

#include <optional>

#include "BusyGuard.h"
#include "ModelRenamer.h"
#include "dove2/Editor.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"
#include "quill/Transaction.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

namespace VantorStudio {

namespace {

DOVE2::TreeComponent* treeOf(const HARBOR::Studio& studio) {
    return dynamic_cast<DOVE2::TreeComponent*>(
        studio.getComponent(DOVE2::TreeComponent::kComponentName));
}

}  // namespace

ModelFileController::ModelFileController(HARBOR::Studio& studio, OpenModels& models,
                                         StudioPrompts& prompts)
    : studio_(studio), models_(models), prompts_(prompts) {}

OpenModel* ModelFileController::newModel() {
    const VTQUILL::Model root = VTQUILL::Factory::createNewModel(OpenModels::nextUntitledName());
    OpenModel& model = adopt(root, std::string());
    openFirstDiagram(model);
    return &model;
}

OpenModel* ModelFileController::open() {
    const std::string path = prompts_.chooseFileToOpen();
    return path.empty() ? nullptr : openFile(path);
}

OpenModel* ModelFileController::openFile(const std::string& path) {
    if (OpenModel* open = models_.findByFile(path)) {
        openFirstDiagram(*open);
        notifyFileUsed(path);
        return open;
    }
    return loadAndOpen(path, path, "Cannot open the model");
}

OpenModel* ModelFileController::openRecovered(const std::string& stateFile,
                                              const std::string& modelFile) {
    OpenModel* model = loadAndOpen(stateFile, modelFile, "Cannot recover the model");
    if (model && model->history)
        model->history->markUnsaved();
    return model;
}

bool ModelFileController::save(OpenModel& model) {
    if (model.filePath.empty())
        return saveAs(model);
    return saveTo(model, model.filePath);
}

bool ModelFileController::saveAs(OpenModel& model) {
    const std::string path = prompts_.chooseFileToSave(model.name(), model.filePath);
    return !path.empty() && saveTo(model, path);
}

bool ModelFileController::saveTo(OpenModel& model, const std::string& path) {
    const std::string name = nameAfterSaving(model, path);
    const bool renaming = name != model.name();
    if (const std::string problem = renaming ? ModelRenamer::problemWith(model.root, name) : "";
        !problem.empty()) {
        prompts_.showError("Cannot save the model", problem);
        return false;
    }
    if (!writeNamed(model, path, name))
        return false;
    model.filePath = path;
    if (renaming)
        reopenEditors(model);
    if (model.history)
        model.history->setClean();
    for (DOVE2::Editor* editor : editorsOf(model))
        editor->setClean();
    notifyFileUsed(path);
    notifyModelsChanged();
    return true;
}

bool ModelFileController::close(OpenModel& model) {
    if (!resolveUnsavedChanges(model))
        return false;
    if (modelClosing_)
        modelClosing_(model);
    const VTQUILL::Model root = model.root;
    if (DOVE2::StudioApp* application = app()) {
        PARR::ErrorHolder errors;
        application->closeModel(root, errors);
        DOVE2::warnOfFailure("Closing the editors of \"" + model.name() + "\"", errors);
    }
    if (DOVE2::TreeComponent* tree = treeOf(studio_))
        tree->removeModel(root);
    models_.remove(root);
    notifyModelsChanged();
    return true;
}

bool ModelFileController::confirmQuit() {
    for (OpenModel* model : models_.all()) {
        if (!resolveUnsavedChanges(*model))
            return false;
    }
    return true;
}

std::vector<DOVE2::Editor*> ModelFileController::editorsOf(const OpenModel& model) const {
    std::vector<DOVE2::Editor*> editors;
    DOVE2::StudioApp* application = app();
    if (!application)
        return editors;
    for (DOVE2::Editor* editor : application->getAllEditors()) {
        const QUILL::Model root = editor->getRootDeviant();
        if (root.isValid() && root.getDeviantPtr() == model.root.getDeviantPtr())
            editors.push_back(editor);
    }
    return editors;
}

// The model keeps its name while it is saved to its own file; saved to another file it takes
// that file's name.
std::string ModelFileController::nameAfterSaving(const OpenModel& model,
                                                 const std::string& path) const {
    if (models_.findByFile(path) == &model)
        return model.name();
    return ModelRenamer::nameForFile(path);
}

// Writes the model to `path` under `name`. The rename and the write succeed or fail together:
// the rename is committed only once the file holds the new name, and a failed write (shown to
// the user) leaves the model as it was, with nobody told of a change.
bool ModelFileController::writeNamed(OpenModel& model, const std::string& path,
                                     const std::string& name) {
    std::optional<QUILL::Transaction> rename;
    if (name != model.name()) {
        rename.emplace(model.root);
        ModelRenamer::rename(model.root, name);
    }
    const std::string error = VTQUILL::File::ModelFileWriter().save(model.root, path);
    if (!error.empty()) {
        prompts_.showError("Cannot save the model", error);
        return false;
    }
    if (rename)
        rename->commit();
    return true;
}

// Editors are named after the system path they show, so the editors of a renamed model are
// opened again under the new paths, in their order, the active one in front.
void ModelFileController::reopenEditors(const OpenModel& model) {
    DOVE2::StudioApp* application = app();
    if (!application)
        return;
    std::vector<DOVE2::Diagram> shown;
    DOVE2::Diagram active;
    for (DOVE2::Editor* editor : editorsOf(model)) {
        shown.emplace_back(editor->getDiagram().asDeviant(model.root));
        if (editor == application->getActiveEditor())
            active = shown.back();
    }
    if (shown.empty())
        return;
    if (active.isValid())
        shown.push_back(active);
    PARR::ErrorHolder errors;
    application->closeModel(model.root, errors);
    for (const DOVE2::Diagram& diagram : shown) {
        if (errors.hasError())
            break;
        application->openEditor(diagram, errors);
    }
    DOVE2::warnOfFailure("Opening the editors of \"" + model.name() + "\" again", errors);
}

// Loads `file` as the model of `filePath`, adopts it and opens its first diagram; null, with
// the error shown under `failureTitle`, when it cannot be loaded. The error is shown once the
// busy time is over, so that the user can answer it.
OpenModel* ModelFileController::loadAndOpen(const std::string& file, const std::string& filePath,
                                            const char* failureTitle) {
    std::string error;
    OpenModel* model = nullptr;
    {
        BusyGuard busy;
        model = loadInSteps(file, filePath, error);
    }
    if (!model)
        prompts_.showError(failureTitle, error);
    return model;
}

// The steps are told apart so that progress can be shown between them: reading builds the
// whole model, the tree shows all of it, the editor draws its first diagram.
OpenModel* ModelFileController::loadInSteps(const std::string& file, const std::string& filePath,
                                            std::string& error) {
    tellLoadProgress(file, 0, "reading the model file");
    VTQUILL::File::ModelFileReader::Result loaded = VTQUILL::File::ModelFileReader().load(file);
    if (!loaded.ok()) {
        error = loaded.error->message();
        return nullptr;
    }
    tellLoadProgress(file, 1, "adding the model to the model tree");
    OpenModel& model = adopt(loaded.model, filePath);
    tellLoadProgress(file, 2, "opening its first diagram");
    openFirstDiagram(model);
    notifyFileUsed(filePath);
    tellLoadProgress(file, kLoadSteps, "");
    return &model;
}

void ModelFileController::tellLoadProgress(const std::string& file, int done,
                                           const char* next) const {
    if (loadProgress_)
        loadProgress_(LoadProgress{file, done, next});
}

OpenModel& ModelFileController::adopt(const VTQUILL::Model& root, const std::string& filePath) {
    OpenModel& model = models_.add(root, filePath);
    if (DOVE2::TreeComponent* tree = treeOf(studio_))
        tree->addModel(model.root);
    notifyModelsChanged();
    return model;
}

void ModelFileController::openFirstDiagram(const OpenModel& model) {
    DOVE2::StudioApp* application = app();
    const auto diagrams = model.root.getDiagrams();
    if (!application || diagrams.empty())
        return;
    PARR::ErrorHolder errors;
    application->openEditor(diagrams.front(), errors);
    DOVE2::warnOfFailure("Cannot open the diagram of \"" + model.name() + "\"", errors);
}

// True when the model may close: it has no unsaved changes, the user discards them, or they
// were saved.
bool ModelFileController::resolveUnsavedChanges(OpenModel& model) {
    if (!model.isDirty())
        return true;
    switch (prompts_.askUnsavedChanges(model.name())) {
        case StudioPrompts::UnsavedChangesAnswer::Save:
            return save(model);
        case StudioPrompts::UnsavedChangesAnswer::Discard:
            return true;
        case StudioPrompts::UnsavedChangesAnswer::Cancel:
            return false;
    }
    return false;
}

DOVE2::StudioApp* ModelFileController::app() const {
    return dynamic_cast<DOVE2::StudioApp*>(studio_.getApp());
}

void ModelFileController::notifyFileUsed(const std::string& path) {
    if (fileUsed_ && !path.empty())
        fileUsed_(path);
}

void ModelFileController::notifyModelsChanged() {
    if (modelsChanged_)
        modelsChanged_();
}

}  // namespace VantorStudio
