#pragma once
// Both reports of a project without windows: what the windows would show after opening
// it, found from its record and its calculation, and the decision whether a report is made.

#include "core/Calculation.h"
#include "core/ProjectCalculation.h"
#include "core/ResultState.h"
#include "formats/CalculationReport.h"
#include "formats/ReportDocument.h"
#include "session/ProjectReplay.h"

namespace HeadlessReport {

// Every function takes the record with its texts written with `separator`
// (Project::withSeparator), as the windows show them.

// The selection's board that layer 12 shows by its name, for the calculation.
std::optional<int> layer12Board(const Project::Record& record);

// The first step that failed as the windows open the project, its filling included.
std::optional<ProjectReplay::OpeningFailure>
failure(const Project::Record& record, const ProjectCalculation::Results& results, QChar separator);

// The calculation's state as the windows leave it after opening the project: the last
// check, the accepted requirement and the layers of the last layer calculation.
Calculation openedState(const Project::Record& record, const ProjectCalculation::Results& results,
                        QChar separator);

// What the windows would find out of date after opening the project.
ResultState::Changes changes(const Project::Record& record,
                             const ProjectCalculation::Results& results, QChar separator);

CalculationReport::Input calculationReportInput(const Project::Record& record,
                                                const ProjectCalculation::Results& results,
                                                QChar separator);

ReportDocument::Input reportDocumentInput(const Project::Record& record,
                                          const ProjectCalculation::Results& results,
                                          QChar separator, const QString& date);

} // namespace HeadlessReport
