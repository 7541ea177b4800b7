#include "core/TemperatureCheck.h"

#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/PartitionRqmin.h"
#include "core/ResistanceCheck.h"

#include <QCoreApplication>
#include <cmath>

namespace TemperatureCheck {

namespace {

// The lowest temperature there is: 0 K, ISO 80000-5.
constexpr double absoluteZero = -273.15;
// Relative humidity in per cent.
constexpr double driestAir = 0;
constexpr double saturatedAir = 100;
// Roofs and attic floors of humid production rooms: Δt_cr = 0.8 (t_i - t_d), the
// walls-between-flats table's formula cell.
constexpr double roofShareOfDewPointMargin = 0.8;

// An input read as a number, or refused with the reason why.
struct Reading {
    bool ok = false;
    double value = 0;
};

struct Reader {
    QChar separator;
    QList<FieldProblem>& problems;

    Reading number(Field field, const QString& caption, const QString& text) {
        try {
            return {true, NumberText::parse(text, separator)};
        } catch (const ConversionError&) {
            const QString shown = text.trimmed().isEmpty()
                                      ? QCoreApplication::translate("TemperatureCheck", "пусто")
                                      : QStringLiteral("«%1»").arg(text);
            refuse(field, QCoreApplication::translate("TemperatureCheck", "%1: %2 — не число.")
                              .arg(caption, shown));
            return {};
        }
    }

    Reading temperature(Field field, const QString& caption, const QString& text) {
        const Reading reading = number(field, caption, text);
        if (reading.ok && reading.value < absoluteZero) {
            refuse(field,
                   QCoreApplication::translate("TemperatureCheck", "%1: ниже абсолютного нуля.")
                       .arg(caption));
            return {};
        }
        return reading;
    }

    // Refused unless low <= value <= high.
    Reading within(Reading reading, double low, double high, Field field, const QString& reason) {
        if (reading.ok && !(reading.value >= low && reading.value <= high)) {
            refuse(field, reason);
            return {};
        }
        return reading;
    }

