#include "QtDialogService.h"

namespace VantorStudio {

QtDialogService::QtDialogService(QWidget* parent) : parent_(parent) {
    VTDove::DialogService::install(this);
}

QtDialogService::~QtDialogService() {
    VTDove::DialogService::uninstall(this);
    for (auto& [path, dialog] : dialogs_)
        delete dialog.data();
}

bool QtDialogService::openBlockDialog(const std::string& blockPath, int, bool) {
    if (opener_ && !dialogOf(blockPath)) {
        const VTQUILL::ImmutableBlock block = BlockParameterDialog::findBlock(blockPath);
        if (block.isValid() && opener_(block))
            return true;
    }
    return openParameterDialog(blockPath);
}

bool QtDialogService::openParameterDialog(const std::string& blockPath) {
    if (BlockParameterDialog* open = dialogOf(blockPath)) {
        open->raise();
        open->activateWindow();
        return true;
    }
    const VTQUILL::ImmutableBlock block = BlockParameterDialog::findBlock(blockPath);
    if (!block.isValid())
        return false;
    auto* dialog = new BlockParameterDialog(block, parent_);
    dialogs_[blockPath] = dialog;
    dialog->show();
    return true;
}

void QtDialogService::closeBlockDialog(const std::string& blockPath) {
    auto it = dialogs_.find(blockPath);
    if (it == dialogs_.end())
        return;
    if (it->second)
        it->second->close();
    dialogs_.erase(it);
}

BlockParameterDialog* QtDialogService::dialogOf(const std::string& blockPath) const {
    auto it = dialogs_.find(blockPath);
    return it == dialogs_.end() ? nullptr : it->second.data();
}

}  // namespace VantorStudio
