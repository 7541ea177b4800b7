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

// What the window shows before any thickness is confirmed.
inline const QString unknownThickness = QStringLiteral("ХХХ");

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
