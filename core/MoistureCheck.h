#pragma once
// The moisture window's logic: the calculated layers, the typed δ or μ, the climate
// texts and the kind of envelope in; the layers' vapour data, the year's balance, the
// mould check and their verdicts out, for the window and the document alike.

#include "core/MoistureInputs.h"
#include "core/MoistureYear.h"
#include "core/ProfileInputs.h"
#include "core/Rgb.h"
#include "core/SectionLayers.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace MoistureCheck {

struct LayerRow {
    SectionLayers::Layer layer;
    VapourPermeability::LayerValue value;
    bool twoSources = false;
    std::optional<double> factor;              // μ
    std::optional<double> equivalentThickness; // s_d, m
};

struct Evaluation {
    QList<LayerRow> rows; // from the room side out
    QStringList problems; // refused texts
    QString blocker;      // why there is no balance, empty when there is one
    std::optional<Moisture::Climate> climate;
    std::optional<Moisture::YearBalance> balance;
    std::optional<Moisture::MouldCheck> mould;
    Moisture::SurfaceResistances surfaces;
    QString surfacesName; // the set of surface resistances used, named
};

// `deltaTcrKind` is the kind of envelope last accepted (walls, coverings, floors).
Evaluation evaluate(const QList<SectionLayers::Layer>& calculated, const MoistureInputs& inputs,
                    const ProfileInputs& profile, int deltaTcrKind, QChar separator);

// A plane named by its neighbouring layers' rows: "между слоями 3 и 4".
QString planeName(const Evaluation& e, qsizetype interface);

QString interstitialVerdict(const Evaluation& e, QChar separator);
QString surfaceVerdict(const Evaluation& e, QChar separator);
Rgb interstitialColor(const Evaluation& e);
Rgb surfaceColor(const Evaluation& e);

// g/m² with one decimal.
QString grams(double amount, QChar separator);

// One row of the month table: the month, θ_e, φ_e, p_e, then per plane the month's
// amount and the amount held.
QStringList monthCells(const Evaluation& e, const Moisture::Month& month, QChar separator);

} // namespace MoistureCheck