    void refuse(Field field, const QString& reason) { problems.append({field, reason}); }
};

QString layersProblem(const QList<SectionLayers::Layer>& layers, QChar separator) {
    if (layers.isEmpty())
        return QCoreApplication::translate("TemperatureCheck",
                                           "Нет слоев с толщиной: выполните расчет в окне слоев.");
    for (const SectionLayers::Layer& layer : layers)
        if (!(layer.thickness > 0))
            return QCoreApplication::translate(
                       "TemperatureCheck",
                       "Слой %1: толщина %2 мм, такого слоя не бывает; разрез и "
                       "температуры строятся только по всем слоям Rk.")
                .arg(layer.number)
                .arg(NumberText::general(layer.thickness, separator));
    for (const SectionLayers::Layer& layer : layers)
        if (layer.resistance < 0)
            return QCoreApplication::translate(
                       "TemperatureCheck", "Слой %1: сопротивление меньше нуля, проверьте его Ld.")
                .arg(layer.number);
    return {};
}

// The surface coefficient as the resistance check reads it; it must be above 0.
Reading coefficient(const QString& text, const QString& symbol, QChar separator, QString& blocker) {
    try {
        const double alpha = NumberText::parse(text, separator);
        if (alpha > 0)
            return {true, alpha};
    } catch (const ConversionError&) {
    }
    if (blocker.isEmpty())
        blocker = QCoreApplication::translate(
                      "TemperatureCheck", "Выберите коэффициент %1 в главном окне (сейчас «%2»).")
                      .arg(symbol, text);
    return {};
}

void addVerdicts(Evaluation& e, Reading criticalDifference) {
    const TemperatureProfile::Profile& p = *e.profile;
    if (criticalDifference.ok) {
        e.criticalDifference = criticalDifference.value;
        e.sanitaryMet = TemperatureProfile::sanitaryMet(p, criticalDifference.value);
    }
    if (e.humidityKnown)
        e.surfaceStaysDry = TemperatureProfile::surfaceStaysDry(p);
    if (!p.heatFlowsOutward)
        e.note = QCoreApplication::translate("TemperatureCheck",
                                             "tв не выше tн: тепло наружу не уходит.");
}

} // namespace

Evaluation evaluate(const ProfileInputs& inputs, const QString& alphaInt, const QString& alphaExt,
                    const QList<SectionLayers::Layer>& calculated, QChar separator) {
    Evaluation e;
    Reader read{separator, e.problems};
    const Reading indoor =
        read.temperature(Field::IndoorTemperature, QStringLiteral("tв"), inputs.indoorTemperature);
    const Reading humidity =
        read.within(read.number(Field::IndoorHumidity, QStringLiteral("φв"), inputs.indoorHumidity),
                    driestAir, saturatedAir, Field::IndoorHumidity,
                    QCoreApplication::translate("TemperatureCheck", "φв: от 0 до 100 %."));
    const Reading outdoor = read.temperature(Field::OutdoorTemperature,
                                             QCoreApplication::translate("TemperatureCheck", "tн"),
                                             inputs.outdoorTemperature);
    const Reading critical =
        read.within(read.number(Field::CriticalDifference,
                                QCoreApplication::translate("TemperatureCheck", "Δtн"),
                                inputs.criticalDifference),
                    0, HUGE_VAL, Field::CriticalDifference,
                    QCoreApplication::translate("TemperatureCheck", "Δtн: не меньше 0."));

    e.layers = SectionLayers::fromRoomSide(calculated, inputs.insideIsLayer1);
    e.blocker = layersProblem(e.layers, separator);
    const Reading ai = coefficient(alphaInt, QStringLiteral("Alfa в"), separator, e.blocker);
    const Reading ae = coefficient(
        alphaExt, QCoreApplication::translate("TemperatureCheck", "Alfa н"), separator, e.blocker);
    if (!e.blocker.isEmpty() || !indoor.ok || !outdoor.ok || !ai.ok || !ae.ok)
        return e;

    QList<TemperatureProfile::LayerResistance> resistances;
    for (const SectionLayers::Layer& layer : e.layers)
        resistances.append({layer.thickness, layer.resistance});
    e.humidityKnown = humidity.ok;
    try {
        e.profile = TemperatureProfile::compute(resistances, ai.value, ae.value,
                                                {indoor.value, humidity.value, outdoor.value});
    } catch (const AppError&) {
        e.blocker = QCoreApplication::translate("TemperatureCheck", "Числа вне пределов расчета.");
        return e;
    }
    addVerdicts(e, critical);
    return e;
}

QString temperatureText(double celsius, QChar separator) {
    return NumberText::fixed(celsius, 15, 1, separator);
}

QString sanitaryVerdict(bool met) {
    return met ? QCoreApplication::translate(
                     "TemperatureCheck", "tв − τв не больше Δtн: санитарное условие выполняется.")
               : QCoreApplication::translate(
                     "TemperatureCheck", "tв − τв больше Δtн: санитарное условие не выполняется!");
}

QString condensationVerdict(bool met, bool dryAir) {
    if (dryAir)
        return QCoreApplication::translate("TemperatureCheck",
                                           "Сухой воздух: конденсата на поверхности нет.");
    return met ? QCoreApplication::translate("TemperatureCheck",
                                             "τв выше точки росы: конденсата на поверхности нет.")
               : QCoreApplication::translate(
                     "TemperatureCheck",
                     "τв не выше точки росы: на поверхности выпадет конденсат!");
}

Rgb verdictColor(bool met) {
    return ResistanceCheck::verdictColor(met);
}

std::optional<CriticalDifferenceChoice>
criticalDifference(int purpose, int kind, const ProfileInputs& inputs, QChar separator) {
    const auto cell = PartitionRqmin::deltaTcr(kind, purpose);
    if (!cell)
        return std::nullopt;
    if (cell->hint.isEmpty())
        return CriticalDifferenceChoice{NumberText::general(cell->value, separator), {}};
    // The formula cells: t_i - t_d for walls, 0.8 (t_i - t_d) for roofs and attic floors;
    // without a dew point the field is left for the user to fill.
    QString text;
    try {
        const double indoor = NumberText::parse(inputs.indoorTemperature, separator);
        const double humidity = NumberText::parse(inputs.indoorHumidity, separator);
        if (indoor >= absoluteZero && humidity > driestAir && humidity <= saturatedAir) {
            const double pressure = humidity / 100 * TemperatureProfile::saturationPressure(indoor);
            const double margin = indoor - TemperatureProfile::dewPoint(pressure);
            text =
                temperatureText(kind == 0 ? margin : roofShareOfDewPointMargin * margin, separator);
        }
    } catch (const AppError&) {
    }
    return CriticalDifferenceChoice{text, cell->hint};
}

} // namespace TemperatureCheck
