// The insulation selection, quantity, contacts and About windows, driven through
// their widgets with the layer and main windows of the real program.

#include "core/Calculation.h"
#include "session/Program.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/About.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Unit5.h"
#include "ui/Unit9.h"
#include "ui/Widgets.h"

#include "monkey/VirtualClock.h"
#include "support/Controls.h"
#include "support/Files.h"
#include "support/LanguageSwitch.h"

#include "formats/Cp1251.h"
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// QTRY_COMPARE_WITH_TIMEOUT and QTRY_VERIFY_WITH_TIMEOUT on the test's own clock:
// the program's one-second timers fire without a real second passing.
#define TRY_COMPARE(clock, actual, expected, limit)                                                \
    do {                                                                                           \
        (clock).advanceUntil([&] { return (actual) == (expected); }, limit);                       \
        QCOMPARE(actual, expected);                                                                \
    } while (false)
#define TRY_VERIFY(clock, condition, limit)                                                        \
    do {                                                                                           \
        (clock).advanceUntil([&] { return bool(condition); }, limit);                              \
        QVERIFY(condition);                                                                        \
    } while (false)

namespace {

struct Layer {
    QString ld;
    QString s;
    QString thickness;
};

const Rgb red{255, 0, 0};
const Rgb teal{0, 128, 128};
const Rgb navy{0, 0, 128};
const Rgb purple{128, 0, 128};

// Coefficients, requirement and layers as the user would have them before choosing a board.
void setUpWall(Program& program, const QString& rqmin, const QList<Layer>& layers,
               const QString& alphaExt = QStringLiteral("23"),
               const QString& alphaInt = QStringLiteral("8,7")) {
    TMainForm* main = program.forms().mainForm;
    main->writeAlphaExt(alphaExt);
    main->writeAlphaInt(alphaInt);
    main->writeRqmin(rqmin);
    TForm2* form2 = program.forms().form2;
    for (int i = 0; i < layers.size(); ++i) {
        form2->writeLd(i + 1, layers[i].ld);
        form2->writeS(i + 1, layers[i].s);
        form2->writeThickness(i + 1, layers[i].thickness);
    }
    form2->pressCalculate();
}

const QList<Layer> brickWall{{"0,7", "9,2", "380"}};

} // namespace

class SelectionWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void selectionWindowAtStart();
    void searchStopsAtTheEstimateWhenItMeetsTheCondition();
    void searchStepsOnePerSecondUntilMet();
    void searchGoesOnFromTheSelectedThickness();
    void estimateLandsOnTheFinalThicknessOrOneStepBelow_data();
    void estimateLandsOnTheFinalThicknessOrOneStepBelow();
    void layersThatSufficeNeedNoBoard();
    void searchThatCannotProgressEnds();
    void checkThatCannotRunStopsTheSearchWithItsErrorOnce();
    void failingStepStopsTheSearchWithItsErrorOnce();
    void selectionButtonsOpenTheirWindows();
    void quantityTakesTheGradeOnlyFromAChosenBoard();
    void quantityWindowAtStart();
    void recalculationComesOneSecondAfterTheFirstChange();
    void recalculationErrorKeepsTheShownTexts();
    void everySaveWritesExactlyTheCurrentTwoLines();
    void failedSaveIsReportedAndOpensNothing();
    void exitEndsTheProgram();
    void contactLinksOpenTheOfficePageAndHide();
    void contactLinksBlinkInTurn();
    void aboutLinksAndClose();
    void aboutBlinksAndKeepsTheHoverBackground();
};

void SelectionWindowsTest::selectionWindowAtStart() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm5* form5 = program.forms().form5;
    QVERIFY(!form5->isVisible());
    QCOMPARE(form5->windowTitle(), QStringLiteral("Подобрать утеплитель в ЧП \"ВЕРАСК\""));
    // Kept above the program's own windows by the program, never above other programs.
    QVERIFY(!(form5->windowFlags() & Qt::WindowStaysOnTopHint));
    auto* box = control<QComboBox>(form5, "ComboBox1");
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QStringLiteral("Плиты пенополистирольные   "));
    QCOMPARE(shownText(form5, "Label2"), QStringLiteral("0"));
    QCOMPARE(shownText(form5, "Label4"), QStringLiteral("0"));
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("ХХХ"));
    QCOMPARE(control<QGroupBox>(form5, "GroupBox1")->title(), QStringLiteral("Характеристики"));
    QCOMPARE(control<QTimer>(form5, "Timer1")->interval(), 1000);
    QVERIFY(!form5->searching());
}

