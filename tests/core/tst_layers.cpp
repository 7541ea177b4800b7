// The material catalogue, the layer calculation, the layer-12 thickness and the air-gap table.

#include "core/AirGaps.h"
#include "core/Errors.h"
#include "core/LayerStack.h"
#include "core/MaterialCatalogue.h"

#include <QTest>

using LayerStack::PerLayer;

namespace {

const QChar comma(',');

// Records what a calculation hands out, in order.
struct RecordedSteps : LayerStack::Steps {
    QStringList events;
    QStringList warnings;
    PerLayer<QString> r, d;
    QString rk, total, inertia, handedRk, handedInertia;

    void warn(const QString& text) override {
        events << QStringLiteral("warn");
        warnings << text;
    }
    void showResistances(const PerLayer<QString>& values, const QString& rkText,
                         const QString& totalText) override {
        events << QStringLiteral("resistances");
        r = values;
        rk = rkText;
        total = totalText;
    }
    void handOverRk(const QString& text) override {
        events << QStringLiteral("rk");
        handedRk = text;
    }
    void showInertia(const PerLayer<QString>& values, const QString& text) override {
        events << QStringLiteral("inertia");
        d = values;
        inertia = text;
    }
    void handOverInertia(const QString& text) override {
        events << QStringLiteral("handInertia");
        handedInertia = text;
    }
    void finish() override { events << QStringLiteral("finish"); }
};

// Every field "0", as the window starts.
LayerStack::Stack freshFields() {
    LayerStack::Stack fields;
    for (LayerStack::Layer& layer : fields.layers)
        layer.ldText = layer.dtText = layer.sText = QStringLiteral("0");
    return fields;
}

void setLayer(LayerStack::Stack& fields, int layer, const char* ld, const char* dt, const char* s) {
    LayerStack::Layer& row = fields.layers[layer - 1];
    row.ldText = QString::fromUtf8(ld);
    row.dtText = QString::fromUtf8(dt);
    row.sText = QString::fromUtf8(s);
}

} // namespace

class LayersTest : public QObject {
    Q_OBJECT

  private slots:
    void categoryCounts_data();
    void categoryCounts();
    void catalogueSamples_data();
    void catalogueSamples();
    void catalogueLookupOutside();
    void airGapEntry();

    void freshStack();
    void singleSteelLayer();
    void inertiaIsTheSum();
    void emptyMaterialTakesNoWarning();
    void missingThicknessWarning_data();
    void missingThicknessWarning();
    void inertiaForProductionTable();
    void stopsAtFieldThatIsNoNumber_data();
    void stopsAtFieldThatIsNoNumber();

    void layer12Thickness_data();
    void layer12Thickness();
    void layer12ThicknessNeedsRequiredNumber();

    void airGapTable_data();
    void airGapTable();
    void airGapOutsideTheLists();
    void airGapLayerGivesBackItsResistance();
    void airGapLayerRejectsBadResistance();
};

void LayersTest::categoryCounts_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("caption");
    const int counts[] = {14, 12, 11, 10, 2, 8, 12, 2, 28, 18, 6};
    const char* captions[] = {"Рубероид, линолеум, стяжка ",
                              "Плитка, битум, мрамор, известняк",
                              "Кладка кирпичная и блочная",
                              "Растворы, бетон, ж/б",
                              "Г а з о б е т о н   и пенозолобетон",
                              "Керамзитобетоны",
                              "Гравий, щебень, песок",
                              "Кладка из керамзитошлакобетонных блоков",
                              "Минераловатные плиты",
                              "Полимеры ",
                              "Другие слои  конструкции,   воздушные прослойки"};
    for (int k = 1; k <= 11; ++k)
        QTest::addRow("category %d", k) << k << counts[k - 1] << QString::fromUtf8(captions[k - 1]);
}

