#pragma once
// The report to hand in: the calculation as a list of blocks (headed sections of rows,
// tables, drawings, paragraphs), from the same texts that the plain-text report copies.

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
#include <variant>

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

struct Input {
    CalculationReport::Input report; // what the plain-text report reads
    QString date;                    // "09.12.2026"
    Project::DetailsInputs details;  // the calculation's object, client and author
    // Where the Rqmin of the last check came from: the requirement window's accepted
    // choice, or nothing when it was typed into the main window.
    std::optional<RequirementSource> requirement;
    QString inertiaNow; // the construction's D, when it left the class Rqmin was taken for
    QString city;       // empty when none is chosen
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

// The blocks a document is composed of, laid out in their order. A heading goes on the
// page of the block after it.
struct Heading {
    QString text;
    bool numbered = true; // a section's heading, numbered in order when laid out
};

// Rows of a caption and its value.
struct Section {
    QList<Row> rows;
};

struct Table {
    QList<int> wideColumns{2}; // share the width the others leave; none: as wide as the words
    QStringList header;
    QList<QStringList> rows;
    QStringList totals;
    QString note; // under the table
};

// The drawings a document can hold, each painted from its own picture.
enum class Drawing { SectionTemperatures, VapourPressures };

struct Figure {
    Drawing drawing = Drawing::SectionTemperatures;
    double heightMm = 0;
    double spaceBelowMm = 0;    // kept on the figure's page
    std::optional<int> month{}; // 0 = January, for a drawing of one month
};

// A plain text, such as why a drawing or a result is missing.
struct Paragraph {
    QString text;
};

using Block = std::variant<Heading, Section, Table, Figure, Paragraph>;

struct Content {
    QString programName;
    QString title; // "РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ НАРУЖНОЙ СТЕНЫ"
    QString subtitle; // the code and the date
    QList<Block> blocks;
};

// The blocks with the numbered headings' texts numbered in order: "6. Температуры в разрезе".
QList<Block> numbered(QList<Block> blocks);

Content compose(const Input& input);

// "Страница 1 из 2".
QString pageFooter(int page, int pages);

} // namespace ReportDocument