void SelectionWindowsTest::searchStopsAtTheEstimateWhenItMeetsTheCondition() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "2,200", brickWall);
    TMainForm* main = program.forms().mainForm;
    TRY_COMPARE(clock, main->rkRequired(), QStringLiteral("2,042"), 5000);
    TForm5* form5 = program.forms().form5;
    TForm2* form2 = program.forms().form2;

    choose(control<QComboBox>(form5, "ComboBox1"), 0);
    QCOMPARE(shownText(form5, "Label2"), QStringLiteral("0,055"));
    QCOMPARE(shownText(form5, "Label4"), QStringLiteral("0,33"));
    const QString name = QStringLiteral("Плиты пенополистирольные (15 кг/м3)");
    QCOMPARE(control<QGroupBox>(form5, "GroupBox1")->title(), name);
    QCOMPARE(form2->ldText(12), QStringLiteral("0,055"));
    // dR = 2,042 - 380/700 = 1,499; t = 82,5; the estimate is 90 mm.
    QCOMPARE(form2->selectedLayer12Thickness(), QStringLiteral("90"));
    QCOMPARE(form2->thickness(12), QStringLiteral("90"));
    QVERIFY(form5->searching());
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("ХХХ")); // shown at the first step

    TRY_VERIFY(clock, !form5->searching(), 3000);
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("90 мм"));
    QCOMPARE(main->layerName(12), name);
    QCOMPARE(main->layerThickness(12), QStringLiteral("90"));
    QCOMPARE(form2->verdictColor(), (Rgb{0, 128, 0}));
    QVERIFY(platform.messages.isEmpty());
}

void SelectionWindowsTest::searchStepsOnePerSecondUntilMet() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "2,200", brickWall);
    TRY_COMPARE(clock, program.forms().mainForm->rkRequired(), QStringLiteral("2,042"), 5000);
    TForm5* form5 = program.forms().form5;
    TForm2* form2 = program.forms().form2;

    choose(control<QComboBox>(form5, "ComboBox1"), 0);
    const qint64 chosen = clock.now();
    // The user thins the brick while the search runs: 90 mm no longer suffices.
    form2->writeThickness(1, "200");
    TRY_COMPARE(clock, shownText(form5, "Label5"), QStringLiteral("90 мм"), 1500);
    const qint64 firstStep = clock.now() - chosen;
    QVERIFY(form5->searching());
    QCOMPARE(form2->thickness(12), QStringLiteral("100"));
    TRY_VERIFY(clock, !form5->searching(), 2500);
    const qint64 lastStep = clock.now() - chosen;
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("100 мм"));
    QVERIFY(form2->verdictColor() != red);
    qInfo("steps at %lld ms and %lld ms after the choice", firstStep, lastStep);
    QVERIFY(firstStep >= 950 && firstStep < 1400);
    QVERIFY(lastStep - firstStep >= 950 && lastStep - firstStep < 1400);
}

void SelectionWindowsTest::searchGoesOnFromTheSelectedThickness() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "2,200", brickWall);
    TRY_COMPARE(clock, program.forms().mainForm->rkRequired(), QStringLiteral("2,042"), 5000);
    TForm5* form5 = program.forms().form5;
    TForm2* form2 = program.forms().form2;
    form2->writeThickness(1, "200"); // the estimate of 90 mm will not suffice
    choose(control<QComboBox>(form5, "ComboBox1"), 0);
    TRY_COMPARE(clock, form2->selectedLayer12Thickness(), QStringLiteral("100"), 1500);
    // A thickness typed into layer 12 meanwhile is replaced by the next one tried.
    form2->writeThickness(12, "30");
    TRY_VERIFY(clock, !form5->searching(), 2500);
    QCOMPARE(form2->thickness(12), QStringLiteral("100"));
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("100 мм"));
}

void SelectionWindowsTest::estimateLandsOnTheFinalThicknessOrOneStepBelow_data() {
    QTest::addColumn<QString>("rqmin");
    QTest::addColumn<QList<Layer>>("layers");
    QTest::addColumn<int>("product");
    QTest::newRow("brick 380, plaster, 15")
        << "2,2" << QList<Layer>{{"0,7", "9,2", "380"}, {"0,81", "9,76", "20"}} << 0;
    QTest::newRow("brick 510, 35") << "2,5" << QList<Layer>{{"0,81", "9,7", "510"}} << 2;
    QTest::newRow("concrete 200, 25") << "2,8" << QList<Layer>{{"1,92", "17,98", "200"}} << 1;
    QTest::newRow("aerated concrete 300, 15") << "3,3" << QList<Layer>{{"0,21", "3,2", "300"}} << 0;
}