void LayersTest::categoryCounts() {
    QFETCH(int, category);
    QFETCH(int, count);
    QFETCH(QString, caption);
    QCOMPARE(MaterialCatalogue::entryCount(category), count);
    QCOMPARE(MaterialCatalogue::names(category).size(), count);
    QCOMPARE(MaterialCatalogue::caption(category), caption);
    QVERIFY(MaterialCatalogue::lookup(category, count - 1).has_value());
    QVERIFY(!MaterialCatalogue::lookup(category, count).has_value());
}

void LayersTest::catalogueSamples_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("ld");
    QTest::addColumn<double>("s");
    auto add = [](int category, int index, const char* name, double ld, double s) {
        QTest::addRow("%d/%d", category, index)
            << category << index << QString::fromUtf8(name) << ld << s;
    };
    add(1, 0, "Рубероид(600)", 0.17, 3.53);
    add(1, 7, "Сталь ", 58, 126.5);
    add(1, 8, "Алюминий  (2600 кг/м3)", 221, 187.6);
    add(1, 13, "Цементно-песчанная стяжка (1600 кг/м3)", 0.81, 9.76);
    add(2, 8, "Известняк (1600 кг/м3))", 0.81, 9.75);
    add(2, 11, "Туф (1000 кг/м3)", 0.29, 4.8);
    add(3, 6, "Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1400 кг/м3)", 0.64, 8.48);
    add(3, 10, "Кладка блоков кремнез.цем..на изв.-кварц.р-ре(400 кг/м3)", 0.092, 1.74);
    add(4, 3, "Железобетон (2500 кг/м3)", 2.04, 18.95);
    add(4, 9, "Раствор цементно-перлитовый (1000 кг/м3)", 0.3, 5.42);
    add(5, 0, "Газобетон (1000кг/м^3)", 0.5, 8.01);
    add(5, 1, "Газобетон (1200кг/м^3)", 0.58, 9.46);
    add(6, 7, "Керамзитобетон на керамзит.песке (1800 кг/м3)", 0.92, 12.33);
    add(7, 10, "Песок вермикулитовый (100 кг/м3)", 0.08, 0.75);
    add(8, 1, "Кладка из керамзитошлакобетонных блоков (1400кг/м3)", 0.43, 5.91);
    add(9, 16, "Плиты минватн. на синт. связ. от3,5 до 4,2%  (220 кг/м3)", 0.05, 0.84);
    add(9, 19, "Плиты минватн. на синт. связ.от4,0 до 5,0% (50 кг/м3)", 0.046, 0.4);
    add(9, 25, "Изд.теплоизоляц.стекловолокнист.(45 кг/м3)", 0.046, 0.4);
    add(9, 27, "Пл.негор.теплоиз.базальто-волокн.(90 кг/м3)", 0.054, 0.54);
    add(10, 0, "Плиты пенополистирольные (15 кг/м3)", 0.055, 0.33);
    add(10, 14, "Плиты пенополистир. экструзионн.(80кг/м3)", 0.049, 0.73);
    add(10, 17, "Плиты пенополистир. экструзионн.(30 кг/м3)", 0.039, 0.39);
    add(11, 2, "Сталь", 58, 126.5);
    add(11, 4, "Железобетон", 2.04, 18.95);
}

void LayersTest::catalogueSamples() {
    QFETCH(int, category);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(double, ld);
    QFETCH(double, s);
    const auto entry = MaterialCatalogue::lookup(category, index);
    QVERIFY(entry.has_value());
    QCOMPARE(entry->name, name);
    QCOMPARE(entry->kind, MaterialCatalogue::EntryKind::Material);
    QCOMPARE(entry->ld, ld);
    QCOMPARE(entry->s, s);
    QCOMPARE(MaterialCatalogue::names(category).at(index), name);
}

