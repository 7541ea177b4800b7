// The calculation report: which lines stand in it, how the layer and Rk lines
// are built, and the bytes of one complete report file.

#include "core/InsulationQuantity.h"
#include "formats/CalculationReport.h"
#include "formats/OrderText.h"
#include "formats/TextFile.h"
#include "ui/InterfaceLanguage.h"

#include "formats/Cp1251.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using CalculationReport::Input;
using CalculationReport::Layer;

namespace {

Input wallWithThreeLayers() {
    Input in;
    in.constructionKind = QString();
    in.zone = QStringLiteral("  III");
    in.building = Project::BuildingKind::Residential;
    in.envelopeCaption = QStringLiteral("Наружные стены");
    in.snapshot = {QStringLiteral("2,9"),
                   QStringLiteral("23"),
                   QStringLiteral("8,7"),
                   QStringLiteral("3,058"),
                   QStringLiteral("2,200"),
                   Caption::plain(QStringLiteral("Наружные стены, покрытия")),
                   true, // "Условие выполняется."
                   ResistanceCheck::Relation::Greater};
    in.layers[0] = {QStringLiteral("Кирпич"), QStringLiteral("380"), QStringLiteral("0,81"),
                    QStringLiteral("0,469"), 380};
    in.layers[1] = {QStringLiteral("Пенопласт"), QStringLiteral("100"), QStringLiteral("0,041"),
                    QStringLiteral("2,439"), 100};
    in.layers[2] = {QStringLiteral("Штукатурка"), QStringLiteral("20"), QStringLiteral("0,87"),
                    QStringLiteral("0,023"), 20};
    in.totalThickness = QStringLiteral("500");
    in.rkField = QStringLiteral("2,931");
    in.relationCaption = QStringLiteral("Ro > Rqmin");
    return in;
}

// A wall with an air gap in layer 11, a board in layer 12 and the reconstruction factor.
Input wallWithAirGap() {
    Input in;
    in.constructionKind = QStringLiteral("НАРУЖНОЙ СТЕНЫ");
    in.zone = QStringLiteral("  III");
    in.building = Project::BuildingKind::Residential;
    in.envelopeCaption = QStringLiteral("Наружные стены");
    in.reconstruction = true;
    in.snapshot = {QStringLiteral("3,078"),
                   QStringLiteral("23"),
                   QStringLiteral("8,7"),
                   QStringLiteral("3,237"),
                   QStringLiteral("2,200"),
                   Caption::plain(QStringLiteral("Наружные стены, покрытия")),
                   true, // "Условие выполняется."
                   ResistanceCheck::Relation::Greater};
    in.layers[0] = {QStringLiteral("Кирпич глиняный обыкновенный"), QStringLiteral("380"),
                    QStringLiteral("0,81"), QStringLiteral("0,469"), 380};
    in.layers[10] = {QStringLiteral("Воздушная прослойка"), QStringLiteral("50"),
                     QStringLiteral("0,294"), QStringLiteral("0,170"), 50};
    in.layers[11] = {QStringLiteral("Пенополистирол ПСБ-С-25"), QStringLiteral("100"),
                     QStringLiteral("0,041"), QStringLiteral("2,439"), 100};
    in.layer11HoldsAirGap = true;
    in.airGapPlacement = QStringLiteral("Вертикальная");
    in.airGapTemperature = QStringLiteral("Положительная");
    in.totalThickness = QStringLiteral("530");
    in.rkField = QStringLiteral("3,078");
    in.relationCaption = QStringLiteral("Ro > Rqmin");
    return in;
}

// The bytes of a document as the program writes it in the interface's language now: the
// report of the wall with an air gap, or the order text of a board of it over 3 x 20 m.
QByteArray documentBytes(const QString& document) {
    if (document == QLatin1String("report"))
        return TextFile::encode(CalculationReport::text(wallWithAirGap()));
    const QChar comma(QLatin1Char(','));
    const InsulationQuantity::Quantity quantity = InsulationQuantity::compute(
        QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("100"), 25, comma);
    return OrderText::encode(InsulationQuantity::orderLines(quantity.summary, quantity.volumeText));
}

// The Russian interface again at the end of a test, whatever its outcome.
struct RussianAtEnd {
    ~RussianAtEnd() { Language::apply(InterfaceLanguage::Russian); }
};

// The first line that starts with `start`.
QString lineStarting(const QStringList& lines, const QString& start) {
    for (const QString& line : lines)
        if (line.startsWith(start))
            return line;
    return QStringLiteral("<none>");
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

  private slots:
    void threeLayersGiveSixtyFiveLines();
    void blankLinesAreOneSpace();
    void tableLineFollowsTableNumber_data();
    void tableLineFollowsTableNumber();
    void reconstructionLine();
    void handTypedRkListsNoLayer();
    void zeroThicknessLayerIsLeftOut();
    void missingFirstLayerStartsTheSumsWithPlus();
    void layer11HasItsOwnSpacingAndAirGapLine();
    void conclusionLines();
    void constructionKindCompletesTheHeadings();
    void completeReportFileByteForByte();
    void ukrainianLinesInWindows1251_data();
    void ukrainianLinesInWindows1251();
    void russianAgainAfterUkrainian_data();
    void russianAgainAfterUkrainian();
};

void TestReport::threeLayersGiveSixtyFiveLines() {
    const QStringList lines = CalculationReport::lines(wallWithThreeLayers());
    QCOMPARE(lines.size(), 65);
    QCOMPARE(lines[29], QStringLiteral("Наружные стены"));
    QCOMPARE(lines[30],
             QStringLiteral("требуемое сопротивление теплопередаче   Rqmin = 2,200  м2*оС/Вт ."));
    QCOMPARE(lines[44], QStringLiteral("Кирпич - 380 мм,     Ld = 0,81 Вт/(м*К);"));
    QCOMPARE(lines[46], QStringLiteral("Штукатурка - 20 мм,     Ld = 0,87 Вт/(м*К);"));
    QCOMPARE(lines[47], QString(37, QLatin1Char('-')));
    QCOMPARE(lines[48], QStringLiteral("Итого толщина конструкции = 500 мм."));
    QCOMPARE(lines[51], QStringLiteral("   Rk = 380 * 0,001/0,81 + 100 * 0,001/0,041 + 20 * "
                                       "0,001/0,87 = 0,469 + 2,439 + 0,023 = 2,931 м2*К/Вт."));
    QCOMPARE(lines.last(), QStringLiteral("Условие выполняется."));
}

void TestReport::blankLinesAreOneSpace() {
    const QStringList lines = CalculationReport::lines(wallWithThreeLayers());
    for (int number : {2, 3, 6, 8, 10, 13, 15, 23, 24, 26, 28})
        QCOMPARE(lines[number - 1], QStringLiteral(" "));
    for (const QString& line : lines)
        QVERIFY2(!line.isEmpty(), "no line is empty");
}

void TestReport::tableLineFollowsTableNumber_data() {
    QTest::addColumn<Project::BuildingKind>("building");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("tableLines");
    QTest::newRow("1") << Project::BuildingKind::Residential << "1"
                       << QStringList{"Производственные"};
    QTest::newRow("2") << Project::BuildingKind::Production << "2"
                       << QStringList{"Производственные  при  режиме: влажный"};
    QTest::newRow("3") << Project::BuildingKind::WallsBetweenFlats << "3"
                       << QStringList{"  для  домов : жилых  при  deltaTcr=4,5"};
}

void TestReport::tableLineFollowsTableNumber() {
    QFETCH(Project::BuildingKind, building);
    QFETCH(QString, table);
    QFETCH(QStringList, tableLines);
    Input in = wallWithThreeLayers();
    in.building = building;
    in.envelopeCaption = QStringLiteral("Производственные");
    in.regime = QStringLiteral("влажный");
    in.purpose = QStringLiteral("жилых");
    in.deltaTcr = QStringLiteral("4,5");
    const QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines[28], QStringLiteral("Для вида конструкции  (Таблица %1 ) : ").arg(table));
    QCOMPARE(lines.mid(29, tableLines.size()), tableLines);
    QVERIFY(lines[29 + tableLines.size()].startsWith(QStringLiteral("требуемое")));
    QCOMPARE(lines.size(), 64 + tableLines.size());
}

