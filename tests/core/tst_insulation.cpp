// The insulation boards, the thickness estimate and its rounding, and the
// quantity texts of the order.

#include "core/Errors.h"
#include "core/InsulationQuantity.h"
#include "core/InsulationSelection.h"
#include "core/LayerStack.h"
#include "core/NumberText.h"

#include <QTest>

#include <limits>

namespace {

const QChar comma = QLatin1Char(',');

// The first thickness a search tries, as the layer window works it out: a board of
// conductivity `ld` in layer 12 supplies what the other layers lack of `rkRequired`.
double firstThickness(double rkRequired, double otherLayers, double ld) {
    LayerStack::Stack stored;
    stored.layers[0].r = otherLayers;
    stored.layers[layerCount - 1].ld = ld;
    return LayerStack::layer12Thickness(stored, NumberText::general(rkRequired, comma), comma);
}

} // namespace

class InsulationTest : public QObject {
    Q_OBJECT
  private slots:
    void productTable();
    void rounding_data();
    void rounding();
    void estimate_data();
    void estimate();
    void estimateOfAnUnusableValueIsAnError();
    void neededThickness_data();
    void neededThickness();
    void thicknessText();
    void quantity_data();
    void quantity();
    void quantityReadsHeightLengthThicknessInOrder_data();
    void quantityReadsHeightLengthThicknessInOrder();
    void quantityOverflowIsAnError();
    void orderLines();
    void boxOffers();
};

void InsulationTest::productTable() {
    const auto& products = InsulationSelection::products();
    QCOMPARE(products.size(), 3u);
    const QString names[] = {QStringLiteral("Плиты пенополистирольные (15 кг/м3)"),
                             QStringLiteral("Плиты пенополистирольные (25 кг/м3)"),
                             QStringLiteral("Плиты пенополистирольные (35 кг/м3)")};
    const double ld[] = {0.055, 0.053, 0.05};
    const double s[] = {0.33, 0.4, 0.46};
    const int grade[] = {15, 25, 35};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(products[i].name, names[i]);
        QCOMPARE(products[i].ld, ld[i]);
        QCOMPARE(products[i].s, s[i]);
        QCOMPARE(products[i].grade, grade[i]);
        // Each step of 10 mm must add enough resistance for the search to end.
        QVERIFY(10 / (1000 * products[i].ld) >= 0.18);
    }
}

void InsulationTest::rounding_data() {
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("rounded");
    QTest::newRow("41 up to the next step") << 41.0 << 50.0;
    QTest::newRow("45: 5 exactly") << 45.0 << 50.0;
    QTest::newRow("40: 4.5 to even") << 40.0 << 40.0;
    QTest::newRow("50: 5.5 to even") << 50.0 << 60.0;
    QTest::newRow("80: 8.5 to even") << 80.0 << 80.0;
    QTest::newRow("83") << 83.0 << 90.0;
    QTest::newRow("85") << 85.0 << 90.0;
    QTest::newRow("90: 9.5 to even") << 90.0 << 100.0;
    QTest::newRow("110") << 110.0 << 120.0;
    QTest::newRow("0 needs nothing") << 0.0 << 0.0;
    QTest::newRow("0.1") << 0.1 << 10.0;
    QTest::newRow("-27.5 is never negative") << -27.5 << 0.0;
    QTest::newRow("-10 gives no -0") << -10.0 << 0.0;
}

void InsulationTest::rounding() {
    QFETCH(double, raw);
    QFETCH(double, rounded);
    const double result = firstThickness(raw, 0, 0.001); // at Ld 0,001, t is Rk_req itself
    QCOMPARE(result, rounded);
    QVERIFY(!std::signbit(result));
}

