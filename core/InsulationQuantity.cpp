#include "core/InsulationQuantity.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <QCoreApplication>

namespace InsulationQuantity {

const QStringList& heightItems() {
    static const QStringList items{
        QStringLiteral("1"), QStringLiteral("2"),  QStringLiteral("3"),  QStringLiteral("4"),
        QStringLiteral("5"), QStringLiteral("6"),  QStringLiteral("7"),  QStringLiteral("8"),
        QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30")};
    return items;
}

const QStringList& lengthItems() {
    static const QStringList items{QStringLiteral("3"),  QStringLiteral("4"),  QStringLiteral("5"),
                                   QStringLiteral("6"),  QStringLiteral("7"),  QStringLiteral("8"),
                                   QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("20"),
                                   QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50"),
                                   QStringLiteral("60"), QStringLiteral("70"), QStringLiteral("80"),
                                   QStringLiteral("90"), QStringLiteral("100")};
    return items;
}

QString summary(const QString& grade, const QString& thickness, const QString& area) {
    return QCoreApplication::translate("InsulationQuantity",
                                       "Утеплитель ПСБ-%1, толщина %2мм, площадь утепления %3м^2")
        .arg(grade, thickness, area);
}

Quantity compute(const QString& height, const QString& length, const QString& thickness, int grade,
                 QChar separator) {
    const double h = NumberText::parse(height, separator);
    const double l = NumberText::parse(length, separator);
    const double area = Arithmetic::checked(l * h);
    const double t = NumberText::parse(thickness, separator);
    const double volume = t > 0 && area > 0 ? Arithmetic::checked(t * area / 1000) : 0.0;

    Quantity quantity{area, volume, {}, {}};
    quantity.volumeText = NumberText::whole(volume, separator) + QStringLiteral("м^3");
    quantity.summary =
        summary(NumberText::whole(grade, separator), thickness, NumberText::whole(area, separator));
    return quantity;
}

QStringList orderLines(const QString& summary, const QString& volumeText) {
    return {summary,
            QCoreApplication::translate("InsulationQuantity", volumeCaption.toUtf8().constData()) +
                QStringLiteral("  ") + volumeText + QLatin1Char('.')};
}

} // namespace InsulationQuantity
