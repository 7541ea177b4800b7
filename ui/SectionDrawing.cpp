#include "ui/SectionDrawing.h"

#include "core/NumberText.h"
#include "core/TemperatureCheck.h"
#include "ui/LabelPlacement.h"
#include "ui/LayerBands.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace SectionDrawing {

namespace {

using SectionLayers::Kind;
using TemperatureProfile::Plane;

const QColor lineColor(200, 0, 0);
const QColor dewColor(0, 90, 200);
// Ruled in blue, not tinted: the layers' colours and hatches stay true under it, as in
// the legend.
const QBrush coldZoneBrush(QColor(0, 90, 200), Qt::HorPattern);
const QColor gridColor(215, 215, 215);
const QColor roomAirColor(255, 244, 228);
const QColor outdoorAirColor(232, 242, 255);

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
    double keyTop = 0; // the first row of the key under the plot

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

// The height of a row of captions above the plot.
double rowHeight(double lineHeight) {
    return lineHeight + 3;
}

// Rows of texts kept beside the plot: captions above it (the first shares the strip of the
// axis title) and the key of captions that found no room there, under the axis.
struct Rows {
    int above = 1;
    int key = 0;
};

Geometry layout(const QRectF& area, const QFont& font, const Picture& picture, Rows rows) {
    const QFontMetricsF metrics(font);
    Geometry g;
    g.lineHeight = metrics.height();
    const double left = metrics.horizontalAdvance(QStringLiteral("-000,0")) + g.lineHeight * 1.4;
    const double top = 2 * g.lineHeight + 14 // the legend
                       + std::max(0, rows.above - 1) * rowHeight(g.lineHeight);
    const double bottom = 2.4 * g.lineHeight + rows.key * rowHeight(g.lineHeight);
    const double axisTitle = g.lineHeight * 1.4;
    g.plot = QRectF(area.left() + left, area.top() + top + axisTitle,
                    std::max(10.0, area.width() - left - 14),
                    std::max(10.0, area.height() - top - bottom - axisTitle));
    g.keyTop = g.plot.bottom() + 2.4 * g.lineHeight;
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

QString layerCaption(const SectionLayers::Layer& layer, QChar separator) {
    return QStringLiteral("%1, %2 мм")
        .arg(layer.material.name.trimmed(), NumberText::general(layer.thickness, separator));
}

QString roomCaption() {
    return QCoreApplication::translate("SectionDrawing", "помещение, Rsi");
}

QString outdoorCaption() {
    return QCoreApplication::translate("SectionDrawing", "снаружи, Rse");
}

// A band across the plot and the texts that name it.
struct Band {
    QRectF rect; // its part inside the plot
    Label::Role captionRole = Label::Role::LayerCaption;
    int index = 0;
    QString number; // empty for the air
    QString caption;
};

QList<Band> bandsOf(const Geometry& g, const Picture& picture) {
    const auto visible = [&](double from, double to) {
        from = std::clamp(from, g.plot.left(), g.plot.right());
        to = std::clamp(to, g.plot.left(), g.plot.right());
        return QRectF(QPointF(std::min(from, to), g.plot.top()),
                      QPointF(std::max(from, to), g.plot.bottom()));
    };
    QList<Band> bands{
        {visible(g.plot.left(), g.sectionLeft), Label::Role::AirCaption, 0, {}, roomCaption()}};
    double depth = 0;
    for (qsizetype i = 0; i < picture.layers.size(); ++i) {
        const SectionLayers::Layer& layer = picture.layers[i];
        const double from = g.xOfDepth(depth);
        depth += layer.thickness;
        bands.append({visible(from, g.xOfDepth(depth)), Label::Role::LayerCaption, int(i),
                      QString::number(layer.number), layerCaption(layer, picture.separator)});
    }
    bands.append({visible(g.sectionRight, g.plot.right()),
                  Label::Role::AirCaption,
                  1,
                  {},
                  outdoorCaption()});
    return bands;
}

// Places every text of the drawing in turn, each clear of all placed before and of the
// temperature line: the dew point on its level, the plane temperatures (each must be
// shown), then the bands' numbers and captions: inside the band where there is room, else
// in rows above the plot with a leader line, else in the key under the axis.
class Arrangement {
  public:
    Arrangement(const Geometry& g, const QRectF& area, const QFont& font, const Picture& picture,
                int rowLimit)
        : g_(g), area_(area), metrics_(font), picture_(picture), rowLimit_(rowLimit) {}

    QList<Label> labels;
    Rows used;

    void run(const QList<QPointF>& line) {
        for (qsizetype i = 1; i < line.size(); ++i)
            free_.block(QLineF(line[i - 1], line[i]));
        for (qsizetype i = 1; i + 1 < line.size(); ++i)
            free_.block(QRectF(line[i] - QPointF(3.5, 3.5), QSizeF(7, 7))); // the dots
        const double titleWidth = metrics_.horizontalAdvance(QStringLiteral("t, °C"));
        free_.block(QRectF(g_.plot.left() - titleWidth / 2, g_.plot.top() - 1.7 * g_.lineHeight,
                           titleWidth, g_.lineHeight));
        placeDewPoint();
        for (qsizetype i = 0; i < line.size(); ++i)
            placeTemperature(int(i), line[i]);
        QList<Band> outside;
        for (const Band& band : bandsOf(g_, picture_))
            if (!placeInside(band))
                outside.append(band);
        placeOutside(outside);
    }

  private:
    const Geometry& g_;
    const QRectF area_;
    const QFontMetricsF metrics_;
    const Picture& picture_;
    const int rowLimit_;
    LabelPlacement free_;
    double keyRight_ = 0; // where the key's last entry ends

    QSizeF textSize(const QString& text) const {
        return {metrics_.horizontalAdvance(text) + 6, g_.lineHeight};
    }

    void add(Label::Role role, int index, const QString& text, const LabelPlacement::Candidate& at,
             bool vertical = false) {
        labels.append({role, index, text, at.box, vertical, at.leader});
    }

    void addBlocked(Label::Role role, int index, const QString& text,
                    const LabelPlacement::Candidate& at) {
        free_.block(at.box);
        add(role, index, text, at);
    }

    // Beside the point first, then staggered further above and below with a leader.
    void placeTemperature(int plane, QPointF point) {
        const QString text = TemperatureCheck::temperatureText(
            picture_.profile.planes[plane].temperature, picture_.separator);
        const QSizeF size = textSize(text);
        QList<LabelPlacement::Candidate> candidates;
        const auto candidate = [&](double left, double top) {
            const QRectF box(QPointF(left, top), size);
            if (!g_.plot.contains(box))
                return;
            const QPointF nearest(std::clamp(point.x(), box.left(), box.right()),
                                  std::clamp(point.y(), box.top(), box.bottom()));
            const QLineF reach(point, nearest);
            QLineF leader;
            if (reach.length() > 7) // clear of the point's own dot
                leader = QLineF(reach.pointAt(5 / reach.length()), nearest);
            candidates.append({box, leader});
        };
        for (int row = 0; row < 12; ++row) {
            const double above = point.y() - 4 - size.height() * (row + 1);
            const double below = point.y() + 4 + size.height() * row;
            for (const double top : {above, below}) {
                if (row == 0)
                    candidate(point.x() - size.width() / 2, top);
                for (int aside = 0; aside < 5; ++aside) {
                    const double shift = 4 + aside * (size.width() + 4);
                    candidate(point.x() + shift, top);
                    candidate(point.x() - shift - size.width(), top);
                }
            }
        }
        std::stable_sort(candidates.begin(), candidates.end(), [&](const auto& a, const auto& b) {
            return a.leader.length() < b.leader.length();
        });
        if (const auto at = free_.take(candidates))
            add(Label::Role::PlaneTemperature, plane, text, *at);
        else if (!candidates.isEmpty()) // crowded past every choice: shown all the same
            addBlocked(Label::Role::PlaneTemperature, plane, text, candidates.front());
    }

    // On the dew point's level: at the section's outer side first, then along it.
    void placeDewPoint() {
        if (!picture_.showDewPoint)
            return;
        const QString text =
            QStringLiteral("tр = ") + celsius(picture_.profile.dewPoint, picture_.separator);
        const QSizeF size = textSize(text);
        const double y = g_.yOf(picture_.profile.dewPoint);
        QList<LabelPlacement::Candidate> candidates;
        for (double right = g_.sectionRight - 4; right - size.width() >= g_.plot.left();
             right -= size.width() / 4)
            for (const double top : {y - size.height() - 2, y + 2}) {
                const QRectF box(QPointF(right - size.width(), top), size);
                if (g_.plot.contains(box))
                    candidates.append({box, {}});
            }
        if (const auto at = free_.take(candidates))
            add(Label::Role::DewPoint, 0, text, *at);
        else if (!candidates.isEmpty())
            addBlocked(Label::Role::DewPoint, 0, text, candidates.front());
    }

    // The number at the band's top or bottom, the caption upright from the bottom up:
    // whether both found room.
    bool placeInside(const Band& band) {
        const double centre = band.rect.center().x();
        bool numbered = band.number.isEmpty();
        if (!numbered) {
            const QSizeF size = textSize(band.number);
            if (band.rect.width() >= size.width()) {
                const double left = centre - size.width() / 2;
                const auto at = free_.take(
                    {{QRectF(QPointF(left, g_.plot.top() + 2), size), {}},
                     {QRectF(QPointF(left, g_.plot.bottom() - 2 - size.height()), size), {}}});
                if (at) {
                    add(Label::Role::LayerNumber, band.index, band.number, *at);
                    numbered = true;
                }
            }
        }
        const QSizeF flat = textSize(band.caption);
        const QSizeF upright = flat.transposed() + QSizeF(2, 0);
        // Across a band wide enough, else upright; each from the bottom up.
        for (const QSizeF& size : {flat, upright}) {
            if (band.rect.width() < size.width() + 2)
                continue;
            QList<LabelPlacement::Candidate> candidates;
            for (double top = g_.plot.bottom() - 3 - size.height(); top >= g_.plot.top() + 3;
                 top -= g_.lineHeight / 2)
                candidates.append({QRectF(QPointF(centre - size.width() / 2, top), size), {}});
            if (const auto at = free_.take(candidates)) {
                add(band.captionRole, band.index, band.caption, *at, size == upright);
                return numbered;
            }
        }
        return false;
    }

    // Rows above the plot, the nearest first: the numbers of bands that hold none, each
    // over its band, then the captions that found no room inside, each tied to its number
    // or band, else in the key. Captions written leftwards are placed from the left and
    // those written rightwards from the right, so that none covers an earlier leader.
    void placeOutside(QList<Band> bands) {
        const auto order = [&](const Band& band) {
            const double x = band.rect.center().x();
            const bool rightwards = x + textSize(band.caption).width() <= area_.right();
            return std::pair(rightwards, rightwards ? -x : x);
        };
        std::stable_sort(bands.begin(), bands.end(),
                         [&](const Band& a, const Band& b) { return order(a) < order(b); });
        const auto shown = [&](Label::Role role, int index) {
            return std::find_if(labels.begin(), labels.end(),
                                [&](const Label& l) { return l.role == role && l.index == index; });
        };
        for (const Band& band : bands)
            if (!band.number.isEmpty() &&
                shown(Label::Role::LayerNumber, band.index) == labels.end())
                placeAbove(band, band.number, QPointF(band.rect.center().x(), g_.plot.top()), true);
        // A caption spanning other bands' leaders goes higher than theirs: those spanning
        // fewest are placed first, into the lowest rows.
        const auto spanned = [&](const Band& band) {
            const double x = band.rect.center().x();
            const double width = textSize(band.caption).width();
            const bool rightwards = x + width <= area_.right();
            const double from = rightwards ? x : x - width;
            return std::count_if(bands.begin(), bands.end(), [&](const Band& other) {
                const double otherX = other.rect.center().x();
                return other.index != band.index && otherX >= from && otherX <= from + width;
            });
        };
        QList<std::pair<qsizetype, Band>> bySpan;
        for (const Band& band : bands)
            bySpan.append({spanned(band), band});
        std::stable_sort(bySpan.begin(), bySpan.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (qsizetype i = 0; i < bands.size(); ++i)
            bands[i] = bySpan[i].second;
        QList<Band> toKey;
        for (const Band& band : bands) {
            if (shown(band.captionRole, band.index) != labels.end())
                continue;
            // Tied to a number above, the caption needs none of its own.
            const auto number = shown(Label::Role::LayerNumber, band.index);
            const bool numberAbove = number != labels.end() && number->box.bottom() < g_.plot.top();
            const QPointF target = numberAbove
                                       ? QPointF(number->box.center().x(), number->box.top() - 2)
                                       : QPointF(band.rect.center().x(), g_.plot.top());
            if (!placeAbove(band, numberAbove ? band.caption : numbered(band), target, false))
                toKey.append(band);
        }
        std::stable_sort(toKey.begin(), toKey.end(), [](const Band& a, const Band& b) {
            return a.rect.center().x() < b.rect.center().x();
        });
        for (const Band& band : toKey)
            placeInKey(band, numbered(band));
    }

    static QString numbered(const Band& band) {
        return band.number.isEmpty() ? band.caption
                                     : band.number + QStringLiteral(" — ") + band.caption;
    }

    // Under the axis title, one entry after another, as many rows as they take.
    void placeInKey(const Band& band, const QString& text) {
        const QSizeF size = textSize(text);
        QPointF at(area_.left() + 6, g_.keyTop + (used.key - 1) * rowHeight(g_.lineHeight));
        if (used.key > 0 && keyRight_ + 12 + size.width() <= area_.right() - 6)
            at.setX(keyRight_ + 12);
        else
            at.setY(g_.keyTop + used.key++ * rowHeight(g_.lineHeight));
        keyRight_ = at.x() + size.width();
        const LabelPlacement::Candidate entry{QRectF(at, size), {}};
        free_.block(entry.box);
        add(band.captionRole, band.index, text, entry);
    }

    // In the rows above the plot with a leader to `target`: a number centred over it, a
    // caption beginning or ending there; straight up first, then stepping aside.
    bool placeAbove(const Band& band, const QString& text, QPointF target, bool centred) {
        const QSizeF size = textSize(text);
        const bool rightwards = target.x() + size.width() <= area_.right();
        const double step = g_.lineHeight;
        QList<LabelPlacement::Candidate> candidates;
        for (const bool right : {rightwards, !rightwards})
            for (int row = 0; row < rowLimit_; ++row)
                for (const double shift : {0.0, step, -step, 2 * step, -2 * step, 4 * step,
                                           -4 * step, 8 * step, -8 * step}) {
                    const double bottom = g_.plot.top() - 3 - row * rowHeight(g_.lineHeight);
                    if (bottom >= target.y())
                        continue;
                    const double anchor = target.x() + shift;
                    const double left = centred ? anchor - size.width() / 2
                                        : right ? anchor
                                                : anchor - size.width();
                    const QRectF box(QPointF(left, bottom - size.height()), size);
                    if (box.left() >= area_.left() && box.right() <= area_.right())
                        candidates.append({box, QLineF(anchor, bottom, target.x(), target.y())});
                }
        const auto at = free_.take(candidates);
        if (!at)
            return false;
        add(centred ? Label::Role::LayerNumber : band.captionRole, band.index, text, *at);
        const int row =
            int(std::round((g_.plot.top() - 3 - at->box.bottom()) / rowHeight(g_.lineHeight)));
        used.above = std::max(used.above, row + 1);
        return true;
    }
};

// How many rows above the plot the captions may take: at most a quarter of the height.
int rowLimitOf(const QRectF& area, const QFont& font) {
    const double row = rowHeight(QFontMetricsF(font).height());
    return std::clamp(1 + int(area.height() / 4 / row), 1, 8);
}

struct Arranged {
    Geometry g;
    Layout layout;
};

// The geometry with as many caption rows as the captions take, and the texts placed in it.
std::optional<Arranged> arrange(const QRectF& area, const QFont& font, const Picture& picture) {
    if (picture.profile.planes.size() < 4)
        return std::nullopt;
    const int limit = rowLimitOf(area, font);
    Rows rows;
    for (int pass = 0;; ++pass) {
        const Geometry g = layout(area, font, picture, rows);
        if (!placeable(g, picture))
            return std::nullopt;
        const QList<QPointF> line = linePoints(g, picture);
        Arrangement arrangement(g, area, font, picture, limit);
        arrangement.run(line);
        const Rows used = arrangement.used;
        if ((used.above <= rows.above && used.key <= rows.key) || pass == 5)
            return Arranged{g, {g.plot, line, arrangement.labels}};
        // More rows leave less height inside the bands, which may send more captions out;
        // the last try keeps room for the most there can be.
        rows = pass < 4 ? Rows{std::max(rows.above, used.above), std::max(rows.key, used.key)}
                        : Rows{limit, int(picture.layers.size()) + 2};
    }
}

bool samePicture(const Picture& a, const Picture& b) {
    const auto sameLayer = [](const SectionLayers::Layer& x, const SectionLayers::Layer& y) {
        return x.number == y.number && x.material.name == y.material.name &&
               x.thickness == y.thickness && x.kind == y.kind;
    };
    const auto samePlane = [](const Plane& x, const Plane& y) {
        return x.depth == y.depth && x.temperature == y.temperature;
    };
    const QList<Plane>& p = a.profile.planes;
    const QList<Plane>& q = b.profile.planes;
    return a.showDewPoint == b.showDewPoint && a.separator == b.separator &&
           a.profile.dewPoint == b.profile.dewPoint &&
           std::equal(a.layers.begin(), a.layers.end(), b.layers.begin(), b.layers.end(),
                      sameLayer) &&
           std::equal(p.begin(), p.end(), q.begin(), q.end(), samePlane);
}

// The window repaints on every mouse move over the same picture: the last arrangement is
// kept for the next paint instead of being searched for again.
std::optional<Arranged> arrangeOnce(const QRectF& area, const QFont& font, const Picture& picture) {
    // The captions of the air stand for the language, whose texts the arrangement holds.
    const QString language = roomCaption() + outdoorCaption();
    struct Last {
        QRectF area;
        QString font;
        QString language;
        Picture picture;
        std::optional<Arranged> arranged;
    };
    thread_local std::optional<Last> last;
    if (!last || last->area != area || last->font != font.key() || last->language != language ||
        !samePicture(last->picture, picture))
        last = Last{area, font.key(), language, picture, arrange(area, font, picture)};
    return last->arranged;
}

void paintLabels(QPainter& painter, const QList<Label>& labels) {
    for (const Label& label : labels) {
        QColor ink(60, 60, 60);
        if (label.role == Label::Role::PlaneTemperature)
            ink = lineColor;
        else if (label.role == Label::Role::DewPoint)
            ink = dewColor;
        else if (label.role == Label::Role::AirCaption)
            ink = QColor(90, 90, 90);
        if (!label.leader.isNull()) {
            painter.setPen(QPen(ink, 1));
            painter.drawLine(label.leader);
        }
        painter.setPen(ink);
        if (!label.vertical) {
            painter.fillRect(label.box, QColor(255, 255, 255, 210));
            painter.drawText(label.box, Qt::AlignCenter, label.text);
            continue;
        }
        painter.save();
        painter.translate(label.box.bottomLeft());
        painter.rotate(-90);
        const QRectF turned(0, 0, label.box.height(), label.box.width());
        painter.fillRect(turned, QColor(255, 255, 255, 190));
        painter.drawText(turned, Qt::AlignCenter, label.text);
        painter.restore();
    }
}

void paintBands(QPainter& painter, const Geometry& g, const Picture& picture) {
    const QRectF room(g.plot.left(), g.plot.top(), g.sectionLeft - g.plot.left(), g.plot.height());
    const QRectF outdoor(g.sectionRight, g.plot.top(), g.plot.right() - g.sectionRight,
                         g.plot.height());
    painter.fillRect(room, roomAirColor);
    painter.fillRect(outdoor, outdoorAirColor);
    double depth = 0;
    for (const SectionLayers::Layer& layer : picture.layers) {
        const QRectF r(g.xOfDepth(depth), g.plot.top(), layer.thickness * g.scale, g.plot.height());
        depth += layer.thickness;
        // A band wider than a double can say is left out; the hatching covers only what
        // is seen, so that it ends however wide the band.
        if (!std::isfinite(r.left()) || !std::isfinite(r.right()))
            continue;
        LayerBands::paint(painter, r, r.normalized().intersected(g.plot), layer.kind);
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
                         coldZoneBrush);
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
    painter.drawText(
        QRectF(g.plot.left(), g.plot.bottom() + 4 + metrics.height(), g.plot.width(),
               metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop,
        QCoreApplication::translate("SectionDrawing", "x, мм от внутренней поверхности"));
}

void paintDewPoint(QPainter& painter, const Geometry& g, const Picture& picture) {
    if (!picture.showDewPoint)
        return;
    const double y = g.yOf(picture.profile.dewPoint);
    painter.setPen(QPen(dewColor, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
}

void paintTemperatureLine(QPainter& painter, const QList<QPointF>& points) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(lineColor, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(points.constData(), int(points.size()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(lineColor);
    for (qsizetype i = 1; i + 1 < points.size(); ++i)
        painter.drawEllipse(points[i], 3, 3);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The kinds of the picture's layers, each once, in the order the section shows them.
QList<Kind> legendKinds(const Picture& picture) {
    QList<Kind> kinds;
    for (const SectionLayers::Layer& layer : picture.layers)
        if (!kinds.contains(layer.kind))
            kinds.append(layer.kind);
    return kinds;
}

// One line of swatches above the plot, wrapped to a second when the area is narrow.
void paintLegend(QPainter& painter, const QRectF& area, const Picture& picture) {
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
    const QStringList labels = legendTexts(picture);
    const QList<Kind> kinds = legendKinds(picture);
    for (qsizetype k = 0; k < kinds.size(); ++k) {
        const Kind kind = kinds[k];
        const QString& label = labels[k];
        const QPointF at = place(swatch + 5 + metrics.horizontalAdvance(label));
        const QRectF box(at.x(), at.y() + 1, swatch, metrics.height() - 2);
        LayerBands::paintSwatch(painter, box, kind);
        text(at, label);
    }
    auto lineItem = [&](const QString& label, const QPen& pen) {
        const QPointF at = place(swatch + 5 + metrics.horizontalAdvance(label));
        painter.setPen(pen);
        const double mid = at.y() + metrics.height() / 2;
        painter.drawLine(QPointF(at.x(), mid), QPointF(at.x() + swatch, mid));
        text(at, label);
    };
    qsizetype line = kinds.size();
    lineItem(labels[line++], QPen(lineColor, 2.2));
    if (picture.showDewPoint) {
        lineItem(labels[line++], QPen(dewColor, 1.5, Qt::DashLine));
        const QString& label = labels[line];
        const QPointF at = place(swatch + 5 + metrics.horizontalAdvance(label));
        const QRectF box(at.x(), at.y() + 1, swatch, metrics.height() - 2);
        painter.fillRect(box, Qt::white);
        painter.fillRect(box, coldZoneBrush);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(box);
        text(at, label);
    }
}

std::optional<Reading> readingIn(const Geometry& g, const Picture& picture, double x);

} // namespace

QStringList legendTexts(const Picture& picture) {
    QStringList texts;
    for (Kind kind : legendKinds(picture))
        texts << SectionLayers::kindName(kind);
    texts << QCoreApplication::translate("SectionDrawing", "температура");
    if (picture.showDewPoint)
        texts << QCoreApplication::translate("SectionDrawing", "точка росы")
              << QCoreApplication::translate("SectionDrawing",
                                             "холоднее точки росы внутреннего воздуха");
    return texts;
}

namespace {

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
    if (const auto arranged = arrangeOnce(area, painter.font(), picture)) {
        const Geometry& g = arranged->g;
        paintBands(painter, g, picture);
        paintColdZone(painter, g, picture);
        paintAxes(painter, g, picture);
        paintDewPoint(painter, g, picture);
        paintTemperatureLine(painter, arranged->layout.line);
        paintLegend(painter, area, picture);
        paintLabels(painter, arranged->layout.labels);
        if (hoverX)
            if (const auto reading = readingIn(g, picture, *hoverX))
                paintReading(painter, g, *reading);
    }
    painter.restore();
}

std::optional<Reading> readingAt(const QRectF& area, const QFont& font, const Picture& picture,
                                 double x) {
    if (const auto arranged = arrangeOnce(area, font, picture))
        return readingIn(arranged->g, picture, x);
    return std::nullopt;
}

Layout labelLayout(const QRectF& area, const QFont& font, const Picture& picture) {
    if (const auto arranged = arrange(area, font, picture))
        return arranged->layout;
    return {};
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
        reading.text =
            (room ? QCoreApplication::translate("SectionDrawing", "у внутренней поверхности: t = ")
                  : QCoreApplication::translate("SectionDrawing", "у наружной поверхности: t = ")) +
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
    reading.text = QCoreApplication::translate("SectionDrawing", "x = %1 мм, слой %2: t = %3")
                       .arg(NumberText::whole(depth, sep))
                       .arg(number)
                       .arg(celsius(reading.temperature, sep));
    return reading;
}

} // namespace

} // namespace SectionDrawing
