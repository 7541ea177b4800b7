#pragma once
// Whether the results shown still follow from the inputs shown: the layer inputs of
// the last layer calculation, the texts of the last completed check and the class of
// D that a production building's Rqmin was taken for, against the inputs now.

#include "core/Calculation.h"
#include "core/ProjectRecord.h"

#include <optional>

namespace ResultState {

// What has changed since the results were computed, the most basic first.
enum class Change { None, Layers, CheckInputs, RequirementClass };

struct Now {
    Project::LayerStackInputs layers;
    QString rk, alphaExt, alphaInt, rqmin;
    std::optional<double> inertia; // the construction's D of the last layer calculation
};

// The layer inputs that a layer calculation reads (the user list's file aside).
bool sameLayers(const Project::LayerStackInputs& a, const Project::LayerStackInputs& b);

// Nothing before the first check; the layers only once they have been calculated.
Change change(const Calculation& state, const Now& now);

// The short note that says what to press.
QString note(Change change);
// What changed, for the question before a document is made.
QString question(Change change);

} // namespace ResultState
