#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "vtquill/VTQuill.h"

namespace VTQUILL::File {

// Makes large, realistic models for tests and benchmarks: rows of library blocks joined by
// signal lines, left to right, each row starting at a source and ending at a sink or at a
// free line end; a Sum or Product takes its second input from a branch (through a solder
// joint) of the line two blocks back, some lines branch down to a Scope, a few blocks are
// subsystems (with the library's inner diagram). Ports sit where the library puts them and
// routes are axis-parallel. The same block count and seed always give the same model.
class ModelGenerator {
public:
    // A new root model named `name` with at least `blocks` blocks (counting those inside
    // subsystems) in one top-level diagram, built in one transaction. The caller owns the
    // model and closes it when done.
    static VTQUILL::Model generate(const std::string& name, std::size_t blocks, std::uint32_t seed);

private:
    struct Placed {
        VTQUILL::Block block;
        std::vector<VTQUILL::Port> ins;
        std::vector<VTQUILL::Port> outs;
    };

    ModelGenerator(VTQUILL::Diagram diagram, std::uint32_t seed);

    void buildRow(std::size_t row, std::size_t length);
    std::vector<std::string> planRow(std::size_t length);
    std::string pick(const std::vector<std::pair<const char*, int>>& weighted);
    Placed place(const std::string& type, double x, double rowY);
    void connect(const std::vector<Placed>& row, std::size_t k, double rowY);
    void connectWithFeedback(const Placed& from, const Placed& next, const Placed& sum,
                             double rowY);
    void connectWithScope(const Placed& from, const Placed& next, double rowY);
    void feedFreeInputs(const Placed& block);
    void endFree(const Placed& last);
    VTQUILL::Segment wire(const VTQUILL::Line& line, const QUILL::ImmutableClassObject& from,
                          const QUILL::ImmutableClassObject& to, PARR::Path vertices);
    std::string nextName(const std::string& type);

    static PARR::GLPoint<double> absolute(const VTQUILL::Port& port);
    // The interior vertices of a left-to-right route from `a` to `b` with one vertical step.
    static PARR::Path step(PARR::GLPoint<double> a, PARR::GLPoint<double> b);

    VTQUILL::Diagram diagram_;
    std::mt19937 random_;
    std::size_t made_ = 0;
    std::size_t names_ = 0;
};

}  // namespace VTQUILL::File
