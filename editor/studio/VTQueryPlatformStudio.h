#pragma once

#include <string>

#include "application/Export.h"
#include "vtdove/BlockDialogUtil.h"
#include "vtdove/QueryPlatformStudio.h"

namespace DOVE2 {
class Editor;
}

namespace VTDove {

// How the data model finds, opens and closes the block-diagram editors of every studio by
// system path (the model name, then the names of nested subsystems, separated by "/").
// Names are compared with line feeds read as spaces, on both sides.
//
// One per process, made and installed by initialize_vt_editor. The editor fields are plain,
// non-owning pointers into the studios' open editors, remembered from the last search; every
// use checks that the editor is still open and treats a closed one as not found.
// User-interface thread only.
class VANTOR_EXPORT VTQueryPlatformStudio : public QueryPlatformStudio {
public:
    VTQueryPlatformStudio();
    ~VTQueryPlatformStudio() override;

    // Fills foundEditor (the editor named exactly `name`; the search ends there) and
    // sameModelEditor (the last editor of the same model met before that).
    void findEditors(const std::string& name) override;
    // With a non-empty name, searches first; whether an editor named so is open.
    bool hasEditor(const std::string& name) override;
    // With a non-empty name, searches first; true when no editor has the name but one of the
    // same model is open.
    bool hasEditorOfSameModel(const std::string& name) override;
    // Opens the engine block `blockHandle` of the searched model: a state-chart block or a
    // plain subsystem as a diagram, any other block in its parameter dialog. Nothing without
    // a usable editor from the last search, for an unknown block, or in a studio whose
    // application is not the block-diagram studio application.
    void openEngineBlock(double blockHandle) override;
    // Brings the editor of the last search to the front; nothing when it is gone.
    void showFoundEditor() override;
    // Closes the editor named `name` (searched first when not empty). False, closing nothing,
    // when there is none or it holds unsaved changes. A studio left without documents is
    // asked to close.
    bool closeEditorByName(const std::string& name) override;
    // Closes every editor of the model `modelName` (named so, or whose root name is so).
    // False, closing nothing, when one of them holds unsaved changes. Then asks each studio
    // concerned to close when empty and closes the parameter dialogs opened from here.
    bool closeModelEditors(const std::string& modelName) override;

    // The results of the last search, checked against the open editors (null when gone).
    DOVE2::Editor* getFoundEditor() const;
    DOVE2::Editor* getSameModelEditor() const;
    BlockDialogUtil& getDialogs() { return dialogs; }

private:
    DOVE2::Editor* foundEditor = nullptr;
    DOVE2::Editor* sameModelEditor = nullptr;
    BlockDialogUtil dialogs;
};

}  // namespace VTDove
