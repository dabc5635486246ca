// Blocks drawn by the engine through the block render cache: a block-diagram editor opened
// through the module on generated diagrams, every block drawn once into its recorded layers.
//  - Repainting the layers of 1,000 visible blocks from the canvas's images of them
//    (CustomNodeCache) against replaying their recorded pictures: at most 1/10 of the time.
//  - Opening a 10,000-block diagram with every block drawn: under 2 s, and no scene node
//    left for a layer that draws nothing ("empty layer nodes" below 1).
//  - Repainting a 10,000-block diagram fitted into the view: under 100 ms once its images
//    are made (the first paint at a new zoom, which makes them, is reported alongside).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "BenchGoal.h"
#include "main/initialize.h"
#include "renderer/BlockModifyListener.h"
#include "renderer/LayerPainter.h"
#include "rook2/CustomNode.h"
#include "rook2/CustomNodeCache.h"
#include "rook2/Scene.h"
#include "rook2/ScenePainter.h"
#include "studio/Editor.h"
#include "support/QtTestApplication.h"
#include "support/RunningStudio.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

using VantorRenderer::DOVERenderAdapter;

constexpr int kViewWidth = 1600;
constexpr int kViewHeight = 1000;

// A generated model of `blocks` blocks opened in a module editor.
class OpenDiagram {
public:
    explicit OpenDiagram(std::size_t blocks)
        : model(VTQUILL::File::ModelGenerator::generate("generated", blocks, 7)) {
        initialize_vt_datamodel();
        initialize_vt_editor();
        PARR::ErrorHolder errors;
        editor = dynamic_cast<Vantor::Editor*>(
            running->app().openEditor(model.getDiagrams().front(), errors));
    }
    ~OpenDiagram() {
        running.reset();
        model.close();
    }

    ROOK2::Scene& scene() const { return *editor->getScene(); }
    // The painter transform that fits the whole diagram into the view.
    QTransform fitToView() const {
        const PARR::GLRect<double> all = scene().itemsBoundingRect();
        const double scale = std::min(kViewWidth / all.width, kViewHeight / all.height);
        QTransform t;
        t.scale(scale, scale);
        t.translate(-all.x, -all.y);
        return t;
    }
    PARR::GLRect<double> everything() const { return scene().itemsBoundingRect(); }

    VTQUILL::Model model;
    std::unique_ptr<TestSupport::RunningStudio<>> running =
        std::make_unique<TestSupport::RunningStudio<>>();
    Vantor::Editor* editor = nullptr;
};

void paintScene(const OpenDiagram& open, ROOK2::ScenePainter& scenePainter, QImage& view) {
    view.fill(Qt::white);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(open.fitToView());
    scenePainter.paint(painter, open.everything());
}

// The layer nodes of the diagram's blocks, each with the place in the view it is painted at
// (zoom 1, blocks laid out on a grid that fills the view, so all are visible).
struct VisibleLayer {
    const ROOK2::CustomNode* node;
    QTransform at;
};

std::vector<VisibleLayer> visibleLayers(const OpenDiagram& open) {
    std::vector<VisibleLayer> layers;
    const VantorRenderer::BlockModifyListener& listener = *open.editor->getModifyListener();
    int index = 0;
    for (const VTQUILL::Block& block : open.model.getDiagrams().front().getBlocks()) {
        const auto entry = listener.getRenderEntry(block);
        if (!entry)
            continue;
        QTransform at;
        at.translate((index % 32) * 50.0 + 5, (index / 32 % 32) * 31.0 + 5);
        ++index;
        for (const auto& child : entry->getRoot()->getChildren()) {
            if (const auto* node = dynamic_cast<const ROOK2::CustomNode*>(child.get()))
                layers.push_back({node, at});
        }
    }
    return layers;
}

void BM_RepaintCachedBlocks(benchmark::State& state) {
    const OpenDiagram open(static_cast<std::size_t>(state.range(0)));
    const std::vector<VisibleLayer> layers = visibleLayers(open);
    ROOK2::CustomNodeCache cache;
    QImage view(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    const auto repaint = [&] {
        view.fill(Qt::white);
        QPainter painter(&view);
        painter.setRenderHint(QPainter::Antialiasing);
        cache.beginFrame();
        for (const VisibleLayer& layer : layers) {
            painter.setTransform(layer.at);
            cache.draw(painter, *layer.node);
        }
        cache.endFrame();
    };
    repaint();  // makes the images
    for (auto _ : state)
        repaint();
    state.counters["layers"] = static_cast<double>(layers.size());
    // A block's layers share one image when they share a transform.
    state.counters["images"] = static_cast<double>(cache.size());
}
BENCHMARK(BM_RepaintCachedBlocks)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same layers replayed from their recorded pictures at every repaint.
void BM_ReplayBlockPictures(benchmark::State& state) {
    const OpenDiagram open(static_cast<std::size_t>(state.range(0)));
    const std::vector<VisibleLayer> layers = visibleLayers(open);
    QImage view(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.fill(Qt::white);
        QPainter painter(&view);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const VisibleLayer& layer : layers) {
            painter.save();
            painter.setTransform(layer.at);
            layer.node->getPainter()->paint(&painter);
            painter.restore();
        }
    }
    state.counters["layers"] = static_cast<double>(layers.size());
}
BENCHMARK(BM_ReplayBlockPictures)->Arg(1000)->Unit(benchmark::kMillisecond);

