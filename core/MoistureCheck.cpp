#include "core/MoistureCheck.h"

#include "core/MoistureClimate.h"
#include "core/NumberText.h"

#include <QCoreApplication>

namespace MoistureCheck {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("MoistureCheck", text);
}

constexpr Rgb metColor{0, 128, 0};
constexpr Rgb warnColor{192, 112, 0};
constexpr Rgb failColor{255, 0, 0};
constexpr Rgb plainColor{0, 0, 0};

// R_si by the direction of heat flow, R_se = 0,04 m²·K/W (ISO 13788, 4.4, from ISO 6946):
// horizontal (walls) 0,13, upward (coverings, attic floors) 0,10, downward (floors) 0,17.
Moisture::SurfaceResistances surfacesFor(int deltaTcrKind, QString& name, QChar separator) {
    Moisture::SurfaceResistances surfaces{0.13, 0.04};
    QString direction = QCoreApplication::translate("MoistureCheck", "поток тепла горизонтальный");
    if (deltaTcrKind == 1) {
        surfaces.inner = 0.10;
        direction = QCoreApplication::translate("MoistureCheck", "поток тепла вверх");
    } else if (deltaTcrKind == 2) {
        surfaces.inner = 0.17;
        direction = QCoreApplication::translate("MoistureCheck", "поток тепла вниз");
    }
    name = QCoreApplication::translate("MoistureCheck", "Rsi = %1 (%2), Rse = %3 м²·К/Вт")
               .arg(NumberText::fixed(surfaces.inner, 3, 2, separator), direction,
                    NumberText::fixed(surfaces.outer, 3, 2, separator));
    return surfaces;
}

LayerRow rowOf(const SectionLayers::Layer& layer, const MoistureInputs& inputs, QChar separator) {
    LayerRow row{layer, {}, false, std::nullopt, std::nullopt};
    const auto catalogued =
        layer.material.nameSource.isEmpty()
            ? std::nullopt
            : VapourPermeability::catalogue(layer.number, layer.material.nameSource);
    row.twoSources = catalogued && catalogued->twoSources;
    row.value = VapourPermeability::resolve(inputs.typed[layer.number - 1],
                                            layer.kind == SectionLayers::Kind::AirGap, catalogued,
                                            separator);
    if (row.value.permeability && *row.value.permeability > 0) {
        const Moisture::Layer m{layer.thickness / 1000, layer.resistance, row.value.permeability};
        row.factor = Moisture::resistanceFactor(*m.permeability);
        row.equivalentThickness = Moisture::equivalentAirThickness(m);
    }
    return row;
}

} // namespace

Evaluation evaluate(const QList<SectionLayers::Layer>& calculated, const MoistureInputs& inputs,
                    const ProfileInputs& profile, int deltaTcrKind, QChar separator) {
    Evaluation e;
    e.surfaces = surfacesFor(deltaTcrKind, e.surfacesName, separator);
    QList<Moisture::Layer> layers;
    for (const SectionLayers::Layer& layer :
         SectionLayers::fromRoomSide(calculated, profile.insideIsLayer1)) {
        e.rows.append(rowOf(layer, inputs, separator));
        const LayerRow& row = e.rows.last();
        if (!row.value.problem.isEmpty())
            e.problems << tr("Слой %1: %2").arg(layer.number).arg(row.value.problem);
        if (layer.thickness <= 0 && e.blocker.isEmpty())
            e.blocker = tr("Слой %1: толщина должна быть больше 0.").arg(layer.number);
        layers.append({layer.thickness / 1000, layer.resistance, row.value.permeability});
    }
    const MoistureClimate::Reading reading =
        MoistureClimate::read(inputs, profile.indoorTemperature, profile.indoorHumidity, separator);
    e.problems << reading.problems;
    e.climate = reading.climate;
    if (e.rows.isEmpty())
        e.blocker = tr("Нет слоев: выполните расчет в окне слоев.");
    if (!e.blocker.isEmpty() || !e.problems.isEmpty() || !e.climate)
        return e;
    Moisture::YearBalance balance = Moisture::yearBalance(layers, e.surfaces, *e.climate);
    if (balance.layerWithoutPermeability) {
        const SectionLayers::Layer& layer = e.rows[*balance.layerWithoutPermeability].layer;
        e.blocker = tr("Слой %1 (%2): паропроницаемость неизвестна — введите δ или μ.")
                        .arg(layer.number)
                        .arg(layer.material.name.trimmed());
        return e;
    }
    double resistance = 0;
    for (const Moisture::Layer& layer : layers)
        resistance += layer.resistance;
    e.balance = std::move(balance);
    e.mould = Moisture::mouldCheck(resistance, *e.climate);
    return e;
}

