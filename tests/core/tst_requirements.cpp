// The requirement tables: residential and production Rqmin, the cities' zones,
// the surface coefficients, and the walls between flats.

#include "core/Errors.h"
#include "core/PartitionRqmin.h"
#include "core/RequiredResistance.h"
#include "core/SurfaceCoefficients.h"

#include <QTest>

#include <array>
#include <optional>

using ByZone = std::array<double, 4>;
Q_DECLARE_METATYPE(ByZone)

class RequirementsTest : public QObject {
    Q_OBJECT
  private slots:
    void residential_data();
    void residential();
    void residentialOutsideTheTable();
    void listTexts();
    void production_data();
    void production();
    void productionOutsideTheTable_data();
    void productionOutsideTheTable();
    void inertiaClassLabel_data();
    void inertiaClassLabel();
    void cityZones();
    void surfaceCoefficients_data();
    void surfaceCoefficients();
    void airTemperatures();
    void deltaTcr_data();
    void deltaTcr();
    void partitionRqmin_data();
    void partitionRqmin();
    void partitionDivisionErrors_data();
    void partitionDivisionErrors();
};

void RequirementsTest::residential_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<ByZone>("expected");
    QTest::newRow("external walls") << 0 << ByZone{2.8, 2.5, 2.2, 2.0};
    QTest::newRow("roofs, unheated attics") << 1 << ByZone{4.95, 4.5, 3.9, 3.3};
    QTest::newRow("separator line") << 2 << ByZone{3.3, 3.0, 2.6, 2.2};
    QTest::newRow("over passages, cold basements") << 3 << ByZone{3.5, 3.3, 3.0, 2.5};
    QTest::newRow("over basements above ground") << 4 << ByZone{2.8, 2.6, 2.2, 2.0};
    QTest::newRow("over basements below ground") << 5 << ByZone{3.75, 3.45, 3.0, 2.7};
}

void RequirementsTest::residential() {
    QFETCH(int, row);
    QFETCH(ByZone, expected);
    for (int zone = 0; zone < 4; ++zone)
        QCOMPARE(RequiredResistance::residentialRqmin(row, zone), std::optional(expected[zone]));
}

void RequirementsTest::residentialOutsideTheTable() {
    using RequiredResistance::residentialRqmin;
    QCOMPARE(residentialRqmin(-1, 0), std::nullopt);
    QCOMPARE(residentialRqmin(6, 0), std::nullopt);
    QCOMPARE(residentialRqmin(0, -1), std::nullopt);
    QCOMPARE(residentialRqmin(0, 4), std::nullopt);
}

void RequirementsTest::listTexts() {
    const QStringList residential = RequiredResistance::residentialItems();
    QCOMPARE(residential.size(), 6);
    QCOMPARE(residential[0], QStringLiteral("1.    Наружные стены"));
    QCOMPARE(residential[2], QString(86, QLatin1Char('-')));
    QCOMPARE(residential[5],
             QStringLiteral("5а*. Перекрытия над неотаплив. подвалами- НИЖЕ уровня земли"));
    QCOMPARE(RequiredResistance::zoneItems(), QStringList({"  I", "  II", "  III", "  IV"}));
    QCOMPARE(RequiredResistance::productionKindItems().size(), 3);
    QCOMPARE(RequiredResistance::regimeItems().at(2),
             QStringLiteral("С избытками тепла (>23Вт/м3)"));

    const QStringList types = SurfaceCoefficients::typeItems();
    QCOMPARE(types.size(), 4);
    QCOMPARE(types[0], QStringLiteral("Внешние стены, крыши, покрытия, перекрытия "));
    QCOMPARE(types[1], QString(56, QLatin1Char('-')));

    QCOMPARE(PartitionRqmin::temperaturePurposeItems().at(4), QStringLiteral("  другие..."));
    QCOMPARE(PartitionRqmin::constructionKindItems().size(), 3);
    QCOMPARE(PartitionRqmin::deltaTcrPurposeItems().at(0),
             QStringLiteral("Жилые дома, детские учрежд., школы-интернаты"));
}

