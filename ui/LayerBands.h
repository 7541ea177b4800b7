#pragma once
// A layer of a section as a band: its material's colour, hatching and outline, for any
// diagram across the section and for the swatches of its legend.

#include "core/SectionLayers.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace LayerBands {

struct Style {
    QColor fill;
    QColor hatch;
};

Style styleOf(SectionLayers::Kind kind);

// Fills `band` with the kind's colour, hatches the part of it inside `visible` (so that
// the hatching ends however wide the band) and outlines it.
void paint(QPainter& painter, const QRectF& band, const QRectF& visible, SectionLayers::Kind kind);

// A legend's swatch: the band in little.
inline void paintSwatch(QPainter& painter, const QRectF& box, SectionLayers::Kind kind) {
    paint(painter, box, box, kind);
}

} // namespace LayerBands
