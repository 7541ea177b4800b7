#include "core/RequiredResistance.h"

#include <QCoreApplication>

#include <array>

namespace RequiredResistance {

namespace {

using ByZone = std::array<double, 4>; // zones I to IV

struct ResidentialRow {
    const char* item; // nullptr: the separator line
    ByZone values;
};

const std::array<ResidentialRow, 6> residentialTable{{
    {QT_TRANSLATE_NOOP("RequiredResistance", "1.    Наружные стены"), {2.8, 2.5, 2.2, 2.0}},
    {QT_TRANSLATE_NOOP("RequiredResistance", "2а*. Покрытия и перекрытия неотаплив.чердаков"),
     {4.95, 4.5, 3.9, 3.3}},
    {nullptr, {3.3, 3.0, 2.6, 2.2}},
    {QT_TRANSLATE_NOOP("RequiredResistance",
                       "3.    Перекрытия над проездами и холодными подвалами"),
     {3.5, 3.3, 3.0, 2.5}},
    {QT_TRANSLATE_NOOP("RequiredResistance",
                       "4.    Перекрытия над неотаплив.подвалами- ВЫШЕ уровня земли"),
     {2.8, 2.6, 2.2, 2.0}},
    {QT_TRANSLATE_NOOP("RequiredResistance",
                       "5а*. Перекрытия над неотаплив. подвалами- НИЖЕ уровня земли"),
     {3.75, 3.45, 3.0, 2.7}},
}};

enum class Inertia { Above, AtMost, Any }; // D > 1.5, D <= 1.5, either
constexpr int anyRegime = -1;

struct ProductionRow {
    int kind;
    int regime;
    Inertia inertia;
    ByZone values;
};

const std::array<ProductionRow, 12> productionTable{{
    {0, 0, Inertia::Above, {1.5, 1.3, 1.2, 0.7}},
    {0, 0, Inertia::AtMost, {2.0, 1.8, 1.7, 1.2}},
    {0, 1, Inertia::Above, {1.6, 1.4, 1.2, 0.9}},
    {0, 1, Inertia::AtMost, {2.2, 2.0, 1.8, 1.5}},
    {0, 2, Inertia::Any, {0.55, 0.45, 0.45, 0.35}},
    {1, 0, Inertia::Above, {1.6, 1.5, 1.3, 0.9}},
    {1, 0, Inertia::AtMost, {2.1, 2.0, 1.8, 1.1}},
    {1, 1, Inertia::Above, {1.6, 1.5, 1.4, 1.2}},
    {1, 1, Inertia::AtMost, {1.8, 1.7, 1.5, 1.4}},
    {1, 2, Inertia::Any, {0.55, 0.45, 0.45, 0.35}},
    {2, anyRegime, Inertia::Above, {1.8, 1.7, 1.6, 1.4}},
    {2, anyRegime, Inertia::AtMost, {2.2, 2.0, 1.9, 1.7}},
}};

struct City {
    const char* name;
    int zone;
};

const std::array<City, 25> cities{{
    {QT_TRANSLATE_NOOP("RequiredResistance", "Винница"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Днепропетровск"), 1},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Донецк"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Житомир"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Запорожье"), 1},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Ивано-Франковск"), 1},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Киев"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Кировоград"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Луганск"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Луцк"), 1},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Львов"), 1},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Николаев"), 2},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Одесса"), 2},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Полтава"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Ровно"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Симферополь"), 2},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Сумы"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Ужгород"), 2},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Харьков"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Херсон"), 2},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Хмельницкий"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Черкассы"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Черновцы"), 1},
    {QT_TRANSLATE_NOOP("RequiredResistance", "Чернигов"), 0},
    {QT_TRANSLATE_NOOP("RequiredResistance", "--- Южный берег Крыма ---"), 3},
}};

bool validZone(int zone) {
    return zone >= 0 && zone < 4;
}

bool matches(const ProductionRow& row, int kind, int regime, double d) {
    if (row.kind != kind || (row.regime != anyRegime && row.regime != regime))
        return false;
    switch (row.inertia) {
    case Inertia::Above:
        return d > 1.5;
    case Inertia::AtMost:
        return !(d > 1.5);
    case Inertia::Any:
        return true;
    }
    return false;
}

QStringList fromUtf8(std::initializer_list<const char*> texts) {
    QStringList items;
    for (const char* text : texts)
        items << QString::fromUtf8(text);
    return items;
}

} // namespace

QStringList zoneItems() {
    return fromUtf8({"  I", "  II", "  III", "  IV"});
}

QStringList residentialItems() {
    QStringList items;
    for (const ResidentialRow& row : residentialTable)
        items << (row.item ? QString::fromUtf8(row.item) : QString(86, QLatin1Char('-')));
    return items;
}

QStringList productionKindItems() {
    return fromUtf8(
        {QT_TRANSLATE_NOOP("RequiredResistance", "Внешние непрозрачные стены зданий"),
         QT_TRANSLATE_NOOP("RequiredResistance", "Покрытия и перекрытия зданий"),
         QT_TRANSLATE_NOOP("RequiredResistance", "Перекрытия над проездами и подвалами")});
}

QStringList regimeItems() {
    return fromUtf8({QT_TRANSLATE_NOOP("RequiredResistance", "С сухим и нормальным режимом"),
                     QT_TRANSLATE_NOOP("RequiredResistance", "С влажным и мокрым режимом"),
                     QT_TRANSLATE_NOOP("RequiredResistance", "С избытками тепла (>23Вт/м3)")});
}

QStringList cityItems() {
    QStringList items;
    for (const City& city : cities)
        items << QString::fromUtf8(city.name);
    return items;
}

std::optional<double> residentialRqmin(int row, int zone) {
    if (row < 0 || row >= int(residentialTable.size()) || !validZone(zone))
        return std::nullopt;
    return residentialTable[row].values[zone];
}

std::optional<double> productionRqmin(int kind, int regime, int zone, double d) {
    if (!validZone(zone))
        return std::nullopt;
    for (const ProductionRow& row : productionTable)
        if (matches(row, kind, regime, d))
            return row.values[zone];
    return std::nullopt;
}

std::optional<int> cityZone(int city) {
    if (city < 0 || city >= int(cities.size()))
        return std::nullopt;
    return cities[city].zone;
}

QString inertiaClassLabel(double d) {
    return d > 1.5 ? QStringLiteral("D > 1,5") : QStringLiteral("D =< 1,5");
}

// The editions after 2006: Зміна №1 from 1 July 2013; ДБН В.2.6-31:2016 (наказ
// Мінрегіону від 08.07.2016 № 220); ДБН В.2.6-31:2021 «Теплова ізоляція та
// енергоефективність будівель», in force from 1 September 2022 (наказ № 72 від
// 16.05.2022), whose minimum for external walls of residential and public buildings is
// 4,00 m²·K/W in temperature zone I and 3,50 in zone II. No other value of them is used.
QString codeEditionNote() {
    return QCoreApplication::translate(
        "RequiredResistance",
        "Таблицы — ДБН В.2.6-31:2006 в первой редакции (четыре температурные зоны). Норма "
        "изменена с 01.07.2013 (Изменение №1), заменена ДБН В.2.6-31:2016 (приказ Минрегиона "
        "от 08.07.2016 № 220), затем ДБН В.2.6-31:2021, действующими с 01.09.2022 (приказ № 72 "
        "от 16.05.2022): для наружных стен жилых и общественных зданий Rq min не менее "
        "4,00 м²·К/Вт в I температурной зоне и 3,50 во II. Другое значение Rqmin можно ввести "
        "в главном окне.");
}

} // namespace RequiredResistance
