#pragma once
// The vapour permeability δ of the catalogue's materials where a source gives it, and
// the δ or μ that the user types for a layer.

#include <QChar>
#include <QString>

#include <optional>

namespace VapourPermeability {

struct CatalogueValue {
    double permeability = 0; // δ, mg/(m·h·Pa); 0 for a vapour-tight material
    bool twoSources = false; // two independent transcriptions agree
    double ld = 0;           // the source's λ and S, which the catalogue entry must equal
    double s = 0;
};

// The value of the entry named `nameSource` (the untranslated name) in category `number`.
std::optional<CatalogueValue> catalogue(int number, const QString& nameSource);

// Where a layer's δ comes from.
enum class Origin { None, Catalogue, TypedPermeability, TypedFactor, AirGap };

// What the user typed for a layer: δ (mg/(m·h·Pa)) or μ, never both; empty texts for none.
struct Typed {
    QString permeability;
    QString factor;
    bool operator==(const Typed&) const = default;
};

struct LayerValue {
    Origin origin = Origin::None;
    std::optional<double> permeability; // δ
    QString problem;                    // why a typed text is refused, empty when it is not
};

// The layer's δ: the typed one, else an air gap's (μ = 1), else the catalogue's.
LayerValue resolve(const Typed& typed, bool airGap, std::optional<CatalogueValue> catalogued,
                   QChar separator);

// How the document and the window name the origin.
QString originText(Origin origin, bool twoSources);

} // namespace VapourPermeability
