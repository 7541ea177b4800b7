#include "ui/MoistureDiagram.h"

#include "core/NumberText.h"
#include "ui/DrawingExport.h"
#include "ui/PrintAndSvg.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace MoistureDiagram {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("MoistureDiagram", text);
}

const QColor saturationColor(200, 30, 30);
const QColor pressureColor(20, 70, 200);

// The x of every interface: thickness in mm, or s_d in m with a tight layer drawn a
// twentieth of the width wide (its s_d has no finite size).
QList<double> positions(const Picture& p) {
    double openTotal = 0;
    for (qsizetype j = 0; j < p.thickness.size(); ++j)
        openTotal +=
            p.againstEquivalentThickness ? p.equivalentThickness[j].value_or(0) : p.thickness[j];
    const double tight = openTotal > 0 ? openTotal / 20 : 1;
    QList<double> x{0};
    for (qsizetype j = 0; j < p.thickness.size(); ++j)
        x.append(x.last() + (p.againstEquivalentThickness ? p.equivalentThickness[j].value_or(tight)
                                                          : p.thickness[j]));
    return x;
}

double niceStep(double range) {
    const double raw = range / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

} // namespace

Picture pictureOf(const MoistureCheck::Evaluation& e, int month, bool againstEquivalentThickness) {
    Picture picture;
    for (const MoistureCheck::LayerRow& row : e.rows) {
        picture.thickness << row.layer.thickness;
        picture.equivalentThickness << row.equivalentThickness;
        picture.numbers << row.layer.number;
    }
    for (const Moisture::Month& m : e.balance->months)
        if (m.month == month)
            picture.profile = m.profile;
    picture.month = Moisture::monthName(month);
    picture.againstEquivalentThickness = againstEquivalentThickness;
    return picture;
}

void paint(QPainter& painter, const QRectF& area, const Picture& p) {
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const QRectF plot = area.adjusted(metrics.horizontalAdvance(QStringLiteral("00000")) + 12,
                                      line * 2.5, -12, -line * 4.5);
    const QList<double> x = positions(p);
    const double xMax = std::max(x.last(), 1e-9);
    double yMax = std::max(p.profile.indoorPressure, p.profile.outdoorPressure);
    for (double s : p.profile.saturation)
        yMax = std::max(yMax, s);
    yMax *= 1.1;
    const auto at = [&](double xv, double yv) {
        return QPointF(plot.left() + plot.width() * xv / xMax,
                       plot.bottom() - plot.height() * yv / yMax);
    };
    painter.fillRect(area, Qt::white);
    // The layers and their rows' numbers.
    for (qsizetype j = 0; j < p.thickness.size(); ++j) {
        const QRectF band(at(x[j], yMax), at(x[j + 1], 0));
        if (!p.equivalentThickness[j])
            painter.fillRect(band, QColor(120, 120, 120, 90));
        else if (j % 2 == 1)
            painter.fillRect(band, QColor(240, 240, 240));
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(band.left(), plot.top() - line * 1.2, band.width(), line),
                         Qt::AlignCenter, QString::number(p.numbers[j]));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    // Pressure ticks.
    const double step = niceStep(yMax);
    for (double y = 0; y <= yMax; y += step) {
        const QPointF point = at(0, y);
        painter.drawLine(point, point - QPointF(5, 0));
        painter.drawText(
            QRectF(area.left(), point.y() - line / 2, plot.left() - area.left() - 8, line),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'f', 0));
    }
    painter.drawText(QRectF(area.left(), area.top(), plot.left(), line), Qt::AlignLeft,
                     tr("p, Па"));
    const QString axis = p.againstEquivalentThickness ? tr("sd, м (от помещения)")
                                                      : tr("толщина, мм (от помещения)");
    painter.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), line), Qt::AlignCenter,
                     axis + QStringLiteral("; ") + p.month);
    // p_sat and p.
    QPainterPath saturation;
    QPainterPath pressure;
    bool drawing = false;
    for (qsizetype k = 0; k < x.size(); ++k) {
        const QPointF s = at(x[k], p.profile.saturation[k]);
        k == 0 ? saturation.moveTo(s) : saturation.lineTo(s);
        if (const auto value = p.profile.pressure[k]) {
            const QPointF v = at(x[k], *value);
            drawing ? pressure.lineTo(v) : pressure.moveTo(v);
            drawing = true;
        } else {
            drawing = false;
        }
    }
    painter.setPen(QPen(saturationColor, 2));
    painter.drawPath(saturation);
    painter.setPen(QPen(pressureColor, 2));
    painter.drawPath(pressure);
    painter.setBrush(saturationColor);
    for (qsizetype k = 0; k < x.size(); ++k)
        if (p.profile.plane[k])
            painter.drawEllipse(at(x[k], p.profile.saturation[k]), 5, 5);
    painter.setBrush(Qt::NoBrush);
    // The legend.
    double y = area.bottom() - line * 2;
    double left = plot.left();
    const struct {
        QColor color;
        QString text;
    } entries[] = {{saturationColor, tr("pнас — давление насыщения")},
                   {pressureColor, tr("p — давление водяного пара")},
                   {saturationColor, tr("● плоскость конденсации")}};
    for (const auto& entry : entries) {
        if (left + metrics.horizontalAdvance(entry.text) + 30 > area.right()) {
            left = plot.left(); // the legend goes on under itself
            y += line;
        }
        painter.setPen(QPen(entry.color, 2));
        if (!entry.text.startsWith(QChar(0x25CF))) {
            painter.drawLine(QPointF(left, y), QPointF(left + 24, y));
            left += 30;
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left, y + line / 3), entry.text);
        left += metrics.horizontalAdvance(entry.text) + 24;
    }
}

QByteArray png(const Picture& picture, const QFont& font) {
    QImage image(DrawingExport::exportSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())).adjusted(10, 10, -10, -10),
              picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(const Picture& picture, const QFont& font, const QString& title) {
    return PrintAndSvg::svg(DrawingExport::exportSize, title, [&](QPainter& painter) {
        painter.setFont(font);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(DrawingExport::exportSize)), picture);
    });
}

} // namespace MoistureDiagram

MoistureDiagramView::MoistureDiagramView() {
    setObjectName(QStringLiteral("MoistureDiagram"));
    setMinimumSize(420, 260);
}

void MoistureDiagramView::setPicture(std::optional<MoistureDiagram::Picture> picture) {
    picture_ = std::move(picture);
    update();
}

void MoistureDiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!picture_) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    MoistureDiagram::paint(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *picture_);
}
