#pragma once

#include <functional>
#include <map>
#include <string>

#include <QPointer>

#include "BlockParameterDialog.h"
#include "vtdove/DialogService.h"

class QWidget;

namespace VantorStudio {

// The studio's block parameter dialogs: a BlockParameterDialog per block path, made on the
// first open and raised on the next, over `parent`. Installs itself as the process's
// VTDove::DialogService while it lives (the last one made wins) and closes its dialogs when
// it goes. User-interface thread only.
class QtDialogService : public VTDove::DialogService {
public:
    // `parent` (may be null) must outlive the service.
    explicit QtDialogService(QWidget* parent);
    ~QtDialogService() override;
    QtDialogService(const QtDialogService&) = delete;
    QtDialogService& operator=(const QtDialogService&) = delete;

    // What opens a block instead of its parameter dialog (a Scope's window): answers true when
    // it opened the block. Null: every block gets its dialog.
    using BlockOpener = std::function<bool(const VTQUILL::ImmutableBlock&)>;
    void setBlockOpener(BlockOpener opener) { opener_ = std::move(opener); }

    // False when no open model has a block of that path. `openType` and `flag` do not change
    // the dialog.
    bool openBlockDialog(const std::string& blockPath, int openType, bool flag) override;
    // The block's parameter dialog whatever the opener says (Edit > Block Parameters...);
    // false when no open model has a block of that path.
    bool openParameterDialog(const std::string& blockPath);
    void closeBlockDialog(const std::string& blockPath) override;

    // The open dialog of the block, or null.
    BlockParameterDialog* dialogOf(const std::string& blockPath) const;

private:
    QWidget* parent_;
    BlockOpener opener_;
    std::map<std::string, QPointer<BlockParameterDialog>> dialogs_;
};

}  // namespace VantorStudio
