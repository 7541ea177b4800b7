// The vapour pressure across a section, the year's condensation balance and the mould
// check. Every expected value is worked by hand beside its case, with p_sat(20) = 2337,0,
// p_sat(−5) = 401,2, p_sat(−10) = 259,3 Pa, so p_i = 0,55·2337,0 = 1285,3 Pa, and the
// wall's surface resistances R_si = 0,13, R_se = 0,04 m²·K/W.

#include "core/MaterialCatalogue.h"
#include "core/MoistureYear.h"
#include "core/VapourPermeability.h"

#include <QTest>

using namespace Moisture;

Q_DECLARE_METATYPE(QList<Moisture::Layer>)
Q_DECLARE_METATYPE(Moisture::Verdict)
Q_DECLARE_METATYPE(Moisture::Climate)

namespace {

const SurfaceResistances wall{0.13, 0.04};

Layer layer(double thickness, double conductivity, std::optional<double> permeability) {
    return {thickness, conductivity > 0 ? thickness / conductivity : 0, permeability};
}

// Mineral wool 50 mm inside (λ 0,04, δ 0,3: s_d = 0,12 m) of brick 250 mm (λ 0,81,
// δ 0,11: s_d = 1,6364 m): R_T = 0,13 + 1,25 + 0,3086 + 0,04 = 1,7286 m²·K/W.
QList<Layer> insulatedInside() {
    return {layer(0.05, 0.04, 0.3), layer(0.25, 0.81, 0.11)};
}

// Outdoor months: `cold` ones at −5 °C and 85 %, the others at `mild`.
Climate climate(QList<int> cold, double mildTemperature, double mildHumidity) {
    Climate c;
    for (int m = 0; m < monthCount; ++m) {
        const bool isCold = cold.contains(m);
        c.outdoorTemperature[m] = isCold ? -5 : mildTemperature;
        c.outdoorHumidity[m] = isCold ? 85 : mildHumidity;
    }
    return c;
}

} // namespace

class MoistureTest : public QObject {
    Q_OBJECT
  private slots:
    void profile_data();
    void profile();
    void year_data();
    void year();
    void layerWithoutPermeabilityStops();
    void mould_data();
    void mould();
    void everyCatalogueValueHasItsEntry();
    void typedValue_data();
    void typedValue();
};

