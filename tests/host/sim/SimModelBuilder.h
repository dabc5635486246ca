#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "quill/Transaction.h"
#include "sim/ModelCompiler.h"
#include "sim/SimulationResults.h"
#include "sim/Simulator.h"
#include "vtdove/BlockLibrary.h"
#include "vtdove/SubsystemPorts.h"
#include "vtquill/VTQuill.h"

namespace SimTest {

// Builds models to run, with the library's blocks (their ports and default parameters), in one
// open transaction on a new model that is committed before a run:
//   SimModelBuilder m("lag");
//   auto step = m.add("Step", "U", {{"Time", "0"}});
//   auto lag = m.add("Transfer Function", "G", {{"Denominator", "[2 1]"}});
//   m.wire(step, lag);
//   m.wire(lag, m.add("Scope", "Y"));
//   auto run = m.run(settings);
class SimModelBuilder {
public:
    using Parameters = std::vector<std::pair<std::string, std::string>>;

    explicit SimModelBuilder(const std::string& name = "m")
        : model_(VTQUILL::Factory::createNewModel(name)),
          top_(model_.getDiagrams().front()),
          tx_(std::make_unique<QUILL::Transaction>(model_)) {}
    ~SimModelBuilder() {
        tx_.reset();
        model_.close();
    }
    SimModelBuilder(const SimModelBuilder&) = delete;
    SimModelBuilder& operator=(const SimModelBuilder&) = delete;

    const VTQUILL::Model& model() const { return model_; }
    const VTQUILL::Diagram& top() const { return top_; }

    // A library block in `diagram` (the top one by default) with parameters set over its
    // defaults.
    VTQUILL::Block add(const std::string& type, const std::string& name,
                       const Parameters& parameters = {}) {
        return addIn(top_, type, name, parameters);
    }
    VTQUILL::Block addIn(const VTQUILL::Diagram& diagram, const std::string& type,
                         const std::string& name, const Parameters& parameters = {}) {
        const VTQUILL::Block b =
            VTDove::BlockLibrary::instance().instantiate(diagram, type, name, {0, 0});
        for (const auto& [key, value] : parameters)
            b.setParameter(key, value);
        return b;
    }
    // Gives `block` more ports of `kind` until it has `count` of them (the library makes a
    // Sum, Mux or Demux with two; the studio adds ports as their parameters ask).
    void growPorts(const VTQUILL::Block& block, const char* kind, int count) {
        int have = 0;
        for (const VTQUILL::Port& p : block.getContained())
            have += p.getType() == kind ? 1 : 0;
        const bool in = std::string(kind) == VTQUILL::kInPort;
        for (; have < count; ++have)
            block.addPort(kind, {in ? 0.0 : 30.0, 5.0 * have}, in ? 180 : 0);
    }
    // A subsystem of `type` with `inputs` Input and `outputs` Output blocks inside (named
    // In1.., Out1..) and no lines inside; masked types keep their mask.
    VTQUILL::Block subsystem(const VTQUILL::Diagram& diagram, const std::string& type,
                             const std::string& name, int inputs, int outputs,
                             const Parameters& parameters = {}) {
        const VTQUILL::Block b = addIn(diagram, type, name, parameters);
        const VTQUILL::Diagram inner = b.getSubsystemDiagram();
        for (const VTQUILL::Line& line : inner.getLines())
            line.destroy();
        for (const VTQUILL::Block& block : inner.getBlocks())
            block.destroy();
        for (int k = 1; k <= inputs; ++k)
            addIn(inner, "Input", "In" + std::to_string(k), {{"Port", std::to_string(k)}});
        for (int k = 1; k <= outputs; ++k)
            addIn(inner, "Output", "Out" + std::to_string(k), {{"Port", std::to_string(k)}});
        VTDove::syncSubsystemPorts(b);
        return b;
    }
    // The inner Input (Output) block k (1-based) of a subsystem made by `subsystem`.
    VTQUILL::Block inputOf(const VTQUILL::Block& sub, int k) const {
        return blockNamed(sub.getSubsystemDiagram(), "In" + std::to_string(k));
    }
    VTQUILL::Block outputOf(const VTQUILL::Block& sub, int k) const {
        return blockNamed(sub.getSubsystemDiagram(), "Out" + std::to_string(k));
    }

