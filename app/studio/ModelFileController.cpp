#include "ModelFileController.h"

#include "dove2/Editor.h"
#include "dove2/FailureWarning.h"
#include "dove2/StudioApp.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"
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
    const std::string error = VTQUILL::File::ModelFileWriter().save(model.root, path);
    if (!error.empty()) {
        prompts_.showError("Cannot save the model", error);
        return false;
    }
    model.filePath = path;
    if (model.history)
        model.history->setClean();
    for (DOVE2::Editor* editor : editorsOf(model))
        editor->setClean();
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

// Loads `file` as the model of `filePath`, adopts it and opens its first diagram; null, with
// the error shown under `failureTitle`, when it cannot be loaded.
OpenModel* ModelFileController::loadAndOpen(const std::string& file, const std::string& filePath,
                                            const char* failureTitle) {
    VTQUILL::File::ModelFileReader::Result loaded = VTQUILL::File::ModelFileReader().load(file);
    if (!loaded.ok()) {
        prompts_.showError(failureTitle, loaded.error->message());
        return nullptr;
    }
    OpenModel& model = adopt(loaded.model, filePath);
    openFirstDiagram(model);
    return &model;
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

void ModelFileController::notifyModelsChanged() {
    if (modelsChanged_)
        modelsChanged_();
}

}  // namespace VantorStudio