void InsulationTest::estimate_data() {
    QTest::addColumn<double>("rkRequired");
    QTest::addColumn<double>("otherLayers");
    QTest::addColumn<double>("ld");
    QTest::addColumn<double>("thickness");
    QTest::newRow("dR 2.000, 15 kg/m3") << 2.5 << 0.5 << 0.055 << 120.0;
    QTest::newRow("dR 2.000 straight") << 2.0 << 0.0 << 0.055 << 120.0;
    QTest::newRow("t 40 exactly, 35 kg/m3") << 1.0 << 0.2 << 0.05 << 40.0;
    QTest::newRow("t 50 exactly, 35 kg/m3") << 1.0 << 0.0 << 0.05 << 60.0;
    QTest::newRow("25 kg/m3") << 2.947 << 0.862 << 0.053 << 120.0;
    QTest::newRow("layers suffice: dR -0.5") << 1.5 << 2.0 << 0.055 << 0.0;
    QTest::newRow("no requirement yet") << 0.0 << 0.0 << 0.055 << 0.0;
}

void InsulationTest::estimate() {
    QFETCH(double, rkRequired);
    QFETCH(double, otherLayers);
    QFETCH(double, ld);
    QFETCH(double, thickness);
    QCOMPARE(firstThickness(rkRequired, otherLayers, ld), thickness);
}

void InsulationTest::estimateOfAnUnusableValueIsAnError() {
    const double huge = std::numeric_limits<double>::max();
    // Rk_req as a text can be no larger than its 15 digits allow: 1E308.
    QVERIFY_THROWS_EXCEPTION(Overflow, firstThickness(1e308, -huge, 0.055));
}

// Brick and mortar under the board, as the layer calculation stores their resistances.
void InsulationTest::neededThickness_data() {
    QTest::addColumn<double>("brick"); // mm, Ld 0.81
    QTest::addColumn<double>("ld");    // of the board
    QTest::addColumn<QString>("rqmin");
    QTest::addColumn<double>("needed"); // -1 for none
    QTest::newRow("Odessa, brick 250, 25 kg/m3") << 250.0 << 0.053 << "2,200" << 100.0;
    QTest::newRow("Kyiv, brick 380, 25 kg/m3") << 380.0 << 0.053 << "2,800" << 120.0;
    QTest::newRow("production 1,500, brick 250") << 250.0 << 0.053 << "1,500" << 60.0;
    QTest::newRow("the layers suffice") << 2000.0 << 0.055 << "2,200" << 0.0;
    QTest::newRow("a board that adds nothing") << 250.0 << 1000.0 << "2,200" << -1.0;
}

void InsulationTest::neededThickness() {
    QFETCH(double, brick);
    QFETCH(double, ld);
    QFETCH(QString, rqmin);
    QFETCH(double, needed);
    LayerStack::Stack layers;
    layers.layers[2].r = brick / (0.81 * 1000);
    layers.layers[3].r = 20 / (0.81 * 1000);
    const auto found = InsulationSelection::neededThickness(
        layers, ld, {QStringLiteral("23"), QStringLiteral("8,7"), rqmin}, QLatin1Char(','));
    QCOMPARE(found.value_or(-1), needed);
}

void InsulationTest::thicknessText() {
    QCOMPARE(InsulationSelection::thicknessText(QStringLiteral("120")), QStringLiteral("120 мм"));
    QCOMPARE(InsulationSelection::nextThickness(120), 130.0);
    QCOMPARE(InsulationSelection::unknownThickness.toUtf8(),
             QByteArray("\xd0\xa5\xd0\xa5\xd0\xa5"));
}