    // A one-segment line from output `out` of `from` to input `in` of `to` (1-based), in the
    // diagram holding `from`.
    void wire(const VTQUILL::Block& from, const VTQUILL::Block& to, int out = 1, int in = 1) {
        const VTQUILL::Line line = from.getDiagram().addLine(VTQUILL::kSignalLine);
        const VTQUILL::Segment s = line.addSegment();
        s.setSrcElement(port(from, VTQUILL::kOutPort, out));
        s.setDstElement(port(to, VTQUILL::kInPort, in));
    }
    // One line from output `out` of `from` branching at a solder joint into each (block, input).
    void fan(const VTQUILL::Block& from, std::vector<std::pair<VTQUILL::Block, int>> targets,
             int out = 1) {
        const VTQUILL::Line line = from.getDiagram().addLine(VTQUILL::kSignalLine);
        const VTQUILL::SolderJoint joint = line.addSolderJoint({0, 0});
        const VTQUILL::Segment trunk = line.addSegment();
        trunk.setSrcElement(port(from, VTQUILL::kOutPort, out));
        trunk.setDstElement(joint);
        for (const auto& [to, in] : targets) {
            const VTQUILL::Segment branch = line.addSegment();
            branch.setSrcElement(joint);
            branch.setDstElement(port(to, VTQUILL::kInPort, in));
        }
    }

    // Compiles and runs the model; the results hold every logged column.
    struct Run {
        std::unique_ptr<VTSIM::CompiledModel> compiled;
        std::unique_ptr<VTSIM::SimulationResults> results;
        VTSIM::RunOutcome outcome;

        // The column of that name; fails the test when there is none.
        std::size_t column(const std::string& name) const {
            const auto& names = results->columnNames();
            for (std::size_t c = 0; c < names.size(); ++c) {
                if (names[c] == name)
                    return c;
            }
            ADD_FAILURE() << "no column " << name;
            return 0;
        }
        double last(const std::string& name) const {
            return results->value(column(name), results->size() - 1);
        }
        // The value of the column at the sample whose time is exactly `t` (the last such).
        double at(const std::string& name, double t) const {
            const std::size_t c = column(name);
            for (std::size_t i = results->size(); i-- > 0;) {
                if (results->time(i) == t)
                    return results->value(c, i);
            }
            ADD_FAILURE() << "no sample at t = " << t;
            return NAN;
        }
    };
    // Commits what was built (a model to save or compile).
    void commit() {
        tx_->commit();
        tx_ = std::make_unique<QUILL::Transaction>(model_);
    }
    std::unique_ptr<VTSIM::CompiledModel> compile(const VTSIM::ParameterOverrides& overrides = {}) {
        commit();
        return VTSIM::ModelCompiler(overrides).compile(model_);
    }
    Run run(const VTSIM::SimulationSettings& settings,
            const VTSIM::ParameterOverrides& overrides = {}) {
        Run r;
        r.compiled = compile(overrides);
        r.results = std::make_unique<VTSIM::SimulationResults>(r.compiled->columnNames);
        r.outcome = VTSIM::Simulator(*r.compiled, settings, *r.results).run();
        return r;
    }

private:
    static VTQUILL::Port port(const VTQUILL::Block& block, const char* kind, int k) {
        int seen = 0;
        for (const VTQUILL::Port& p : block.getContained()) {
            if (p.getType() == kind && ++seen == k)
                return p;
        }
        throw std::logic_error(block.getName() + " has no port " + std::to_string(k));
    }
    static VTQUILL::Block blockNamed(const VTQUILL::Diagram& diagram, const std::string& name) {
        for (const VTQUILL::Block& b : diagram.getBlocks()) {
            if (b.getName() == name)
                return b;
        }
        throw std::logic_error("no block " + name);
    }

    VTQUILL::Model model_;
    VTQUILL::Diagram top_;
    std::unique_ptr<QUILL::Transaction> tx_;
};

}  // namespace SimTest
