#pragma once

#include <string>
#include <vector>

#include "vtdove/DialogService.h"

namespace TestSupport {

// A dialog service, installed while the object lives, that records the block dialogs opened
// and closed (by block path, in order) and shows nothing.
class RecordingDialogs : public VTDove::DialogService {
public:
    RecordingDialogs() { install(this); }
    ~RecordingDialogs() override { uninstall(this); }
    RecordingDialogs(const RecordingDialogs&) = delete;
    RecordingDialogs& operator=(const RecordingDialogs&) = delete;

    bool openBlockDialog(const std::string& path, int, bool) override {
        opened.push_back(path);
        return true;
    }
    void closeBlockDialog(const std::string& path) override { closed.push_back(path); }

    std::vector<std::string> opened;
    std::vector<std::string> closed;
};

}  // namespace TestSupport
