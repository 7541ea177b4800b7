// One repaint of the section drawing of 12 layers at 1000 by 600, into an image
// as the window's paint event does it into its backing store.

#include "core/TemperatureCheck.h"
#include "ui/SectionDrawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

SectionDrawing::Picture twelveLayers() {
    QList<SectionLayers::Layer> layers;
    for (int i = 0; i < 12; ++i) {
        const double thickness = 20.0 + 10 * i;
        layers.append({i + 1, QStringLiteral("Слой %1 (1800 кг/м3)").arg(i + 1), thickness,
                       thickness / (1000 * (0.81 - 0.06 * i)), SectionLayers::Kind(i % 5)});
    }
    const auto e = TemperatureCheck::evaluate({}, QStringLiteral("8,7"), QStringLiteral("23"),
                                              layers, QLatin1Char(','));
    return {e.layers, *e.profile, true, QLatin1Char(',')};
}

void repaintAt1000x600(benchmark::State& state) {
    const SectionDrawing::Picture picture = twelveLayers();
    QImage image(1000, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        SectionDrawing::paint(painter, QRectF(0, 0, 1000, 600), picture, 500.0);
    }
}
BENCHMARK(repaintAt1000x600)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
