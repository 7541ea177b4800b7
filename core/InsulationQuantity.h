#pragma once
// How much insulation a wall of given height and length needs at the board
// thickness found, and the two lines of the order text.

#include <QChar>
#include <QString>
#include <QStringList>

namespace InsulationQuantity {

// The offers of the height and length boxes and their texts at start.
const QStringList& heightItems();
const QStringList& lengthItems();
inline const QString initialHeight = QStringLiteral("3");
inline const QString initialLength = QStringLiteral("20");

// The volume shown before the first recalculation, and the volume's caption; the
// caption in Russian, marked for the window to show it translated.
inline const QString initialVolume = QStringLiteral("6 м^3.");
inline const QString volumeCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("InsulationQuantity", "Расход утеплителя -"));

struct Quantity {
    double area;     // m2
    double volume;   // m3, never negative
    QString summary; // "Утеплитель ПСБ-15, толщина 100мм, площадь утепления 60м^2"
    QString volumeText; // "6м^3"
};

// The summary line in the language of the moment, "Утеплитель ПСБ-15, толщина 100мм,
// площадь утепления 60м^2", of the grade, the thickness and the area as texts.
QString summary(const QString& grade, const QString& thickness, const QString& area);

// Reads height, length and thickness (mm) in this order; a text that is not a
// number throws ConversionError. The thickness text goes into the summary as it
// stands. A thickness or area that is not positive gives no volume, never a negative one.
Quantity compute(const QString& height, const QString& length, const QString& thickness, int grade,
                 QChar separator);

// The order text: the summary, then "Расход утеплителя -  6м^3.".
QStringList orderLines(const QString& summary, const QString& volumeText);

} // namespace InsulationQuantity
