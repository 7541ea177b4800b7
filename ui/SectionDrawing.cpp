#include "ui/SectionDrawing.h"

#include "core/NumberText.h"
#include "core/TemperatureCheck.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace SectionDrawing {

namespace {

using SectionLayers::Kind;
using TemperatureProfile::Plane;

const QColor lineColor(200, 0, 0);
const QColor dewColor(0, 90, 200);
const QColor coldZoneColor(0, 90, 200, 55);
const QColor gridColor(215, 215, 215);
const QColor roomAirColor(255, 244, 228);
const QColor outdoorAirColor(232, 242, 255);

struct KindStyle {
    QColor fill;
    QColor hatch;
};

KindStyle styleOf(Kind kind) {
    switch (kind) {
    case Kind::Masonry:
        return {QColor(222, 158, 128), QColor(150, 70, 45)};
    case Kind::ConcreteAndMortar:
        return {QColor(205, 205, 205), QColor(100, 100, 100)};
    case Kind::Insulation:
        return {QColor(255, 238, 160), QColor(190, 140, 20)};
    case Kind::AirGap:
        return {QColor(235, 247, 255), QColor(150, 190, 230)};
    case Kind::Other:
        break;
    }
    return {QColor(228, 218, 198), QColor(140, 120, 90)};
}

// Where everything goes inside the area; the painting and the hover share it.
struct Geometry {
    QRectF plot; // the bands and the section, between the axes
    double sectionLeft = 0;
    double sectionRight = 0;
    double scale = 0; // px per mm
    double yLow = 0;  // °C at the plot's bottom
    double yHigh = 0; // °C at its top
    double yStep = 1; // °C between grid lines
    double lineHeight = 0;

    double xOfDepth(double depth) const { return sectionLeft + depth * scale; }
    double yOf(double t) const {
        return plot.bottom() - (t - yLow) / (yHigh - yLow) * plot.height();
    }
};

// 1, 2 or 5 times a power of ten, near a sixth of the span.
double niceStep(double span, int parts) {
    if (!(span > 0))
        return 1;
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power)
            return factor * power;
    return 10 * power;
}

double thicknessOf(const Picture& picture) {
    double total = 0;
    for (const SectionLayers::Layer& layer : picture.layers)
        total += layer.thickness;
    return total;
}

Geometry layout(const QRectF& area, const QFont& font, const Picture& picture) {
    const QFontMetricsF metrics(font);
    Geometry g;
    g.lineHeight = metrics.height();
    const double left = metrics.horizontalAdvance(QStringLiteral("-000,0")) + g.lineHeight * 1.4;
    const double top = 2 * g.lineHeight + 14; // the legend
    const double bottom = 2.4 * g.lineHeight;
    const double axisTitle = g.lineHeight * 1.4;
    g.plot = QRectF(area.left() + left, area.top() + top + axisTitle,
                    std::max(10.0, area.width() - left - 14),
                    std::max(10.0, area.height() - top - bottom - axisTitle));
    const double band = std::clamp(g.plot.width() * 0.06, 18.0, 56.0);
    g.sectionLeft = g.plot.left() + band;
    g.sectionRight = g.plot.right() - band;
    const double thickness = thicknessOf(picture);
    g.scale = thickness > 0 ? (g.sectionRight - g.sectionLeft) / thickness : 0;

    double low = picture.profile.planes.isEmpty() ? 0 : picture.profile.planes.front().temperature;
    double high = low;
    for (const Plane& plane : picture.profile.planes) {
        low = std::min(low, plane.temperature);
        high = std::max(high, plane.temperature);
    }
    if (picture.showDewPoint) {
        low = std::min(low, picture.profile.dewPoint);
        high = std::max(high, picture.profile.dewPoint);
    }
    g.yStep = niceStep(high - low, 6);
    g.yLow = std::floor(low / g.yStep) * g.yStep;
    g.yHigh = std::ceil(high / g.yStep) * g.yStep;
    if (g.yHigh - g.yLow < g.yStep) {
        g.yLow -= g.yStep;
        g.yHigh += g.yStep;
    }
    return g;
}

