#pragma once
// The state of the one calculation in progress that lives outside the windows' fields.

#include "core/Caption.h"
#include "core/ProjectRecord.h"
#include "core/ResistanceCheck.h"

#include <QString>

#include <optional>
#include <variant>

// What the last completed resistance check read and found, for the report: the number
// texts as the fields held them, the caption and the verdict as identities, shown in the
// language of the moment they are read.
struct CheckSnapshot {
    QString rk;
    QString alphaExt;
    QString alphaInt;
    QString r0;
    QString rqmin;
    Caption constructionType;
    bool met = false;
    ResistanceCheck::Relation relation = ResistanceCheck::Relation::Less;
};

// Where the Rqmin last accepted into the main window came from: the texts of the
// table, zone, city, envelope and factor that gave it, for the report.
struct RequirementSource {
    // The production table's D classes part at D = 1,5.
    static constexpr double inertiaBound = 1.5;
    Project::BuildingKind building = Project::BuildingKind::Residential; // as Calculation
    QString zone;
    QString city; // empty when none was chosen for the zone
    QString envelope;
    QString tableValue;               // the value looked up, before the factor
    bool reconstruction = false;      // the reconstruction factor applied
    QString regime;                   // production buildings
    QString inertiaClass;             // production buildings: "D > 1,5" or "D =< 1,5"
    std::optional<bool> inertiaAbove; // production buildings: D > 1,5 when accepted
    QString acceptedText;             // the text written into the main window's Rqmin
    // The window's choices it was accepted with: the requirement window's, or the
    // walls-between-flats window's.
    std::variant<Project::RequirementInputs, Project::PartitionInputs> acceptedWith;
    // The lists' items the texts below name (-1: a text no item of the list shows), so that
    // they are named again in another language by what they are.
    struct Items {
        int zone = -1;
        int envelope = -1;
        int regime = -1;
    } items;
    // What the plain-text report prints of that moment, as the windows showed it: the zone
    // list, the main window's envelope caption, the regime list, the walls-between-flats
    // purpose and deltaTcr, and the reconstruction box.
    struct ReportTexts {
        QString zone;
        QString envelopeCaption;
        QString regime;
        QString purpose;
        QString deltaTcr;
        bool reconstruction = false;
    } report;
};

struct Calculation {
    // The kind of building, and so the code table, behind the current Rqmin.
    Project::BuildingKind building = Project::BuildingKind::Residential;
    CheckSnapshot snapshot;
    bool hasSnapshot = false;
    // Density grade of the chosen insulation board, for the order text.
    int orderingGrade = 0;
    // The layer that an accepted air gap goes to (11), 0 when none.
    int airGapTarget = 0;
    // The layer inputs of the last completed layer calculation.
    std::optional<Project::LayerStackInputs> layerRun;
    // The last Rqmin a requirement window accepted.
    std::optional<RequirementSource> requirement;
    // The project file last opened or saved, which nothing but a project replaces.
    QString projectFile;
};
