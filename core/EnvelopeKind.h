#pragma once
// The kind of envelope that the required resistance was taken for, as the temperature
// check needs it: its column of the Δt_cr table of walls between flats, and what air
// lies on its cold side.

#include <QString>

#include <optional>

namespace EnvelopeKind {

// What lies beyond the envelope's cold side.
enum class ColdSide {
    OutdoorAir,        // external walls
    OutdoorOrAtticAir, // coverings, and floors under an unheated attic
    PassageOrColdBasement,
    UnheatedBasement,
};

struct Envelope {
    int deltaTcrKind = 0; // the column of PartitionRqmin::deltaTcr: walls, coverings, floors
    ColdSide coldSide = ColdSide::OutdoorAir;
    friend bool operator==(const Envelope&, const Envelope&) = default;
};

// The residential envelope list's row 0 to 5 (none for the separator line, row 2).
std::optional<Envelope> residential(int row);
// The production envelope list's kind 0 to 2.
std::optional<Envelope> production(int kind);
// The Δt_cr table's row for a production building's humidity regime 0 to 2.
std::optional<int> productionPurpose(int regime);

// The report heading's kind of construction for the envelope: 0 an external wall,
// 1 a floor over a passage or basement, 2 a covering or a floor under an attic.
int headingKind(const Envelope& envelope);

// The caption of the cold-side air temperature, in the current language.
QString coldSideCaption(ColdSide side);

} // namespace EnvelopeKind
