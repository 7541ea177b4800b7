// The moisture check that follows every layer calculation: the year's condensation
// balance of twelve layers (the window asks it to take well under a millisecond).

#include "core/MoistureYear.h"

#include <benchmark/benchmark.h>

namespace {

void yearOfTwelveLayers(benchmark::State& state) {
    QList<Moisture::Layer> layers;
    for (int i = 0; i < 12; ++i) // alternating open and tight-ish layers, so planes appear
        layers.append({0.02 + 0.01 * i, 0.1 + 0.2 * (i % 3), i % 4 == 3 ? 0.008 : 0.3});
    Moisture::Climate climate;
    const double temperatures[] = {-5, -4, 0, 8, 14, 18, 20, 19, 14, 8, 2, -2};
    for (int m = 0; m < Moisture::monthCount; ++m) {
        climate.outdoorTemperature[m] = temperatures[m];
        climate.outdoorHumidity[m] = 85;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Moisture::yearBalance(layers, {0.13, 0.04}, climate));
}
BENCHMARK(yearOfTwelveLayers)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
