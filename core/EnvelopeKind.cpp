#include "core/EnvelopeKind.h"

#include <QCoreApplication>

#include <array>

namespace EnvelopeKind {

namespace {

// Columns of the Δt_cr table.
constexpr int walls = 0;
constexpr int coverings = 1;
constexpr int floorsOverPassagesAndBasements = 2;

template <class Container> bool inside(const Container& c, int index) {
    return index >= 0 && index < int(c.size());
}

} // namespace

std::optional<Envelope> residential(int row) {
    // In the order of RequiredResistance::residentialItems().
    const std::array<std::optional<Envelope>, 6> rows{{
        Envelope{walls, ColdSide::OutdoorAir},
        Envelope{coverings, ColdSide::OutdoorOrAtticAir},
        std::nullopt,
        Envelope{floorsOverPassagesAndBasements, ColdSide::PassageOrColdBasement},
        Envelope{floorsOverPassagesAndBasements, ColdSide::UnheatedBasement},
        Envelope{floorsOverPassagesAndBasements, ColdSide::UnheatedBasement},
    }};
    return inside(rows, row) ? rows[row] : std::nullopt;
}

std::optional<Envelope> production(int kind) {
    // In the order of RequiredResistance::productionKindItems().
    const std::array<Envelope, 3> kinds{{
        {walls, ColdSide::OutdoorAir},
        {coverings, ColdSide::OutdoorOrAtticAir},
        {floorsOverPassagesAndBasements, ColdSide::PassageOrColdBasement},
    }};
    return inside(kinds, kind) ? std::optional(kinds[kind]) : std::nullopt;
}

std::optional<int> productionPurpose(int regime) {
    // Dry and normal, wet and moist, heat excess: rows 2, 3 and 4 of the Δt_cr table.
    const std::array<int, 3> rows{2, 3, 4};
    return inside(rows, regime) ? std::optional(rows[regime]) : std::nullopt;
}

int headingKind(const Envelope& envelope) {
    switch (envelope.coldSide) {
    case ColdSide::OutdoorAir:
        return 0;
    case ColdSide::OutdoorOrAtticAir:
        return 2;
    case ColdSide::PassageOrColdBasement:
    case ColdSide::UnheatedBasement:
        break;
    }
    return 1;
}

QString coldSideCaption(ColdSide side) {
    switch (side) {
    case ColdSide::OutdoorAir:
        break;
    case ColdSide::OutdoorOrAtticAir:
        return QCoreApplication::translate("EnvelopeKind",
                                           "Температура наружного воздуха или воздуха чердака tн");
    case ColdSide::PassageOrColdBasement:
        return QCoreApplication::translate("EnvelopeKind",
                                           "Температура воздуха проезда или холодного подвала tн");
    case ColdSide::UnheatedBasement:
        return QCoreApplication::translate("EnvelopeKind",
                                           "Температура воздуха неотапливаемого подвала tн");
    }
    return QCoreApplication::translate("EnvelopeKind",
                                       "Расчетная температура наружного воздуха tн");
}

} // namespace EnvelopeKind
