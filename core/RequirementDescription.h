#pragma once
// How the requirement window describes the Rqmin it accepted, from what its lists and
// fields show: the window and the report made without windows both describe it here.

#include "core/Calculation.h"

#include <QChar>
#include <QString>

namespace RequirementDescription {

// One list as shown: its text and the item whose own text it shows (-1 for none).
struct ShownList {
    QString text;
    int picked = -1;
};

// The requirement window at the moment of acceptance.
struct Shown {
    Project::BuildingKind building = Project::BuildingKind::Residential;
    ShownList zone, city, envelope, productionKind, regime;
    int productionKindValue = 0; // the kind and regime the production lookup keeps
    int regimeValue = 0;
    double inertia = 1; // D
    bool reconstruction = false;
    QString rqmin; // the window's result field
    // What the plain-text report prints of that moment besides the lists' texts.
    QString envelopeCaption, purpose, deltaTcr;
};

// The chosen city while the zone is still the city's own; empty otherwise.
QString cityText(const ShownList& city, const ShownList& zone);

// The source of `accepted`: the texts chosen, and the table's own value when the result
// field still holds what the table gave (the reconstruction factor only then).
RequirementSource describe(const Shown& shown, const QString& accepted, QChar separator);

} // namespace RequirementDescription