void RequirementsTest::production_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("regime");
    QTest::addColumn<double>("d");
    QTest::addColumn<ByZone>("expected");
    const ByZone excessHeat{0.55, 0.45, 0.45, 0.35};
    QTest::newRow("walls dry, D 1.6") << 0 << 0 << 1.6 << ByZone{1.5, 1.3, 1.2, 0.7};
    QTest::newRow("walls dry, D 1.5") << 0 << 0 << 1.5 << ByZone{2.0, 1.8, 1.7, 1.2};
    QTest::newRow("walls humid, D 1.5000001") << 0 << 1 << 1.5000001 << ByZone{1.6, 1.4, 1.2, 0.9};
    QTest::newRow("walls humid, D 1.5") << 0 << 1 << 1.5 << ByZone{2.2, 2.0, 1.8, 1.5};
    QTest::newRow("walls excess heat, D 0") << 0 << 2 << 0.0 << excessHeat;
    QTest::newRow("walls excess heat, D 10") << 0 << 2 << 10.0 << excessHeat;
    QTest::newRow("roofs dry, D 2") << 1 << 0 << 2.0 << ByZone{1.6, 1.5, 1.3, 0.9};
    QTest::newRow("roofs dry, D 0") << 1 << 0 << 0.0 << ByZone{2.1, 2.0, 1.8, 1.1};
    QTest::newRow("roofs humid, D 3") << 1 << 1 << 3.0 << ByZone{1.6, 1.5, 1.4, 1.2};
    QTest::newRow("roofs humid, D -1") << 1 << 1 << -1.0 << ByZone{1.8, 1.7, 1.5, 1.4};
    QTest::newRow("roofs excess heat, D 1") << 1 << 2 << 1.0 << excessHeat;
    QTest::newRow("roofs excess heat, D 5") << 1 << 2 << 5.0 << excessHeat;
    const ByZone floorsAbove{1.8, 1.7, 1.6, 1.4};
    const ByZone floorsAtMost{2.2, 2.0, 1.9, 1.7};
    for (int regime : {0, 1, 2, -1, 7}) {
        QTest::addRow("floors, regime %d, D 1.6", regime) << 2 << regime << 1.6 << floorsAbove;
        QTest::addRow("floors, regime %d, D 1.5", regime) << 2 << regime << 1.5 << floorsAtMost;
    }
}

void RequirementsTest::production() {
    QFETCH(int, kind);
    QFETCH(int, regime);
    QFETCH(double, d);
    QFETCH(ByZone, expected);
    for (int zone = 0; zone < 4; ++zone)
        QCOMPARE(RequiredResistance::productionRqmin(kind, regime, zone, d),
                 std::optional(expected[zone]));
}

void RequirementsTest::productionOutsideTheTable_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("regime");
    QTest::addColumn<int>("zone");
    QTest::newRow("kind -1") << -1 << 0 << 0;
    QTest::newRow("kind 3") << 3 << 0 << 0;
    QTest::newRow("walls, regime -1") << 0 << -1 << 0;
    QTest::newRow("walls, regime 3") << 0 << 3 << 0;
    QTest::newRow("roofs, regime 3") << 1 << 3 << 0;
    QTest::newRow("zone -1") << 0 << 0 << -1;
    QTest::newRow("zone 4") << 0 << 0 << 4;
    QTest::newRow("floors, zone 4") << 2 << 0 << 4;
}

void RequirementsTest::productionOutsideTheTable() {
    QFETCH(int, kind);
    QFETCH(int, regime);
    QFETCH(int, zone);
    QCOMPARE(RequiredResistance::productionRqmin(kind, regime, zone, 1.0), std::nullopt);
    QCOMPARE(RequiredResistance::productionRqmin(kind, regime, zone, 2.0), std::nullopt);
}