void LayersTest::catalogueLookupOutside() {
    QVERIFY(!MaterialCatalogue::lookup(1, -1).has_value());
    QVERIFY(!MaterialCatalogue::lookup(11, -1).has_value());
    QVERIFY(!MaterialCatalogue::lookup(0, 0).has_value());
    QVERIFY(!MaterialCatalogue::lookup(12, 0).has_value());
    QVERIFY(MaterialCatalogue::caption(12).isEmpty());
    int total = 0;
    for (int k = 1; k <= MaterialCatalogue::categoryCount; ++k)
        total += MaterialCatalogue::entryCount(k);
    QCOMPARE(total, 123);
}

void LayersTest::airGapEntry() {
    const auto entry = MaterialCatalogue::lookup(11, 5);
    QVERIFY(entry.has_value());
    QCOMPARE(entry->kind, MaterialCatalogue::EntryKind::AirGap);
    QCOMPARE(entry->name, QStringLiteral("ВОЗДУШНАЯ  ПРОСЛОЙКА"));
    int airGaps = 0;
    for (int k = 1; k <= MaterialCatalogue::categoryCount; ++k)
        for (int i = 0; i < MaterialCatalogue::entryCount(k); ++i)
            airGaps +=
                MaterialCatalogue::lookup(k, i)->kind == MaterialCatalogue::EntryKind::AirGap;
    QCOMPARE(airGaps, 1);
}

void LayersTest::freshStack() {
    LayerStack::Stack stored = freshFields();
    RecordedSteps steps;
    LayerStack::calculate(stored, Project::BuildingKind::Residential, comma, steps);
    QCOMPARE(steps.warnings, QStringList{QStringLiteral("Вы не выбрали конструкцию      \r\n")});
    QCOMPARE(steps.events, (QStringList{"warn", "resistances", "rk", "inertia", "finish"}));
    for (int i = 0; i < layerCount; ++i) {
        QCOMPARE(steps.r[i], QStringLiteral("0,000"));
        QCOMPARE(steps.d[i], QStringLiteral("0,000"));
        QCOMPARE(stored.layers[i].ld, 1000.0); // the field keeps "0"; only the number is replaced
    }
    QCOMPARE(steps.rk, QStringLiteral("0,000"));
    QCOMPARE(steps.handedRk, QStringLiteral("0,000"));
    QCOMPARE(steps.total, QStringLiteral("0"));
    QCOMPARE(steps.inertia, QStringLiteral("0,000"));
}

void LayersTest::singleSteelLayer() {
    auto fields = freshFields();
    setLayer(fields, 1, "58", "10", "126,5");
    LayerStack::Stack& stored = fields;
    RecordedSteps steps;
    LayerStack::calculate(stored, Project::BuildingKind::Residential, comma, steps);
    QVERIFY(steps.warnings.isEmpty());
    QCOMPARE(steps.r[0], QStringLiteral("0,000"));
    QCOMPARE(stored.layers[0].r, 10.0 / 58000);
    QCOMPARE(stored.layers[0].d, 10.0 / 58000 * 126.5);
    QCOMPARE(stored.inertia, stored.layers[0].d);
    QCOMPARE(steps.d[0], QStringLiteral("0,022"));
    QCOMPARE(steps.inertia, QStringLiteral("0,022"));
    QCOMPARE(steps.total, QStringLiteral("10"));
}

void LayersTest::inertiaIsTheSum() {
    auto fields = freshFields();
    setLayer(fields, 1, "0,1", "100", "1"); // R 1, D 1
    setLayer(fields, 2, "0,1", "100", "3"); // R 1, D 3
    setLayer(fields, 5, "0,5", "150", "0"); // R 0,3, D 0
    LayerStack::Stack& stored = fields;
    RecordedSteps steps;
    LayerStack::calculate(stored, Project::BuildingKind::Residential, comma, steps);
    QCOMPARE(steps.d[0], QStringLiteral("1,000"));
    QCOMPARE(steps.d[1], QStringLiteral("3,000"));
    QCOMPARE(steps.inertia, QStringLiteral("4,000"));
    QCOMPARE(steps.rk, QStringLiteral("2,300"));
    QCOMPARE(steps.total, QStringLiteral("350"));
}

