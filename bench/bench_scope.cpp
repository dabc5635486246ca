// The scope's plot: redrawing one trace into a 1200 x 300 image (axes, grid, legend and the
// trace decimated to its pixel columns) for 10^5, 10^6 and 10^7 samples. The results and the
// min/max levels are built before the timing, as a running scope keeps them between frames;
// only the redraw is timed, twice: a repaint of the same view (the plot keeps its pixel
// columns between frames) and a redraw after a pan (every column found again through the
// levels, as when the user zooms or pans). Goals for both: 10^6 samples under 10 ms, 10^7
// under 30 ms, and 10^7 at most three times 10^5 (the redraw grows with the pixels, hardly
// with the samples).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "BenchGoal.h"
#include "scope/PlotWidget.h"
#include "sim/SimulationResults.h"
#include "support/QtTestApplication.h"

using VantorStudio::PlotWidget;

namespace {

const QSize kImageSize(1200, 300);

// A plot of `samples` samples of a noisy sine over 10 s, its levels built.
PlotWidget& plotOf(std::size_t samples) {
    static std::map<std::size_t, std::unique_ptr<PlotWidget>> plots;
    std::unique_ptr<PlotWidget>& plot = plots[samples];
    if (plot)
        return *plot;
    auto results = std::make_shared<VTSIM::SimulationResults>(std::vector<std::string>{"y"});
    const double step = 10.0 / double(samples);
    for (std::size_t i = 0; i < samples; ++i) {
        const double time = double(i) * step;
        const double value = std::sin(2 * M_PI * 0.5 * time) + 0.2 * std::sin(double(i) * 0.37);
        results->append(time, &value, false);
    }
    plot = std::make_unique<PlotWidget>();
    plot->setTraces({{results, 0, "bench/Scope:1", QColor(0, 90, 200)}});
    return *plot;
}

// Redraws the plot of `samples` samples once per iteration, after `beforeFrame(plot, frame)`.
template <class BeforeFrame>
void redraw(benchmark::State& state, BeforeFrame beforeFrame) {
    TestSupport::qtApplication();
    PlotWidget& plot = plotOf(std::size_t(state.range(0)));
    QImage image(kImageSize, QImage::Format_RGB32);
    int frame = 0;
    for (auto _ : state) {
        beforeFrame(plot, frame++);
        QPainter painter(&image);
        plot.render(painter, image.rect());
        painter.end();
        benchmark::ClobberMemory();
    }
    plot.autoscale();
    state.counters["samples"] = double(state.range(0));
}

void BM_RedrawScope(benchmark::State& state) {
    redraw(state, [](PlotWidget&, int) {});
}

// Each frame pans the time axis by a hundredth of a second, one way then back.
void BM_RedrawScopeAfterPan(benchmark::State& state) {
    redraw(state, [](PlotWidget& plot, int frame) {
        plot.setTimeRange(frame % 2 ? VantorStudio::PlotRange{0.01, 10.01}
                                    : VantorStudio::PlotRange{0, 10});
    });
}

BENCHMARK(BM_RedrawScope)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawScopeAfterPan)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

bool redrawGoals(const std::string& what, const std::string& benchmark) {
    return BenchGoal::timeBelow(what + " of 10^6 samples (1200 x 300)", benchmark + "/1000000", 10,
                                "ms") &&
           BenchGoal::timeBelow(what + " of 10^7 samples (1200 x 300)", benchmark + "/10000000", 30,
                                "ms") &&
           BenchGoal::ratioAtMost(what + " of 10^7 samples over 10^5", benchmark + "/10000000",
                                  benchmark + "/100000", 3);
}

[[maybe_unused]] const bool kGoals =
    redrawGoals("redraw a scope", "BM_RedrawScope") &&
    redrawGoals("redraw a scope after a pan", "BM_RedrawScopeAfterPan");

}  // namespace

BENCHMARK_MAIN();
