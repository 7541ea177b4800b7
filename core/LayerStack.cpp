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

void readConductivities(const FieldTexts& fields, QChar separator, StoredNumbers& stored) {
    for (int i = 0; i < layerCount; ++i) {
        const double ld = NumberText::parse(fields.ld[i], separator);
        stored.ld[i] = ld == 0 ? noMaterialConductivity : ld;
    }
}

void readThicknesses(const FieldTexts& fields, QChar separator, StoredNumbers& stored) {
    for (int i = 0; i < layerCount; ++i)
        stored.dt[i] = NumberText::parse(fields.dt[i], separator);
}

void warnAboutMissingInput(const StoredNumbers& stored, Steps& steps) {
    if (std::all_of(stored.ld.begin(), stored.ld.end(),
                    [](double ld) { return ld == noMaterialConductivity; }))
        steps.warn(noConstructionWarning());
    // Layer 12 is left to the insulation selection, which finds its thickness.
    for (int i = 0; i < layerCount - 1; ++i)
        if (stored.dt[i] == 0 && stored.ld[i] > 0 && stored.ld[i] < noMaterialConductivity)
            steps.warn(missingThicknessWarning(i + 1));
}

void computeResistances(QChar separator, StoredNumbers& stored, Steps& steps) {
    double rk = 0;
    double total = 0;
    PerLayer<QString> texts;
    for (int i = 0; i < layerCount; ++i) {
        stored.r[i] = Arithmetic::divide(stored.dt[i], stored.ld[i] * 1000);
        texts[i] = NumberText::result(stored.r[i], separator);
        rk = Arithmetic::checked(rk + stored.r[i]);
        total = Arithmetic::checked(total + stored.dt[i]);
    }
    stored.rk = rk;
    const QString rkText = NumberText::result(rk, separator);
    steps.showResistances(texts, rkText, NumberText::general(total, separator));
    steps.handOverRk(rkText);
}

// The construction's inertia is the sum of the layers' inertias.
void computeInertia(const FieldTexts& fields, const QString& tableNumber, QChar separator,
                    StoredNumbers& stored, Steps& steps) {
    for (int i = 0; i < layerCount; ++i)
        stored.s[i] = NumberText::parse(fields.s[i], separator);
    double inertia = 0;
    PerLayer<QString> texts;
    for (int i = 0; i < layerCount; ++i) {
        stored.d[i] = Arithmetic::checked(stored.r[i] * stored.s[i]);
        texts[i] = NumberText::result(stored.d[i], separator);
        inertia = Arithmetic::checked(inertia + stored.d[i]);
    }
    stored.inertia = inertia;
    const QString inertiaText = NumberText::result(inertia, separator);
    steps.showInertia(texts, inertiaText);
    if (tableNumber == QStringLiteral("2"))
        steps.handOverInertia(inertiaText);
}

// Floating-point noise must not turn an exact half into a value just beside it.
double withoutNoise(double value) {
    return QString::number(value, 'g', 12).toDouble();
}

} // namespace

void calculate(const FieldTexts& fields, const QString& tableNumber, QChar separator,
               StoredNumbers& stored, Steps& steps) {
    readConductivities(fields, separator, stored);
    readThicknesses(fields, separator, stored);
    warnAboutMissingInput(stored, steps);
    computeResistances(separator, stored, steps);
    computeInertia(fields, tableNumber, separator, stored, steps);
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

double layer12Thickness(const StoredNumbers& stored, const QString& rkRequired, QChar separator) {
    const double required = NumberText::parse(rkRequired, separator);
    double reached = 0;
    for (int i = 0; i < layerCount - 1; ++i)
        reached += stored.r[i];
    const double t = Arithmetic::checked(stored.ld[layerCount - 1] * 1000 * (required - reached));
    const double tens = std::nearbyint(withoutNoise((t + 5) / 10)); // half to even
    // Layers that already reach the requirement need no insulation, not a negative one.
    return std::max(0.0, 10 * tens);
}

} // namespace LayerStack