void LayersTest::emptyMaterialTakesNoWarning() {
    auto fields = freshFields();
    setLayer(fields, 4, "0", "100", "0");
    LayerStack::Stack& stored = fields;
    RecordedSteps steps;
    LayerStack::calculate(stored, Project::BuildingKind::Residential, comma, steps);
    // No thickness warning; the stack as a whole still has no material.
    QCOMPARE(steps.warnings, QStringList{LayerStack::noConstructionWarning()});
    QCOMPARE(stored.layers[3].r, 0.0001);
    QCOMPARE(steps.r[3], QStringLiteral("0,000"));
}

void LayersTest::missingThicknessWarning_data() {
    QTest::addColumn<int>("layer");
    QTest::addColumn<QStringList>("warnings");
    for (int layer = 1; layer <= 11; ++layer)
        QTest::addRow("layer %d", layer)
            << layer
            << QStringList{QStringLiteral("Вы не ввели толщину слоя Dt%1      \r\n").arg(layer)};
    QTest::addRow("layer 12") << 12 << QStringList{};
}

void LayersTest::missingThicknessWarning() {
    QFETCH(int, layer);
    QFETCH(QStringList, warnings);
    auto fields = freshFields();
    setLayer(fields, layer, "0,5", "0", "6");
    LayerStack::Stack& stored = fields;
    RecordedSteps steps;
    LayerStack::calculate(stored, Project::BuildingKind::Residential, comma, steps);
    QCOMPARE(steps.warnings, warnings);
    QCOMPARE(steps.events.last(), QStringLiteral("finish"));
}

void LayersTest::inertiaForProductionTable() {
    auto fields = freshFields();
    setLayer(fields, 3, "0,81", "380", "10,12");
    setLayer(fields, 7, "0,5", "0", "6");
    LayerStack::Stack& stored = fields;
    RecordedSteps steps;
    LayerStack::calculate(stored, Project::BuildingKind::Production, comma, steps);
    QCOMPARE(steps.warnings, QStringList{LayerStack::missingThicknessWarning(7)});
    QCOMPARE(steps.events,
             (QStringList{"warn", "resistances", "rk", "inertia", "handInertia", "finish"}));
    QCOMPARE(steps.handedInertia, steps.inertia);
    QCOMPARE(steps.inertia, QStringLiteral("4,748")); // 0,38/0,81 * 10,12
    for (const auto building :
         {Project::BuildingKind::Residential, Project::BuildingKind::WallsBetweenFlats}) {
        RecordedSteps other;
        LayerStack::calculate(stored, building, comma, other);
        QVERIFY(!other.events.contains(QStringLiteral("handInertia")));
        QCOMPARE(other.events.last(), QStringLiteral("finish"));
    }
}

void LayersTest::stopsAtFieldThatIsNoNumber_data() {
    QTest::addColumn<QString>("item"); // which field of layer 3 holds the bad text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("ldRead"); // layers whose Ld was stored before the stop
    QTest::addColumn<int>("dtRead");
    QTest::addRow("Ld letters") << "ld"
                                << "abc" << QStringList{} << 2 << 0;
    QTest::addRow("Dt range") << "dt"
                              << "200...300" << QStringList{} << 12 << 2;
    QTest::addRow("Dt empty") << "dt"
                              << "" << QStringList{} << 12 << 2;
    QTest::addRow("S wrong separator") << "s"
                                       << "6.5" << QStringList{"resistances", "rk"} << 12 << 12;
}

