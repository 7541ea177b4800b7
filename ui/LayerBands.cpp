#include "ui/LayerBands.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace LayerBands {

namespace {

using SectionLayers::Kind;

const QColor outlineColor(60, 60, 60);

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

} // namespace

Style styleOf(Kind kind) {
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

void paint(QPainter& painter, const QRectF& band, const QRectF& visible, Kind kind) {
    const Style style = styleOf(kind);
    painter.fillRect(band, style.fill);
    hatch(painter, visible, kind, style.hatch);
    painter.setPen(QPen(outlineColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band);
}

} // namespace LayerBands