void RequirementsTest::inertiaClassLabel_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<QString>("label");
    QTest::newRow("1.5 exactly") << 1.5 << QStringLiteral("D =< 1,5");
    QTest::newRow("just above") << 1.5000001 << QStringLiteral("D > 1,5");
    QTest::newRow("1.6") << 1.6 << QStringLiteral("D > 1,5");
    QTest::newRow("0") << 0.0 << QStringLiteral("D =< 1,5");
    QTest::newRow("negative") << -3.0 << QStringLiteral("D =< 1,5");
}

void RequirementsTest::inertiaClassLabel() {
    QFETCH(double, d);
    QFETCH(QString, label);
    QCOMPARE(RequiredResistance::inertiaClassLabel(d), label);
}

void RequirementsTest::cityZones() {
    // Zone of each city, in list order: I = 0 .. IV = 3.
    const std::array<std::pair<const char*, int>, 25> expected{{
        {"Винница", 0},
        {"Днепропетровск", 1},
        {"Донецк", 0},
        {"Житомир", 0},
        {"Запорожье", 1},
        {"Ивано-Франковск", 1},
        {"Киев", 0},
        {"Кировоград", 0},
        {"Луганск", 0},
        {"Луцк", 1},
        {"Львов", 1},
        {"Николаев", 2},
        {"Одесса", 2},
        {"Полтава", 0},
        {"Ровно", 0},
        {"Симферополь", 2},
        {"Сумы", 0},
        {"Ужгород", 2},
        {"Харьков", 0},
        {"Херсон", 2},
        {"Хмельницкий", 0},
        {"Черкассы", 0},
        {"Черновцы", 1},
        {"Чернигов", 0},
        {"--- Южный берег Крыма ---", 3},
    }};
    const QStringList cities = RequiredResistance::cityItems();
    QCOMPARE(cities.size(), 25);
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(cities[i], QString::fromUtf8(expected[i].first));
        QCOMPARE(RequiredResistance::cityZone(i), std::optional(expected[i].second));
    }
    QCOMPARE(RequiredResistance::cityZone(-1), std::nullopt);
    QCOMPARE(RequiredResistance::cityZone(25), std::nullopt);
}

void RequirementsTest::surfaceCoefficients_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("alphaExt");
    QTest::addColumn<double>("alphaInt");
    QTest::newRow("external walls, roofs") << 0 << 23.0 << 8.7;
    QTest::newRow("separator line") << 1 << 23.0 << 7.6;
    QTest::newRow("attic and cold basement floors") << 2 << 12.0 << 8.7;
    QTest::newRow("below ground level") << 3 << 6.0 << 8.7;
}

void RequirementsTest::surfaceCoefficients() {
    QFETCH(int, type);
    QFETCH(double, alphaExt);
    QFETCH(double, alphaInt);
    const auto pair = SurfaceCoefficients::forType(type);
    QVERIFY(pair);
    QCOMPARE(pair->alphaExt, alphaExt);
    QCOMPARE(pair->alphaInt, alphaInt);
    QVERIFY(!SurfaceCoefficients::forType(-1));
    QVERIFY(!SurfaceCoefficients::forType(4));
}

void RequirementsTest::airTemperatures() {
    const QStringList purposes = PartitionRqmin::temperaturePurposeItems();
    QCOMPARE(purposes, QStringList({"Жилые", "Обществ.и админ.", "Лечеб.и детскУЗ", "Дошкольные",
                                    "  другие..."}));
    const double expected[] = {20, 20, 21, 22, 0};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(PartitionRqmin::airTemperature(i), std::optional(expected[i]));
    QCOMPARE(PartitionRqmin::airTemperature(-1), std::nullopt);
    QCOMPARE(PartitionRqmin::airTemperature(5), std::nullopt);
}