void MoistureTest::profile_data() {
    QTest::addColumn<QList<Layer>>("layers");
    QTest::addColumn<double>("outdoor");
    QTest::addColumn<double>("outdoorHumidity");
    QTest::addColumn<QList<qsizetype>>("planes");
    QTest::addColumn<QList<double>>("rates"); // kg/(m²·s)

    // Brick 380 (δ 0,11), mortar 20 (δ 0,12), EPS 90 (λ 0,05, δ 0,05) at −5 °C, 85 %:
    // R_T = 2,4638; s = 2,4873, 2,6073, s_T = 3,9033 m; θ 13,92 and 13,67 °C, p_sat 1589,5
    // and 1563,9 Pa; the straight line 1285,3 → 341,0 Pa is at 683,6 and 654,5 Pa there.
    QTest::newRow("no condensation")
        << QList<Layer>{layer(0.38, 0.81, 0.11), layer(0.02, 0.81, 0.12), layer(0.09, 0.05, 0.05)}
        << -5.0 << 85.0 << QList<qsizetype>{} << QList<double>{};
    // Wool 100 (δ 0,3, s_d 0,24) inside concrete 150 (λ 2,04, δ 0,03, s_d 3,6) at −10 °C,
    // 85 %: R_T = 2,7435; θ_1 = 20 − 30·2,63/2,7435 = −8,759 °C, p_sat = 289,46 Pa;
    // p_e = 220,43; g = 2e-10·[(1285,32 − 289,46)/0,24 − (289,46 − 220,43)/3,6] = 8,2605e-7.
    QTest::newRow("one plane") << QList<Layer>{layer(0.1, 0.04, 0.3), layer(0.15, 2.04, 0.03)}
                               << -10.0 << 85.0 << QList<qsizetype>{1} << QList<double>{8.2605e-7};
    // Wool 50, board 10 (λ 0,27, δ 0,008, s_d 0,9), wool 50, concrete 150 at −10 °C, 85 %:
    // s = 0,12, 1,02, 1,14, 4,74; p_sat = 878,64, 854,45, 289,04 Pa. The hull bends at
    // interfaces 1 and 3: g_1 = 2e-10·[(1285,32 − 878,64)/0,12 − (878,64 − 289,04)/1,02]
    // = 5,6220e-7; g_3 = 2e-10·[(878,64 − 289,04)/1,02 − (289,04 − 220,43)/3,6] = 1,1180e-7.
    QTest::newRow("two planes") << QList<Layer>{layer(0.05, 0.04, 0.3), layer(0.01, 0.27, 0.008),
                                                layer(0.05, 0.04, 0.3), layer(0.15, 2.04, 0.03)}
                                << -10.0 << 85.0 << QList<qsizetype>{1, 3}
                                << QList<double>{5.6220e-7, 1.1180e-7};
    // Wool 100 on a steel sheet (δ 0, R taken as 0) at −10 °C: the sheet's room face,
    // θ_1 = 20 − 30·2,63/2,67 = −9,551 °C with p_sat 269,89 Pa, receives everything:
    // g = 2e-10·(1285,32 − 269,89)/0,24 = 8,4619e-7; nothing passes the sheet.
    QTest::newRow("vapour-tight outside")
        << QList<Layer>{layer(0.1, 0.04, 0.3), layer(0.001, 0, 0)} << -10.0 << 85.0
        << QList<qsizetype>{1} << QList<double>{8.4619e-7};
    // The same sheet on the room side: the room part has no interface; the outer part runs
    // flat at p_e up to the warm sheet face (p_sat 2133,8 Pa), so nothing condenses.
    QTest::newRow("vapour-tight inside") << QList<Layer>{layer(0.001, 0, 0), layer(0.1, 0.04, 0.3)}
                                         << -10.0 << 85.0 << QList<qsizetype>{} << QList<double>{};
}

void MoistureTest::profile() {
    QFETCH(QList<Layer>, layers);
    QFETCH(double, outdoor);
    QFETCH(double, outdoorHumidity);
    QFETCH(QList<qsizetype>, planes);
    QFETCH(QList<double>, rates);
    const Profile p = vapourProfile(layers, wall, {20, 55, outdoor, outdoorHumidity});
    QList<qsizetype> found;
    for (qsizetype k = 0; k < p.plane.size(); ++k)
        if (p.plane[k])
            found << k;
    QCOMPARE(found, planes);
    for (qsizetype i = 0; i < planes.size(); ++i)
        QVERIFY2(qAbs(p.rate[planes[i]] / rates[i] - 1) < 1e-4,
                 qPrintable(QString::number(p.rate[planes[i]])));
    for (qsizetype k = 0; k < p.pressure.size(); ++k)
        QVERIFY(p.pressure[k] && *p.pressure[k] <= qMax(p.saturation[k], p.indoorPressure));
}

