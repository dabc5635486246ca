#include "sim/blocks/ConstantBlock.h"

#include <algorithm>

namespace VTSIM {

ConstantBlock::ConstantBlock(std::string path, std::vector<double> value)
    : RuntimeBlock(std::move(path), 0, 1), value_(std::move(value)) {}

std::vector<int> ConstantBlock::outputWidths(const std::vector<int>&) const {
    return {static_cast<int>(value_.size())};
}

void ConstantBlock::output(EvalState& s) const {
    std::copy(value_.begin(), value_.end(), out(s));
}

std::optional<ScalarForm> ConstantBlock::scalarForm() const {
    if (value_.size() != 1)
        return std::nullopt;
    return ScalarForm{ScalarForm::Shape::Fixed, 0, 0, value_[0], 0};
}

}  // namespace VTSIM
