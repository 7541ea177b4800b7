#pragma once
// The required resistance of a wall or floor between two rooms of different
// design air temperatures, and the tables that feed it.

#include <QString>
#include <QStringList>

#include <optional>

namespace PartitionRqmin {

// (tv1 - tv2) / (DtTcr * alphaInt1): the difference, then the product, then the
// quotient. A zero divisor throws DivisionByZero, or InvalidOperation for 0/0.
double rqmin(double tv1, double tv2, double deltaTcr, double alphaInt1);

// The lists give their source texts, to be shown translated in the context "PartitionRqmin".
// The building purposes of the two temperature lists.
QStringList temperaturePurposeItems();
// Design air temperature, °C, for a purpose index 0 to 4; nothing otherwise.
std::optional<double> airTemperature(int purpose);

// The kinds of construction and the building purposes of the DtTcr table.
QStringList constructionKindItems();
QStringList deltaTcrPurposeItems();

struct DeltaTcr {
    double value = 0.0; // K
    QString hint;       // for the cells the user must fill in; empty otherwise
};

// DtTcr for kind 0 to 2 and purpose 0 to 4; nothing for any other pair.
std::optional<DeltaTcr> deltaTcr(int kind, int purpose);

} // namespace PartitionRqmin
