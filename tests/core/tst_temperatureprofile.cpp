// The temperature profile of the section, the dew point, the two surface checks
// and the window's reading of its inputs.

#include "core/MaterialCatalogue.h"
#include "core/SectionLayers.h"
#include "core/TemperatureCheck.h"
#include "core/TemperatureProfile.h"

#include <QTest>

#include <cmath>

using TemperatureCheck::Field;

namespace {

const QChar comma(',');

// The typical wall: brick 380 mm and mortar 20 mm (λ 0,81), a board of 90 mm (λ 0,055)
// as layer 12, as the layer window stores them after "Расчет".
QList<SectionLayers::Layer> typicalWall(double mortar = 20) {
    LayerStack::Stack stack;
    const struct {
        int number;
        double dt, ld;
        const char* name;
    } layers[] = {{3, 380, 0.81, "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)"},
                  {4, mortar, 0.81, "Раствор цементно-песчаный (1600 кг/м3)"},
                  {12, 90, 0.055, "Плиты пенополистирольные (15 кг/м3)"}};
    for (const auto& layer : layers) {
        const int i = layer.number - 1;
        stack.layers[i].dt = layer.dt;
        stack.layers[i].r = layer.dt / (layer.ld * 1000);
        stack.layers[i].material.name = QString::fromUtf8(layer.name);
    }
    return SectionLayers::calculated(stack, false);
}

TemperatureCheck::Evaluation typical(const ProfileInputs& inputs = {}) {
    return TemperatureCheck::evaluate(inputs, QStringLiteral("8,7"), QStringLiteral("23"),
                                      typicalWall(), comma);
}

QList<Field> refusedFields(const TemperatureCheck::Evaluation& e) {
    QList<Field> fields;
    for (const auto& problem : e.problems)
        fields << problem.field;
    return fields;
}

} // namespace

class TemperatureProfileTest : public QObject {
    Q_OBJECT
  private slots:
    void workedWall_data();
    void workedWall();
    void saturationPressureIsInvertedByTheDewPoint_data();
    void saturationPressureIsInvertedByTheDewPoint();
    void badInputsAreRefusedByField_data();
    void badInputsAreRefusedByField();
    void noProfileWithoutLayersOrCoefficients_data();
    void noProfileWithoutLayersOrCoefficients();
    void reversedFlowAndDryAirStayFinite();
    void failedChecksAreReported();
    void temperatureTexts_data();
    void temperatureTexts();
    void layerKinds_data();
    void layerKinds();
    void catalogueKindsInTheLegend();
    void catalogueKindsAreThoseOfTheirNames();
    void criticalDifferenceFromTheTable_data();
    void criticalDifferenceFromTheTable();
};

void TemperatureProfileTest::workedWall_data() {
    QTest::addColumn<bool>("insideIsLayer1");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<double>>("planes"); // inner surface .. outer surface
    QTest::newRow("layer 1 at the room side")
        << true << QList<int>{3, 4, 12} << QList<double>{17.8906, 9.2811, 8.8280, -21.2021};
    QTest::newRow("layer 12 at the room side")
        << false << QList<int>{12, 4, 3} << QList<double>{17.8906, -12.1395, -12.5926, -21.2021};
}

void TemperatureProfileTest::workedWall() {
    QFETCH(bool, insideIsLayer1);
    QFETCH(QList<int>, order);
    QFETCH(QList<double>, planes);
    ProfileInputs inputs;
    inputs.insideIsLayer1 = insideIsLayer1;
    const auto e = typical(inputs);
    QVERIFY(e.problems.isEmpty());
    QVERIFY2(e.blocker.isEmpty(), qPrintable(e.blocker));
    QVERIFY(e.profile);
    const TemperatureProfile::Profile& p = *e.profile;

    QList<int> numbers;
    for (const auto& layer : e.layers)
        numbers << layer.number;
    QCOMPARE(numbers, order);
    QCOMPARE(std::round(p.total * 1e4) / 1e4, 2.2886);
    QCOMPARE(p.planes.size(), 6); // room air, 4 planes of the section, outdoor air
    QCOMPARE(p.planes.front().temperature, 20.0);
    QCOMPARE(p.planes.back().temperature, -22.0);
    for (int i = 0; i < planes.size(); ++i)
        QVERIFY2(std::abs(p.planes[i + 1].temperature - planes[i]) < 5e-5,
                 qPrintable(QString::number(p.planes[i + 1].temperature)));
    QCOMPARE(p.planes[4].depth, 490.0);
    QCOMPARE(std::round(p.indoorVapourPressure), 1285.0);
    QCOMPARE(std::round(p.dewPoint * 100) / 100, 10.69);
    QCOMPARE(std::round(p.temperatureDrop * 100) / 100, 2.11);
    QCOMPARE(e.sanitaryMet, std::optional<bool>(true));
    QCOMPARE(e.surfaceStaysDry, std::optional<bool>(true));
    QVERIFY(e.note.isEmpty());

    // Within a layer the temperature runs straight: the middle of the first one.
    const double middle = (planes[0] + planes[1]) / 2;
    QVERIFY(std::abs(TemperatureProfile::temperatureAt(p, numbers[0] == 3 ? 190 : 45) - middle) <
            1e-3);
}