void MoistureTest::year_data() {
    QTest::addColumn<Climate>("climate");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("startMonth");
    QTest::addColumn<double>("largest"); // g/m²
    QTest::addColumn<int>("largestMonth");
    QTest::addColumn<double>("left");
    QTest::addColumn<int>("driedMonth"); // -1 for none

    // The wool-inside wall: at −5 °C, 85 % the interface is at 0,042 °C, p_sat 612,37 Pa,
    // p_e 341,00: g = 2e-10·[(1285,32 − 612,37)/0,12 − (612,37 − 341,00)/1,6364]
    // = 1,08841e-6 kg/(m²·s) = 94,039 g/m² a day.
    // At 15 °C, 70 % (p_e 1193,09) it holds at 16,008 °C, p_sat 1818,26 Pa:
    // g = 2e-10·[(1285,32 − 1818,26)/0,12 − (1818,26 − 1193,09)/1,6364] = −83,344 g/m² a day.
    // January 2915,2 + February 2633,1 = 5548,3 (largest, February); March −2583,7 → 2964,6;
    // April −2500,3 → 464,3; May dries it.
    QTest::newRow("dries in spring")
        << climate({0, 1}, 15, 70) << Verdict::DriesOut << 0 << 5548.3 << 1 << 0.0 << 4;
    // November to March cold (151 days: 14199,9 g/m², largest at the end of March). At
    // 8 °C, 85 % nothing condenses on its own (the line is at 1259,8 Pa, p_sat 1262,3), but
    // the held plane dries by only 2e-10·[(1285,32 − 1262,30)/0,12 − (1262,30 − 911,38)/1,6364]
    // = −0,3902 g/m² a day: 214 days take 83,5, leaving 14116,4. The year starts in November.
    QTest::newRow("accumulates") << climate({10, 11, 0, 1, 2}, 8, 85) << Verdict::Accumulates << 10
                                 << 14199.9 << 2 << 14116.4 << -1;
    // Every month at −5 °C: the year starts after the warmest (the first, January).
    QTest::newRow("every month") << climate({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 0)
                                 << Verdict::Accumulates << 1 << 365 * 94.039 << 0 << 365 * 94.039
                                 << -1;
    QTest::newRow("summer only") << climate({}, 15, 70) << Verdict::NoCondensation << 0 << 0.0 << 0
                                 << 0.0 << -1;
}

void MoistureTest::year() {
    QFETCH(Climate, climate);
    QFETCH(Verdict, verdict);
    QFETCH(int, startMonth);
    QFETCH(double, largest);
    QFETCH(int, largestMonth);
    QFETCH(double, left);
    QFETCH(int, driedMonth);
    const YearBalance b = yearBalance(insulatedInside(), wall, climate);
    QCOMPARE(b.verdict, verdict);
    QCOMPARE(b.startMonth, startMonth);
    QVERIFY2(qAbs(b.largestTotal - largest) < 0.1, qPrintable(QString::number(b.largestTotal)));
    QCOMPARE(b.largestMonth, largestMonth);
    QVERIFY2(qAbs(b.leftAfterYear - left) < 0.1, qPrintable(QString::number(b.leftAfterYear)));
    QCOMPARE(b.driedMonth.value_or(-1), driedMonth);
    QCOMPARE(b.months.size(), monthCount);
}

void MoistureTest::layerWithoutPermeabilityStops() {
    const YearBalance b = yearBalance({layer(0.05, 0.04, 0.3), layer(0.25, 0.81, std::nullopt)},
                                      wall, climate({0}, 15, 70));
    QCOMPARE(b.layerWithoutPermeability, qsizetype(1));
    QVERIFY(b.months.isEmpty());
}

void MoistureTest::mould_data() {
    QTest::addColumn<double>("layersResistance");
    QTest::addColumn<double>("indoorHumidity");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("required"); // -1: no requirement
    QTest::addColumn<bool>("met");

    // θ_si,min = θ(1285,32/0,8 = 1606,65 Pa): x = ln(1606,65/610,5) = 0,96765,
    // θ = 237,3·0,96765/(17,269 − 0,96765) = 14,086 °C; coldest month −5 °C:
    // f_Rsi,max = (14,086 + 5)/25 = 0,76343.
    // Brick 250: f_Rsi = 1 − 0,25/(0,25 + 0,3086 + 0,04) = 0,58239.
    QTest::newRow("thin wall") << 0.25 / 0.81 << 55.0 << 0.58239 << 0.76343 << false;
    // R = 3: f_Rsi = 1 − 0,25/3,29 = 0,92401.
    QTest::newRow("well insulated") << 3.0 << 55.0 << 0.92401 << 0.76343 << true;
    // φ_i = 80 %: θ_si,min = θ_i, f_Rsi,min = 1, which no wall reaches.
    QTest::newRow("wet room") << 3.0 << 80.0 << 0.92401 << 1.0 << false;
    QTest::newRow("dry air") << 0.3 << 0.0 << 1 - 0.25 / 0.59 << -1.0 << true;
}

void MoistureTest::mould() {
    QFETCH(double, layersResistance);
    QFETCH(double, indoorHumidity);
    QFETCH(double, factor);
    QFETCH(double, required);
    QFETCH(bool, met);
    Climate c = climate({0}, 15, 70);
    c.indoorHumidity = indoorHumidity;
    const MouldCheck check = mouldCheck(layersResistance, c);
    QVERIFY(qAbs(check.factor - factor) < 1e-5);
    QCOMPARE(check.required, required >= 0);
    if (check.required) {
        QVERIFY2(qAbs(check.requiredFactor - required) < 1e-4,
                 qPrintable(QString::number(check.requiredFactor)));
        QCOMPARE(check.criticalMonth, 0);
    }
    QCOMPARE(check.met(), met);
}

// A value counts only where the source's λ and S are the catalogue entry's own.
void MoistureTest::everyCatalogueValueHasItsEntry() {
    int found = 0;
    for (int number = 1; number <= MaterialCatalogue::categoryCount; ++number) {
        const QStringList names = MaterialCatalogue::names(number);
        for (int i = 0; i < names.size(); ++i) {
            const auto value = VapourPermeability::catalogue(number, names[i]);
            if (!value)
                continue;
            ++found;
            const auto entry = MaterialCatalogue::lookup(number, i);
            QCOMPARE(entry->ld, value->ld);
            QCOMPARE(entry->s, value->s);
        }
    }
    QCOMPARE(found, 27);
}

void MoistureTest::typedValue_data() {
    QTest::addColumn<QString>("permeability");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<bool>("airGap");
    QTest::addColumn<int>("origin");
    QTest::addColumn<double>("expected"); // δ; -1 for none
    using VapourPermeability::Origin;
    QTest::newRow("typed δ over the catalogue")
        << "0,05"
        << "" << false << int(Origin::TypedPermeability) << 0.05;
    // μ = 60: δ = 0,72/60 = 0,012.
    QTest::newRow("typed μ") << ""
                             << "60" << false << int(Origin::TypedFactor) << 0.012;
    QTest::newRow("vapour-tight") << "0"
                                  << "" << false << int(Origin::TypedPermeability) << 0.0;
    QTest::newRow("air gap") << ""
                             << "" << true << int(Origin::AirGap) << 0.72;
    QTest::newRow("catalogue") << " "
                               << "" << false << int(Origin::Catalogue) << 0.11;
    QTest::newRow("negative δ") << "-0,1"
                                << "" << false << int(Origin::TypedPermeability) << -1.0;
    QTest::newRow("δ beyond still air") << "0,8"
                                        << "" << false << int(Origin::TypedPermeability) << -1.0;
    QTest::newRow("μ below 1") << ""
                               << "0,5" << false << int(Origin::TypedFactor) << -1.0;
    QTest::newRow("no number") << ""
                               << "abc" << false << int(Origin::TypedFactor) << -1.0;
}

void MoistureTest::typedValue() {
    QFETCH(QString, permeability);
    QFETCH(QString, factor);
    QFETCH(bool, airGap);
    QFETCH(int, origin);
    QFETCH(double, expected);
    const VapourPermeability::CatalogueValue brick{0.11, false, 0.81, 10.12};
    const auto value =
        VapourPermeability::resolve({permeability, factor}, airGap, brick, QLatin1Char(','));
    QCOMPARE(int(value.origin), origin);
    QCOMPARE(value.problem.isEmpty(), expected >= 0);
    if (expected >= 0)
        QVERIFY(qAbs(*value.permeability - expected) < 1e-12);
}

QTEST_GUILESS_MAIN(MoistureTest)
#include "tst_moisture.moc"
