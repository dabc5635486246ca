#include "sim/ModelCompiler.h"

#include <algorithm>
#include <unordered_map>

#include "sim/BlockFactory.h"
#include "sim/BlockParameters.h"
#include "sim/EvaluationPlan.h"
#include "sim/ExecutionOrder.h"
#include "sim/WidthInference.h"

namespace VTSIM {

namespace {

void throwOnErrors(const std::vector<Diagnostic>& diagnostics) {
    const bool failed = std::any_of(diagnostics.begin(), diagnostics.end(),
                                    [](const Diagnostic& d) { return d.isError(); });
    if (failed)
        throw SimulationError(diagnostics);
}

std::vector<std::unique_ptr<RuntimeBlock>> makeBlocks(const FlatModel& flat,
                                                      std::vector<Diagnostic>& diagnostics) {
    std::vector<std::unique_ptr<RuntimeBlock>> blocks;
    for (const FlatBlock& b : flat.blocks) {
        try {
            blocks.push_back(BlockFactory::make(b));
        } catch (const ParameterProblem& problem) {
            diagnostics.push_back(problem.diagnostic());
            blocks.push_back(nullptr);
        }
    }
    return blocks;
}

// Gives each block's outputs their ranges of the signal buffer, block by block in `order` (slot
// 0 stays 0 for inputs that nothing drives), and each input the range of the output driving it.
void assignSignals(CompiledModel& compiled, const std::vector<std::vector<Driver>>& drivers,
                   const std::vector<std::vector<int>>& widths, const std::vector<int>& order,
                   std::vector<std::unique_ptr<RuntimeBlock>>& blocks) {
    int signals = 1;
    for (const int b : order) {
        for (std::size_t k = 0; k < widths[b].size(); ++k) {
            blocks[b]->outputs[k] = {signals, widths[b][k]};
            signals += widths[b][k];
        }
    }
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (std::size_t k = 0; k < drivers[b].size(); ++k) {
            const Driver& d = drivers[b][k];
            blocks[b]->inputs[k] = d.connected() ? blocks[d.block]->outputs[d.output] : Slice{0, 1};
        }
    }
    compiled.signalCount = signals;
}

// States and zero crossings, block by block in execution order, and the lists of blocks the run
// visits.
void configureBlocks(CompiledModel& compiled, const std::vector<int>& order,
                     std::vector<std::unique_ptr<RuntimeBlock>>& blocks) {
    for (const int b : order) {
        RuntimeBlock* block = blocks[b].get();
        block->configure();
        block->stateOffset = compiled.stateCount;
        compiled.stateCount += block->stateCount();
        block->zeroCrossingOffset = compiled.zeroCrossingCount;
        compiled.zeroCrossingCount += block->zeroCrossingCount();
        block->timeEvents(compiled.timeEvents);
        if (block->outputCount() > 0)
            compiled.outputBlocks.push_back(block);
        if (block->stateCount() > 0)
            compiled.dynamicBlocks.push_back(block);
        if (block->zeroCrossingCount() > 0)
            compiled.crossingBlocks.push_back(block);
        if (block->needsStepNotice())
            compiled.stepNoticeBlocks.push_back(block);
    }
    std::sort(compiled.timeEvents.begin(), compiled.timeEvents.end());
    compiled.timeEvents.erase(std::unique(compiled.timeEvents.begin(), compiled.timeEvents.end()),
                              compiled.timeEvents.end());
}

// The layout the run reads: signals first in execution order, to configure the blocks and learn
// which of them run in batches; then again in the order the run evaluates them, so that each
// batch writes one contiguous range (a block's configuration depends only on its ranges, and
// configuring it again takes the new ones).
void layOut(CompiledModel& compiled, const std::vector<std::vector<Driver>>& drivers,
            const std::vector<std::vector<int>>& widths, const std::vector<int>& order,
            std::vector<std::unique_ptr<RuntimeBlock>>& blocks) {
    assignSignals(compiled, drivers, widths, order, blocks);
    configureBlocks(compiled, order, blocks);
    std::unordered_map<const RuntimeBlock*, int> indexOf;
    for (std::size_t b = 0; b < blocks.size(); ++b)
        indexOf.emplace(blocks[b].get(), static_cast<int>(b));
    std::vector<int> evaluation;
    for (const RuntimeBlock* block :
         EvaluationPlan::evaluationOrder(compiled.outputBlocks, compiled.signalCount))
        evaluation.push_back(indexOf.at(block));
    assignSignals(compiled, drivers, widths, evaluation, blocks);
    for (const int b : order)
        blocks[b]->configure();
}

void addColumns(CompiledModel& compiled, const std::string& name, const Slice& slice) {
    for (int i = 0; i < slice.width; ++i) {
        compiled.columnNames.push_back(slice.width == 1 ? name
                                                        : name + "[" + std::to_string(i + 1) + "]");
        compiled.columnSignals.push_back(slice.offset + (slice.width == 1 ? 0 : i));
    }
}

// Every Scope and Display input (`PATH:k`), then every top-level Output (`PATH`), each group
// sorted by full path.
void chooseColumns(CompiledModel& compiled, const FlatModel& flat,
                   const std::vector<std::unique_ptr<RuntimeBlock>>& blocks) {
    std::vector<std::size_t> viewers, outputs;
    for (std::size_t b = 0; b < flat.blocks.size(); ++b) {
        const FlatBlock& f = flat.blocks[b];
        if (f.role == FlatBlock::Role::TopOutput)
            outputs.push_back(b);
        else if (f.role == FlatBlock::Role::Compute && (f.type == "Scope" || f.type == "Display"))
            viewers.push_back(b);
    }
    const auto byPath = [&](std::size_t a, std::size_t b) {
        return flat.blocks[a].path < flat.blocks[b].path;
    };
    std::sort(viewers.begin(), viewers.end(), byPath);
    std::sort(outputs.begin(), outputs.end(), byPath);
    for (const std::size_t b : viewers) {
        for (int k = 0; k < blocks[b]->inputCount(); ++k)
            addColumns(compiled, flat.blocks[b].path + ":" + std::to_string(k + 1),
                       blocks[b]->inputs[k]);
    }
    for (const std::size_t b : outputs)
        addColumns(compiled, flat.blocks[b].path, blocks[b]->inputs[0]);
}

}  // namespace