// Whether every plane has a place in the drawing: thicknesses near the limits of a
// double put some at no finite position, and painting those would not end.
bool placeable(const Geometry& g, const Picture& picture) {
    for (const Plane& plane : picture.profile.planes)
        if (!std::isfinite(g.xOfDepth(plane.depth)) || !std::isfinite(g.yOf(plane.temperature)))
            return false;
    return std::isfinite(g.xOfDepth(thicknessOf(picture)));
}

// The temperature line's corners: room air, the surfaces and interfaces, outdoor air.
QList<QPointF> linePoints(const Geometry& g, const Picture& picture) {
    const QList<Plane>& planes = picture.profile.planes;
    QList<QPointF> points;
    for (qsizetype i = 0; i < planes.size(); ++i) {
        double x = g.xOfDepth(planes[i].depth);
        if (i == 0)
            x = g.plot.left();
        else if (i + 1 == planes.size())
            x = g.plot.right();
        points.append({x, g.yOf(planes[i].temperature)});
    }
    return points;
}

QString celsius(double t, QChar separator) {
    return TemperatureCheck::temperatureText(t, separator) + QStringLiteral(" °C");
}

void hatch(QPainter& painter, const QRectF& r, Kind kind, const QColor& color) {
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setPen(QPen(color, 1));
    constexpr double gap = 9;
    switch (kind) {
    case Kind::Masonry: // diagonal lines
        for (double d = -r.height(); d < r.width(); d += gap)
            painter.drawLine(QPointF(r.left() + d, r.bottom()),
                             QPointF(r.left() + d + r.height(), r.top()));
        break;
    case Kind::ConcreteAndMortar: // sparser diagonals the other way
        for (double d = -r.height(); d < r.width(); d += 2 * gap)
            painter.drawLine(QPointF(r.left() + d, r.top()),
                             QPointF(r.left() + d + r.height(), r.bottom()));
        break;
    case Kind::Insulation: { // the zigzag of insulation
        QPainterPath path;
        const double step = std::clamp(r.width() * 0.5, 4.0, 14.0);
        bool right = false;
        path.moveTo(r.center().x(), r.top());
        for (double y = r.top(); y <= r.bottom() + step; y += step, right = !right)
            path.lineTo(right ? r.right() - 2 : r.left() + 2, y);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        break;
    }
    case Kind::AirGap:
        break;
    case Kind::Other: // horizontal lines
        for (double y = r.top() + gap / 2; y < r.bottom(); y += gap)
            painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        break;
    }
    painter.restore();
}

void verticalText(QPainter& painter, const QRectF& band, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const double length = band.height() - metrics.height() * 2.2;
    if (band.width() < metrics.height() + 2 || length < 20)
        return;
    const QString shown = metrics.elidedText(text, Qt::ElideRight, length);
    painter.save();
    painter.translate(band.center().x() + metrics.ascent() / 2 - metrics.descent() / 2,
                      band.bottom() - metrics.height() * 0.6);
    painter.rotate(-90);
    // A pale backing keeps the text readable over the hatching and the temperature line.
    const QRectF backing(-3, -metrics.ascent() - 1, metrics.horizontalAdvance(shown) + 6,
                         metrics.height() + 2);
    painter.fillRect(backing, QColor(255, 255, 255, 190));
    painter.drawText(QPointF(0, 0), shown);
    painter.restore();
}