// The search confirms its result: the thickness found meets the condition and
// 10 mm less does not.
void SelectionWindowsTest::estimateLandsOnTheFinalThicknessOrOneStepBelow() {
    QFETCH(QString, rqmin);
    QFETCH(QList<Layer>, layers);
    QFETCH(int, product);
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, rqmin, layers);
    TMainForm* main = program.forms().mainForm;
    TRY_VERIFY(clock, main->rkRequired() != QStringLiteral("0"), 5000);
    TForm5* form5 = program.forms().form5;
    TForm2* form2 = program.forms().form2;

    choose(control<QComboBox>(form5, "ComboBox1"), product);
    const int estimate = form2->selectedLayer12Thickness().toInt();
    TRY_VERIFY(clock, !form5->searching(), 5000);
    const int found = form2->thickness(12).toInt();
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("%1 мм").arg(found));
    QVERIFY2(found == estimate || found == estimate + 10,
             qPrintable(QStringLiteral("estimate %1, found %2").arg(estimate).arg(found)));
    QVERIFY(form2->verdictColor() != red);
    form2->writeThickness(12, QString::number(found - 10));
    form2->pressCalculate();
    QCOMPARE(form2->verdictColor(), red);
    QVERIFY(platform.messages.isEmpty());
}

void SelectionWindowsTest::layersThatSufficeNeedNoBoard() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "1,0", {{"0,7", "9,2", "1000"}});
    TRY_COMPARE(clock, program.forms().mainForm->rkRequired(), QStringLiteral("0,842"), 5000);
    TForm5* form5 = program.forms().form5;
    choose(control<QComboBox>(form5, "ComboBox1"), 1);
    TRY_VERIFY(clock, !form5->searching(), 2000);
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("0 мм"));
    QCOMPARE(program.forms().form2->thickness(12), QStringLiteral("0"));
    QVERIFY(platform.messages.isEmpty());
}

// A layer 12 without conductivity counts as Ld 1000: 10 mm more adds nothing
// that the shown Rk could reflect, so the search gives up instead of running on.
void SelectionWindowsTest::searchThatCannotProgressEnds() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "2,200", brickWall);
    TRY_COMPARE(clock, program.forms().mainForm->rkRequired(), QStringLiteral("2,042"), 5000);
    TForm5* form5 = program.forms().form5;
    choose(control<QComboBox>(form5, "ComboBox1"), 0);
    program.forms().form2->writeLd(12, "0");
    TRY_VERIFY(clock, !form5->searching(), 1500);
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("ХХХ"));
    QCOMPARE(program.forms().form2->verdictColor(), red);
    clock.advance(1100);
    QCOMPARE(program.forms().form2->thickness(12), QStringLiteral("100"));
    QVERIFY(platform.messages.isEmpty());
}

void SelectionWindowsTest::checkThatCannotRunStopsTheSearchWithItsErrorOnce() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "2,200", brickWall, "0", "0");
    platform.messages.clear(); // the layer calculation's own report of the same error
    TForm5* form5 = program.forms().form5;
    program.forms().form2->writeThickness(1, "400"); // a new Rk makes the check run again
    choose(control<QComboBox>(form5, "ComboBox1"), 0);
    QVERIFY(!form5->searching());
    clock.advance(2200);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(shownText(form5, "Label5"), QStringLiteral("ХХХ"));
}

void SelectionWindowsTest::failingStepStopsTheSearchWithItsErrorOnce() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    setUpWall(program, "2,200", brickWall);
    TRY_COMPARE(clock, program.forms().mainForm->rkRequired(), QStringLiteral("2,042"), 5000);
    TForm5* form5 = program.forms().form5;
    choose(control<QComboBox>(form5, "ComboBox1"), 2);
    program.forms().form2->writeThickness(1, "38o");
    TRY_COMPARE(clock, platform.messages.size(), 1, 1500);
    QCOMPARE(platform.messages.first().text,
             QStringLiteral("'38o' is not a valid floating point value."));
    QVERIFY(!form5->searching());
    QCOMPARE(shownText(form5, "Label5"),
             QStringLiteral("ХХХ")); // the failed step confirmed nothing
    clock.advance(1200);
    QCOMPARE(platform.messages.size(), 1);
}

