#pragma once
// The whole calculation of a project without a window: from the inputs a project keeps
// to every result the windows show after opening it (the layers, the resistance check,
// the selection's needed thickness, the quantity, the temperature profile and the moisture
// check), in the
// order and with the texts the windows compute them.

#include "core/Errors.h"
#include "core/InsulationQuantity.h"
#include "core/LayerStack.h"
#include "core/MoistureCheck.h"
#include "core/ProjectRecord.h"
#include "core/ResistanceCheck.h"
#include "core/TemperatureCheck.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace ProjectCalculation {

// The steps of the calculation, in their order; a failed step ends only itself.
enum class Step { Layers, Check, Quantity };

struct Failure {
    Step step;
    ErrorKind kind = ErrorKind::Other;
    QString message;                   // the error's own message
    std::optional<QString> notANumber; // the text that did not read as a number
};

// "Расчет" of the layer window: what it showed before it ended or was interrupted.
struct Layers {
    LayerStack::Stack stack; // each row's material, texts and the numbers kept
    std::optional<LayerStack::PerLayer<QString>> resistances; // R of each layer
    QString rk;                                               // the layers' Rk
    QString totalThickness;                                   // mm
    std::optional<LayerStack::PerLayer<QString>> inertias;    // D of each layer
    QString inertiaTotal;
    QStringList warnings;
};

// A completed check: R0 and its comparison with Rqmin, from the main window's texts.
struct Check {
    QString rk; // the Rk it read: the layers' one handed over, or the project's own
    QString r0;
    ResistanceCheck::Verdict verdict;
    QString rkRequired; // empty when only the layers' hand-over checked
};

struct Results {
    Layers layers;
    // The last completed check: "Расчет!!!" over the project's own Rk, else the check that
    // the layers' hand-over of Rk ran; none when neither could read its texts.
    std::optional<Check> check;
    // A check found R0 > 0, as the layers handed Rk over or at the end: the documents can
    // be made.
    bool reportReady = false;
    // The thickness of layer 12 in mm that the chosen board needs; none without a board,
    // without a check, or when no thickness meets the requirement.
    std::optional<double> neededThickness;
    std::optional<InsulationQuantity::Quantity> quantity; // when the project counted it
    TemperatureCheck::Evaluation temperatures;
    // The moisture check of the layers, for the envelope the requirement window announces.
    MoistureCheck::Evaluation moisture;
    std::optional<Failure> failure; // the first step that failed
};

// The project's texts are read with `separator`, as the windows would show them.
// `layer12Board` is the selection's board (its index) that layer 12 shows by the board's
// name, as the windows find it from names in either language; layer 12 then takes the
// board's name in the current language.
Results calculate(const Project::Record& record, QChar separator,
                  std::optional<int> layer12Board = std::nullopt);

} // namespace ProjectCalculation
