#include "studio/SampleTimeOverlay.h"

#include <algorithm>
#include <utility>

#include "application/Application.h"
#include "dove2/Editor.h"
#include "quill/Deviant.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "rook2/TextNode.h"
#include "tools/AttachedLineSets.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

namespace {

// A node the pointer passes through: the colouring must not take a press, a double click or
// a hover meant for the block beneath it.
template <class Base>
class PassThrough : public Base {
public:
    using Base::Base;
    bool hitsContent(const PARR::GLPoint<double>&, double) const override { return false; }
};

constexpr double kTintAlpha = 0.35;
constexpr double kLegendGap = 20;  // between the lowest thing drawn and the legend
constexpr double kLegendPad = 6;
constexpr double kLegendRow = 18;
constexpr double kSwatch = 12;

std::size_t countNodes(const ROOK2::Node& node) {
    std::size_t n = 1;
    for (const PARR::Holder<ROOK2::Node>& child : node.getChildren())
        n += countNodes(*child);
    return n;
}

PARR::GLRect<double> boxOf(const VTQUILL::Block& block) {
    const PARR::GLPoint<double> at = Application::getAbsolutePosition(block);
    const PARR::GLPoint<double> size = block.getSize();
    return {at.x, at.y, size.x, size.y};
}

}  // namespace

SampleTimeOverlay::SampleTimeOverlay(DOVE2::Editor& editor) : editor_(editor) {}

SampleTimeOverlay::~SampleTimeOverlay() {
    hide();
}

void SampleTimeOverlay::toggle() {
    if (shown_)
        hide();
    else
        show();
}

void SampleTimeOverlay::show() {
    const QUILL::Model& view = editor_.getViewInstance();
    if (!editor_.getDiagram().isValid() || !view.isValid())
        return;
    view.getDeviant().registerModifierOnCommit(this);
    shown_ = true;
    refresh();
}

void SampleTimeOverlay::hide() {
    // Copied: unregistering edits the list.
    const std::vector<QUILL::Deviant*> followed = registeredWith();
    for (QUILL::Deviant* instance : followed)
        instance->unregisterModifierOnCommit(this);
    removeNodes();
    tints_.clear();
    legend_.clear();
    shown_ = false;
}

std::size_t SampleTimeOverlay::nodeCount() const {
    std::size_t n = 0;
    for (const PARR::Holder<ROOK2::Node>& node : nodes_)
        n += countNodes(*node);
    return n;
}

PARR::Color SampleTimeOverlay::colourOf(const Rate& rate, std::size_t discreteIndex) {
    static const PARR::Color discrete[] = {
        {0.10, 0.60, 0.20, kTintAlpha}, {0.55, 0.20, 0.70, kTintAlpha},
        {0.00, 0.55, 0.55, kTintAlpha}, {0.80, 0.10, 0.10, kTintAlpha},
        {0.50, 0.50, 0.00, kTintAlpha},
    };
    switch (rate.kind) {
        case Rate::Kind::Constant:
            return {0.90, 0.50, 0.00, kTintAlpha};
        case Rate::Kind::Continuous:
            return {0.10, 0.35, 0.85, kTintAlpha};
        case Rate::Kind::Discrete:
            break;
    }
    return discrete[discreteIndex % std::size(discrete)];
}

void SampleTimeOverlay::onCommit(const QUILL::ReportOfChanges<>&) {
    if (shown_)
        refresh();
}

void SampleTimeOverlay::onDeviantDestroyed(QUILL::Deviant&) {
    // The instance forgets this listener itself; only the scene is left to tidy.
    removeNodes();
    tints_.clear();
    legend_.clear();
    shown_ = false;
}