void TestReport::reconstructionLine() {
    Input in = wallWithThreeLayers();
    in.reconstruction = true;
    const QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines.size(), 66);
    QCOMPARE(lines[31], QStringLiteral("( Принят допускаемый коэффициент 0,8 при реконструкции с "
                                       "целью термомодернизации  /п.2.3 ДБН/)"));
    QCOMPARE(lines[32], QStringLiteral(" "));
}

void TestReport::handTypedRkListsNoLayer() {
    Input in = wallWithThreeLayers();
    for (Layer& layer : in.layers)
        layer = Layer{QStringLiteral("---"), QStringLiteral("---"), QString(), QString(), 0};
    in.totalThickness = QStringLiteral("---");
    in.rkField = QStringLiteral("2,5");
    const QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines.size(), 62);
    QCOMPARE(lines[42], QStringLiteral("          СЛОИ КОНСТРУКЦИИ  :"));
    QCOMPARE(lines[44], QString(37, QLatin1Char('-')));
    QCOMPARE(lineStarting(lines, "   Rk"), QStringLiteral("   Rk =  =  = 2,5 м2*К/Вт."));
}

void TestReport::zeroThicknessLayerIsLeftOut() {
    Input in = wallWithThreeLayers();
    in.layers[1].calculatedThickness = 0; // its row still shows a name and "100"
    in.layers[3] = {QStringLiteral("Новый"), QStringLiteral("75"), QStringLiteral("0,5"),
                    QStringLiteral("0,150"), 0};
    const QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines.size(), 64);
    QCOMPARE(lines.mid(44, 2), (QStringList{"Кирпич - 380 мм,     Ld = 0,81 Вт/(м*К);",
                                            "Штукатурка - 20 мм,     Ld = 0,87 Вт/(м*К);"}));
    QCOMPARE(lineStarting(lines, "   Rk"),
             QStringLiteral("   Rk = 380 * 0,001/0,81 + 20 * 0,001/0,87 = 0,469 + 0,023 = 2,931 "
                            "м2*К/Вт."));
}