void paintBands(QPainter& painter, const Geometry& g, const Picture& picture) {
    const QRectF room(g.plot.left(), g.plot.top(), g.sectionLeft - g.plot.left(), g.plot.height());
    const QRectF outdoor(g.sectionRight, g.plot.top(), g.plot.right() - g.sectionRight,
                         g.plot.height());
    painter.fillRect(room, roomAirColor);
    painter.fillRect(outdoor, outdoorAirColor);
    painter.setPen(QColor(90, 90, 90));
    verticalText(painter, room, QStringLiteral("помещение, Rsi"));
    verticalText(painter, outdoor, QStringLiteral("снаружи, Rse"));

    const QFontMetricsF metrics(painter.font());
    double depth = 0;
    for (const SectionLayers::Layer& layer : picture.layers) {
        const QRectF r(g.xOfDepth(depth), g.plot.top(), layer.thickness * g.scale, g.plot.height());
        depth += layer.thickness;
        // A band wider than a double can say is left out; the hatching covers only what
        // is seen, so that it ends however wide the band.
        if (!std::isfinite(r.left()) || !std::isfinite(r.right()))
            continue;
        const KindStyle style = styleOf(layer.kind);
        painter.fillRect(r, style.fill);
        hatch(painter, r.normalized().intersected(g.plot), layer.kind, style.hatch);
        painter.setPen(QPen(QColor(60, 60, 60), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        const QString number = QString::number(layer.number);
        if (r.width() >= metrics.horizontalAdvance(number) + 4) {
            const QRectF tag(r.left(), r.top() + 2, r.width(), metrics.height());
            painter.fillRect(tag.adjusted(1, 0, -1, 0), QColor(255, 255, 255, 200));
            painter.drawText(tag, Qt::AlignCenter, number);
        }
        verticalText(painter, r,
                     QStringLiteral("%1, %2 мм")
                         .arg(layer.name.trimmed(),
                              NumberText::general(layer.thickness, picture.separator)));
    }
}

// The stretches of the section colder than the dew point.
void paintColdZone(QPainter& painter, const Geometry& g, const Picture& picture) {
    if (!picture.showDewPoint)
        return;
    const QList<Plane>& planes = picture.profile.planes;
    const double dew = picture.profile.dewPoint;
    for (qsizetype i = 2; i + 1 < planes.size(); ++i) {
        const Plane& a = planes[i - 1];
        const Plane& b = planes[i];
        if (a.temperature >= dew && b.temperature >= dew)
            continue;
        double from = a.depth;
        double to = b.depth;
        if (a.temperature >= dew || b.temperature >= dew) {
            const double crossing = a.depth + (b.depth - a.depth) * (dew - a.temperature) /
                                                  (b.temperature - a.temperature);
            (a.temperature >= dew ? from : to) = crossing;
        }
        painter.fillRect(QRectF(QPointF(g.xOfDepth(from), g.plot.top()),
                                QPointF(g.xOfDepth(to), g.plot.bottom())),
                         coldZoneColor);
    }
}

void paintAxes(QPainter& painter, const Geometry& g, const Picture& picture) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(gridColor, 1, Qt::DashLine));
    for (double t = g.yLow; t <= g.yHigh + g.yStep / 2; t += g.yStep)
        painter.drawLine(QPointF(g.plot.left(), g.yOf(t)), QPointF(g.plot.right(), g.yOf(t)));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(g.plot.bottomLeft(), g.plot.topLeft());
    painter.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    for (double t = g.yLow; t <= g.yHigh + g.yStep / 2; t += g.yStep) {
        const double y = g.yOf(t);
        painter.drawLine(QPointF(g.plot.left() - 4, y), QPointF(g.plot.left(), y));
        const QString label = NumberText::general(std::round(t * 1000) / 1000, picture.separator);
        painter.drawText(
            QRectF(g.plot.left() - 100, y - metrics.height() / 2, 94, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.drawText(QPointF(g.plot.left() - metrics.horizontalAdvance(QStringLiteral("t, °C")) / 2,
                             g.plot.top() - metrics.height() * 0.7),
                     QStringLiteral("t, °C"));

    const double thickness = thicknessOf(picture);
    const double step = niceStep(thickness, 8);
    for (double d = 0; d <= thickness + step / 1000; d += step) {
        const double x = g.xOfDepth(d);
        painter.drawLine(QPointF(x, g.plot.bottom()), QPointF(x, g.plot.bottom() + 4));
        painter.drawText(QRectF(x - 40, g.plot.bottom() + 4, 80, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop,
                         NumberText::general(std::round(d * 1000) / 1000, picture.separator));
    }
    painter.drawText(QRectF(g.plot.left(), g.plot.bottom() + 4 + metrics.height(), g.plot.width(),
                            metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("x, мм от внутренней поверхности"));
}

void paintDewPoint(QPainter& painter, const Geometry& g, const Picture& picture) {
    if (!picture.showDewPoint)
        return;
    const double y = g.yOf(picture.profile.dewPoint);
    painter.setPen(QPen(dewColor, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
    const QFontMetricsF metrics(painter.font());
    const QString label =
        QStringLiteral("tр = ") + celsius(picture.profile.dewPoint, picture.separator);
    const double width = metrics.horizontalAdvance(label) + 6;
    const QRectF box(g.sectionRight - width - 4, y - metrics.height() - 2, width, metrics.height());
    painter.fillRect(box, QColor(255, 255, 255, 210));
    painter.setPen(dewColor);
    painter.drawText(box, Qt::AlignCenter, label);
}

void paintTemperatureLine(QPainter& painter, const Geometry& g, const Picture& picture) {
    const QList<QPointF> points = linePoints(g, picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(lineColor, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(points.constData(), int(points.size()));
    painter.setBrush(lineColor);
    const QFontMetricsF metrics(painter.font());
    double lastLabelRight = -1e9;
    const QList<Plane>& planes = picture.profile.planes;
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(points[i], 3, 3);
        const QString label =
            TemperatureCheck::temperatureText(planes[i].temperature, picture.separator);
        const double width = metrics.horizontalAdvance(label) + 4;
        const double left = points[i].x() + 3;
        if (left < lastLabelRight || left + width > g.plot.right())
            continue;
        const QRectF box(left, points[i].y() - metrics.height() - 3, width, metrics.height());
        painter.fillRect(box, QColor(255, 255, 255, 210));
        painter.setPen(lineColor);
        painter.drawText(box, Qt::AlignCenter, label);
        lastLabelRight = box.right() + 4;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// One line of swatches above the plot, wrapped to a second when the area is narrow.
void paintLegend(QPainter& painter, const QRectF& area, const Geometry& g, const Picture& picture) {
    const QFontMetricsF metrics(painter.font());
    const double swatch = metrics.height() * 1.4;
    double x = area.left() + 6;
    double y = area.top() + 4;
    auto place = [&](double width) {
        if (x + width > area.right() - 6 && x > area.left() + 6) {
            x = area.left() + 6;
            y += metrics.height() + 6;
        }
        const QPointF at(x, y);
        x += width + 14;
        return at;
    };
    auto text = [&](QPointF at, const QString& label) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() + swatch + 5, at.y(), 400, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    };
    QList<Kind> kinds;
    for (const SectionLayers::Layer& layer : picture.layers)
        if (!kinds.contains(layer.kind))
            kinds.append(layer.kind);
    for (Kind kind : kinds) {
        const QString label = SectionLayers::kindName(kind);
        const QPointF at = place(swatch + 5 + metrics.horizontalAdvance(label));
        const QRectF box(at.x(), at.y() + 1, swatch, metrics.height() - 2);
        const KindStyle style = styleOf(kind);
        painter.fillRect(box, style.fill);
        hatch(painter, box, kind, style.hatch);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(box);
        text(at, label);
    }
    auto lineItem = [&](const QString& label, const QPen& pen) {
        const QPointF at = place(swatch + 5 + metrics.horizontalAdvance(label));
        painter.setPen(pen);
        const double mid = at.y() + metrics.height() / 2;
        painter.drawLine(QPointF(at.x(), mid), QPointF(at.x() + swatch, mid));
        text(at, label);
    };
    lineItem(QStringLiteral("температура"), QPen(lineColor, 2.2));
    if (picture.showDewPoint) {
        lineItem(QStringLiteral("точка росы"), QPen(dewColor, 1.5, Qt::DashLine));
        const QString label = QStringLiteral("холоднее точки росы");
        const QPointF at = place(swatch + 5 + metrics.horizontalAdvance(label));
        painter.fillRect(QRectF(at.x(), at.y() + 1, swatch, metrics.height() - 2), coldZoneColor);
        text(at, label);
    }
    Q_UNUSED(g);
}

std::optional<Reading> readingIn(const Geometry& g, const Picture& picture, double x);

void paintReading(QPainter& painter, const Geometry& g, const Reading& reading) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(QColor(40, 40, 40), 1, Qt::DotLine));
    painter.drawLine(QPointF(reading.x, g.plot.top()), QPointF(reading.x, g.plot.bottom()));
    const QPointF point(reading.x, g.yOf(reading.temperature));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(point, 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double width = metrics.horizontalAdvance(reading.text) + 10;
    double left = point.x() + 8;
    if (left + width > g.plot.right())
        left = point.x() - 8 - width;
    const QRectF box(left, std::max(g.plot.top(), point.y() - metrics.height() * 2), width,
                     metrics.height() + 4);
    painter.fillRect(box, QColor(255, 255, 225));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, reading.text);
}

} // namespace

std::optional<Picture> pictureOf(const TemperatureCheck::Evaluation& e, QChar separator) {
    if (!e.profile)
        return std::nullopt;
    return Picture{e.layers, *e.profile, e.humidityKnown && e.profile->hasDewPoint, separator};
}

void paint(QPainter& painter, const QRectF& area, const Picture& picture,
           std::optional<double> hoverX) {
    painter.save();
    // Only the temperature line and the marks on it are smoothed: the bands, hatching and
    // grid are straight and thin, and cost several times as much when smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, Qt::white);
    const Geometry g = layout(area, painter.font(), picture);
    if (picture.profile.planes.size() >= 4 && placeable(g, picture)) {
        paintBands(painter, g, picture);
        paintColdZone(painter, g, picture);
        paintAxes(painter, g, picture);
        paintDewPoint(painter, g, picture);
        paintTemperatureLine(painter, g, picture);
        paintLegend(painter, area, g, picture);
        if (hoverX)
            if (const auto reading = readingIn(g, picture, *hoverX))
                paintReading(painter, g, *reading);
    }
    painter.restore();
}

std::optional<Reading> readingAt(const QRectF& area, const QFont& font, const Picture& picture,
                                 double x) {
    if (picture.profile.planes.size() < 4)
        return std::nullopt;
    return readingIn(layout(area, font, picture), picture, x);
}

namespace {

std::optional<Reading> readingIn(const Geometry& g, const Picture& picture, double x) {
    const QList<Plane>& planes = picture.profile.planes;
    if (x < g.plot.left() || x > g.plot.right())
        return std::nullopt;
    const QChar sep = picture.separator;
    Reading reading{x, 0, {}};
    if (x < g.sectionLeft || x > g.sectionRight) {
        // The surface bands stand for the air's resistance, not for a thickness.
        const bool room = x < g.sectionLeft;
        const Plane& air = room ? planes.front() : planes.back();
        const Plane& surface = room ? planes[1] : planes[planes.size() - 2];
        const double edge = room ? g.plot.left() : g.plot.right();
        const double share = std::abs(x - edge) / (g.sectionLeft - g.plot.left());
        reading.temperature = air.temperature + (surface.temperature - air.temperature) * share;
        reading.text = (room ? QStringLiteral("у внутренней поверхности: t = ")
                             : QStringLiteral("у наружной поверхности: t = ")) +
                       celsius(reading.temperature, sep);
        return reading;
    }
    const double depth = g.scale > 0 ? (x - g.sectionLeft) / g.scale : 0;
    reading.temperature = TemperatureProfile::temperatureAt(picture.profile, depth);
    double end = 0;
    int number = 0;
    for (const SectionLayers::Layer& layer : picture.layers) {
        end += layer.thickness;
        number = layer.number;
        if (depth <= end)
            break;
    }
    reading.text = QStringLiteral("x = %1 мм, слой %2: t = %3")
                       .arg(NumberText::whole(depth, sep))
                       .arg(number)
                       .arg(celsius(reading.temperature, sep));
    return reading;
}

} // namespace

} // namespace SectionDrawing
