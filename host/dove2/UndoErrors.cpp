#include "dove2/UndoErrors.h"

#include <cstdint>

namespace DOVE2 {

namespace {

PARR::MCFErrorDescription make(const char* identifier, std::uint32_t code, int line,
                               std::vector<std::string> arguments = {}) {
    return PARR::MCFErrorDescription(identifier, code, std::move(arguments),
                                     PARR::CodeLocation{"dove2/UndoErrors", line});
}

}  // namespace

PARR::MCFErrorDescription UndoErrors::commandThrew(const std::string& what) {
    return make("DOVE2_CommandThrew", 0x6E0101, __LINE__, {what});
}

PARR::MCFErrorDescription UndoErrors::modelClosed() {
    return make("DOVE2_ModelClosed", 0x6E0102, __LINE__);
}

PARR::MCFErrorDescription UndoErrors::transactionOpen() {
    return make("DOVE2_TransactionOpen", 0x6E0103, __LINE__);
}

PARR::MCFErrorDescription UndoErrors::unbalancedTransaction() {
    return make("DOVE2_UnbalancedTransaction", 0x6E0104, __LINE__);
}

PARR::MCFErrorDescription UndoErrors::noCommand() {
    return make("DOVE2_NoCommand", 0x6E0105, __LINE__);
}

PARR::MCFErrorDescription UndoErrors::commandForOtherModel() {
    return make("DOVE2_CommandForOtherModel", 0x6E0106, __LINE__);
}

PARR::MCFErrorDescription UndoErrors::historyBusy() {
    return make("DOVE2_UndoHistoryBusy", 0x6E0107, __LINE__);
}

PARR::MCFErrorDescription UndoErrors::previewOnRoot() {
    return make("DOVE2_PreviewOnRoot", 0x6E0108, __LINE__);
}

}  // namespace DOVE2