void RequirementsTest::deltaTcr_data() {
    QTest::addColumn<int>("purpose");
    QTest::addColumn<std::array<double, 3>>("byKind");
    QTest::newRow("homes, children's institutions") << 0 << std::array<double, 3>{4, 3, 2};
    QTest::newRow("other public buildings") << 1 << std::array<double, 3>{5, 4, 2.5};
    QTest::newRow("production, dry") << 2 << std::array<double, 3>{7, 5, 2.5};
    QTest::newRow("production, humid") << 3 << std::array<double, 3>{0, 0, 2.5};
    QTest::newRow("production, excess heat") << 4 << std::array<double, 3>{12, 12, 2.5};
}

void RequirementsTest::deltaTcr() {
    QFETCH(int, purpose);
    using Values = std::array<double, 3>;
    QFETCH(Values, byKind);
    for (int kind = 0; kind < 3; ++kind) {
        const auto cell = PartitionRqmin::deltaTcr(kind, purpose);
        QVERIFY(cell);
        QCOMPARE(cell->value, byKind[kind]);
        // Only the humid production cells of walls and roofs are left to the user.
        const QString hint = purpose != 3 || kind == 2 ? QString()
                             : kind == 0               ? QStringLiteral("tв-tр")
                                                       : QStringLiteral("0.8(tв-tр)");
        QCOMPARE(cell->hint, hint);
    }
    QVERIFY(!PartitionRqmin::deltaTcr(-1, purpose));
    QVERIFY(!PartitionRqmin::deltaTcr(3, purpose));
    QVERIFY(!PartitionRqmin::deltaTcr(0, purpose == 0 ? -1 : 5));
}

void RequirementsTest::partitionRqmin_data() {
    QTest::addColumn<double>("tv1");
    QTest::addColumn<double>("tv2");
    QTest::addColumn<double>("deltaTcr");
    QTest::addColumn<double>("alphaInt");
    QTest::addColumn<double>("expected");
    QTest::newRow("kindergarten next to flats") << 22.0 << 20.0 << 4.0 << 8.7 << 2.0 / 34.8;
    QTest::newRow("warmer side second: negative") << 20.0 << 22.0 << 4.0 << 8.7 << -2.0 / 34.8;
    QTest::newRow("equal temperatures") << 20.0 << 20.0 << 4.0 << 8.7 << 0.0;
}

void RequirementsTest::partitionRqmin() {
    QFETCH(double, tv1);
    QFETCH(double, tv2);
    QFETCH(double, deltaTcr);
    QFETCH(double, alphaInt);
    QFETCH(double, expected);
    QCOMPARE(PartitionRqmin::rqmin(tv1, tv2, deltaTcr, alphaInt), expected);
}

void RequirementsTest::partitionDivisionErrors_data() {
    QTest::addColumn<double>("tv1");
    QTest::addColumn<double>("deltaTcr");
    QTest::addColumn<double>("alphaInt");
    QTest::addColumn<QString>("message");
    const QString byZero = QStringLiteral("Floating point division by zero");
    const QString invalid = QStringLiteral("Invalid floating point operation");
    QTest::newRow("DtTcr 0") << 22.0 << 0.0 << 8.7 << byZero;
    QTest::newRow("alpha 0") << 22.0 << 4.0 << 0.0 << byZero;
    QTest::newRow("DtTcr 0, equal temperatures") << 20.0 << 0.0 << 8.7 << invalid;
    QTest::newRow("all 0") << 20.0 << 0.0 << 0.0 << invalid;
}

void RequirementsTest::partitionDivisionErrors() {
    QFETCH(double, tv1);
    QFETCH(double, deltaTcr);
    QFETCH(double, alphaInt);
    QFETCH(QString, message);
    try {
        PartitionRqmin::rqmin(tv1, 20.0, deltaTcr, alphaInt);
        QFAIL("the division went through");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), message);
    }
}

QTEST_MAIN(RequirementsTest)
#include "tst_requirements.moc"
