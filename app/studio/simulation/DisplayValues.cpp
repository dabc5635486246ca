#include "simulation/DisplayValues.h"

#include <cstdio>
#include <map>

#include "BlockPathIndex.h"
#include "scope/LoggedColumn.h"
#include "vtdove/DisplayedValues.h"

namespace VantorStudio {

namespace {

// A Display deleted meanwhile takes no value: set answers false, harmlessly.
void push(const VTQUILL::ImmutableBlock& block, const std::string& text) {
    VTDove::DisplayedValues::instance().set(block, text);
}
void unpush(const VTQUILL::ImmutableBlock& block) {
    VTDove::DisplayedValues::instance().clear(block);
}

}  // namespace

DisplayValues::~DisplayValues() {
    clear();
}

void DisplayValues::runStarted(const VTSIM::CompiledModel& compiled, const VTQUILL::Model& model) {
    clear();
    std::map<std::string, std::size_t> indexOf;
    const BlockPathIndex blocks(model);
    for (std::size_t c = 0; c < compiled.columnNames.size(); ++c) {
        const std::optional<LoggedColumn> column = LoggedColumn::parse(compiled.columnNames[c]);
        if (!column || column->input != 1)
            continue;
        auto it = indexOf.find(column->blockPath);
        if (it == indexOf.end()) {
            const VTQUILL::Block block = blocks.at(column->blockPath);
            if (!block.isValid() || block.getType() != "Display")
                continue;
            const std::string format = block.getParameter("Format");
            shown_.push_back({block, {}, format, {}});
            it = indexOf.emplace(column->blockPath, shown_.size() - 1).first;
        }
        shown_[it->second].columns.push_back(c);
    }
}

void DisplayValues::refresh(const VTSIM::SimulationResults& results) {
    const std::size_t size = results.size();
    if (size == 0)
        return;
    std::vector<double> values;
    for (Shown& s : shown_) {
        values.clear();
        for (const std::size_t c : s.columns)
            values.push_back(results.value(c, size - 1));
        std::string text = format(values, s.format);
        if (text == s.text || !s.block.isValid())
            continue;
        s.text = std::move(text);
        push(s.block, s.text);
    }
}

void DisplayValues::clear() {
    for (const Shown& s : shown_) {
        if (s.block.isValid() && !s.text.empty())
            unpush(s.block);
    }
    shown_.clear();
}

std::string DisplayValues::format(const std::vector<double>& values, const std::string& format) {
    const char* pattern = format == "long" ? "%.15g" : "%.5g";
    std::string text;
    for (const double v : values) {
        char number[40];
        std::snprintf(number, sizeof number, pattern, v);
        text += (text.empty() ? "" : " ") + std::string(number);
    }
    return values.size() > 1 ? "[" + text + "]" : text;
}

}  // namespace VantorStudio
