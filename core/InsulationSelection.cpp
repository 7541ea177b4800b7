#include "core/InsulationSelection.h"

#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/ResistanceCheck.h"

namespace InsulationSelection {

const std::array<InsulationProduct, 3>& products() {
    // The names in Russian: catalogue entries, which the window shows translated as the
    // catalogue's.
    static const std::array<InsulationProduct, 3> table{{
        {QStringLiteral(
             QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (15 кг/м3)")),
         0.055, 0.33, 15},
        {QStringLiteral(
             QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (25 кг/м3)")),
         0.053, 0.4, 25},
        {QStringLiteral(
             QT_TRANSLATE_NOOP("MaterialCatalogue", "Плиты пенополистирольные (35 кг/м3)")),
         0.05, 0.46, 35},
    }};
    return table;
}

std::optional<double> neededThickness(const LayerStack::Stack& layers, double ld,
                                      const CheckInputs& check, QChar separator) {
    LayerStack::Stack withBoard = layers;
    withBoard.layers[layerCount - 1].ld = ld;
    const QString rkRequired = NumberText::result(
        ResistanceCheck::computeRkRequired(check.alphaExt, check.alphaInt, check.rqmin, separator),
        separator);
    const double largest = 10000; // mm: no wall is insulated beyond this
    for (double d = LayerStack::layer12Thickness(withBoard, rkRequired, separator); d <= largest;
         d = nextThickness(d)) {
        // Summed in the layers' order, as the layer calculation sums them.
        double rk = 0;
        for (int i = 0; i < layerCount - 1; ++i)
            rk = Arithmetic::checked(rk + withBoard.layers[i].r);
        rk = Arithmetic::checked(rk + Arithmetic::divide(d, ld * 1000));
        const QString rkText = NumberText::result(rk, separator);
        const QString r0 = NumberText::result(
            ResistanceCheck::computeR0(rkText, check.alphaExt, check.alphaInt, separator),
            separator);
        if (ResistanceCheck::check(rkText, check.alphaExt, check.alphaInt, r0, check.rqmin,
                                   separator)
                .met)
            return d;
    }
    return std::nullopt;
}

} // namespace InsulationSelection
