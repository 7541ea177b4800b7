#pragma once
// The outdoor climate by month as the user types or pastes it, read into numbers.

#include "core/MoistureInputs.h"
#include "core/MoistureYear.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace MoistureClimate {

// Twelve rows of θ_e and φ_e pasted from a spreadsheet: tab-, semicolon- or
// space-separated, with the locale's decimal separator. Refused whole, with the reason.
struct Pasted {
    std::array<QString, 12> temperature;
    std::array<QString, 12> humidity;
    QString problem;
};
Pasted parsePasted(const QString& text, QChar separator);

struct Reading {
    std::optional<Moisture::Climate> climate;
    QStringList problems; // one sentence per refused text, naming the month
};

// The indoor pair comes from the temperature profile's texts.
Reading read(const MoistureInputs& inputs, const QString& indoorTemperature,
             const QString& indoorHumidity, QChar separator);

} // namespace MoistureClimate
