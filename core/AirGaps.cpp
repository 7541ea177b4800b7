#include "core/AirGaps.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <array>

namespace AirGaps {

namespace {

constexpr int thicknessCount = 7;

constexpr std::array<double, thicknessCount> millimetres = {10, 20, 30, 50, 100, 150, 200};

// Columns: (>= 0 °C, placement 0), (>= 0 °C, placement 1), (< 0 °C, placement 0),
// (< 0 °C, placement 1).
constexpr std::array<std::array<double, 4>, thicknessCount> table = {{
    {0.13, 0.14, 0.15, 0.15},
    {0.14, 0.15, 0.15, 0.19},
    {0.14, 0.16, 0.16, 0.21},
    {0.14, 0.17, 0.17, 0.22},
    {0.15, 0.18, 0.18, 0.23},
    {0.15, 0.19, 0.18, 0.24},
    {0.15, 0.19, 0.19, 0.24},
}};

bool within(int index, int count) {
    return index >= 0 && index < count;
}

} // namespace

QString placementPrompt() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("AirGaps", "Размещение прослойки"));
}
QString temperaturePrompt() {
    return QString::fromUtf8(
        QT_TRANSLATE_NOOP("AirGaps", "Средняя температура воздуха в прослойке"));
}
QString thicknessPrompt() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("AirGaps", "Толщина прослойки, мм"));
}

QStringList placements() {
    return {QString::fromUtf8(QT_TRANSLATE_NOOP(
                "AirGaps", "Горизонтальное.при потоке тепла снизу-вверх и вертикальное")),
            QString::fromUtf8(
                QT_TRANSLATE_NOOP("AirGaps", "Горизонтальное.при потоке тепла сверху-вниз"))};
}

QStringList temperatures() {
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("AirGaps", ">= 0 гоад.С")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("AirGaps", "< 0 гоад.С"))};
}

QStringList thicknesses() {
    return {QStringLiteral("10"),       QStringLiteral("20"),  QStringLiteral("30"),
            QStringLiteral("50"),       QStringLiteral("100"), QStringLiteral("150"),
            QStringLiteral("200...300")};
}

std::optional<double> resistance(int thickness, int temperature, int placement) {
    if (!within(thickness, thicknessCount) || !within(temperature, 2) || !within(placement, 2))
        return std::nullopt;
    return table[thickness][temperature * 2 + placement];
}

std::optional<double> thicknessMillimetres(int thickness) {
    if (!within(thickness, thicknessCount))
        return std::nullopt;
    return millimetres[thickness];
}

GapLayer gapLayer(double dt, const QString& resistanceText, QChar separator) {
    const double r = NumberText::parse(resistanceText, separator);
    // A negative resistance has no conductivity to stand for it.
    if (r < 0)
        throw InvalidOperation();
    const double ld = Arithmetic::divide(dt, 1000 * r);
    return {NumberText::general(dt, separator), NumberText::general(ld, separator),
            QStringLiteral("0")};
}

} // namespace AirGaps
