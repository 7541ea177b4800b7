// The report to hand in: which rows, table rows and sections stand in it for the
// calculations that differ from the typical one (its whole story is a scenario).

#include "formats/ReportDocument.h"

#include <QTest>

#include <functional>

using ReportDocument::Content;
using ReportDocument::Input;

namespace {

Input wall() {
    Input in;
    in.report.zone = QStringLiteral("  III");
    in.report.building = Project::BuildingKind::Residential;
    in.report.envelopeCaption = QStringLiteral("1.    Наружные стены");
    in.report.regime = QStringLiteral("сухой");
    in.report.purpose = QStringLiteral("Жилые");
    in.report.deltaTcr = QStringLiteral("4");
    in.report.snapshot.rqmin = QStringLiteral("2,200");
    RequirementSource source;
    source.building = Project::BuildingKind::Residential;
    source.zone = QStringLiteral("III");
    source.envelope = QStringLiteral("1.    Наружные стены");
    source.tableValue = QStringLiteral("2,75");
    source.acceptedText = QStringLiteral("2,200");
    in.requirement = source;
    in.report.layers[0] = {QStringLiteral("Кирпич"), QStringLiteral("380"), QStringLiteral("0,81"),
                           QStringLiteral("0,469"), 380};
    in.report.layers[4] = {QStringLiteral("Штукатурка"), QStringLiteral("20"),
                           QStringLiteral("0,87"), QStringLiteral("0,023"), 20};
    // Shown in the list but not calculated: as in the text report, left out.
    in.report.layers[2] = {QStringLiteral("Пенопласт"), QStringLiteral("50"),
                           QStringLiteral("0,041"), QString(), 0};
    in.report.airGapPlacement = QStringLiteral("вертикальная");
    in.report.airGapTemperature = QStringLiteral("положительной");
    return in;
}

// Every row of every section as "caption: value".
QStringList rowTexts(const Content& content) {
    QStringList texts;
    for (const auto& block : content.blocks)
        if (const auto* section = std::get_if<ReportDocument::Section>(&block))
            for (const auto& row : section->rows)
                texts << row.caption + QStringLiteral(": ") + row.value;
    return texts;
}

// The first block of a kind after the heading that begins with `heading`, as laid out.
template <class Kind> Kind blockAfter(const Content& content, const QString& heading) {
    const QList<ReportDocument::Block> blocks = ReportDocument::numbered(content.blocks);
    bool found = false;
    for (const auto& block : blocks) {
        if (const auto* h = std::get_if<ReportDocument::Heading>(&block))
            found = h->text.contains(heading);
        else if (const auto* kind = std::get_if<Kind>(&block); kind && found)
            return *kind;
    }
    return Kind{};
}

QString numberedHeading(const Content& content, const QString& text) {
    for (const auto& block : ReportDocument::numbered(content.blocks))
        if (const auto* h = std::get_if<ReportDocument::Heading>(&block);
            h && h->text.contains(text))
            return h->text;
    return QString();
}

// The layer table of the report.
ReportDocument::Table layers(const Content& content) {
    return blockAfter<ReportDocument::Table>(content, QStringLiteral("Слои конструкции"));
}

} // namespace

class TestReportDocument : public QObject {
    Q_OBJECT