void LayersTest::stopsAtFieldThatIsNoNumber() {
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QStringList, events);
    QFETCH(int, ldRead);
    QFETCH(int, dtRead);
    auto fields = freshFields();
    for (int layer = 1; layer <= 12; ++layer)
        setLayer(fields, layer, "0,5", "100", "6");
    if (item == QLatin1String("ld"))
        fields.layers[2].ldText = text;
    else if (item == QLatin1String("dt"))
        fields.layers[2].dtText = text;
    else
        fields.layers[2].sText = text;
    LayerStack::Stack& stored = fields;
    for (LayerStack::Layer& layer : stored.layers)
        layer.ld = layer.dt = layer.d = -1;
    RecordedSteps steps;
    try {
        LayerStack::calculate(stored, Project::BuildingKind::Production, comma, steps);
        QFAIL("the calculation went through a field that is not a number");
    } catch (const ConversionError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    QCOMPARE(steps.events, events);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(stored.layers[i].ld, i < ldRead ? 0.5 : -1.0);
        QCOMPARE(stored.layers[i].dt, i < dtRead ? 100.0 : -1.0);
        QCOMPARE(stored.layers[i].d, -1.0); // D is never reached
    }
    if (!events.isEmpty()) {
        QCOMPARE(steps.rk, QStringLiteral("2,400"));
        QCOMPARE(steps.handedRk, QStringLiteral("2,400"));
    }
}

void LayersTest::layer12Thickness_data() {
    QTest::addColumn<double>("ld12");
    QTest::addColumn<QString>("rkRequired");
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("expected");
    // t = Ld12 * 1000 * (Rk_req - R1..R11), then to tens: (t + 5) / 10, a half to the even.
    QTest::addRow("t 85 -> 90") << 0.05 << "1,7" << 0.0 << 90.0;
    QTest::addRow("t 80 -> 80, 8.5 to 8") << 0.05 << "1,6" << 0.0 << 80.0;
    QTest::addRow("t 83 -> 90") << 0.05 << "2,46" << 0.8 << 90.0;
    QTest::addRow("t 90 -> 100, 9.5 to 10") << 0.045 << "2,5" << 0.5 << 100.0;
    QTest::addRow("t 95 -> 100") << 0.05 << "1,9" << 0.0 << 100.0;
    QTest::addRow("t 71 -> 80") << 0.1 << "0,71" << 0.0 << 80.0;
    QTest::addRow("t 70 -> 80, 7.5 to 8") << 0.1 << "0,7" << 0.0 << 80.0;
    QTest::addRow("t 64.9 -> 70") << 0.1 << "0,649" << 0.0 << 70.0;
    QTest::addRow("t 0 -> 0, 0.5 to 0") << 0.04 << "1,2" << 1.2 << 0.0;
    QTest::addRow("already enough -> 0") << 0.04 << "1,2" << 3.0 << 0.0;
    QTest::addRow("t -3 -> 0") << 0.03 << "1" << 1.1 << 0.0;
}

void LayersTest::layer12Thickness() {
    QFETCH(double, ld12);
    QFETCH(QString, rkRequired);
    QFETCH(double, r1);
    QFETCH(double, expected);
    LayerStack::Stack stored;
    stored.layers[11].ld = ld12;
    stored.layers[0].r = r1;
    stored.layers[11].r = 5; // layer 12's own resistance does not count
    const double t = LayerStack::layer12Thickness(stored, rkRequired, comma);
    QCOMPARE(t, expected);
    QVERIFY(!std::signbit(t));
}

void LayersTest::layer12ThicknessNeedsRequiredNumber() {
    const LayerStack::Stack stored;
    QVERIFY_THROWS_EXCEPTION(ConversionError,
                             LayerStack::layer12Thickness(stored, QStringLiteral(""), comma));
    QVERIFY_THROWS_EXCEPTION(ConversionError,
                             LayerStack::layer12Thickness(stored, QStringLiteral("1.5"), comma));
}

void LayersTest::airGapTable_data() {
    QTest::addColumn<int>("thickness");
    QTest::addColumn<QList<double>>("row"); // (>=0, p0), (>=0, p1), (<0, p0), (<0, p1)
    QTest::addRow("10") << 0 << QList<double>{0.13, 0.14, 0.15, 0.15};
    QTest::addRow("20") << 1 << QList<double>{0.14, 0.15, 0.15, 0.19};
    QTest::addRow("30") << 2 << QList<double>{0.14, 0.16, 0.16, 0.21};
    QTest::addRow("50") << 3 << QList<double>{0.14, 0.17, 0.17, 0.22};
    QTest::addRow("100") << 4 << QList<double>{0.15, 0.18, 0.18, 0.23};
    QTest::addRow("150") << 5 << QList<double>{0.15, 0.19, 0.18, 0.24};
    QTest::addRow("200...300") << 6 << QList<double>{0.15, 0.19, 0.19, 0.24};
}