void InsulationTest::quantity_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("volume");
    QTest::newRow("defaults") << "3"
                              << "20"
                              << "100" << 15
                              << "Утеплитель ПСБ-15, толщина 100мм, площадь утепления 60м^2"
                              << "6м^3";
    QTest::newRow("order example")
        << "3"
        << "20"
        << "120" << 25 << "Утеплитель ПСБ-25, толщина 120мм, площадь утепления 60м^2"
        << "7м^3";
    QTest::newRow("7.5 -> 8, 0.75 -> 1")
        << "2,5"
        << "3"
        << "100" << 35 << "Утеплитель ПСБ-35, толщина 100мм, площадь утепления 8м^2"
        << "1м^3";
    QTest::newRow("no product yet")
        << "3"
        << "20"
        << "100" << 0 << "Утеплитель ПСБ-0, толщина 100мм, площадь утепления 60м^2"
        << "6м^3";
    QTest::newRow("thickness text kept as typed")
        << "3"
        << "20"
        << "95,50" << 15 << "Утеплитель ПСБ-15, толщина 95,50мм, площадь утепления 60м^2"
        << "6м^3";
    QTest::newRow("0.4 rounds to 0")
        << "1"
        << "4"
        << "100" << 15 << "Утеплитель ПСБ-15, толщина 100мм, площадь утепления 4м^2"
        << "0м^3";
    QTest::newRow("negative thickness gives no volume")
        << "3"
        << "20"
        << "-20" << 15 << "Утеплитель ПСБ-15, толщина -20мм, площадь утепления 60м^2"
        << "0м^3";
    QTest::newRow("negative height gives no volume")
        << "-3"
        << "20"
        << "100" << 15 << "Утеплитель ПСБ-15, толщина 100мм, площадь утепления -60м^2"
        << "0м^3";
}

void InsulationTest::quantity() {
    QFETCH(QString, height);
    QFETCH(QString, length);
    QFETCH(QString, thickness);
    QFETCH(int, grade);
    QFETCH(QString, summary);
    QFETCH(QString, volume);
    const auto result = InsulationQuantity::compute(height, length, thickness, grade, ',');
    QCOMPARE(result.summary, summary);
    QCOMPARE(result.volumeText, volume);
    QVERIFY(result.volume >= 0);
}

void InsulationTest::quantityReadsHeightLengthThicknessInOrder_data() {
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("message");
    QTest::newRow("height first") << "2.5"
                                  << "x"
                                  << "y"
                                  << "'2.5' is not a valid floating point value";
    QTest::newRow("then length") << "3"
                                 << ""
                                 << "y"
                                 << "'' is not a valid floating point value";
    QTest::newRow("then thickness") << "3"
                                    << "20"
                                    << "ХХХ"
                                    << "'ХХХ' is not a valid floating point value";
}

void InsulationTest::quantityReadsHeightLengthThicknessInOrder() {
    QFETCH(QString, height);
    QFETCH(QString, length);
    QFETCH(QString, thickness);
    QFETCH(QString, message);
    try {
        InsulationQuantity::compute(height, length, thickness, 15, ',');
        QFAIL("no conversion error");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(), message);
    }
}

void InsulationTest::quantityOverflowIsAnError() {
    QVERIFY_THROWS_EXCEPTION(Overflow,
                             InsulationQuantity::compute("1E300", "1E300", "100", 15, ','));
}

void InsulationTest::orderLines() {
    const QStringList lines = InsulationQuantity::orderLines(
        QStringLiteral("Утеплитель ПСБ-25, толщина 120мм, площадь утепления 60м^2"),
        QStringLiteral("7м^3"));
    QCOMPARE(lines, QStringList({QStringLiteral("Утеплитель ПСБ-25, толщина 120мм, площадь "
                                                "утепления 60м^2"),
                                 QStringLiteral("Расход утеплителя -  7м^3.")}));
}

void InsulationTest::boxOffers() {
    QCOMPARE(InsulationQuantity::heightItems().join(' '),
             QStringLiteral("1 2 3 4 5 6 7 8 9 10 20 30"));
    QCOMPARE(InsulationQuantity::lengthItems().join(' '),
             QStringLiteral("3 4 5 6 7 8 9 10 20 30 40 50 60 70 80 90 100"));
}

QTEST_APPLESS_MAIN(InsulationTest)
#include "tst_insulation.moc"