void TestReport::missingFirstLayerStartsTheSumsWithPlus() {
    Input in = wallWithThreeLayers();
    in.layers[0].calculatedThickness = 0;
    in.layers[2].calculatedThickness = 0;
    in.layers[1].thickness = QStringLiteral("120"); // changed after the calculation
    QCOMPARE(lineStarting(CalculationReport::lines(in), "   Rk"),
             QStringLiteral("   Rk =  + 120 * 0,001/0,041 =  + 2,439 = 2,931 м2*К/Вт."));
}

void TestReport::layer11HasItsOwnSpacingAndAirGapLine() {
    Input in = wallWithThreeLayers();
    in.layers[10] = {QStringLiteral("Воздушная прослойка"), QStringLiteral("50"),
                     QStringLiteral("0,294"), QStringLiteral("0,170"), 50};
    in.layers[11] = {QStringLiteral("Минвата"), QStringLiteral("60"), QStringLiteral("0,045"),
                     QStringLiteral("1,333"), 60};
    in.airGapPlacement = QStringLiteral("Вертикальная");
    in.airGapTemperature = QStringLiteral("Положительная");
    QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines.mid(47, 2), (QStringList{"Воздушная прослойка - 50 мм,  Ld = 0,294 Вт/(м*К);",
                                            "Минвата - 60 мм,     Ld = 0,045 Вт/(м*К);"}));

    in.layer11HoldsAirGap = true;
    lines = CalculationReport::lines(in);
    QCOMPARE(lines.size(), 68);
    QCOMPARE(lines.mid(47, 3),
             (QStringList{"Воздушная прослойка - 50 мм,  Ld = 0,294 Вт/(м*К);",
                          "(Размещение- Вертикальная при температуре Положительная)",
                          "Минвата - 60 мм,     Ld = 0,045 Вт/(м*К);"}));
}

