#pragma once

#include <string>

namespace VTDove {

// What the data model asks of the studio about editors, by system path (the model's name,
// then the names of the nested subsystems, separated by "/", a "/" inside a name doubled).
// The editor module implements it and installs one with VTQUILL::setBackendQueryStudio.
class QueryPlatformStudio {
public:
    virtual ~QueryPlatformStudio() = default;

    // Searches the open editors for `name`: the editor showing exactly that system, and an
    // editor of the same model.
    virtual void findEditors(const std::string& name) = 0;
    // Whether an editor shows `name` (an empty name: the result of the last search).
    virtual bool hasEditor(const std::string& name) = 0;
    // Whether no editor shows `name` but one shows another system of its model.
    virtual bool hasEditorOfSameModel(const std::string& name) = 0;
    // Opens the block with that numeric engine handle: its diagram, or its parameter dialog.
    virtual void openEngineBlock(double blockHandle) = 0;
    // Brings the editor found by the last search to the front.
    virtual void showFoundEditor() = 0;
    // Closes the editor of `name`; returns whether it was closed.
    virtual bool closeEditorByName(const std::string& name) = 0;
    // Closes every editor of the model `modelName`; returns whether they were closed.
    virtual bool closeModelEditors(const std::string& modelName) = 0;
};

}  // namespace VTDove
