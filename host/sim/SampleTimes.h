#pragma once

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "quill/ObjectId.h"
#include "sim/Diagnostic.h"
#include "sim/FlatModel.h"
#include "sim/SignalResolver.h"
#include "vtquill/VTQuill.h"

namespace VTSIM {

// The rate at which each block of a model computes, as the engine sees the model:
//  - "constant": a Constant block, and a memoryless block (Gain, Sum, Product, Mux, Demux,
//    Saturation, Switch) whose inputs are all constant (an undriven input reads 0, so counts
//    as constant); an Input block at the top level (it reads 0);
//  - "continuous": every other computing block (states or time dependence: Integrator,
//    Transfer Function, Derivative, Sine, Step) and whatever a continuous signal feeds;
//  - discrete rates, one per sample period, for blocks that sample (none of our block types
//    does yet: the classification leaves room for them).
// Sinks (Scope, Display, Output) and a subsystem's Input blocks take the rate of what drives
// them; a subsystem block combines the rates of the blocks inside it (a configurable subsystem:
// those of its chosen block). Combining: constant adds nothing, equal discrete rates stay,
// anything else is continuous.
//
// The analysis uses the compile's own first steps (SystemFlattener, SignalResolver), so lines
// are followed exactly as a run follows them. A model that does not compile still gets every
// rate that can be told: a block that cannot run (a chart, an unknown type) and whatever it
// drives is continuous; an algebraic loop is no obstacle. Nothing is thrown: a failure of the
// analysis itself becomes a diagnostic, and the blocks it could not rate fall back to
// continuous.
class SampleTimes {
public:
    struct Rate {
        enum class Kind { Constant, Discrete, Continuous };

        Kind kind = Kind::Continuous;
        double period = 0.0;  // seconds between samples; 0 unless Discrete

        static Rate constant() { return {Kind::Constant, 0.0}; }
        static Rate continuous() { return {Kind::Continuous, 0.0}; }
        static Rate discrete(double period) { return {Kind::Discrete, period}; }
        // The rate of a signal computed from two signals of rates `a` and `b`.
        static Rate combine(const Rate& a, const Rate& b);
        // "constant", "continuous", or "discrete <period>" (period with up to 6 digits).
        std::string label() const;
        bool operator==(const Rate&) const = default;
    };

    // Analyses `model` as the given instance (root or working copy) shows it. Never throws.
    static SampleTimes of(const VTQUILL::Model& model);

    // The rate of the block with that full path (VTQUILL::Block::getFullPathName); continuous
    // for a path the analysis does not know.
    Rate rateOf(const std::string& path) const;
    // Every block of the model at any depth (inside charts excepted), by full path.
    const std::map<std::string, Rate>& rates() const { return rates_; }
    // What the analysis met on the way: the compile steps' warnings and errors (a model that
    // cannot run says why here), and a failure of the analysis itself.
    const std::vector<Diagnostic>& diagnostics() const { return diagnostics_; }

private:
    // A subsystem and the blocks inside it whose rates make its own.
    struct Subsystem {
        VTQUILL::ImmutableBlock block;
        std::vector<VTQUILL::ImmutableBlock> counted;
    };

    // The steps of `of`, in order.
    void analyse(const VTQUILL::Model& model);
    void collectBlocks(const VTQUILL::ImmutableDiagram& diagram, bool runs);
    void collectBlock(const VTQUILL::ImmutableBlock& block, bool runs);
    void collectConfigurable(const VTQUILL::ImmutableBlock& block);
    void addPassThroughBlocks(FlatModel& flat) const;
    void addBlocksThatCannotRun(FlatModel& flat) const;
    void rateFlatBlocks(const FlatModel& flat, const std::vector<std::vector<Driver>>& drivers,
                        std::size_t firstThatCannotRun);
    void rateSubsystems();
    void rateTheRest();

    std::unordered_set<QUILL::ObjectId> flattened_;   // blocks the flattener kept
    std::vector<VTQUILL::ImmutableBlock> all_;        // every block, in walk order
    std::vector<VTQUILL::ImmutableBlock> inputs_;     // Input blocks inside running subsystems
    std::vector<VTQUILL::ImmutableBlock> outputs_;    // Output blocks inside running subsystems
    std::vector<VTQUILL::ImmutableBlock> cannotRun_;  // blocks of running diagrams, not runnable
    std::vector<Subsystem> subsystems_;               // inner ones before outer ones
    std::map<std::string, Rate> rates_;
    std::vector<Diagnostic> diagnostics_;
};

}  // namespace VTSIM
