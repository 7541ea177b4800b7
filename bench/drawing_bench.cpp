// One repaint of the section drawing of 12 layers at 1000 by 600, into an image
// as the window's paint event does it into its backing store; the PDF report of
// the same 12 layers, composed and written into memory.

#include "core/TemperatureCheck.h"
#include "formats/ReportDocument.h"
#include "ui/ReportPages.h"
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
        layers.append({i + 1,
                       {-1, QStringLiteral("Слой %1 (1800 кг/м3)").arg(i + 1), {}},
                       thickness,
                       thickness / (1000 * (0.81 - 0.06 * i)),
                       SectionLayers::Kind(i % 5)});
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

// The placement of the drawing's texts, done afresh at every resize.
void labelLayoutAt1000x600(benchmark::State& state) {
    const SectionDrawing::Picture picture = twelveLayers();
    for (auto _ : state) {
        const auto layout = SectionDrawing::labelLayout(QRectF(0, 0, 1000, 600), QFont(), picture);
        benchmark::DoNotOptimize(layout.labels.data());
    }
}
BENCHMARK(labelLayoutAt1000x600)->Unit(benchmark::kMillisecond);

ReportDocument::Input twelveLayerReport() {
    ReportDocument::Input in;
    CalculationReport::Input& report = in.report;
    report.zone = QStringLiteral("  III");
    report.envelopeCaption = QStringLiteral("1.    Наружные стены");
    report.snapshot = {QStringLiteral("2,130"),
                       QStringLiteral("23"),
                       QStringLiteral("8,7"),
                       QStringLiteral("2,288"),
                       QStringLiteral("2,200"),
                       Caption::plain(QStringLiteral("Внешние стены")),
                       true,
                       ResistanceCheck::Relation::Greater};
    for (int i = 0; i < 12; ++i) {
        report.layers[i] = {QStringLiteral("Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)"),
                            QStringLiteral("380"),
                            QStringLiteral("0,81"),
                            QStringLiteral("0,469"),
                            380,
                            QStringLiteral("10,12"),
                            QStringLiteral("4,748")};
    }
    in.insulation = ReportDocument::Insulation{QStringLiteral("Плиты"), QStringLiteral("90"), 90.0};
    return in;
}

void pdfReportOf12Layers(benchmark::State& state) {
    const SectionDrawing::Picture picture = twelveLayers();
    ReportDocument::Input input = twelveLayerReport();
    input.temperatures.profile = picture.profile; // the report holds the section's figure
    const ReportPages::Drawings drawings{
        {ReportDocument::Drawing::SectionTemperatures, [&](QPainter& painter, const QRectF& area) {
             SectionDrawing::paint(painter, area, picture);
         }}};
    for (auto _ : state) {
        const QByteArray pdf = ReportPages::pdf(ReportDocument::compose(input), drawings);
        benchmark::DoNotOptimize(pdf.data());
    }
}
BENCHMARK(pdfReportOf12Layers)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