// Everything is laid out again: the rates of a block depend on lines anywhere upstream, so
// no report says which tints stay right.
void SampleTimeOverlay::refresh() {
    removeNodes();
    tints_.clear();
    legend_.clear();
    const VTQUILL::Diagram diagram(editor_.getDiagram());
    if (!diagram.isValid())
        return;
    const VTSIM::SampleTimes times = VTSIM::SampleTimes::of(diagram.getModel());
    std::vector<std::pair<VTQUILL::Block, Rate>> shown;
    std::vector<double> periods;
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        const Rate rate = times.rateOf(block.getFullPathName());
        if (rate.kind == Rate::Kind::Discrete)
            periods.push_back(rate.period);
        shown.emplace_back(block, rate);
    }
    std::sort(periods.begin(), periods.end());
    periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
    const auto discreteIndex = [&periods](const Rate& rate) {
        return static_cast<std::size_t>(
            std::lower_bound(periods.begin(), periods.end(), rate.period) - periods.begin());
    };
    PARR::GLRect<double> blocks;
    for (const auto& [block, rate] : shown) {
        tints_.push_back(
            {block.getFullPathName(), rate, boxOf(block), colourOf(rate, discreteIndex(rate))});
        addTint(tints_.back());
        blocks = unitedBoxes(blocks, tints_.back().box);
    }
    std::vector<std::pair<std::string, PARR::Color>> entries;
    for (const Rate rate : {Rate::continuous(), Rate::constant()}) {
        if (std::any_of(shown.begin(), shown.end(),
                        [&](const auto& s) { return s.second == rate; }))
            entries.emplace_back(rate.label(), colourOf(rate));
    }
    for (std::size_t k = 0; k < periods.size(); ++k)
        entries.emplace_back(Rate::discrete(periods[k]).label(),
                             colourOf(Rate::discrete(periods[k]), k));
    if (!entries.empty())
        addLegend(entries, blocks);
}

void SampleTimeOverlay::removeNodes() {
    if (ROOK2::Scene* scene = editor_.getScene()) {
        scene->removeNodes(nodes_);
    } else {
        for (const PARR::Holder<ROOK2::Node>& node : nodes_)
            node->remove();
    }
    nodes_.clear();
}

void SampleTimeOverlay::addTint(const Tint& tint) {
    ROOK2::Scene* scene = editor_.getScene();
    if (!scene)
        return;
    PARR::Holder<ROOK2::Node> node(new PassThrough<ROOK2::RectNode>(tint.box));
    node->setFill(ROOK2::Fill(tint.colour));
    nodes_.push_back(scene->addNode(node));
}

void SampleTimeOverlay::addLegend(const std::vector<std::pair<std::string, PARR::Color>>& entries,
                                  const PARR::GLRect<double>& blocks) {
    legend_.clear();
    for (const auto& entry : entries)
        legend_.push_back(entry.first);
    ROOK2::Scene* scene = editor_.getScene();
    if (!scene)
        return;
    PARR::Holder<ROOK2::RectNode> frame(new PassThrough<ROOK2::RectNode>());
    // Below everything the diagram draws (lines may run below the lowest block).
    const PARR::GLRect<double> drawn = scene->itemsBoundingRect();
    const double below =
        std::max(blocks.bottom(), drawn.isEmpty() ? blocks.bottom() : drawn.bottom());
    frame->setPosition({blocks.left(), below + kLegendGap});
    frame->setFill(ROOK2::Fill(PARR::Color(1, 1, 1)));
    frame->setStroke(ROOK2::Stroke(PARR::Color(0.4, 0.4, 0.4), 0, ROOK2::Stroke::Solid, 0, 0));
    double textWidth = 0;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const double top = kLegendPad + k * kLegendRow;
        PARR::Holder<ROOK2::Node> swatch(new PassThrough<ROOK2::RectNode>(
            PARR::GLRect<double>(kLegendPad, top, kSwatch, kSwatch)));
        swatch->setFill(ROOK2::Fill(entries[k].second));
        swatch->setParent(frame.get());
        PARR::Holder<ROOK2::TextNode> label(new PassThrough<ROOK2::TextNode>(entries[k].first));
        label->setPosition({2 * kLegendPad + kSwatch, top - 2});
        label->setParent(frame.get());
        textWidth = std::max(textWidth, label->contentRect().width);
    }
    frame->setRect({0, 0, 3 * kLegendPad + kSwatch + textWidth,
                    2 * kLegendPad + entries.size() * kLegendRow - (kLegendRow - kSwatch)});
    nodes_.push_back(scene->addNode(PARR::Holder<ROOK2::Node>(frame)));
}

}  // namespace Vantor