void LayersTest::airGapTable() {
    QFETCH(int, thickness);
    QFETCH(QList<double>, row);
    for (int temperature = 0; temperature < 2; ++temperature)
        for (int placement = 0; placement < 2; ++placement)
            QCOMPARE(AirGaps::resistance(thickness, temperature, placement),
                     std::optional<double>(row[temperature * 2 + placement]));
    QCOMPARE(AirGaps::thicknesses().at(thickness), QString::fromLatin1(QTest::currentDataTag()));
}

void LayersTest::airGapOutsideTheLists() {
    QVERIFY(!AirGaps::resistance(-1, 0, 0));
    QVERIFY(!AirGaps::resistance(7, 0, 0));
    QVERIFY(!AirGaps::resistance(0, -1, 0));
    QVERIFY(!AirGaps::resistance(0, 2, 0));
    QVERIFY(!AirGaps::resistance(0, 0, -1));
    QVERIFY(!AirGaps::resistance(0, 0, 2));
    QVERIFY(!AirGaps::thicknessMillimetres(-1));
    QCOMPARE(AirGaps::thicknessMillimetres(6), std::optional<double>(200));
    QCOMPARE(AirGaps::temperatures(),
             (QStringList{QStringLiteral(">= 0 гоад.С"), QStringLiteral("< 0 гоад.С")}));
}

void LayersTest::airGapLayerGivesBackItsResistance() {
    for (int thickness = 0; thickness < AirGaps::thicknesses().size(); ++thickness) {
        for (const char* resistance : {"0,13", "0,17", "0,24", "0,19"}) {
            const auto gap = AirGaps::gapLayer(*AirGaps::thicknessMillimetres(thickness),
                                               QString::fromLatin1(resistance), comma);
            QCOMPARE(gap.heatAbsorption, QStringLiteral("0"));
            auto fields = freshFields();
            fields.layers[10].ldText = gap.conductivity;
            fields.layers[10].dtText = gap.thickness;
            fields.layers[10].sText = gap.heatAbsorption;
            LayerStack::Stack& stored = fields;
            RecordedSteps steps;
            LayerStack::calculate(stored, Project::BuildingKind::Residential, comma, steps);
            QCOMPARE(steps.r[10], QString::fromLatin1(resistance) + QLatin1Char('0'));
            QCOMPARE(steps.d[10], QStringLiteral("0,000"));
            QVERIFY(steps.warnings.isEmpty());
        }
    }
    QCOMPARE(AirGaps::gapLayer(200, QStringLiteral("0,24"), comma).thickness,
             QStringLiteral("200"));
    QCOMPARE(AirGaps::gapLayer(50, QStringLiteral("0,17"), comma).conductivity,
             QStringLiteral("0,294117647058824"));
}

void LayersTest::airGapLayerRejectsBadResistance() {
    QVERIFY_THROWS_EXCEPTION(ConversionError, AirGaps::gapLayer(50, QStringLiteral("0.17"), comma));
    QVERIFY_THROWS_EXCEPTION(ConversionError, AirGaps::gapLayer(50, QString(), comma));
    QVERIFY_THROWS_EXCEPTION(DivisionByZero, AirGaps::gapLayer(50, QStringLiteral("0"), comma));
    QVERIFY_THROWS_EXCEPTION(InvalidOperation,
                             AirGaps::gapLayer(50, QStringLiteral("-0,1"), comma));
}

QTEST_MAIN(LayersTest)
#include "tst_layers.moc"
