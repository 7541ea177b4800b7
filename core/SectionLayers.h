#pragma once
// The layers of the last layer calculation as the section drawing and the
// temperature profile take them: those that Rk counts, in order from the room.

#include "core/LayerStack.h"
#include "core/MaterialCatalogue.h"

#include <QList>
#include <QString>

namespace SectionLayers {

// What a layer is made of, for its colour and hatching in the drawing.
using Kind = MaterialCatalogue::MaterialKind;

struct Layer {
    int number = 0; // 1..12, the row of the layer window
    LayerStack::Material material;
    double thickness = 0;  // mm
    double resistance = 0; // m2*K/W, unrounded
    Kind kind = Kind::Other;
};

// The kind of a name that no catalogue entry vouches for (typed, or of the user list):
// from the words of the name, else from the catalogue category that feeds the row.
Kind kindOf(int number, const QString& name, bool airGap);

// The layers that Rk counts (those with a thickness other than 0), in the order 1..12,
// each of its catalogue entry's kind, else of the kind its name says; a negative
// thickness is kept, for the profile to say which layer no section can have.
QList<Layer> calculated(const LayerStack::Stack& stack, bool layer11AirGap);

// The same layers from the room side out: 1..12 when layer 1 faces the room, else 12..1.
QList<Layer> fromRoomSide(QList<Layer> layers, bool insideIsLayer1);

// The layers named again in the language installed now, where a catalogue name gave them.
void retranslateNames(QList<Layer>& layers);

// The legend's name of a kind.
QString kindName(Kind kind);

} // namespace SectionLayers
