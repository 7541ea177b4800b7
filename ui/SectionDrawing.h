#pragma once
// The section to scale with its temperature line, painted onto any painter: the
// window's view, a PNG or SVG export, a PDF page.

#include "core/SectionLayers.h"
#include "core/TemperatureCheck.h"
#include "core/TemperatureProfile.h"

#include <QChar>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;

namespace SectionDrawing {

struct Picture {
    QList<SectionLayers::Layer> layers; // from the room side out
    TemperatureProfile::Profile profile;
    bool showDewPoint = false;
    QChar separator = QLatin1Char(',');
};

// The picture of an evaluation, with the dew point when the humidity gives one;
// nothing when the evaluation has no profile.
std::optional<Picture> pictureOf(const TemperatureCheck::Evaluation& evaluation, QChar separator);

// What the drawing says at one point across the section.
struct Reading {
    double x = 0;           // the point's position in the drawing
    double temperature = 0; // °C
    QString text;           // "x = 215 мм, слой 3: t = 12,3 °C"
};

// One text of the drawing and where it goes; the painting and the tests share it.
struct Label {
    enum class Role { PlaneTemperature, LayerNumber, LayerCaption, AirCaption, DewPoint };
    Role role = Role::LayerCaption;
    int index = 0; // the plane's in the profile, the layer's in `layers`, 0 room / 1 outdoor air
    QString text;
    QRectF box;            // what it covers
    bool vertical = false; // read from the bottom up
    QLineF leader;         // from the text to what it names; null when it stands beside it
};

// The texts of a drawing painted into `area` with `font`, none over another or over the
// temperature line; empty when the section cannot be drawn.
struct Layout {
    QRectF plot;
    QList<QPointF> line; // the temperature line's corners
    QList<Label> labels;
};
Layout labelLayout(const QRectF& area, const QFont& font, const Picture& picture);

// The legend's texts in the interface language: the layers' kinds, then the lines.
QStringList legendTexts(const Picture& picture);

// Paints the whole drawing into `area` with the painter's font; with `hoverX`, the
// reading at that position as a marked vertical line.
void paint(QPainter& painter, const QRectF& area, const Picture& picture,
           std::optional<double> hoverX = std::nullopt);

// The reading at position x of a drawing painted into `area` with `font`; nothing
// outside the section and its two surface bands.
std::optional<Reading> readingAt(const QRectF& area, const QFont& font, const Picture& picture,
                                 double x);

} // namespace SectionDrawing
