// The section drawing written as PNG and SVG and read back; the profile window's
// inputs handed over before and after it is first opened; its texts in either language.

#include "core/Errors.h"
#include "core/TemperatureCheck.h"
#include "session/Program.h"
#include "support/Files.h"
#include "support/LanguageSwitch.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/DrawingExport.h"
#include "ui/InterfaceLanguage.h"
#include "session/Program.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/TemperatureProfileWindow.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The typical wall from the room side: brick, mortar, a board of 90 mm.
QList<SectionLayers::Layer> typicalLayers() {
    return {{3,
             {-1, "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)", {}},
             380,
             380 / 810.0,
             SectionLayers::Kind::Masonry},
            {4,
             {-1, "Раствор цементно-песчаный (1600 кг/м3)", {}},
             20,
             20 / 810.0,
             SectionLayers::Kind::ConcreteAndMortar},
            {12,
             {-1, "Плиты пенополистирольные (15 кг/м3)", {}},
             90,
             90 / 55.0,
             SectionLayers::Kind::Insulation}};
}

SectionDrawing::Picture typicalWall() {
    const auto e = TemperatureCheck::evaluate({}, "8,7", "23", typicalLayers(), QLatin1Char(','));
    return {e.layers, *e.profile, true, QLatin1Char(',')};
}

QStringList svgTexts(const QByteArray& bytes) {
    QStringList texts;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    return xml.hasError() ? QStringList{xml.errorString()} : texts;
}

// Every text the window shows, widget by widget, to compare one moment with another.
QStringList shownTexts(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        texts << w->property("text").toString() << w->property("title").toString() << w->toolTip();
        if (const auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (const auto* table = qobject_cast<const QTableWidget*>(w))
            for (int i = -3; i < table->rowCount() * 3; ++i) // the heads, then the cells
                texts << (i < 0 ? table->horizontalHeaderItem(i + 3) : table->item(i / 3, i % 3))
                             ->text();
    }
    return texts;
}

// The text of a named widget, or of a cell of the plane table.
QString shownText(const QWidget* window, const QString& name, int row, int column) {
    const QWidget* w = window->findChild<QWidget*>(name);
    if (const auto* table = qobject_cast<const QTableWidget*>(w))
        return table->item(row, column)->text();
    return w->property(qobject_cast<const QComboBox*>(w) ? "currentText" : "text").toString();
}

} // namespace

class ProfileExportTest : public QObject {
    Q_OBJECT
  private slots:
    void pngReadsBackAsTheDrawing();
    void svgReadsBackWithItsTexts();
    void aFailedWriteLeavesTheOldFile();
    void hoverReadsTheTemperatureAtThatDepth();
    void inputsAreHandedOverBeforeAndAfterOpening();
    void languageChangesWordsNotNumbers_data();
    void languageChangesWordsNotNumbers();
    void cleanup();
};

void ProfileExportTest::cleanup() {
    Language::apply(InterfaceLanguage::Russian);
}

void ProfileExportTest::pngReadsBackAsTheDrawing() {
    QTemporaryDir dir;
    const QString path = dir.filePath("разрез.png");
    DrawingExport::write(path, DrawingExport::png(typicalWall(), QFont()));
    const QImage image = QImage::fromData(bytesOf(path), "PNG");
    QCOMPARE(image.size(), DrawingExport::exportSize);
    // The temperature line is red; the brick, warmer than the dew point, in its own colour.
    int red = 0, brick = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 40 && c.blue() < 40;
            brick += c == QColor(222, 158, 128);
        }
    QVERIFY(red > 200);
    QVERIFY(brick > 2000);
}

void ProfileExportTest::svgReadsBackWithItsTexts() {
    QTemporaryDir dir;
    const QString path = dir.filePath("разрез.svg");
    DrawingExport::write(path, DrawingExport::svg(typicalWall(), QFont(), "Температурный режим"));
    const QByteArray bytes = bytesOf(path);
    QSvgRenderer renderer(bytes);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), DrawingExport::exportSize));
    // The generator splits a text where its script changes ("t" and "р"), so they are joined.
    const QString joined = svgTexts(bytes).join(QString());
    for (const char* expected : {"17,9", "9,3", "8,8", "-21,2", "tр = 10,7 °C", "утеплитель",
                                 "кладка", "мм от внутренней поверхности"})
        QVERIFY2(joined.contains(QString::fromUtf8(expected)), expected);
}