void TemperatureProfileTest::saturationPressureIsInvertedByTheDewPoint_data() {
    QTest::addColumn<double>("theta");
    QTest::addColumn<double>("pressure"); // Pa, to 0,1
    QTest::newRow("20 °C, over water") << 20.0 << 2337.0;
    QTest::newRow("0 °C") << 0.0 << 610.5;
    QTest::newRow("-10 °C, over ice") << -10.0 << 259.3;
    QTest::newRow("just below 0") << -0.5 << 585.8;
    QTest::newRow("-40 °C") << -40.0 << 12.6;
}

void TemperatureProfileTest::saturationPressureIsInvertedByTheDewPoint() {
    QFETCH(double, theta);
    QFETCH(double, pressure);
    const double p = TemperatureProfile::saturationPressure(theta);
    QCOMPARE(std::round(p * 10) / 10, pressure);
    QVERIFY(std::abs(TemperatureProfile::dewPoint(p) - theta) < 1e-9);
}

void TemperatureProfileTest::badInputsAreRefusedByField_data() {
    QTest::addColumn<ProfileInputs>("inputs");
    QTest::addColumn<QList<Field>>("refused");
    QTest::addColumn<bool>("profileShown");
    QTest::addColumn<bool>("sanitaryKnown");
    QTest::addColumn<bool>("condensationKnown");
    auto with = [](auto change) {
        ProfileInputs inputs;
        change(inputs);
        return inputs;
    };
    QTest::newRow("a lone minus while typing")
        << with([](ProfileInputs& i) { i.outdoorTemperature = "-"; })
        << QList<Field>{Field::OutdoorTemperature} << false << false << false;
    QTest::newRow("empty indoor temperature")
        << with([](ProfileInputs& i) { i.indoorTemperature = ""; })
        << QList<Field>{Field::IndoorTemperature} << false << false << false;
    QTest::newRow("point instead of comma")
        << with([](ProfileInputs& i) { i.indoorTemperature = "20.5"; })
        << QList<Field>{Field::IndoorTemperature} << false << false << false;
    QTest::newRow("below absolute zero")
        << with([](ProfileInputs& i) { i.outdoorTemperature = "-300"; })
        << QList<Field>{Field::OutdoorTemperature} << false << false << false;
    QTest::newRow("humidity above 100 %")
        << with([](ProfileInputs& i) { i.indoorHumidity = "100,5"; })
        << QList<Field>{Field::IndoorHumidity} << true << true << false;
    QTest::newRow("negative humidity")
        << with([](ProfileInputs& i) { i.indoorHumidity = "-1"; })
        << QList<Field>{Field::IndoorHumidity} << true << true << false;
    QTest::newRow("Δt_cr not a number")
        << with([](ProfileInputs& i) { i.criticalDifference = "4,0,"; })
        << QList<Field>{Field::CriticalDifference} << true << false << true;
    QTest::newRow("negative Δt_cr")
        << with([](ProfileInputs& i) { i.criticalDifference = "-1"; })
        << QList<Field>{Field::CriticalDifference} << true << false << true;
    QTest::newRow("two fields at once") << with([](ProfileInputs& i) {
        i.indoorTemperature = "x";
        i.indoorHumidity = "y";
    }) << QList<Field>{Field::IndoorTemperature, Field::IndoorHumidity}
                                        << false << false << false;
    QTest::newRow("saturated air is accepted")
        << with([](ProfileInputs& i) { i.indoorHumidity = "100"; }) << QList<Field>{} << true
        << true << true;
}

void TemperatureProfileTest::badInputsAreRefusedByField() {
    QFETCH(ProfileInputs, inputs);
    QFETCH(QList<Field>, refused);
    QFETCH(bool, profileShown);
    QFETCH(bool, sanitaryKnown);
    QFETCH(bool, condensationKnown);
    const auto e = typical(inputs);
    QCOMPARE(refusedFields(e), refused);
    for (const auto& problem : e.problems)
        QVERIFY(!problem.reason.isEmpty());
    QCOMPARE(e.profile.has_value(), profileShown);
    QCOMPARE(e.sanitaryMet.has_value(), sanitaryKnown);
    QCOMPARE(e.surfaceStaysDry.has_value(), condensationKnown);
}

