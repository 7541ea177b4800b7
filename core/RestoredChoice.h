#pragma once
// A drop-down list after a project restored its choice along the path a user's choice takes
// (the item picked first, then any typed text put back over it): what it shows, the item it
// keeps and the item it shows unchanged. Reports made without windows read lists this way.

#include "core/ProjectRecord.h"

#include <QStringList>

namespace RestoredChoice {

struct Shown {
    QString text;
    int index = -1;  // the list's current item, kept under a typed text
    int picked = -1; // the item whose own text the list shows, -1 for none
};

// The list holds `sources`, shown translated in `context` (as they are without one).
Shown of(const QStringList& sources, const char* context, const Project::ListChoice& choice);

} // namespace RestoredChoice
