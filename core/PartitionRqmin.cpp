#include "core/PartitionRqmin.h"

#include "core/Errors.h"

#include <QtGlobal>

#include <array>

namespace PartitionRqmin {

namespace {

struct Purpose {
    const char* item;
    double temperature;
};

const std::array<Purpose, 5> purposes{{
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Жилые"), 20.0},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Обществ.и админ."), 20.0},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Лечеб.и детскУЗ"), 21.0},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Дошкольные"), 22.0},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "  другие..."), 0.0},
}};

const std::array<const char*, 3> kinds{
    QT_TRANSLATE_NOOP("PartitionRqmin", "Стены (наружные, внутренние)"),
    QT_TRANSLATE_NOOP("PartitionRqmin", "Покрытия и перекрытия чердаков"),
    QT_TRANSLATE_NOOP("PartitionRqmin", "Перекр.над проездами и подвалами"),
};

struct Cell {
    double value;
    const char* hint;
};

struct PurposeRow {
    const char* item;
    std::array<Cell, 3> byKind;
};

const std::array<PurposeRow, 5> deltaTcrTable{{
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Жилые дома, детские учрежд., школы-интернаты"),
     {{{4.0, ""}, {3.0, ""}, {2.0, ""}}}},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Др.обществ.,админ.и быт.(кроме влаж.и мокр.)"),
     {{{5.0, ""}, {4.0, ""}, {2.5, ""}}}},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Производств.с сухим и нормальным режимом"),
     {{{7.0, ""}, {5.0, ""}, {2.5, ""}}}},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Производств.с влажным и мокрым режимом"),
     {{{0.0, "tв-tр"}, {0.0, "0.8(tв-tр)"}, {2.5, ""}}}},
    {QT_TRANSLATE_NOOP("PartitionRqmin", "Производств.с избытками тепла (>23Вт/м3)"),
     {{{12.0, ""}, {12.0, ""}, {2.5, ""}}}},
}};

template <class Container> bool inside(const Container& c, int index) {
    return index >= 0 && index < int(c.size());
}

} // namespace

double rqmin(double tv1, double tv2, double deltaTcr, double alphaInt1) {
    const double difference = tv1 - tv2;
    const double product = deltaTcr * alphaInt1;
    return Arithmetic::divide(difference, product);
}

QStringList temperaturePurposeItems() {
    QStringList items;
    for (const Purpose& purpose : purposes)
        items << QString::fromUtf8(purpose.item);
    return items;
}

std::optional<double> airTemperature(int purpose) {
    if (!inside(purposes, purpose))
        return std::nullopt;
    return purposes[purpose].temperature;
}

QStringList constructionKindItems() {
    QStringList items;
    for (const char* kind : kinds)
        items << QString::fromUtf8(kind);
    return items;
}

QStringList deltaTcrPurposeItems() {
    QStringList items;
    for (const PurposeRow& row : deltaTcrTable)
        items << QString::fromUtf8(row.item);
    return items;
}

std::optional<DeltaTcr> deltaTcr(int kind, int purpose) {
    if (!inside(kinds, kind) || !inside(deltaTcrTable, purpose))
        return std::nullopt;
    const Cell& cell = deltaTcrTable[purpose].byKind[kind];
    return DeltaTcr{cell.value, QString::fromUtf8(cell.hint)};
}

} // namespace PartitionRqmin