void TemperatureProfileTest::noProfileWithoutLayersOrCoefficients_data() {
    QTest::addColumn<QString>("alphaInt");
    QTest::addColumn<QString>("alphaExt");
    QTest::addColumn<int>("mortar"); // mm of layer 4 in the typical wall; 0 for no layers
    QTest::addColumn<QString>("blocker");
    QTest::newRow("no calculation yet")
        << "8,7"
        << "23" << 0 << "Нет слоев с толщиной: выполните расчет в окне слоев.";
    QTest::newRow("coefficients not chosen")
        << "0"
        << "0" << 20 << "Выберите коэффициент Alfa в в главном окне (сейчас «0»).";
    QTest::newRow("alpha_ext typed wrong")
        << "8,7"
        << "23." << 20 << "Выберите коэффициент Alfa н в главном окне (сейчас «23.»).";
    // Rk counts it, so the temperatures can't leave it out.
    QTest::newRow("negative thickness")
        << "8,7"
        << "23" << -20
        << "Слой 4: толщина -20 мм, такого слоя не бывает; разрез и температуры строятся "
           "только по всем слоям Rk.";
}

void TemperatureProfileTest::noProfileWithoutLayersOrCoefficients() {
    QFETCH(QString, alphaInt);
    QFETCH(QString, alphaExt);
    QFETCH(int, mortar);
    QFETCH(QString, blocker);
    const auto e = TemperatureCheck::evaluate(
        {}, alphaInt, alphaExt, mortar ? typicalWall(mortar) : QList<SectionLayers::Layer>{},
        comma);
    QCOMPARE(e.blocker, blocker);
    QVERIFY(!e.profile);
}

void TemperatureProfileTest::reversedFlowAndDryAirStayFinite() {
    ProfileInputs inputs;
    inputs.indoorTemperature = "18";
    inputs.outdoorTemperature = "18";
    inputs.indoorHumidity = "0";
    const auto e = typical(inputs);
    QVERIFY(e.profile);
    QVERIFY(!e.profile->heatFlowsOutward);
    QCOMPARE(e.note, QStringLiteral("tв не выше tн: тепло наружу не уходит."));
    QVERIFY(!e.profile->hasDewPoint);
    for (const auto& plane : e.profile->planes)
        QCOMPARE(plane.temperature, 18.0);
    QCOMPARE(TemperatureCheck::temperatureText(e.profile->temperatureDrop, comma), "0,0");
    QCOMPARE(e.surfaceStaysDry, std::optional<bool>(true));
    QCOMPARE(TemperatureCheck::condensationVerdict(true, true),
             QStringLiteral("Сухой воздух: конденсата на поверхности нет."));

    inputs.outdoorTemperature = "30"; // warmer outside: the surface is above the room air
    const auto warm = typical(inputs);
    QVERIFY(warm.profile->innerSurface > 18);
    QCOMPARE(warm.sanitaryMet, std::optional<bool>(true));
}

void TemperatureProfileTest::failedChecksAreReported() {
    // The bare brick and mortar, humid air: too cold a surface on both counts.
    auto layers = typicalWall();
    layers.removeLast();
    ProfileInputs inputs;
    inputs.indoorHumidity = "80";
    const auto e = TemperatureCheck::evaluate(inputs, "8,7", "23", layers, comma);
    QVERIFY(e.profile);
    QVERIFY(e.profile->temperatureDrop > 4);
    QCOMPARE(e.sanitaryMet, std::optional<bool>(false));
    QCOMPARE(e.surfaceStaysDry, std::optional<bool>(false));
}

void TemperatureProfileTest::temperatureTexts_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("inner surface") << 17.8906 << ","
                                   << "17,9";
    QTest::newRow("outer surface") << -21.2021 << ","
                                   << "-21,2";
    QTest::newRow("a half away from zero") << -0.25 << ","
                                           << "-0,3";
    QTest::newRow("no negative zero") << -0.04 << ","
                                      << "0,0";
    QTest::newRow("point separator") << 10.6912 << "."
                                     << "10.7";
}

void TemperatureProfileTest::temperatureTexts() {
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(TemperatureCheck::temperatureText(value, separator.at(0)), text);
}

