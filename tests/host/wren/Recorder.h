#pragma once

#include <string>
#include <vector>

#include "wren/Listener.h"

namespace WRENTest {

// A receiver that logs what it receives, under its own name: "a:1".
class Recorder : public WREN::Listener {
public:
    Recorder(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

    void receive(const int& value) { log_.push_back(name_ + ":" + std::to_string(value)); }
    void receiveByValue(int value) { receive(value); }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

}  // namespace WRENTest