  private slots:
    void rowsFollowTheCalculation_data() {
        QTest::addColumn<std::function<void(Input&)>>("change");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");
        using Change = std::function<void(Input&)>;
        QTest::newRow("residential")
            << Change([](Input&) {}) << "Вид конструкции (таблица 1): 1.    Наружные стены"
            << "Город: ";
        QTest::newRow("production regime")
            << Change([](Input& in) {
                   in.requirement->building = Project::BuildingKind::Production;
                   in.requirement->regime = QStringLiteral("сухой");
                   in.requirement->inertiaClass = QStringLiteral("D > 1,5");
               })
            << "Вид конструкции (таблица 2): 1.    Наружные стены, режим: сухой\nКласс "
               "тепловой инерции: D > 1,5"
            << "Внимание";
        QTest::newRow("D left its class") << Change([](Input& in) {
            in.requirement->inertiaClass = QStringLiteral("D > 1,5");
            in.inertiaNow = QStringLiteral("0,879");
        }) << "Внимание: Rqmin принято для D > 1,5, а D конструкции теперь 0,879"
                                          << "";
        QTest::newRow("walls between flats") << Change([](Input& in) {
            in.requirement->building = Project::BuildingKind::WallsBetweenFlats;
            in.requirement->envelope = QStringLiteral("стены между квартирами для домов: Жилые");
        }) << "Вид конструкции (таблица 3): стены между квартирами для домов: Жилые"
                                             << "Температурная зона";
        QTest::newRow("city") << Change([](Input& in) {
            in.requirement->city = QStringLiteral("Одесса");
        }) << "Город: Одесса"
                              << "";
        QTest::newRow("reconstruction, point separator") << Change([](Input& in) {
            in.requirement->reconstruction = true;
            in.separator = QLatin1Char('.');
        }) << "Значение по таблице: 2,75 м²·К/Вт\nКоэффициент при реконструкции (п. 2.3 ДБН): 0.8"
                                                         << "";
        // Rqmin typed into the main window after the acceptance: no table, zone or city.
        QTest::newRow("typed by hand") << Change([](Input& in) {
            in.requirement->city = QStringLiteral("Одесса");
            in.report.snapshot.rqmin = QStringLiteral("3");
        }) << "Источник Rqmin: введено вручную в главном окне"
                                       << "Город";
        QTest::newRow("no board, no quantity")
            << Change([](Input&) {}) << "Толщина утеплителя: для текущего Rqmin не подобрана"
            << "Плита: ";
        QTest::newRow("quantity without the board in layer 12") << Change([](Input& in) {
            in.quantity = ReportDocument::Quantity{60, 5.4, true};
        }) << "Расход утеплителя: не приводится: плита или ее толщина в слое 12 изменены"
                                                                << "Площадь утепления";
        QTest::newRow("board as needed, order of a construction that passes")
            << Change([](Input& in) {
                   in.report.snapshot.met = true; // "Условие выполняется."
                   in.insulation = {QStringLiteral("ПСБ"), QStringLiteral("90"), 90.0};
                   in.quantity = ReportDocument::Quantity{60, 5.4, true};
               })
            << "Плита: ПСБ\nНеобходимая толщина: 90 мм\nПлощадь утепления: 60,00 м²\nОбъем "
               "утеплителя: 5,40 м³"
            << "не приводится";
        QTest::newRow("board thicker than needed, order counted for another")
            << Change([](Input& in) {
                   in.report.snapshot.met = true; // "Условие выполняется."
                   in.insulation = {QStringLiteral("ПСБ"), QStringLiteral("120"), 100.0};
                   in.quantity = ReportDocument::Quantity{60, 7.2, false};
               })
            << "Толщина утеплителя: Принята 120 мм; для Rqmin 2,200 необходимо 100 мм\nРасход "
               "утеплителя: не приводится: плита или ее толщина"
            << "Объем";
        QTest::newRow("no order for a construction that fails") << Change([](Input& in) {
            in.report.snapshot.met = false; // "Условие не выполняется!"
            in.insulation = {QStringLiteral("ПСБ"), QStringLiteral("120"), 130.0};
            in.quantity = ReportDocument::Quantity{60, 7.2, true};
        }) << "Расход утеплителя: не приводится: конструкция не проходит проверку"
                                                                << "Объем";
        QTest::newRow("no verdict while Rqmin is to be taken again") << Change([](Input& in) {
            in.report.snapshot.met = true; // "Условие выполняется."
            in.requirement->inertiaClass = QStringLiteral("D > 1,5");
            in.inertiaNow = QStringLiteral("1,249");
            in.insulation = {QStringLiteral("ПСБ"), QStringLiteral("90"), 90.0};
            in.quantity = ReportDocument::Quantity{60, 5.4, true};
        }) << "Вывод: не сделан: Rqmin нужно выбрать заново для D конструкции"
                                                                     << "Условие выполняется";
        QTest::newRow("U beside R0")
            << Change([](Input& in) { in.report.snapshot.r0 = QStringLiteral("2,288"); })
            << "U = 1/R0: 0,437 Вт/(м²·К)"
            << "";
        QTest::newRow("wall between flats has no outer surface") << Change([](Input& in) {
            in.requirement->building = Project::BuildingKind::WallsBetweenFlats;
        }) << "Поверхности со стороны соседей Alfa н"
                                                                 << "Наружной поверхности";
    }
    void rowsFollowTheCalculation() {
        QFETCH(std::function<void(Input&)>, change);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        Input in = wall();
        change(in);
        const QString rows = rowTexts(ReportDocument::compose(in)).join(QLatin1Char('\n'));
        if (!present.isEmpty())
            QVERIFY2(rows.contains(present), qPrintable(rows));
        if (!absent.isEmpty())
            QVERIFY2(!rows.contains(absent), qPrintable(rows));
    }