void TemperatureProfileTest::layerKinds_data() {
    using Kind = SectionLayers::Kind;
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("airGap");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("brick") << 3 << "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)" << false
                           << Kind::Masonry;
    QTest::newRow("block masonry, not concrete")
        << 8 << "Кладка из керамзитошлакобетонных блоков (1350кг/м3)" << false << Kind::Masonry;
    QTest::newRow("mortar in layer 11")
        << 11 << "Раствор цементно-песчаный (1600 кг/м3)" << false << Kind::ConcreteAndMortar;
    QTest::newRow("aerated concrete")
        << 5 << "Газобетон (1000кг/м^3)" << false << Kind::ConcreteAndMortar;
    QTest::newRow("board in layer 12")
        << 12 << "Плиты пенополистирольные (15 кг/м3)" << false << Kind::Insulation;
    QTest::newRow("ceramic tile is no board")
        << 2 << "Плитка керамическая для пола (2000 кг/м3)" << false << Kind::Other;
    QTest::newRow("accepted air gap") << 11 << "ВОЗДУШНАЯ  ПРОСЛОЙКА" << true << Kind::AirGap;
    QTest::newRow("typed name, row decides") << 12 << "мой утеплитель" << false << Kind::Insulation;
    QTest::newRow("typed name, other row") << 1 << "что-то" << false << Kind::Other;
}

void TemperatureProfileTest::layerKinds() {
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(bool, airGap);
    QFETCH(SectionLayers::Kind, kind);
    QCOMPARE(SectionLayers::kindOf(number, name, airGap), kind);
}

namespace {

// The legend's name of the layer that catalogue entry `index` makes of row `category`,
// under a name whose words say nothing of its kind (as a translation would show it).
QString legendOf(int category, int index) {
    LayerStack::Stack stack;
    stack.layers[category - 1].dt = 100;
    stack.layers[category - 1].material = {index, "перевод", QString()};
    const QList<SectionLayers::Layer> layers = SectionLayers::calculated(stack, false);
    return layers.size() == 1 ? SectionLayers::kindName(layers[0].kind) : QString();
}

} // namespace

// A catalogue entry is drawn as its own kind, whatever text its row shows.
void TemperatureProfileTest::catalogueKindsInTheLegend() {
    const struct {
        int category;
        const char* name;
        const char* legend;
    } materials[] = {
        {3, "Кладка кирп.силикат.на цем-.песч.р-ре(1800 кг/м3)", "кладка"},
        {1, "Цементно-песчанная стяжка (1600 кг/м3)", "бетон, раствор"},
        {1, "Линолеум ПВХ на теплоизол. осн.(1600 кг/м3)", "утеплитель"},
        {9, "Вата минеральная (80 кг/м3)", "утеплитель"},
        {11, "Сосна и ель поперек волокон (500 кг/м3)", "прочие слои"},
        {11, "ВОЗДУШНАЯ  ПРОСЛОЙКА", "воздушная прослойка"},
    };
    for (const auto& material : materials) {
        const QString name = QString::fromUtf8(material.name);
        const int index = int(MaterialCatalogue::names(material.category).indexOf(name));
        QVERIFY2(MaterialCatalogue::lookup(material.category, index), material.name);
        QCOMPARE(legendOf(material.category, index), QString::fromUtf8(material.legend));
    }
}

// The catalogue's kinds draw every entry as its name drew it before they were kept.
void TemperatureProfileTest::catalogueKindsAreThoseOfTheirNames() {
    for (int category = 1; category <= MaterialCatalogue::categoryCount; ++category)
        for (int index = 0; index < MaterialCatalogue::entryCount(category); ++index) {
            const auto entry = MaterialCatalogue::lookup(category, index);
            QVERIFY2(entry->material == SectionLayers::kindOf(category, entry->name, false),
                     qPrintable(entry->name));
        }
}

void TemperatureProfileTest::criticalDifferenceFromTheTable_data() {
    QTest::addColumn<int>("purpose");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("humidity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::newRow("walls of residential buildings") << 0 << 0 << "55"
                                                    << "4"
                                                    << "";
    QTest::newRow("roofs of public buildings") << 1 << 1 << "55"
                                               << "4"
                                               << "";
    QTest::newRow("humid production walls: t_i - t_d") << 3 << 0 << "55"
                                                       << "9,3"
                                                       << "tв-tр";
    QTest::newRow("humid production roofs: 0.8 (t_i - t_d)") << 3 << 1 << "55"
                                                             << "7,4"
                                                             << "0.8(tв-tр)";
    QTest::newRow("formula without a dew point") << 3 << 0 << "0"
                                                 << ""
                                                 << "tв-tр";
}

void TemperatureProfileTest::criticalDifferenceFromTheTable() {
    QFETCH(int, purpose);
    QFETCH(int, kind);
    QFETCH(QString, humidity);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    ProfileInputs inputs;
    inputs.indoorHumidity = humidity;
    const auto choice = TemperatureCheck::criticalDifference(purpose, kind, inputs, comma);
    QVERIFY(choice);
    QCOMPARE(choice->text, text);
    QCOMPARE(choice->hint, hint);
    QVERIFY(!TemperatureCheck::criticalDifference(5, 0, inputs, comma));
}

QTEST_APPLESS_MAIN(TemperatureProfileTest)
#include "tst_temperatureprofile.moc"
