#include "vtquill/file/ModelGenerator.h"

#include <algorithm>
#include <cmath>

#include "quill/Transaction.h"
#include "vtdove/BlockLibrary.h"

namespace VTQUILL::File {

namespace {

constexpr double kRowHeight = 120;
constexpr double kGap = 50;
constexpr double kJointOffset = 15;
constexpr double kFeedbackDrop = 30;
constexpr double kScopeDrop = 60;

const std::vector<std::pair<const char*, int>>& sources() {
    static const std::vector<std::pair<const char*, int>> types{
        {"Step", 3}, {"Constant", 2}, {"Sine", 2}};
    return types;
}

const std::vector<std::pair<const char*, int>>& middles() {
    static const std::vector<std::pair<const char*, int>> types{
        {"Gain", 6},       {"Integrator", 3}, {"Transfer Function", 3}, {"Saturation", 2},
        {"Derivative", 1}, {"Sum", 3},        {"Product", 1},           {"Subsystem", 1}};
    return types;
}

const std::vector<std::pair<const char*, int>>& sinks() {
    static const std::vector<std::pair<const char*, int>> types{
        {"Scope", 4}, {"Display", 1}, {"", 1}};  // "": the row ends in a free line end
    return types;
}

}  // namespace

VTQUILL::Model ModelGenerator::generate(const std::string& name, std::size_t blocks,
                                        std::uint32_t seed) {
    VTQUILL::Model model = VTQUILL::Factory::createNewModel(name);
    try {
        QUILL::Transaction tx(model);
        ModelGenerator generator(model.getDiagrams().front(), seed);
        for (std::size_t row = 0; generator.made_ < blocks; ++row) {
            const std::size_t length = 6 + generator.random_() % 7;
            generator.buildRow(row, std::min(length, blocks - generator.made_));
        }
        tx.commit();
    } catch (...) {
        model.close();
        throw;
    }
    return model;
}

ModelGenerator::ModelGenerator(VTQUILL::Diagram diagram, std::uint32_t seed)
    : diagram_(std::move(diagram)), random_(seed) {}

std::string ModelGenerator::pick(const std::vector<std::pair<const char*, int>>& weighted) {
    int total = 0;
    for (const auto& [type, weight] : weighted)
        total += weight;
    int roll = static_cast<int>(random_() % static_cast<unsigned>(total));
    for (const auto& [type, weight] : weighted) {
        if (roll < weight)
            return type;
        roll -= weight;
    }
    return weighted.back().first;
}

std::vector<std::string> ModelGenerator::planRow(std::size_t length) {
    std::vector<std::string> types{pick(sources())};
    while (types.size() + 1 < length)
        types.push_back(pick(middles()));
    if (length > 1) {
        const std::string sink = pick(sinks());
        types.push_back(sink.empty() ? pick(middles()) : sink);
        if (sink.empty())
            types.push_back("");  // marks the free end after the last block
    }
    return types;
}

void ModelGenerator::buildRow(std::size_t row, std::size_t length) {
    const double rowY = 60 + kRowHeight * static_cast<double>(row);
    std::vector<std::string> plan = planRow(length);
    const bool freeEnd = plan.back().empty();
    if (freeEnd)
        plan.pop_back();
    std::vector<Placed> placed;
    double x = 40;
    for (const std::string& type : plan) {
        placed.push_back(place(type, x, rowY));
        x += placed.back().block.getSize().x + kGap;
    }
    for (std::size_t k = 0; k + 1 < placed.size(); ++k)
        connect(placed, k, rowY);
    for (const Placed& p : placed)
        feedFreeInputs(p);
    if (freeEnd || placed.size() == 1)
        endFree(placed.back());
}

ModelGenerator::Placed ModelGenerator::place(const std::string& type, double x, double rowY) {
    const VTDove::BlockLibrary& library = VTDove::BlockLibrary::instance();
    const double height = library.find(type)->defaultSize.y;
    Placed p{library.instantiate(diagram_, type, nextName(type), {x, rowY - height / 2}), {}, {}};
    made_ += 1 + (p.block.isSubsystem() ? p.block.getSubsystemDiagram().getBlocks().size() : 0);
    for (const VTQUILL::Port& port : p.block.getContained())
        (port.getType() == kInPort ? p.ins : p.outs).push_back(port);
    return p;
}

std::string ModelGenerator::nextName(const std::string& type) {
    std::string name = type;
    std::erase(name, ' ');
    return name + std::to_string(++names_);
}

void ModelGenerator::connect(const std::vector<Placed>& row, std::size_t k, double rowY) {
    const Placed& from = row[k];
    const Placed& next = row[k + 1];
    if (from.outs.empty() || next.ins.empty())
        return;
    const bool feedsSum = k + 2 < row.size() && row[k + 2].ins.size() >= 2;
    const bool crossedByFeedback = next.ins.size() >= 2;
    if (feedsSum) {
        connectWithFeedback(from, next, row[k + 2], rowY);
    } else if (!crossedByFeedback && random_() % 7 == 0) {
        connectWithScope(from, next, rowY);
    } else {
        wire(diagram_.addLine(kSignalLine), from.outs.front(), next.ins.front(),
             step(absolute(from.outs.front()), absolute(next.ins.front())));
    }
}

void ModelGenerator::connectWithFeedback(const Placed& from, const Placed& next, const Placed& sum,
                                         double rowY) {
    const VTQUILL::Line line = diagram_.addLine(kSignalLine);
    const PARR::GLPoint<double> start = absolute(from.outs.front());
    const VTQUILL::SolderJoint joint = line.addSolderJoint({start.x + kJointOffset, start.y});
    wire(line, from.outs.front(), joint, {});
    wire(line, joint, next.ins.front(), step(joint.getPosition(), absolute(next.ins.front())));
    const PARR::GLPoint<double> target = absolute(sum.ins[1]);
    const double below = rowY + kFeedbackDrop;
    const double beforeSum = target.x - kJointOffset;
    wire(line, joint, sum.ins[1],
         {{joint.getPosition().x, below}, {beforeSum, below}, {beforeSum, target.y}});
}

void ModelGenerator::connectWithScope(const Placed& from, const Placed& next, double rowY) {
    const VTQUILL::Line line = diagram_.addLine(kSignalLine);
    const PARR::GLPoint<double> start = absolute(from.outs.front());
    const VTQUILL::SolderJoint joint = line.addSolderJoint({start.x + kJointOffset, start.y});
    wire(line, from.outs.front(), joint, {});
    wire(line, joint, next.ins.front(), step(joint.getPosition(), absolute(next.ins.front())));
    const Placed scope = place("Scope", joint.getPosition().x + 25, rowY + kScopeDrop - 16);
    wire(line, joint, scope.ins.front(), {{joint.getPosition().x, absolute(scope.ins[0]).y}});
}

void ModelGenerator::feedFreeInputs(const Placed& block) {
    // An input nothing drives gets a short line with a free start, as a user leaves one
    // while wiring.
    for (const VTQUILL::Port& in : block.ins) {
        if (in.hasEdge())
            continue;
        const VTQUILL::Segment s = diagram_.addLine(kSignalLine).addSegment();
        const PARR::GLPoint<double> at = absolute(in);
        s.addSrcTerminator({at.x - 25, at.y});
        s.setDstElement(in);
    }
}

void ModelGenerator::endFree(const Placed& last) {
    if (last.outs.empty() || last.outs.front().hasEdge())
        return;
    const VTQUILL::Segment s = diagram_.addLine(kSignalLine).addSegment();
    const PARR::GLPoint<double> at = absolute(last.outs.front());
    s.setSrcElement(last.outs.front());
    s.addDstTerminator({at.x + 40, at.y});
}

VTQUILL::Segment ModelGenerator::wire(const VTQUILL::Line& line,
                                      const QUILL::ImmutableClassObject& from,
                                      const QUILL::ImmutableClassObject& to, PARR::Path vertices) {
    const VTQUILL::Segment s = line.addSegment();
    s.setSrcElement(from);
    s.setDstElement(to);
    s.setPath(vertices);
    return s;
}

PARR::GLPoint<double> ModelGenerator::absolute(const VTQUILL::Port& port) {
    return port.getContainer().getPosition() + port.getPosition();
}

PARR::Path ModelGenerator::step(PARR::GLPoint<double> a, PARR::GLPoint<double> b) {
    if (a.y == b.y)
        return {};
    const double middle = std::round((a.x + b.x) / 2);
    return {{middle, a.y}, {middle, b.y}};
}

}  // namespace VTQUILL::File
