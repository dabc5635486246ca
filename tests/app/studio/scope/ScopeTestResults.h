#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sim/SimulationResults.h"

namespace ScopeTest {

// Builds the results of a run sample by sample:
//   ResultsBuilder({"a/Scope:1"}).sample(0, {1.5}).sample(0.1, {2}).build()
class ResultsBuilder {
public:
    explicit ResultsBuilder(std::vector<std::string> columns)
        : results_(std::make_shared<VTSIM::SimulationResults>(std::move(columns))) {}

    ResultsBuilder& sample(double time, const std::vector<double>& values) {
        results_->append(time, values.data(), true);
        return *this;
    }
    // `count` samples of one column at times start + i * step, values f(i).
    template <typename F>
    ResultsBuilder& samples(std::size_t count, double start, double step, F f) {
        for (std::size_t i = 0; i < count; ++i) {
            const double value = f(i);
            results_->append(start + double(i) * step, &value, true);
        }
        return *this;
    }
    std::shared_ptr<VTSIM::SimulationResults> build() const { return results_; }

private:
    std::shared_ptr<VTSIM::SimulationResults> results_;
};

}  // namespace ScopeTest
