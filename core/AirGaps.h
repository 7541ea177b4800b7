#pragma once
// The thermal resistance of a closed air gap by its thickness, the mean air
// temperature in it and its placement, and what an accepted gap makes of layer 11.

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace AirGaps {

// The translation context of the prompts and items below, which are source texts: lists
// keep them and show their translations in this context.
inline constexpr const char* context = "AirGaps";

// Selector prompts, shown before anything is chosen.
QString placementPrompt();
QString temperaturePrompt();
QString thicknessPrompt();

// Selector items in their order; the index of an item is its position.
QStringList placements();
QStringList temperatures();
QStringList thicknesses();

// Resistance in m2*K/W; nothing when any index is outside its list (-1 included).
std::optional<double> resistance(int thickness, int temperature, int placement);

// The thickness in mm that a thickness item stands for ("200...300" counts as 200);
// nothing outside the list.
std::optional<double> thicknessMillimetres(int thickness);

// Layer 11 as it holds an accepted gap: the gap's thickness, the equivalent
// conductivity that gives back the gap's resistance, and no stored heat.
struct GapLayer {
    QString thickness;    // Dt, mm
    QString conductivity; // Ld = Dt / (1000 * R), general form
    QString heatAbsorption;
};

// Throws ConversionError when the resistance text is not a number, DivisionByZero
// when it is zero and InvalidOperation when it is below zero.
GapLayer gapLayer(double thicknessMillimetres, const QString& resistanceText, QChar separator);

} // namespace AirGaps
