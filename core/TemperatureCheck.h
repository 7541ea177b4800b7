#pragma once
// The temperature profile window's logic: its input texts, the surface
// coefficients and the calculated layers in; the profile, the verdicts and
// the reason for every refused input out.

#include "core/ProfileInputs.h"
#include "core/Rgb.h"
#include "core/SectionLayers.h"
#include "core/TemperatureProfile.h"

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

namespace TemperatureCheck {

enum class Field { IndoorTemperature, IndoorHumidity, OutdoorTemperature, CriticalDifference };

struct FieldProblem {
    Field field;
    QString reason; // a sentence for the window, naming the field
};

struct Evaluation {
    QList<FieldProblem> problems;       // inputs refused as they stand
    QString blocker;                    // why there is no profile, empty when there is one
    QList<SectionLayers::Layer> layers; // from the room side out
    std::optional<TemperatureProfile::Profile> profile;
    bool humidityKnown = false; // the dew point and the condensation check
    double criticalDifference = 0;
    std::optional<bool> sanitaryMet;
    std::optional<bool> surfaceStaysDry;
    QString note; // said beside the results, such as no outward heat flow
};

// alphaInt and alphaExt are the main window's field texts.
Evaluation evaluate(const ProfileInputs& inputs, const QString& alphaInt, const QString& alphaExt,
                    const QList<SectionLayers::Layer>& calculated, QChar separator);

// A temperature with one decimal: "17,9", "-21,2", never "-0,0".
QString temperatureText(double celsius, QChar separator);

QString sanitaryVerdict(bool met);
QString condensationVerdict(bool met, bool dryAir);
Rgb verdictColor(bool met);

// Δt_cr from the walls-between-flats table: the text for the field and, for the cells
// given as a formula of the dew point, that formula as a hint (the field then holds its value).
struct CriticalDifferenceChoice {
    QString text;
    QString hint;
};
std::optional<CriticalDifferenceChoice>
criticalDifference(int purpose, int kind, const ProfileInputs& inputs, QChar separator);

} // namespace TemperatureCheck
