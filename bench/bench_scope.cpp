// The scope's plot: redrawing one trace into a 1200 x 300 image (axes, grid, legend and the
// trace decimated to its pixel columns) for 10^5, 10^6 and 10^7 samples. The results and the
// min/max levels are built before the timing, as a running scope keeps them between frames;
// only the redraw is timed. Goals: 10^6 samples under 10 ms, 10^7 under 30 ms, and 10^7 at
// most three times 10^5 (the redraw grows with the pixels, hardly with the samples).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>
#include <memory>

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

void BM_RedrawScope(benchmark::State& state) {
    TestSupport::qtApplication();
    const PlotWidget& plot = plotOf(std::size_t(state.range(0)));
    QImage image(kImageSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        plot.render(painter, image.rect());
        painter.end();
        benchmark::ClobberMemory();
    }
    state.counters["samples"] = double(state.range(0));
}
BENCHMARK(BM_RedrawScope)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("redraw a scope of 10^6 samples (1200 x 300)", "BM_RedrawScope/1000000",
                         10, "ms") &&
    BenchGoal::timeBelow("redraw a scope of 10^7 samples (1200 x 300)", "BM_RedrawScope/10000000",
                         30, "ms") &&
    BenchGoal::ratioAtMost("redraw of 10^7 samples over 10^5", "BM_RedrawScope/10000000",
                           "BM_RedrawScope/100000", 3);

}  // namespace

BENCHMARK_MAIN();