void TestReport::conclusionLines() {
    Input in = wallWithThreeLayers();
    in.relationCaption = QStringLiteral("Ro < Rqmin"); // read now, not from the last check
    const QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines[56], QStringLiteral("   R0=(1/Alfa н)+Rk+(1/Alfa в) = 1/23 + 2,9 + 1/8,7 = "
                                       "3,058  м2*К/Вт ;"));
    QCOMPARE(lines[60], QStringLiteral("          В Ы В О Д"));
    QCOMPARE(lines.mid(62), (QStringList{"3,058  >  2,200", "Ro < Rqmin", "Условие выполняется."}));
}

void TestReport::constructionKindCompletesTheHeadings() {
    Input in = wallWithThreeLayers();
    QCOMPARE(CalculationReport::lines(in).first(),
             QStringLiteral("      РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ "));
    in.constructionKind = QStringLiteral("ПОКРЫТИЯ");
    const QStringList lines = CalculationReport::lines(in);
    QCOMPARE(lines.first(), QStringLiteral("      РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ ПОКРЫТИЯ"));
    QCOMPARE(lines[42], QStringLiteral("          СЛОИ КОНСТРУКЦИИ ПОКРЫТИЯ :"));
}

void TestReport::completeReportFileByteForByte() {
    const Input in = wallWithAirGap();
    QTemporaryDir dir;
    const QString path = dir.filePath("Vuvuvudozizod.txt");
    TextFile::write(path, CalculationReport::text(in));
    QFile written(path);
    QFile expected(QFINDTESTDATA("data/report-wall.txt"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), expected.readAll());
}

void TestReport::ukrainianLinesInWindows1251_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("line");
    QTest::newRow("method") << "report" << QStringLiteral("Має виконуватися умова:");
    QTest::newRow("reconstruction factor")
        << "report"
        << QStringLiteral("( Прийнято допустимий коефіцієнт 0,8 при реконструкції з метою "
                          "термомодернізації  /п.2.3 ДБН/)");
    QTest::newRow("air gap") << "report"
                             << QStringLiteral("(Розміщення- Вертикальная при температурі "
                                               "Положительная)");
    QTest::newRow("recorded verdict") << "report" << QStringLiteral("Умова виконується.");
    QTest::newRow("order summary")
        << "order" << QStringLiteral("Утеплювач ПСБ-25, товщина 100мм, площа утеплення 60м^2");
    QTest::newRow("order volume") << "order" << QStringLiteral("Витрата утеплювача -  6м^3.");
}

// Ukrainian letters (і, ї, є) fit Windows-1251: the files keep their encoding.
void TestReport::ukrainianLinesInWindows1251() {
    QFETCH(QString, document);
    QFETCH(QString, line);
    const RussianAtEnd russianAtEnd;
    QVERIFY(Language::apply(InterfaceLanguage::Ukrainian));
    const QByteArray bytes = documentBytes(document);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    // Whole lines: a line end before the first one too.
    QVERIFY2(("\r\n" + bytes).contains("\r\n" + *Cp1251::encode(line) + "\r\n"), qPrintable(line));
}

void TestReport::russianAgainAfterUkrainian_data() {
    QTest::addColumn<QString>("document");
    QTest::newRow("report") << "report";
    QTest::newRow("order text") << "order";
}

void TestReport::russianAgainAfterUkrainian() {
    QFETCH(QString, document);
    const RussianAtEnd russianAtEnd;
    const QByteArray russian = documentBytes(document);
    QVERIFY(Language::apply(InterfaceLanguage::Ukrainian));
    QVERIFY(documentBytes(document) != russian);
    QVERIFY(Language::apply(InterfaceLanguage::Russian));
    QCOMPARE(documentBytes(document), russian);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
