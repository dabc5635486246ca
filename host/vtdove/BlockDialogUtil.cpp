#include "vtdove/BlockDialogUtil.h"

#include <algorithm>

#include "vtdove/DialogService.h"

namespace VTDove {

bool BlockDialogUtil::openDialog(const std::string& blockPath, int openType, bool flag) {
    DialogService* service = DialogService::installed();
    if (!service || !service->openBlockDialog(blockPath, openType, flag))
        return false;
    if (std::find(open_.begin(), open_.end(), blockPath) == open_.end())
        open_.push_back(blockPath);
    return true;
}

void BlockDialogUtil::closeAllDialogs() {
    const std::vector<std::string> toClose = std::move(open_);
    open_.clear();
    DialogService* service = DialogService::installed();
    if (!service)
        return;
    for (const std::string& path : toClose)
        service->closeBlockDialog(path);
}

}  // namespace VTDove