void ProfileExportTest::aFailedWriteLeavesTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("разрез.png");
    putBytes(path, "old");
    QVERIFY_THROWS_EXCEPTION(FileError,
                             DrawingExport::write(dir.filePath("нет/разрез.png"), "new"));
    QVERIFY_THROWS_EXCEPTION(FileError, DrawingExport::write(dir.path(), "new")); // a folder
    QCOMPARE(bytesOf(path), QByteArray("old"));
    DrawingExport::write(path, "new");
    QCOMPARE(bytesOf(path), QByteArray("new"));
}

void ProfileExportTest::hoverReadsTheTemperatureAtThatDepth() {
    const SectionDrawing::Picture picture = typicalWall();
    const QRectF area(0, 0, 1000, 600);
    const QFont font;
    QStringList texts;
    for (double x = 0; x <= 1000; x += 1)
        if (const auto reading = SectionDrawing::readingAt(area, font, picture, x))
            texts << reading->text;
    QVERIFY(texts.size() > 900);
    // From the room's surface band through the three layers to the outer one, in order.
    QVERIFY(texts.first().startsWith("у внутренней поверхности: t = 20,0 °C") ||
            texts.first().startsWith("у внутренней поверхности: t = 19,9 °C"));
    QVERIFY(texts.contains("x = 0 мм, слой 3: t = 17,9 °C"));
    QVERIFY(std::any_of(texts.begin(), texts.end(), [](const QString& text) {
        return text.startsWith("x = 490 мм, слой 12: t = -21,");
    }));
    QVERIFY(texts.last().startsWith("у наружной поверхности: t = -2"));
    QVERIFY(!SectionDrawing::readingAt(area, font, picture, -5));
}

void ProfileExportTest::inputsAreHandedOverBeforeAndAfterOpening() {
    ScriptedPlatform platform;
    Program program(platform);
    TemperatureProfileWindow* window = program.forms().profileWindow;
    QCOMPARE(program.window("TemperatureProfileWindow"), window);
    QCOMPARE(window->inputs(), ProfileInputs{});
    QVERIFY(!window->findChild<QLineEdit*>("IndoorTemperature")); // nothing built at start-up

    const ProfileInputs project{"18", "60", "-19", "4,5", false};
    window->setInputs(project);
    window->show();
    QCOMPARE(window->findChild<QLineEdit*>("OutdoorTemperature")->text(), "-19");
    QCOMPARE(window->inputs(), project);

    const ProfileInputs later{"21", "50", "-10", "4", true};
    window->setInputs(later);
    QCOMPARE(window->findChild<QLineEdit*>("CriticalDifference")->text(), "4");
    QCOMPARE(window->inputs(), later);
}

void ProfileExportTest::languageChangesWordsNotNumbers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row"); // of the plane table
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("translated");
    QTest::newRow("caption") << "OutdoorTemperatureCaption" << 0 << 0 << true;
    QTest::newRow("verdict") << "SanitaryVerdict" << 0 << 0 << true;
    QTest::newRow("room air") << "PlaneTable" << 0 << 0 << true;
    QTest::newRow("between layers") << "PlaneTable" << 2 << 0 << true;
    QTest::newRow("purpose") << "CriticalDifferencePurpose" << 0 << 0 << true;
    QTest::newRow("button") << "CloseButton" << 0 << 0 << true;
    QTest::newRow("input") << "IndoorHumidity" << 0 << 0 << false;
    QTest::newRow("surface") << "InnerSurfaceTemperature" << 0 << 0 << false;
    QTest::newRow("dew point") << "DewPoint" << 0 << 0 << false;
    QTest::newRow("depth") << "PlaneTable" << 3 << 1 << false;
    QTest::newRow("plane's t") << "PlaneTable" << 3 << 2 << false;
}

void ProfileExportTest::languageChangesWordsNotNumbers() {
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, translated);
    ScriptedPlatform platform;
    Program program(platform);
    TemperatureProfileWindow* window = program.forms().profileWindow;
    const QWidget* main = program.window("TMainForm"); // the coefficients, as if chosen
    main->findChild<QLineEdit*>("Edit3")->setText("8,7");
    main->findChild<QLineEdit*>("Edit2")->setText("23");
    window->show();
    window->followLayers(typicalLayers());
    const ProfileInputs inputs = window->inputs();
    const QStringList russian = shownTexts(window);
    const QString before = shownText(window, name, row, column);
    QVERIFY(!before.isEmpty());

    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    const QString after = shownText(window, name, row, column);
    QVERIFY2(translated ? after != before : after == before, qPrintable(before + " / " + after));
    QCOMPARE(window->inputs(), inputs);

    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
    QCOMPARE(shownTexts(window), russian);
}

QTEST_MAIN(ProfileExportTest)
#include "tst_profileexport.moc"
