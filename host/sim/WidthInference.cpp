#include "sim/WidthInference.h"

namespace VTSIM {

WidthInference::WidthInference(const std::vector<std::unique_ptr<RuntimeBlock>>& blocks,
                               const std::vector<std::vector<Driver>>& drivers)
    : blocks_(blocks),
      drivers_(drivers),
      widths_(blocks.size()),
      known_(blocks.size(), false),
      failed_(blocks.size(), false),
      consumers_(blocks.size()) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (const Driver& d : drivers[b]) {
            if (d.connected())
                consumers_[d.block].push_back(b);
        }
    }
}

// A work list: a block is tried again only when one of its drivers got its widths, so each
// line is followed a bounded number of times whatever the model's size.
std::vector<std::vector<int>> WidthInference::infer(std::vector<Diagnostic>& diagnostics) {
    std::vector<std::size_t> pending;
    for (std::size_t b = blocks_.size(); b-- > 0;)
        pending.push_back(b);
    for (;;) {
        while (!pending.empty()) {
            const std::size_t b = pending.back();
            pending.pop_back();
            if (!known_[b] && tryBlock(b, diagnostics))
                pending.insert(pending.end(), consumers_[b].begin(), consumers_[b].end());
        }
        const std::optional<std::size_t> assumed = assumeOne();
        if (!assumed)
            break;
        pending.insert(pending.end(), consumers_[*assumed].begin(), consumers_[*assumed].end());
    }
    check(diagnostics);
    return widths_;
}

std::vector<int> WidthInference::inputWidths(std::size_t block) const {
    std::vector<int> widths;
    for (const Driver& d : drivers_[block]) {
        if (!d.connected())
            widths.push_back(1);  // reads the constant 0
        else
            widths.push_back(known_[d.block] ? widths_[d.block][d.output] : 0);
    }
    return widths;
}

std::optional<std::vector<int>> WidthInference::widthsOf(
    std::size_t b, std::vector<Diagnostic>& diagnostics) const {
    const RuntimeBlock& block = *blocks_[b];
    try {
        return block.outputWidths(inputWidths(b));
    } catch (const WidthError& e) {
        diagnostics.push_back(
            Diagnostic::error(block.path() + ": width mismatch: " + e.what(), {block.path()}));
        return std::nullopt;
    }
}

bool WidthInference::tryBlock(std::size_t b, std::vector<Diagnostic>& diagnostics) {
    const RuntimeBlock& block = *blocks_[b];
    std::optional<std::vector<int>> found = widthsOf(b, diagnostics);
    if (!found) {
        failed_[b] = true;
        found.emplace(block.outputCount(), 1);  // carry on, to find the other faults
    }
    std::vector<int>& widths = *found;
    if (static_cast<int>(widths.size()) != block.outputCount())
        return false;
    widths_[b] = std::move(widths);
    known_[b] = true;
    return true;
}

// Breaks a cycle whose widths wait on each other: a block with states takes the width its
// parameters give, or else (no such block left) the first waiting block takes 1. Blocks never
// lose their widths, so each scan goes on from where the last one stopped.
std::optional<std::size_t> WidthInference::assumeOne() {
    for (; statefulScan_ < blocks_.size(); ++statefulScan_) {
        const std::size_t b = statefulScan_;
        if (known_[b])
            continue;
        std::vector<int> widths = blocks_[b]->widthsFromParameters();
        if (static_cast<int>(widths.size()) == blocks_[b]->outputCount()) {
            widths_[b] = std::move(widths);
            known_[b] = true;
            return b;
        }
    }
    for (; fallbackScan_ < blocks_.size(); ++fallbackScan_) {
        const std::size_t b = fallbackScan_;
        if (known_[b])
            continue;
        widths_[b].assign(blocks_[b]->outputCount(), 1);
        known_[b] = true;
        return b;
    }
    return std::nullopt;
}

void WidthInference::check(std::vector<Diagnostic>& diagnostics) const {
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        if (failed_[b])
            continue;
        const RuntimeBlock& block = *blocks_[b];
        const std::optional<std::vector<int>> found = widthsOf(b, diagnostics);
        if (!found)
            continue;
        const std::vector<int>& widths = *found;
        for (std::size_t k = 0; k < widths.size() && k < widths_[b].size(); ++k) {
            if (widths[k] != widths_[b][k])
                diagnostics.push_back(Diagnostic::error(
                    block.path() + ": width mismatch: output " + std::to_string(k + 1) +
                        " has width " + std::to_string(widths_[b][k]) +
                        " in its loop but its inputs give " + std::to_string(widths[k]),
                    {block.path()}));
        }
    }
}

}  // namespace VTSIM
