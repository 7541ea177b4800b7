#pragma once
// The dealer's insulation boards and the search for the board thickness that
// makes the construction meet its required resistance.

#include <QChar>
#include <QString>

#include "core/LayerStack.h"

#include <array>
#include <optional>

namespace InsulationSelection {

struct InsulationProduct {
    QString name;
    double ld; // thermal conductivity, W/(m*K)
    double s;  // heat-absorption coefficient, W/(m2*K)
    int grade; // density in kg/m3, written after "ПСБ-" in the order
};

// The three boards, in the order the product box offers them.
const std::array<InsulationProduct, 3>& products();

// What the window shows before any board is chosen or any thickness confirmed; the
// texts in Russian, marked for the window to show them translated.
inline const QString noProductText =
    QStringLiteral(QT_TRANSLATE_NOOP("InsulationSelection", "Плиты пенополистирольные   "));
inline const QString noProductCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("InsulationSelection", "Характеристики"));
inline const QString unknownThickness = QStringLiteral("ХХХ");

// A raw thickness t in mm rounded to the 10 mm grid: 10 * round((t + 5) / 10),
// an exact half going to the even integer (41 -> 50, 45 -> 50, 40 -> 40, 50 -> 60).
// Never negative: layers that already suffice need no board.
double roundedThickness(double t);

// The first thickness to try, in mm: the board must supply what the other
// layers lack, rkRequired - otherLayers, at conductivity ld.
double estimate(double rkRequired, double otherLayers, double ld);

// The next thickness the search tries.
inline double nextThickness(double thickness) {
    return thickness + 10;
}

// The texts the resistance check reads besides Rk: the calculation's alpha_ext,
// alpha_int and Rqmin.
struct CheckInputs {
    QString alphaExt;
    QString alphaInt;
    QString rqmin;
};

// The thickness in mm that a search with a board of conductivity `ld` in layer 12 would
// confirm over the other layers of `layers` (their last calculation): the estimate from
// Rk_req, then 10 mm more at a time until the check R0 >= Rqmin, judged on the texts as
// the check shows them, is met. None when no thickness of up to 10 m meets it.
std::optional<double> neededThickness(const LayerStack::Stack& layers, double ld,
                                      const CheckInputs& check, QChar separator);

// A thickness text as the window shows it: "120 мм".
inline QString thicknessText(const QString& thickness) {
    return thickness + QStringLiteral(" мм");
}

} // namespace InsulationSelection
