#pragma once

#include <map>
#include <string>

#include <QDialog>

#include "quill/ListenerBase.h"
#include "vtquill/VTQuill.h"

class QLabel;
class QLineEdit;

namespace VantorStudio {

// The parameter dialog of one block: a field per parameter of the block, in the block's order,
// with OK, Apply and Cancel. Applying sets every changed parameter through the engine's
// parameter edit (VTDove::setBlockParameter) in one command, "Edit Parameters", on the model's
// undo history, so the block's icon follows and Edit > Undo takes the edit back. A command
// that fails is shown in the dialog and changes nothing.
//
// The dialog follows the model: fields the user has not touched show the values after each
// commit (an undo, an edit elsewhere); when the block is deleted or its model closes the
// dialog closes. Non-modal; deletes itself when closed (Qt::WA_DeleteOnClose).
class BlockParameterDialog : public QDialog, private QUILL::ListenerBase {
    Q_OBJECT
public:
    // `block` must be valid (any instance; the dialog works on its root).
    explicit BlockParameterDialog(const VTQUILL::ImmutableBlock& block, QWidget* parent = nullptr);
    ~BlockParameterDialog() override;

    // The block with full path `blockPath` in the open block-diagram models (root instance);
    // an empty handle when no open model has it.
    static VTQUILL::ImmutableBlock findBlock(const std::string& blockPath);

    const VTQUILL::ImmutableBlock& block() const { return block_; }
    // The text of the field of parameter `name`; empty when there is no such field.
    std::string fieldText(const std::string& name) const;
    // Types `text` into the field of parameter `name`; false when there is no such field.
    bool setFieldText(const std::string& name, const std::string& text);
    // Sets the changed parameters (see the class comment). True when nothing failed.
    bool apply();
    // The error of the last apply that failed; empty otherwise.
    std::string lastError() const;

private:
    void buildFields();
    void reloadUntouchedFields();
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;
    void acceptChanges();

    VTQUILL::ImmutableBlock block_;
    QUILL::Deviant* root_ = nullptr;
    // Per parameter: its field and the value last loaded into it.
    std::map<std::string, std::pair<QLineEdit*, std::string>> fields_;
    QLabel* error_ = nullptr;
};

}  // namespace VantorStudio
