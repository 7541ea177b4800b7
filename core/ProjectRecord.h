#pragma once
// What the user chose and typed in every window of one calculation: the inputs
// of a project, never its results. Texts are kept exactly as the windows show
// them, the decimal separator included.

#include "core/LayerCount.h"
#include "core/MoistureInputs.h"
#include "core/ProfileInputs.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Project {

// A drop-down list: the item whose values the window keeps (-1 for none) and, when the
// user typed over it or no item is kept, the text the list shows (empty otherwise).
// Projects of versions 1 and 2 kept the shown text always without saying whether it was
// typed: for them `typed` is unknown, and the list compares the text with its item's.
// `prompt`: the list shows its own prompt (or caption), in whichever language is in use;
// the text is then only what it showed when it was kept.
struct ListChoice {
    int item = -1;
    QString text;
    std::optional<bool> typed = false;
    bool prompt = false;
    bool operator==(const ListChoice&) const = default;
};

enum class BuildingKind { Residential, Production, WallsBetweenFlats };

// The number of the code's table for the kind: "1", "2" or "3", as the report prints it.
QString tableNumber(BuildingKind kind);

// The required-resistance window.
struct RequirementInputs {
    ListChoice zone;
    ListChoice city;
    BuildingKind building = BuildingKind::Residential;
    ListChoice envelope;       // residential and civil buildings
    ListChoice productionKind; // production buildings
    ListChoice regime;
    QString inertia; // D
    bool reconstruction = false;
    QString rqmin; // the result field, as looked up or typed
    bool operator==(const RequirementInputs&) const = default;
};

// The walls-between-flats window.
struct PartitionInputs {
    ListChoice warmerPurpose;
    ListChoice coolerPurpose;
    QString warmerTemperature;
    QString coolerTemperature;
    ListChoice differencePurpose;
    ListChoice constructionKind;
    QString temperatureDifference;
    QString alphaInt;
    QString rqmin;
    bool operator==(const PartitionInputs&) const = default;
};

// The coefficients window.
struct CoefficientInputs {
    ListChoice constructionType;
    QString alphaExt;
    QString alphaInt;
    bool operator==(const CoefficientInputs&) const = default;
};

// The air-gap window.
struct AirGapInputs {
    ListChoice placement;
    ListChoice temperature;
    ListChoice thickness;
    QString resistance;
    bool operator==(const AirGapInputs&) const = default;
};

// One row of the layer window.
struct LayerInputs {
    ListChoice material;
    QString ld;
    QString s;
    QString thickness; // mm
    bool operator==(const LayerInputs&) const = default;
};

// The quantity window.
struct QuantityInputs {
    QString height;
    QString length;
    bool counted = false; // the user asked for the quantity
    int orderingGrade = 0;
    // Layer 12 as the quantity was counted for it, when that is no longer layer 12;
    // all empty when it still is.
    LayerInputs countedFor;
    bool operator==(const QuantityInputs&) const = default;
};

struct LayerStackInputs {
    std::array<LayerInputs, layerCount> layers;
    QString userListPath; // the user constructions set offered in layer 12, empty for none
    bool layer11HoldsAirGap = false;
    // Layer 12's caption, while it shows one, is that of an opened set ("...").
    bool userListOpened = false;
    bool operator==(const LayerStackInputs&) const = default;
};

// The insulation selection window: the board, -1 before one is chosen.
struct InsulationInputs {
    int product = -1;
    bool operator==(const InsulationInputs&) const = default;
};

// One row of the main window's layer list, as the layer window and the
// selection handed it over.
struct ListedLayer {
    QString name;
    QString thickness;
    // The catalogue name the layer window handed as `name` (layer 12: the board's, which
    // the selection wrote there), so that it is named in the language of today; empty
    // for any other name.
    QString nameSource = QString();
    bool operator==(const ListedLayer&) const = default;
};

// The main window's fields that the user types or that the other windows hand over
// on the user's acceptance.
struct MainInputs {
    QString rqmin;
    QString envelopeCaption;
    QString alphaExt;
    QString alphaInt;
    QString constructionType;
    QString rk;
    int constructionKind = -1; // the report's construction-kind selector
    std::array<ListedLayer, layerCount> layerList;
    // The source texts of the requirement window's envelope item and of the coefficients
    // window's construction type that these captions show, handed over from the lists;
    // empty for a caption typed or never handed.
    QString envelopeSource = QString();
    QString constructionTypeSource = QString();
    bool operator==(const MainInputs&) const = default;
};

// The requirement window, or the walls-between-flats one, as it stood when it accepted the
// Rqmin the calculation was checked against; `rqmin` empty when none was accepted.
struct AcceptedRequirement {
    QString rqmin; // the text written into the main window
    bool betweenFlats = false;
    RequirementInputs requirement;
    PartitionInputs partition;
    bool operator==(const AcceptedRequirement&) const = default;
};

// The calculation's details for the report's title block.
struct DetailsInputs {
    QString objectTitle; // "Объект"
    QString client;      // "Заказчик"
    QString author;      // "Исполнитель"
    bool operator==(const DetailsInputs&) const = default;
};

struct Record {
    QChar decimalSeparator = QLatin1Char(','); // of the locale the texts were typed in
    MainInputs main;
    RequirementInputs requirement;
    PartitionInputs partition;
    CoefficientInputs coefficients;
    AirGapInputs airGap;
    LayerStackInputs layers;
    InsulationInputs insulation;
    QuantityInputs quantity;
    ProfileInputs profile; // the temperature profile window
    DetailsInputs details;
    AcceptedRequirement accepted;
    MoistureInputs moisture;
    bool operator==(const Record&) const = default;
};

// The record with every number text written with `separator` instead of the record's
// own, so that a project typed under one locale reads the same under another; names
// and texts that are no number stay as they are.
Record withSeparator(const Record& record, QChar separator);

// The name of the first number field, in the order a project's calculation reads
// them, that holds exactly this text; none when no number field holds it. A section's
// key ("main") limits the search to that section.
std::optional<QString> fieldHolding(const Record& record, const QString& text,
                                    const char* section = nullptr);

// Cuts every text of the record longer than `longest` characters to that length; the
// names of the fields cut, for the user, in the order of the table.
QStringList shortenTexts(Record& record, qsizetype longest);

} // namespace Project