void SelectionWindowsTest::selectionButtonsOpenTheirWindows() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm5* form5 = program.forms().form5;
    openWindow(form5);
    control<QPushButton>(form5, "Button3")->click();
    QVERIFY(program.forms().form10->isVisible());
    control<QPushButton>(form5, "Button2")->click();
    QVERIFY(!form5->isVisible());
    QVERIFY(program.forms().form2->isVisible());
}

void SelectionWindowsTest::quantityTakesTheGradeOnlyFromAChosenBoard() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm5* form5 = program.forms().form5;
    TForm9* form9 = program.forms().form9;
    auto* quantityButton = control<QPushButton>(form5, "Button4");
    quantityButton->click();
    QCOMPARE(program.calculation()->orderingGrade, 0);
    QVERIFY(form9->isVisible());
    QVERIFY(control<QTimer>(form9, "Timer1")->isActive());
    TRY_COMPARE(clock, shownText(form9, "Panel1"),
                QStringLiteral("Утеплитель ПСБ-0, толщина 0мм, площадь утепления "
                               "60м^2"),
                1500);
    QCOMPARE(shownText(form9, "Label5"), QStringLiteral("0м^3"));

    setUpWall(program, "2,200", brickWall);
    TRY_COMPARE(clock, program.forms().mainForm->rkRequired(), QStringLiteral("2,042"), 5000);
    choose(control<QComboBox>(form5, "ComboBox1"), 1);
    TRY_VERIFY(clock, !form5->searching(), 3000);
    quantityButton->click();
    QCOMPARE(program.calculation()->orderingGrade, 25);
    TRY_COMPARE(clock, shownText(form9, "Panel1"),
                QStringLiteral("Утеплитель ПСБ-25, толщина 80мм, площадь утепления "
                               "60м^2"),
                1500);
    QCOMPARE(shownText(form9, "Label5"), QStringLiteral("5м^3"));

    // Said again in the other language from what was counted: no count, no timer.
    const QString russian = shownText(form9, "Panel1");
    const auto backInRussian = qScopeGuard([&] { switchLanguage(InterfaceLanguage::Russian); });
    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    QCOMPARE(shownText(form9, "Panel1"),
             QStringLiteral("Утеплювач ПСБ-25, товщина 80мм, площа утеплення 60м^2"));
    QCOMPARE(shownText(form9, "Label5"), QStringLiteral("5м^3"));
    QVERIFY(!control<QTimer>(form9, "Timer1")->isActive());
    // The board's name in the other language is still the board the quantity was counted for.
    QVERIFY(form9->workedOutQuantity() && form9->workedOutQuantity()->followsLayer12);
    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
    QCOMPARE(shownText(form9, "Panel1"), russian);
}

void SelectionWindowsTest::quantityWindowAtStart() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm9* form9 = program.forms().form9;
    QCOMPARE(form9->windowTitle(), QStringLiteral("Подсчет расхода утеплителя"));
    // Kept above the program's own windows by the program, never above other programs.
    QVERIFY(!(form9->windowFlags() & Qt::WindowStaysOnTopHint));
    auto* height = control<QComboBox>(form9, "ComboBox1");
    auto* length = control<QComboBox>(form9, "ComboBox2");
    QCOMPARE(height->currentText(), QStringLiteral("3"));
    QCOMPARE(length->currentText(), QStringLiteral("20"));
    QCOMPARE(height->count(), 12);
    QCOMPARE(length->count(), 17);
    QCOMPARE(shownText(form9, "Panel1"),
             QStringLiteral("Утеплитель ПСБ-15, толщина 100мм, площадь утепления 60м^2"));
    QCOMPARE(shownText(form9, "Label4"), QStringLiteral("Расход утеплителя -"));
    QCOMPARE(shownText(form9, "Label5"), QStringLiteral("6 м^3."));
    QVERIFY(!control<QTimer>(form9, "Timer1")->isActive());
    QCOMPARE(control<QPushButton>(form9, "Button1")->toolTip(),
             QStringLiteral("Сохранить текстовый файл"));
    QCOMPARE(control<QPushButton>(form9, "Button2")->text(), QStringLiteral("З а к а з а т ь"));
    QCOMPARE(control<QPushButton>(form9, "Button3")->toolTip(),
             QStringLiteral("Выйти из программы"));
}

