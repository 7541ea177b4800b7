#pragma once
// The report to hand in: the calculation as headed sections, rows and a layer
// table, from the same texts that the plain-text report copies.

#include "core/Calculation.h"
#include "core/MoistureCheck.h"
#include "core/MoistureInputs.h"
#include "core/ProfileInputs.h"
#include "core/Rgb.h"
#include "core/TemperatureCheck.h"
#include "formats/CalculationReport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace ReportDocument {

// The board of the selection window while layer 12 holds it: the thickness typed there
// and the one the selection's rule gives for the calculation now.
struct Insulation {
    QString name;
    QString adopted;              // layer 12's thickness, mm: "120"
    std::optional<double> needed; // mm; none when no thickness meets the requirement
};

// The quantity the quantity window worked out last.
struct Quantity {
    double area = 0;     // m²
    double volumeM3 = 0; // m³, unrounded
    // Worked out for the board and thickness that layer 12 holds now.
    bool followsLayer12 = false;
};

struct LayerExtras {
    QString s;       // the layer window's S field
    QString inertia; // the layer window's D field
};

struct Input {
    CalculationReport::Input report; // what the plain-text report reads
    QString date;                    // "09.12.2026"
    Project::DetailsInputs details;  // the calculation's object, client and author
    // Where the Rqmin of the last check came from: the requirement window's accepted
    // choice, or nothing when it was typed into the main window.
    std::optional<RequirementSource> requirement;
    QString inertiaNow; // the construction's D, when it left the class Rqmin was taken for
    QString city;       // empty when none is chosen
    std::array<LayerExtras, layerCount> layerExtras;
    QString inertiaTotal;
    Rgb verdictColor;
    std::optional<Insulation> insulation;
    std::optional<Quantity> quantity;
    // The temperature profile window's inputs and what it evaluates from them.
    ProfileInputs profileInputs;
    TemperatureCheck::Evaluation temperatures;
    // The moisture window's inputs and its check of the layers of the last calculation.
    MoistureInputs moistureInputs;
    MoistureCheck::Evaluation moisture;
    QChar separator = QLatin1Char(',');
};

struct Row {
    QString caption;
    QString value;
    std::optional<Rgb> color; // the value's colour when it is a verdict
};

struct Section {
    QString heading;
    QList<Row> rows;
};

struct LayerTable {
    QList<int> wideColumns{2}; // share the width the others leave; none: as wide as the words
    QStringList header;
    QList<QStringList> rows; // one per listed layer
    QStringList totals;
    QString note; // the air gap's placement, when layer 11 holds one
};

// The vapour balance: the layers' permeabilities, the climate, the month table, the
// verdicts and the diagram of one month.
struct MoistureSection {
    QString heading;
    Section conditions; // the place, the indoor air, the surface resistances
    LayerTable layers;
    QString monthsHeading;
    LayerTable months;
    Section verdicts;
    QString noResultReason;          // instead of the tables' results when there is no balance
    std::optional<int> diagramMonth; // 0 = January
    QString diagramHeading;
};

struct Content {
    QString programName;
    QString title; // "РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ НАРУЖНОЙ СТЕНЫ"
    QString subtitle; // the code and the date
    Section details;  // the title block: object, client, author, each when filled
    Section requirement;
    Section coefficients;
    QString layersHeading;
    LayerTable layers;
    Section resistance; // R0 with its formula, the comparison and the verdict
    std::optional<Section> insulation;
    QString drawingHeading;
    Section surface;         // under the drawing: the climate, the surface temperatures, the checks
    QString noDrawingReason; // instead of the drawing when there is none
    // Only once a climate has been typed: a project without one did not ask for the check.
    std::optional<MoistureSection> moisture;
};

Content compose(const Input& input);

// "Страница 1 из 2".
QString pageFooter(int page, int pages);

} // namespace ReportDocument
