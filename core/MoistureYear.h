#pragma once
// The year of a construction: the condensation balance month by month (ISO 13788,
// clause 6) and the inner surface's temperature factor against mould (clause 5).

#include "core/MoistureProfile.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace Moisture {

inline constexpr int monthCount = 12;

// Days of each month, February always 28 (ISO 13788, clause 6).
int monthDays(int month); // 0 = January
// The month's name in the interface language.
QString monthName(int month);

struct Climate {
    double indoorTemperature = 20;                       // θ_i, °C, all year
    double indoorHumidity = 55;                          // φ_i, %
    std::array<double, monthCount> outdoorTemperature{}; // θ_e, °C, January first
    std::array<double, monthCount> outdoorHumidity{};    // φ_e, %
    Conditions month(int m) const;
};

// One month of the balance.
struct Month {
    int month = 0; // 0 = January
    Profile profile;
    QList<double> amount; // per plane of YearBalance::planes, g/m²: + condensed, − dried
    QList<double> held;   // per plane, at the end of the month, g/m²
    double totalHeld = 0;
};

enum class Verdict { NoCondensation, DriesOut, Accumulates };

struct YearBalance {
    // The first layer (index from the room side) that has no permeability: nothing else is set.
    std::optional<qsizetype> layerWithoutPermeability;
    Verdict verdict = Verdict::NoCondensation;
    QList<qsizetype> planes; // the interfaces that condense in some month, room side first
    QList<Month> months;     // twelve, in the order run, starting with `startMonth`
    int startMonth = 0;
    double largestTotal = 0; // g/m²
    int largestMonth = 0;
    QList<double> largestPerPlane;
    double leftAfterYear = 0;
    std::optional<int> driedMonth;    // the month at whose end the total last fell to 0
    bool everyMonthCondenses = false; // the year then starts after the warmest month
};

YearBalance yearBalance(const QList<Layer>& fromRoomSide, const SurfaceResistances& surfaces,
                        const Climate& climate);

// The month to draw by default: the largest amount held, else the coldest.
int diagramMonth(const YearBalance& balance, const Climate& climate);

struct MouldCheck {
    bool required = false;     // some month is colder outside than inside, with moist air
    bool attainable = true;    // false when φ_i ≥ 80 % asks for f_Rsi,min ≥ 1
    double factor = 0;         // f_Rsi of the construction
    double requiredFactor = 0; // f_Rsi,max, the largest f_Rsi,min
    int criticalMonth = 0;
    bool met() const { return !required || (attainable && factor >= requiredFactor); }
};

// `layersResistance` is Σ R of the layers, m²·K/W.
MouldCheck mouldCheck(double layersResistance, const Climate& climate);

} // namespace Moisture
