#include "core/InsulationSelection.h"

#include "core/Errors.h"

#include <algorithm>
#include <cmath>

namespace InsulationSelection {

const std::array<InsulationProduct, 3>& products() {
    // The names in Russian, marked for the window to show them translated.
    static const std::array<InsulationProduct, 3> table{{
        {QStringLiteral(
             QT_TRANSLATE_NOOP("InsulationSelection", "Плиты пенополистирольные (15 кг/м3)")),
         0.055, 0.33, 15},
        {QStringLiteral(
             QT_TRANSLATE_NOOP("InsulationSelection", "Плиты пенополистирольные (25 кг/м3)")),
         0.053, 0.4, 25},
        {QStringLiteral(
             QT_TRANSLATE_NOOP("InsulationSelection", "Плиты пенополистирольные (35 кг/м3)")),
         0.05, 0.46, 35},
    }};
    return table;
}

double roundedThickness(double t) {
    // nearbyint rounds an exact half to the even integer in the default rounding mode.
    const double steps = std::nearbyint(Arithmetic::checked((t + 5) / 10));
    return std::max(0.0, 10 * steps) + 0.0; // + 0.0 turns -0 into 0
}

double estimate(double rkRequired, double otherLayers, double ld) {
    const double t = Arithmetic::checked(1000 * ld * (rkRequired - otherLayers));
    // To the micrometre first, so that binary noise never tips an exact half.
    return roundedThickness(std::round(t * 1e3) / 1e3);
}

} // namespace InsulationSelection
