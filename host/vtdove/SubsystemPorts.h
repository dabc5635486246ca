#pragma once

#include <string>
#include <vector>

#include "vtquill/VTQuill.h"

namespace VTDove {

// What a subsystem's ports should be: one In Port per Input block of its inner diagram and one
// Out Port per Output block, in the order of those blocks' "Port" parameter (creation order
// among equal or unreadable numbers). A snapshot taken at construction.
class SubsystemPorts {
public:
    // For a block without an inner diagram both lists are empty.
    explicit SubsystemPorts(const VTQUILL::ImmutableBlock& subsystem);

    // The inner Input (Output) blocks, in port order.
    const std::vector<VTQUILL::ImmutableBlock>& inputBlocks() const { return inputBlocks_; }
    const std::vector<VTQUILL::ImmutableBlock>& outputBlocks() const { return outputBlocks_; }
    // Their names, in port order.
    std::vector<std::string> inputNames() const;
    std::vector<std::string> outputNames() const;

private:
    std::vector<VTQUILL::ImmutableBlock> inputBlocks_;
    std::vector<VTQUILL::ImmutableBlock> outputBlocks_;
};

// Makes the subsystem's ports follow its inner Input/Output blocks: surplus In (Out) Ports
// are destroyed from the last one backwards (their segments lose that end), missing ones are
// added, and all ports are laid out again for the block's current size (inputs on the left
// facing 180, outputs on the right facing 0, spread evenly; numbers follow the containment
// order). Ports that stay keep their segments. Connection Ports are left alone. Needs an open
// transaction on the block's instance; a block without an inner diagram is left unchanged.
void syncSubsystemPorts(const VTQUILL::Block& subsystem);

}  // namespace VTDove
