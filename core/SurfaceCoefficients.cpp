#include "core/SurfaceCoefficients.h"

#include <QtGlobal>

#include <array>

namespace SurfaceCoefficients {

namespace {

struct Row {
    const char* item;
    Pair pair;
};

const std::array<Row, 4> table{{
    {QT_TRANSLATE_NOOP("SurfaceCoefficients", "Внешние стены, крыши, покрытия, перекрытия "),
     {23.0, 8.7}},
    {nullptr, {23.0, 7.6}}, // the separator line
    {QT_TRANSLATE_NOOP("SurfaceCoefficients", "Перекрытия чердаков и холодных подвалов"),
     {12.0, 8.7}},
    {QT_TRANSLATE_NOOP("SurfaceCoefficients",
                       "Перекрытия над холодными подвалами и техэтажами,- НИЖЕ ур.земли"),
     {6.0, 8.7}},
}};

} // namespace

QStringList typeItems() {
    QStringList items;
    for (const Row& row : table)
        items << (row.item ? QString::fromUtf8(row.item) : QString(56, QLatin1Char('-')));
    return items;
}

std::optional<Pair> forType(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= int(table.size()))
        return std::nullopt;
    return table[typeIndex].pair;
}

} // namespace SurfaceCoefficients