void SelectionWindowsTest::recalculationComesOneSecondAfterTheFirstChange() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm9* form9 = program.forms().form9;
    openWindow(form9);
    program.forms().form2->writeThickness(12, "100");
    auto* height = control<QComboBox>(form9, "ComboBox1");
    auto* length = control<QComboBox>(form9, "ComboBox2");
    height->lineEdit()->selectAll();
    const qint64 start = clock.now();
    QTest::keyClicks(height, "2.5"); // keys reach the list first; its filter makes it 2,5
    QCOMPARE(height->currentText(), QStringLiteral("2,5"));
    clock.advance(500);
    length->lineEdit()->selectAll();
    QTest::keyClicks(length->lineEdit(), "3"); // does not postpone the recalculation
    TRY_COMPARE(clock, shownText(form9, "Label5"), QStringLiteral("1м^3"), 1500);
    const qint64 elapsed = clock.now() - start;
    QVERIFY2(elapsed >= 950 && elapsed < 1400, qPrintable(QString::number(elapsed)));
    QCOMPARE(shownText(form9, "Panel1"),
             QStringLiteral("Утеплитель ПСБ-0, толщина 100мм, площадь утепления 8м^2"));

    choose(height, 9); // "10" from the list
    TRY_COMPARE(clock, shownText(form9, "Label5"), QStringLiteral("3м^3"), 1500);
}

void SelectionWindowsTest::recalculationErrorKeepsTheShownTexts() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm9* form9 = program.forms().form9;
    openWindow(form9);
    auto* height = control<QComboBox>(form9, "ComboBox1");
    height->lineEdit()->selectAll();
    QTest::keyClicks(height->lineEdit(), "3 m");
    TRY_COMPARE(clock, platform.messages.size(), 1, 1500);
    QCOMPARE(platform.messages.first().text,
             QStringLiteral("'3 m' is not a valid floating point value."));
    QCOMPARE(shownText(form9, "Label5"), QStringLiteral("6 м^3."));
    QVERIFY(!control<QTimer>(form9, "Timer1")->isActive());
}

void SelectionWindowsTest::everySaveWritesExactlyTheCurrentTwoLines() {
    QTemporaryDir folder;
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm9* form9 = program.forms().form9;
    program.calculation().setOrderingGrade(25);
    program.forms().form2->writeThickness(12, "120");
    form9->startRecalculation();
    TRY_COMPARE(clock, shownText(form9, "Label5"), QStringLiteral("7м^3"), 1500);
    const QByteArray expected = *Cp1251::encode(
        QStringLiteral("Утеплитель ПСБ-25, толщина 120мм, площадь утепления 60м^2\r\n"
                       "Расход утеплителя -  7м^3.\r\n"));
    auto* save = control<QPushButton>(form9, "Button1");
    const QString path = folder.filePath(QStringLiteral("Расход утеплителя.txt"));

    platform.answerCancel();
    save->click();
    platform.answer(path);
    save->click();
    platform.answer(path);
    save->click();

    QCOMPARE(bytesOf(path), expected); // the second save wrote the same two lines
    QCOMPARE(platform.opened, (QList<QString>{path, path}));
    QCOMPARE(platform.dialogsShown.size(), 3);
    const FileDialog& dialog = platform.dialogsShown.first();
    QCOMPARE(dialog.proposedName, QStringLiteral("Расход утеплителя"));
    QCOMPARE(dialog.defaultExtension, QStringLiteral("txt"));
    QVERIFY(dialog.overwritePrompt);
    QCOMPARE(dialog.filters.first().pattern, QStringLiteral("*.txt"));
    QVERIFY(platform.messages.isEmpty());
}

void SelectionWindowsTest::failedSaveIsReportedAndOpensNothing() {
    QTemporaryDir folder;
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    const QString path = folder.filePath(QStringLiteral("no such folder/order.txt"));
    platform.answer(path);
    control<QPushButton>(program.forms().form9, "Button1")->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text,
             QStringLiteral("Cannot create file \"%1\". Invalid filename (папки \"%2\" нет).")
                 .arg(nativePath(path), nativePath(folder.filePath("no such folder"))));
    QVERIFY(platform.opened.isEmpty());
}

void SelectionWindowsTest::exitEndsTheProgram() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    openWindow(program.forms().form9);
    control<QPushButton>(program.forms().form9, "Button3")->click();
    QVERIFY(platform.ended);
    QVERIFY(!program.forms().mainForm->isVisible());
    QVERIFY(platform.messages.isEmpty());
}

