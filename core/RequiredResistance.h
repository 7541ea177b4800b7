#pragma once
// The required heat-transfer resistance Rqmin from the code's tables: residential
// and civil buildings, production buildings, and the cities' temperature zones.

#include <QString>
#include <QStringList>

#include <optional>

namespace RequiredResistance {

// Allowed for the reconstruction of residential buildings to improve their insulation.
inline constexpr double reconstructionFactor = 0.8;

// The lists give their source texts; a window shows them translated in this context.
inline constexpr const char* context = "RequiredResistance";
// The zone list: "  I" .. "  IV", the same in every language.
QStringList zoneItems();
// The residential envelope list; item 2 is a line of 86 hyphens with a row of its own.
QStringList residentialItems();
// The production lists: kind of envelope and humidity regime.
QStringList productionKindItems();
QStringList regimeItems();
// The cities, in the order of cityZone's indices.
QStringList cityItems();

// Rqmin for residential row 0 to 5 and zone 0 to 3; nothing otherwise.
std::optional<double> residentialRqmin(int row, int zone);

// Rqmin for production kind 0 to 2, regime 0 to 2 (any regime for kind 2), zone
// 0 to 3 and the thermal inertia D (the D > 1,5 rows only when D exceeds 1.5).
std::optional<double> productionRqmin(int kind, int regime, int zone, double d);

// The zone index of city 0 to 24; nothing for any other index.
std::optional<int> cityZone(int city);

// "D > 1,5" when D exceeds 1.5, otherwise "D =< 1,5".
QString inertiaClassLabel(double d);

// Which edition of the code the tables are from, which editions followed, and what the
// one in force asks of external walls; another Rqmin may be typed into the main window.
// In the current language.
QString codeEditionNote();

} // namespace RequiredResistance
