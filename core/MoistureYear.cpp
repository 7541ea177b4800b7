#include "core/MoistureYear.h"

#include "core/Errors.h"
#include "core/TemperatureProfile.h"

#include <QCoreApplication>

#include <algorithm>

namespace Moisture {

namespace {

constexpr double secondsPerDay = 86400;

// The surface resistances of the mould check, ISO 13788, 4.4: R_si = 0,25 m²·K/W for
// opaque elements, R_se = 0,04 m²·K/W.
constexpr double mouldInnerResistance = 0.25;
constexpr double mouldOuterResistance = 0.04;
// The surface relative humidity that mould must not reach, ISO 13788, clause 5: 80 %.
constexpr double criticalSurfaceHumidity = 0.8;

int previous(int month) {
    return (month + monthCount - 1) % monthCount;
}

int startOfYear(const std::array<bool, monthCount>& condenses, const Climate& climate,
                bool& everyMonth) {
    everyMonth = std::all_of(condenses.begin(), condenses.end(), [](bool c) { return c; });
    if (everyMonth) {
        const auto& t = climate.outdoorTemperature;
        const int warmest = int(std::max_element(t.begin(), t.end()) - t.begin());
        return (warmest + 1) % monthCount;
    }
    for (int m = 0; m < monthCount; ++m)
        if (condenses[m] && !condenses[previous(m)])
            return m;
    return 0;
}

// Runs the twelve months from `start`, carrying what each interface holds (kg/m²).
QList<Month> runYear(const QList<Layer>& layers, const SurfaceResistances& surfaces,
                     const Climate& climate, int start) {
    QList<Month> months;
    QList<double> held(layers.size() + 1, 0.0);
    QList<bool> holding(layers.size() + 1, false);
    for (int i = 0; i < monthCount; ++i) {
        const int m = (start + i) % monthCount;
        Month month{m, vapourProfile(layers, surfaces, climate.month(m), holding), {}, {}, 0};
        const double seconds = monthDays(m) * secondsPerDay;
        for (qsizetype k = 0; k < held.size(); ++k) {
            held[k] = std::max(0.0, held[k] + month.profile.rate[k] * seconds);
            holding[k] = held[k] > 0;
        }
        months.append(month);
    }
    return months;
}

// The per-plane amounts and totals in g/m², and the year's summary.
void summarise(YearBalance& b) {
    for (const Month& month : b.months)
        for (qsizetype k = 0; k < month.profile.plane.size(); ++k)
            if (month.profile.plane[k] && month.profile.rate[k] > 0 && !b.planes.contains(k))
                b.planes.append(k);
    std::sort(b.planes.begin(), b.planes.end());
    b.largestPerPlane.fill(0.0, b.planes.size());
    QList<double> held(b.planes.size(), 0.0);
    bool wasHolding = false;
    for (Month& month : b.months) {
        const double seconds = monthDays(month.month) * secondsPerDay;
        month.totalHeld = 0;
        for (qsizetype i = 0; i < b.planes.size(); ++i) {
            const double amount = month.profile.rate[b.planes[i]] * seconds * 1000;
            held[i] = std::max(0.0, held[i] + amount);
            month.amount.append(amount);
            month.held.append(held[i]);
            month.totalHeld += held[i];
            b.largestPerPlane[i] = std::max(b.largestPerPlane[i], held[i]);
        }
        if (month.totalHeld > b.largestTotal) {
            b.largestTotal = month.totalHeld;
            b.largestMonth = month.month;
        }
        if (wasHolding && month.totalHeld == 0)
            b.driedMonth = month.month;
        wasHolding = month.totalHeld > 0;
    }
    b.leftAfterYear = b.months.last().totalHeld;
    b.verdict = b.leftAfterYear > 0 ? Verdict::Accumulates : Verdict::DriesOut;
    if (b.leftAfterYear > 0)
        b.driedMonth.reset();
}

} // namespace

int monthDays(int month) {
    static constexpr std::array<int, monthCount> days{31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};
    return days[month];
}

QString monthName(int month) {
    static const char* const names[monthCount] = {
        QT_TRANSLATE_NOOP("Moisture", "Январь"),   QT_TRANSLATE_NOOP("Moisture", "Февраль"),
        QT_TRANSLATE_NOOP("Moisture", "Март"),     QT_TRANSLATE_NOOP("Moisture", "Апрель"),
        QT_TRANSLATE_NOOP("Moisture", "Май"),      QT_TRANSLATE_NOOP("Moisture", "Июнь"),
        QT_TRANSLATE_NOOP("Moisture", "Июль"),     QT_TRANSLATE_NOOP("Moisture", "Август"),
        QT_TRANSLATE_NOOP("Moisture", "Сентябрь"), QT_TRANSLATE_NOOP("Moisture", "Октябрь"),
        QT_TRANSLATE_NOOP("Moisture", "Ноябрь"),   QT_TRANSLATE_NOOP("Moisture", "Декабрь")};
    return QCoreApplication::translate("Moisture", names[month]);
}

Conditions Climate::month(int m) const {
    return {indoorTemperature, indoorHumidity, outdoorTemperature[m], outdoorHumidity[m]};
}

YearBalance yearBalance(const QList<Layer>& fromRoomSide, const SurfaceResistances& surfaces,
                        const Climate& climate) {
    YearBalance b;
    for (qsizetype j = 0; j < fromRoomSide.size(); ++j)
        if (!fromRoomSide[j].permeability) {
            b.layerWithoutPermeability = j;
            return b;
        }
    std::array<bool, monthCount> condenses{};
    QList<Month> dry;
    for (int m = 0; m < monthCount; ++m) {
        dry.append({m, vapourProfile(fromRoomSide, surfaces, climate.month(m)), {}, {}, 0});
        condenses[m] = dry.last().profile.condenses();
    }
    if (std::none_of(condenses.begin(), condenses.end(), [](bool c) { return c; })) {
        b.months = dry;
        return b;
    }
    b.startMonth = startOfYear(condenses, climate, b.everyMonthCondenses);
    b.months = runYear(fromRoomSide, surfaces, climate, b.startMonth);
    summarise(b);
    return b;
}

int diagramMonth(const YearBalance& balance, const Climate& climate) {
    if (balance.verdict != Verdict::NoCondensation)
        return balance.largestMonth;
    const auto& t = climate.outdoorTemperature;
    return int(std::min_element(t.begin(), t.end()) - t.begin());
}

MouldCheck mouldCheck(double layersResistance, const Climate& climate) {
    MouldCheck check;
    const double total = mouldInnerResistance + layersResistance + mouldOuterResistance;
    check.factor = 1 - Arithmetic::divide(mouldInnerResistance, total);
    const double indoorPressure = vapourPressure(climate.indoorTemperature, climate.indoorHumidity);
    if (indoorPressure <= 0)
        return check; // dry air: nothing condenses on any surface
    const double coldestSurface =
        TemperatureProfile::dewPoint(indoorPressure / criticalSurfaceHumidity);
    for (int m = 0; m < monthCount; ++m) {
        const double outdoor = climate.outdoorTemperature[m];
        if (outdoor >= climate.indoorTemperature)
            continue;
        const double f = (coldestSurface - outdoor) / (climate.indoorTemperature - outdoor);
        if (!check.required || f > check.requiredFactor) {
            check.requiredFactor = f;
            check.criticalMonth = m;
        }
        check.required = true;
    }
    check.attainable = !check.required || check.requiredFactor < 1;
    return check;
}

} // namespace Moisture