QString planeName(const Evaluation& e, qsizetype interface) {
    return tr("между слоями %1 и %2")
        .arg(e.rows[interface - 1].layer.number)
        .arg(e.rows[interface].layer.number);
}

QString grams(double amount, QChar separator) {
    return NumberText::fixed(amount, 8, 1, separator);
}

QStringList monthCells(const Evaluation& e, const Moisture::Month& month, QChar separator) {
    QStringList cells{
        Moisture::monthName(month.month),
        NumberText::fixed(e.climate->outdoorTemperature[month.month], 4, 1, separator),
        NumberText::whole(e.climate->outdoorHumidity[month.month], separator),
        NumberText::whole(month.profile.outdoorPressure, separator)};
    for (qsizetype i = 0; i < month.amount.size(); ++i)
        cells << grams(month.amount[i], separator) << grams(month.held[i], separator);
    return cells;
}

QString interstitialVerdict(const Evaluation& e, QChar separator) {
    if (!e.balance)
        return e.blocker.isEmpty() ? tr("Нет расчета: исправьте данные.") : e.blocker;
    const Moisture::YearBalance& b = *e.balance;
    switch (b.verdict) {
    case Moisture::Verdict::NoCondensation:
        return tr("Конденсации в толще конструкции нет ни в одном месяце.");
    case Moisture::Verdict::DriesOut:
        return tr("Конденсат высыхает к концу месяца «%1»; наибольшее количество — %2 г/м² "
                  "(%3). Сравните его с допустимым для материала.")
            .arg(Moisture::monthName(*b.driedMonth), grams(b.largestTotal, separator),
                 Moisture::monthName(b.largestMonth));
    case Moisture::Verdict::Accumulates:
        break;
    }
    return tr("Конденсат накапливается: через год остается %1 г/м². Условие не выполняется.")
        .arg(grams(b.leftAfterYear, separator));
}

QString surfaceVerdict(const Evaluation& e, QChar separator) {
    if (!e.mould)
        return QString();
    const Moisture::MouldCheck& m = *e.mould;
    const QString factor = NumberText::fixed(m.factor, 4, 3, separator);
    if (!m.required)
        return tr("Поверхность: fRsi = %1; наружный воздух ни в одном месяце не холоднее "
                  "внутреннего, требования нет.")
            .arg(factor);
    if (!m.attainable)
        return tr("Поверхность: при φв ≥ 80 % требование к температурному фактору невыполнимо "
                  "(риск плесени).");
    const QString required = NumberText::fixed(m.requiredFactor, 4, 3, separator);
    const QString month = Moisture::monthName(m.criticalMonth);
    return m.met() ? tr("Поверхность: fRsi = %1 ≥ fRsi,max = %2 (%3) — плесени не ожидается.")
                         .arg(factor, required, month)
                   : tr("Поверхность: fRsi = %1 < fRsi,max = %2 (%3) — риск плесени на "
                        "внутренней поверхности.")
                         .arg(factor, required, month);
}

Rgb interstitialColor(const Evaluation& e) {
    if (!e.balance)
        return plainColor;
    switch (e.balance->verdict) {
    case Moisture::Verdict::NoCondensation:
        return metColor;
    case Moisture::Verdict::DriesOut:
        return warnColor;
    case Moisture::Verdict::Accumulates:
        break;
    }
    return failColor;
}

Rgb surfaceColor(const Evaluation& e) {
    return e.mould && !e.mould->met() ? failColor : metColor;
}

} // namespace MoistureCheck