    // Only calculated layers, numbered from the room side with the layer window's row
    // beside each; the air gap's note only while layer 11 is calculated and holds it.
    void layerTableListsCalculatedLayers() {
        Input in = wall();
        in.report.layer11HoldsAirGap = true;
        ReportDocument::Table table = layers(ReportDocument::compose(in));
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows[0].mid(0, 2), (QStringList{"1", "1"}));
        QCOMPARE(table.rows[1].mid(0, 2), (QStringList{"2", "5"}));
        QVERIFY(table.note.isEmpty());

        in.report.layers[10] = {QStringLiteral("Воздушная прослойка"), QStringLiteral("50"),
                                QStringLiteral("0,294117647058824"), QStringLiteral("0,17"), 50};
        in.profileInputs.insideIsLayer1 = false;
        table = layers(ReportDocument::compose(in));
        QCOMPARE(table.rows.size(), 3);
        QCOMPARE(table.rows[0].mid(0, 2), (QStringList{"1", "11"}));
        QCOMPARE(table.rows[0][4], QStringLiteral("0,294"));
        QCOMPARE(table.rows[2].mid(0, 2), (QStringList{"3", "1"}));
        QCOMPARE(table.note, QStringLiteral("Слой 11 — воздушная прослойка: "
                                            "вертикальная, при температуре "
                                            "положительной."));
    }

    // Sections are numbered in their order; a heading within a section takes no number.
    void headingsAreNumberedInOrder() {
        using ReportDocument::Heading;
        QStringList texts;
        for (const auto& block : ReportDocument::numbered(
                 {Heading{QStringLiteral("Слои"), true}, ReportDocument::Section{},
                  Heading{QStringLiteral("По месяцам"), false},
                  Heading{QStringLiteral("Утеплитель"), true}}))
            if (const auto* heading = std::get_if<Heading>(&block))
                texts << heading->text;
        QCOMPARE(texts, (QStringList{"1. Слои", "По месяцам", "2. Утеплитель"}));
    }

    // Without a profile the reason the profile window gives stands in place of the drawing.
    void temperatureSection() {
        Input in = wall();
        in.temperatures.blocker = QStringLiteral("Сначала рассчитайте слои.");
        in.temperatures.problems << TemperatureCheck::FieldProblem{
            TemperatureCheck::Field::IndoorHumidity, QStringLiteral("Влажность от 0 до 100 %.")};
        const Content content = ReportDocument::compose(in);
        const QString drawingHeading =
            numberedHeading(content, QStringLiteral("Температуры в разрезе"));
        QCOMPARE(drawingHeading, QStringLiteral("6. Температуры в разрезе"));
        QCOMPARE(blockAfter<ReportDocument::Paragraph>(content, drawingHeading).text,
                 QStringLiteral("Разрез не построен. Влажность от 0 до "
                                "100 %. Сначала рассчитайте слои."));
        QVERIFY(blockAfter<ReportDocument::Section>(content, drawingHeading).rows.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestReportDocument)
#include "tst_reportdocument.moc"
