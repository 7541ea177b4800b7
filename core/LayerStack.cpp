#include "core/LayerStack.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace LayerStack {

namespace {

// A layer without material (Ld "0") counts as this conductivity, so it adds almost nothing.
constexpr double noMaterialConductivity = 1000;

const QString warningEnd = QStringLiteral("      \r\n");

void readConductivities(QChar separator, Stack& stack) {
    for (Layer& layer : stack.layers) {
        const double ld = NumberText::parse(layer.ldText, separator);
        layer.ld = ld == 0 ? noMaterialConductivity : ld;
    }
}

void readThicknesses(QChar separator, Stack& stack) {
    for (Layer& layer : stack.layers)
        layer.dt = NumberText::parse(layer.dtText, separator);
}

void warnAboutMissingInput(const Stack& stack, Steps& steps) {
    const PerLayer<Layer>& layers = stack.layers;
    if (std::all_of(layers.begin(), layers.end(),
                    [](const Layer& layer) { return layer.ld == noMaterialConductivity; }))
        steps.warn(noConstructionWarning());
    // Layer 12 is left to the insulation selection, which finds its thickness.
    for (int i = 0; i < layerCount - 1; ++i)
        if (layers[i].dt == 0 && layers[i].ld > 0 && layers[i].ld < noMaterialConductivity)
            steps.warn(missingThicknessWarning(i + 1));
}

void computeResistances(QChar separator, Stack& stack, Steps& steps) {
    double rk = 0;
    double total = 0;
    PerLayer<QString> texts;
    for (int i = 0; i < layerCount; ++i) {
        Layer& layer = stack.layers[i];
        layer.r = Arithmetic::divide(layer.dt, layer.ld * 1000);
        texts[i] = NumberText::result(layer.r, separator);
        rk = Arithmetic::checked(rk + layer.r);
        total = Arithmetic::checked(total + layer.dt);
    }
    stack.rk = rk;
    const QString rkText = NumberText::result(rk, separator);
    steps.showResistances(texts, rkText, NumberText::general(total, separator));
    steps.handOverRk(rkText);
}

// The construction's inertia is the sum of the layers' inertias.
void computeInertia(Project::BuildingKind building, QChar separator, Stack& stack, Steps& steps) {
    for (Layer& layer : stack.layers)
        layer.s = NumberText::parse(layer.sText, separator);
    double inertia = 0;
    PerLayer<QString> texts;
    for (int i = 0; i < layerCount; ++i) {
        Layer& layer = stack.layers[i];
        layer.d = Arithmetic::checked(layer.r * layer.s);
        texts[i] = NumberText::result(layer.d, separator);
        inertia = Arithmetic::checked(inertia + layer.d);
    }
    stack.inertia = inertia;
    const QString inertiaText = NumberText::result(inertia, separator);
    steps.showInertia(texts, inertiaText);
    if (building == Project::BuildingKind::Production)
        steps.handOverInertia(inertiaText);
}

// Floating-point noise must not turn an exact half into a value just beside it.
double withoutNoise(double value) {
    return QString::number(value, 'g', 12).toDouble();
}

} // namespace

void calculate(Stack& stack, Project::BuildingKind building, QChar separator, Steps& steps) {
    readConductivities(separator, stack);
    readThicknesses(separator, stack);
    warnAboutMissingInput(stack, steps);
    computeResistances(separator, stack, steps);
    computeInertia(building, separator, stack, steps);
    steps.finish();
}

QString warningTitle() {
    return QCoreApplication::translate("LayerStack", "Немножко внимания...");
}

QString noConstructionWarning() {
    return QCoreApplication::translate("LayerStack", "Вы не выбрали конструкцию") + warningEnd;
}

QString missingThicknessWarning(int layer) {
    return QCoreApplication::translate("LayerStack", "Вы не ввели толщину слоя Dt") +
           QString::number(layer) + warningEnd;
}

double layer12Thickness(const Stack& stack, const QString& rkRequired, QChar separator) {
    const double required = NumberText::parse(rkRequired, separator);
    double reached = 0;
    for (int i = 0; i < layerCount - 1; ++i)
        reached += stack.layers[i].r;
    const double t =
        Arithmetic::checked(stack.layers[layerCount - 1].ld * 1000 * (required - reached));
    const double tens = std::nearbyint(withoutNoise((t + 5) / 10)); // half to even
    // Layers that already reach the requirement need no insulation, not a negative one.
    return std::max(0.0, 10 * tens);
}

} // namespace LayerStack