// Custom nodes at or below `node` whose layer records nothing.
int emptyLayerNodes(const ROOK2::Node& node) {
    int empty = 0;
    if (const auto* custom = dynamic_cast<const ROOK2::CustomNode*>(&node)) {
        const auto* painter =
            dynamic_cast<const VantorRenderer::LayerPainter*>(custom->getPainter().get());
        if (painter && painter->getAdapter()->isLayerEmpty(painter->getLayer()))
            ++empty;
    }
    for (const auto& child : node.getChildren())
        empty += emptyLayerNodes(*child);
    return empty;
}

void BM_OpenWithEveryBlockDrawn(benchmark::State& state) {
    initialize_vt_datamodel();
    initialize_vt_editor();
    VTQUILL::Model model = VTQUILL::File::ModelGenerator::generate(
        "generated", static_cast<std::size_t>(state.range(0)), 7);
    std::uint64_t renders = 0;
    int empty = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto running = std::make_unique<TestSupport::RunningStudio<>>();
        PARR::ErrorHolder errors;
        state.ResumeTiming();
        auto* editor = dynamic_cast<Vantor::Editor*>(
            running->app().openEditor(model.getDiagrams().front(), errors));
        state.PauseTiming();
        if (!editor || !editor->getModifyListener()) {
            state.SkipWithError("no block render cache");
            break;
        }
        renders = editor->getModifyListener()->getRenderCount();
        empty = 0;
        for (const auto& top : editor->getScene()->getTopLevelNodes())
            empty += emptyLayerNodes(*top);
        running.reset();
        state.ResumeTiming();
    }
    model.close();
    state.counters["renders"] = static_cast<double>(renders);
    state.counters["empty layer nodes"] = empty;
}
BENCHMARK(BM_OpenWithEveryBlockDrawn)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_FitToViewRepaint(benchmark::State& state) {
    const OpenDiagram open(static_cast<std::size_t>(state.range(0)));
    ROOK2::ScenePainter scenePainter(open.scene());
    scenePainter.setSelectionFeedback(false);
    QImage view(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    paintScene(open, scenePainter, view);
    for (auto _ : state)
        paintScene(open, scenePainter, view);
    state.counters["painted nodes"] = static_cast<double>(scenePainter.lastPaintedCount());
}
BENCHMARK(BM_FitToViewRepaint)->Arg(10000)->Unit(benchmark::kMillisecond);

// The first paint after the zoom changed: every layer's image is made again.
void BM_FitToViewFirstRepaint(benchmark::State& state) {
    const OpenDiagram open(static_cast<std::size_t>(state.range(0)));
    QImage view(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        ROOK2::ScenePainter scenePainter(open.scene());
        scenePainter.setSelectionFeedback(false);
        paintScene(open, scenePainter, view);
    }
}
BENCHMARK(BM_FitToViewFirstRepaint)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

[[maybe_unused]] const bool kGoals =
    BenchGoal::ratioAtMost("repaint of 1,000 cached blocks over replaying their pictures",
                           "BM_RepaintCachedBlocks/1000", "BM_ReplayBlockPictures/1000", 0.1) &&
    BenchGoal::timeBelow("open a 10,000-block diagram with every block drawn",
                         "BM_OpenWithEveryBlockDrawn/10000/iterations:2/real_time", 2, "s",
                         BenchGoal::Clock::Real) &&
    BenchGoal::counterBelow("no scene node for an empty layer",
                            "BM_OpenWithEveryBlockDrawn/10000/iterations:2/real_time",
                            "empty layer nodes", 1, "nodes") &&
    BenchGoal::timeBelow("fit-to-view repaint of a 10,000-block diagram",
                         "BM_FitToViewRepaint/10000", 100, "ms");

}  // namespace

BENCHMARK_MAIN();
