#pragma once

#include <unordered_set>
#include <vector>

#include "sim/FlatModel.h"

namespace VTSIM {

// The computing block output that drives an input; block -1 when nothing drives it.
struct Driver {
    int block = -1;
    int output = 0;
    bool connected() const { return block >= 0; }
};

// Resolves every input of the flattened model's computing blocks to the one computing output
// that drives it, following lines (branches included) and passing through subsystem ports
// and their Input and Output blocks.
class SignalResolver {
public:
    explicit SignalResolver(const FlatModel& flat);
    // drivers[b][k]: the driver of input k of block b. An input driven by nothing is a warning
    // (it reads 0); a line driven by two outputs is an error naming both.
    std::vector<std::vector<Driver>> resolve(std::vector<Diagnostic>& diagnostics);

private:
    Driver driverOfInput(const VTQUILL::ImmutablePort& in);
    Driver sourceOfOutput(const VTQUILL::ImmutablePort& out);
    void reportNetsWithTwoDrivers(std::vector<Diagnostic>& diagnostics) const;

    const FlatModel& flat_;
    std::unordered_set<QUILL::ObjectId> visiting_;  // in ports on the path being resolved
    bool loopWithoutBlock_ = false;
};

}  // namespace VTSIM