ModelCompiler::ModelCompiler(ParameterOverrides overrides) : overrides_(std::move(overrides)) {}

std::unique_ptr<CompiledModel> ModelCompiler::compile(const VTQUILL::Model& model) const {
    std::unique_ptr<CompiledModel> compiled = compileBlocks(model);
    compiled->plan =
        EvaluationPlan(compiled->outputBlocks, compiled->dynamicBlocks, compiled->signalCount);
    return compiled;
}

std::unique_ptr<CompiledModel> ModelCompiler::compileBlocks(const VTQUILL::Model& model) const {
    FlatModel flat = SystemFlattener(overrides_).flatten(model);
    std::vector<Diagnostic> diagnostics = std::move(flat.diagnostics);
    const std::vector<std::vector<Driver>> drivers = SignalResolver(flat).resolve(diagnostics);
    std::vector<std::unique_ptr<RuntimeBlock>> blocks = makeBlocks(flat, diagnostics);
    throwOnErrors(diagnostics);

    const std::vector<std::vector<int>> widths = WidthInference(blocks, drivers).infer(diagnostics);
    const std::vector<int> order = ExecutionOrder(blocks, drivers).sort(diagnostics);
    throwOnErrors(diagnostics);

    auto compiled = std::make_unique<CompiledModel>();
    layOut(*compiled, drivers, widths, order, blocks);
    chooseColumns(*compiled, flat, blocks);
    for (const int b : order)
        compiled->blocks.push_back(std::move(blocks[b]));
    compiled->warnings = std::move(diagnostics);
    return compiled;
}

}  // namespace VTSIM
