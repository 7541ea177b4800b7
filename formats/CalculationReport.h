#pragma once
// The calculation report: the whole calculation as a listing of plain-text lines.

#include "core/Calculation.h"
#include "core/LayerCount.h"

#include <QString>
#include <QStringList>

#include <array>

namespace CalculationReport {

struct Layer {
    QString name;                   // the main window's layer list
    QString thickness;              // the main window's layer list, mm
    QString ld;                     // the layer window's conductivity field
    QString resistance;             // the layer window's resistance field
    double calculatedThickness = 0; // mm, as the last layer calculation took it
    QString s{};                    // the layer window's heat-absorption field
    QString inertia{};              // the layer window's D field
};

// Every value that the report reads, as the windows hold it at the time of writing.
struct Input {
    QString constructionKind; // the main window's construction-kind selector
    QString zone;             // temperature zone of the required-resistance window
    Project::BuildingKind building = Project::BuildingKind::Residential; // the code's table
    QString envelopeCaption; // the main window's envelope-kind caption
    QString regime;          // operating regime (production buildings)
    QString purpose;         // building purpose (walls between flats)
    QString deltaTcr;        // design temperature difference (walls between flats)
    bool reconstruction = false;
    CheckSnapshot snapshot; // the last check
    std::array<Layer, layerCount> layers;
    QString totalThickness;
    QString rkField;         // the main window's Rk field now
    QString relationCaption; // the main window's relation label now
    bool layer11HoldsAirGap = false;
    QString airGapPlacement;
    QString airGapTemperature;
};

// The report's lines, without line ends.
QStringList lines(const Input& input);

// The requirement's lines as the requirement was accepted.
void takeRequirement(Input& in, const RequirementSource& accepted);

// The file's text: every line followed by CR LF, the last one included.
QString text(const Input& input);

} // namespace CalculationReport
