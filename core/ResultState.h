#pragma once
// Whether the results shown still follow from the inputs shown: the layer inputs of
// the last layer calculation, the texts of the last completed check and the class of
// D that a production building's Rqmin was taken for, against the inputs now.

#include "core/Calculation.h"
#include "core/ProjectRecord.h"

#include <QChar>

#include <optional>

namespace ResultState {

// Every kind of input that has changed since the results were computed.
struct Changes {
    bool layers = false;           // since the last layer calculation
    bool rk = false;               // since the last check
    bool coefficients = false;     // alpha_ext or alpha_int, since the last check
    bool rqmin = false;            // since the last check
    bool requirementClass = false; // D left the class the accepted Rqmin was taken for
    bool any() const { return layers || rk || coefficients || rqmin || requirementClass; }
    bool checkInputs() const { return rk || coefficients || rqmin; }
    bool operator==(const Changes&) const = default;
};

struct Now {
    Project::LayerStackInputs layers;
    QString rk, alphaExt, alphaInt, rqmin;
    std::optional<double> inertia; // the construction's D of the last layer calculation
};

// The layer inputs that a layer calculation reads (the user list's file aside).
bool sameLayers(const Project::LayerStackInputs& a, const Project::LayerStackInputs& b);

// Nothing before the first check; the layers only once they have been calculated.
Changes changes(const Calculation& state, const Now& now);

// The last completed check still judges the layers while R0 and Rqmin read as it left them
// and Rk is the same number ("0" and "0,000" alike): a rewrite that changes no text of R0
// runs no new check, and needs none.
bool checkJudges(const Calculation& state, const QString& rk, const QString& r0,
                 const QString& rqmin, QChar separator);

// A quantity counted for `countedFor` follows layer 12 while layer 12 is as it was counted
// for and the layers have not changed since their calculation.
bool quantityFollows(const Project::LayerInputs& countedFor, const Project::LayerInputs& layer12,
                     const Changes& changes);

// The choices the current Rqmin was accepted with, when a window of these inputs accepted it.
template <class Inputs> std::optional<Inputs> acceptedWith(const Calculation& state) {
    if (!state.requirement)
        return std::nullopt;
    const auto* accepted = std::get_if<Inputs>(&state.requirement->acceptedWith);
    return accepted ? std::optional<Inputs>(*accepted) : std::nullopt;
}

// The window that accepted the current Rqmin still shows the choices it was accepted with.
template <class Inputs> bool acceptanceShown(const Calculation& state, const Inputs& now) {
    return acceptedWith<Inputs>(state) == now;
}

// The short note that says what changed and what to press.
QString note(const Changes& changes);
// What changed, for the question before a document is made.
QString question(const Changes& changes);

} // namespace ResultState
