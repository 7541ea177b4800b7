#include "core/MoistureClimate.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace MoistureClimate {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("MoistureClimate", text);
}

std::optional<double> number(const QString& text, QChar separator) {
    try {
        return NumberText::parse(text, separator);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace

Pasted parsePasted(const QString& text, QChar separator) {
    Pasted pasted;
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const QRegularExpression between(separator == QLatin1Char(';') ? QStringLiteral("[\t ]+")
                                                                   : QStringLiteral("[\t; ]+"));
    const QString expected = tr("Ожидается 12 строк по два числа: температура, °C, и "
                                "относительная влажность, %.");
    if (lines.size() != 12) {
        pasted.problem = expected;
        return pasted;
    }
    for (int m = 0; m < 12; ++m) {
        const QStringList cells = lines[m].trimmed().split(between, Qt::SkipEmptyParts);
        if (cells.size() != 2 || !number(cells[0], separator) || !number(cells[1], separator)) {
            pasted.problem = expected + QLatin1Char(' ') +
                             tr("Строка %1: \"%2\".").arg(m + 1).arg(lines[m].trimmed());
            return pasted;
        }
        pasted.temperature[m] = cells[0];
        pasted.humidity[m] = cells[1];
    }
    return pasted;
}

Reading read(const MoistureInputs& inputs, const QString& indoorTemperature,
             const QString& indoorHumidity, QChar separator) {
    Reading reading;
    Moisture::Climate climate;
    const auto take = [&](const QString& text, const QString& what, bool humidity, double& into) {
        const auto x = number(text, separator);
        if (!x)
            reading.problems << tr("%1: \"%2\" — не число").arg(what, text);
        else if (humidity && (*x < 0 || *x > 100))
            reading.problems << tr("%1: влажность должна быть от 0 до 100 %").arg(what);
        else if (!humidity && (*x <= -100 || *x >= 100))
            reading.problems << tr("%1: температура вне пределов от -100 до 100 °C").arg(what);
        else
            into = *x;
    };
    take(indoorTemperature, tr("Внутренний воздух"), false, climate.indoorTemperature);
    take(indoorHumidity, tr("Внутренний воздух"), true, climate.indoorHumidity);
    for (int m = 0; m < 12; ++m) {
        take(inputs.outdoorTemperature[m], Moisture::monthName(m), false,
             climate.outdoorTemperature[m]);
        take(inputs.outdoorHumidity[m], Moisture::monthName(m), true, climate.outdoorHumidity[m]);
    }
    if (reading.problems.isEmpty())
        reading.climate = climate;
    return reading;
}

} // namespace MoistureClimate
