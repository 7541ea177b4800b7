#pragma once
// What the user types into the temperature profile window, as the texts stand.

#include <QString>

struct ProfileInputs {
    QString indoorTemperature = QStringLiteral("20"); // t_i, °C
    QString indoorHumidity = QStringLiteral("55");    // phi_i, %
    // t_e, °C: the user's to enter; -22 is the design temperature of zone I.
    QString outdoorTemperature = QStringLiteral("-22");
    QString criticalDifference = QStringLiteral("4"); // Δt_cr, K
    bool insideIsLayer1 = true;                       // layer 1 faces the room
    friend bool operator==(const ProfileInputs&, const ProfileInputs&) = default;
};
