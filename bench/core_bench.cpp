// The core operations that the user waits for: a full 12-layer calculation, a
// report of 68 lines, a catalogue lookup, 10,000 number texts and the temperature
// profile of 12 layers.

#include "core/LayerStack.h"
#include "core/MaterialCatalogue.h"
#include "core/NumberText.h"
#include "core/TemperatureProfile.h"
#include "formats/CalculationReport.h"

#include <benchmark/benchmark.h>

namespace {

// Collects nothing: the calculation's own cost is what is measured.
class SilentSteps : public LayerStack::Steps {
  public:
    void warn(const QString&) override {}
    void showResistances(const LayerStack::PerLayer<QString>&, const QString&,
                         const QString&) override {}
    void handOverRk(const QString&) override {}
    void showInertia(const LayerStack::PerLayer<QString>&, const QString&) override {}
    void handOverInertia(const QString&) override {}
    void finish() override {}
};

void fullTwelveLayerCalculation(benchmark::State& state) {
    LayerStack::Stack fields;
    for (int i = 0; i < layerCount; ++i) {
        fields.layers[i].ldText = QStringLiteral("0,%1").arg(81 + i);
        fields.layers[i].dtText = QString::number(20 + 10 * i);
        fields.layers[i].sText = QStringLiteral("10,%1").arg(12 + i);
    }
    SilentSteps steps;
    for (auto _ : state) {
        LayerStack::Stack stored = fields;
        LayerStack::calculate(stored, Project::BuildingKind::Production, QLatin1Char(','), steps);
        benchmark::DoNotOptimize(stored.inertia);
    }
}
BENCHMARK(fullTwelveLayerCalculation);

CalculationReport::Input fullReportInput() {
    CalculationReport::Input input;
    input.constructionKind = QStringLiteral("НАРУЖНОЙ СТЕНЫ");
    input.zone = QStringLiteral("  III");
    input.building = Project::BuildingKind::Production;
    input.envelopeCaption = QStringLiteral("1.    Наружные стены");
    input.regime = QStringLiteral("Сухой");
    input.reconstruction = true;
    input.snapshot = {"2,130", "23",
                      "8,7",   "2,288",
                      "2,200", Caption::plain(QStringLiteral("Внешние стены ")),
                      true,    ResistanceCheck::Relation::Greater};
    for (int i = 0; i < 12; ++i)
        input.layers[i] = {QStringLiteral("Слой %1").arg(i + 1), QString::number(10 * (i + 1)),
                           QStringLiteral("0,81"), QStringLiteral("0,012"), 10.0 * (i + 1)};
    input.totalThickness = QStringLiteral("780");
    input.rkField = QStringLiteral("2,130");
    input.relationCaption = QStringLiteral("Ro > Rqmin");
    input.layer11HoldsAirGap = true;
    return input;
}

void reportOfAllLines(benchmark::State& state) {
    const CalculationReport::Input input = fullReportInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculationReport::text(input));
}
BENCHMARK(reportOfAllLines);

void catalogueLookup(benchmark::State& state) {
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MaterialCatalogue::lookup(9, index));
        index = (index + 1) % 28;
    }
}
BENCHMARK(catalogueLookup);

void tenThousandNumberTexts(benchmark::State& state) {
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i)
            benchmark::DoNotOptimize(NumberText::result(i * 0.0137, QLatin1Char(',')));
}
BENCHMARK(tenThousandNumberTexts)->Unit(benchmark::kMillisecond);

// Every plane's temperature, the dew point and the checks' numbers.
void temperatureProfileOfTwelveLayers(benchmark::State& state) {
    QList<TemperatureProfile::LayerResistance> layers;
    for (int i = 0; i < 12; ++i)
        layers.append({20.0 + 10 * i, (20.0 + 10 * i) / (1000 * (0.81 - 0.05 * i))});
    const TemperatureProfile::Climate climate{20, 55, -22};
    for (auto _ : state)
        benchmark::DoNotOptimize(TemperatureProfile::compute(layers, 8.7, 23, climate));
}
BENCHMARK(temperatureProfileOfTwelveLayers);

} // namespace

BENCHMARK_MAIN();