void SelectionWindowsTest::contactLinksOpenTheOfficePageAndHide() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm10* form10 = program.forms().form10;
    QCOMPARE(form10->windowTitle(), QStringLiteral("Контакты и гиперссылки на сайт"));
    QCOMPARE(shownText(form10, "Link1"), QStringLiteral("Главный офис "));
    QStringList pages;
    for (int i = 1; i <= 5; ++i) {
        openWindow(form10);
        auto* link = control<ClickableLabel>(form10, qPrintable(QStringLiteral("Link%1").arg(i)));
        QCOMPARE(link->toolTip(), QStringLiteral("Перейти на сайт"));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(!form10->isVisible());
        QCOMPARE(platform.opened.size(), i);
        QVERIFY(platform.opened.last().contains(QStringLiteral(".example/")));
        pages << platform.opened.last();
    }
    pages.removeDuplicates();
    QCOMPARE(pages.size(), 5);
    QVERIFY(
        shownText(form10, "Office4").contains(QStringLiteral(" Также еще один завод по адресу: ")));
}

void SelectionWindowsTest::contactLinksBlinkInTurn() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TForm10* form10 = program.forms().form10;
    auto* timerA = control<QTimer>(form10, "Timer1");
    auto* timerB = control<QTimer>(form10, "Timer2");
    QVERIFY(timerA->isActive());
    QVERIFY(!timerB->isActive());
    auto* link1 = control<QLabel>(form10, "Link1");
    auto* link2 = control<QLabel>(form10, "Link2");
    auto* link5 = control<QLabel>(form10, "Link5");
    TRY_VERIFY(clock, timerB->isActive(), 1500); // timer A ticked
    QVERIFY(!timerA->isActive());
    QCOMPARE(textColor(link1), teal);
    QCOMPARE(textColor(link5), teal);
    QCOMPARE(textColor(link2), navy);
    TRY_VERIFY(clock, timerA->isActive(), 1500); // timer B ticked
    QCOMPARE(textColor(link1), navy);
    QCOMPARE(textColor(link2), teal);
}

void SelectionWindowsTest::aboutLinksAndClose() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TAboutBox* about = program.forms().aboutBox;
    openWindow(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("О программе"));
    auto* email = control<ClickableLabel>(about, "EmailLink");
    auto* site = control<ClickableLabel>(about, "SiteLink");
    QCOMPARE(email->toolTip(), QStringLiteral("ОТПРАВИТЬ ПИСЬМО"));
    QCOMPARE(site->toolTip(), QStringLiteral("Открыть"));
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(site, Qt::LeftButton);
    QCOMPARE(platform.opened.size(), 2);
    QCOMPARE(platform.opened[0], QStringLiteral("mailto:") + email->text());
    QVERIFY(platform.opened[0].endsWith(QStringLiteral("@example.com")));
    QCOMPARE(platform.opened[1], site->text());
    QVERIFY(about->isVisible());
    auto* close = control<QPushButton>(about, "OKButton");
    QCOMPARE(close->text(), QStringLiteral("З а к р ы т ь"));
    QCOMPARE(close->toolTip(), QStringLiteral("Закрыть окно"));
    QTest::keyClick(about, Qt::Key_Return);
    QVERIFY(!about->isVisible());
}

void SelectionWindowsTest::aboutBlinksAndKeepsTheHoverBackground() {
    VirtualClock clock;
    ScriptedPlatform platform;
    Program program(platform);
    clock.followOnly(program.windows());
    TAboutBox* about = program.forms().aboutBox;
    auto* thanks = control<QLabel>(about, "ThankYouLine");
    auto* email = control<QLabel>(about, "EmailLink");
    auto* timerB = control<QTimer>(about, "Timer2");
    QCOMPARE(thanks->text(), QStringLiteral("С п а с и б о    з а    В а ш е    в р е м я"));
    TRY_VERIFY(clock, timerB->isActive(), 1500);
    QCOMPARE(textColor(thanks), purple);
    QCOMPARE(textColor(email), teal);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control<QPushButton>(about, "OKButton"), &enter);
    QCOMPARE(textColor(thanks), (Rgb{128, 128, 128}));
    QCOMPARE(thanks->palette().color(QPalette::Window), QColor(212, 212, 212));
    QVERIFY(thanks->autoFillBackground());

    TRY_VERIFY(clock, !timerB->isActive(), 1500); // timer B ticked
    QCOMPARE(textColor(thanks), teal);
    QCOMPARE(textColor(email), purple);
    QCOMPARE(thanks->palette().color(QPalette::Window), QColor(212, 212, 212));
}

QTEST_MAIN(SelectionWindowsTest)
#include "tst_selectionwindows.moc"
