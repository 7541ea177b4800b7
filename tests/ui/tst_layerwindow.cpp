// The layer window and the air-gap window, driven through their widgets.

#include "core/Calculation.h"
#include "core/Errors.h"
#include "core/ResistanceCheck.h"
#include "session/Program.h"
#include "support/Controls.h"
#include "support/LanguageSwitch.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/SectionDrawing.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit7.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QString edit(int number) {
    return QStringLiteral("Edit%1").arg(number);
}

void typeInto(QWidget* field, const QString& text) {
    field->setFocus();
    for (QChar character : text) {
        if (character.unicode() < 128)
            QTest::keyClick(field, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

// The next test starts in Russian even when this one fails half-way.
struct BackToRussian {
    ~BackToRussian() { switchLanguage(InterfaceLanguage::Russian); }
};

} // namespace

class LayerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsEmpty();
    void choosingMaterialFillsTheLayer_data();
    void choosingMaterialFillsTheLayer();
    void typedNameKeepsTheStoredValues();
    void airGapEntryOpensTheAirGapWindow();
    void ldFieldsTakeTheLocaleSeparator_data();
    void ldFieldsTakeTheLocaleSeparator();
    void thicknessGoesToTheMainWindowAndStartsTheBlinking();
    void freshCalculation();
    void wallGoesThroughTheCheck();
    void sFieldThatIsNoNumberStopsBeforeInertia();
    void productionTableReceivesInertia();
    void layer12ThicknessSelection();
    void airGapLookupOnThicknessChangeOnly();
    void acceptedAirGapBecomesLayer11();
    void airGapNeedsAThickness();
    void windowsFitTheScreen();
    void languageSwitchKeepsTheLayers_data();
    void languageSwitchKeepsTheLayers();

  private:
    struct Fixture {
        ScriptedPlatform platform;
        Program program{platform};
        TForm2* layers() { return program.forms().form2; }
        TForm7* airGaps() { return program.forms().form7; }
        TMainForm* main() { return program.forms().mainForm; }
        // Rqmin and coefficients as the requirement windows would hand them over.
        void setRequirement() {
            main()->writeRqmin("2,200");
            main()->writeAlphaExt("23");
            main()->writeAlphaInt("8,7");
        }
    };
};

void LayerWindowTest::startsEmpty() {
    Fixture f;
    TForm2* w = f.layers();
    QVERIFY(!w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Сопротивление слоев конструкции"));
    for (int number : {1, 12, 13, 24, 25, 36, 37, 39, 50, 51, 52, 63})
        QCOMPARE(control<QLineEdit>(w, edit(number))->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(w, "Edit38")->text(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>(w, "ComboBox1")->currentText(),
             QStringLiteral("Рубероид, линолеум, стяжка "));
    QCOMPARE(control<QComboBox>(w, "ComboBox11")->count(), 6);
    auto* userList = control<QComboBox>(w, "ComboBox12");
    QCOMPARE(userList->currentText(), QStringLiteral("Пользовательский список"));
    QCOMPARE(userList->count(), 0);
    QCOMPARE(control<QToolButton>(w, "SpeedButton1")->toolTip(), QStringLiteral("Open"));
    QCOMPARE(control<QPushButton>(w, "SpeedButton2")->text(),
             QStringLiteral("Редактировать пользовательский список"));
    QVERIFY(!control<QTimer>(w, "Timer1")->isActive());
    QVERIFY(!control<QTimer>(w, "Timer2")->isActive());

    w->show();
    for (int layer = 1; layer <= 12; ++layer) {
        const bool hidden = layer == 9 || layer == 10;
        QCOMPARE(control<QComboBox>(w, QStringLiteral("ComboBox%1").arg(layer))->isEnabled(),
                 !hidden);
        QVERIFY(control<QComboBox>(w, QStringLiteral("ComboBox%1").arg(layer))->isVisible());
        for (int first : {1, 13, 25, 39, 52})
            QCOMPARE(control<QLineEdit>(w, edit(first + layer - 1))->isVisible(), !hidden);
        QCOMPARE(control<QLineEdit>(w, edit(12 + layer))->isEnabled(), !hidden);
    }
    QVERIFY(!control<QLineEdit>(w, "Edit64")->isVisible());
    QVERIFY(!control<QPushButton>(w, "Button12")->isVisible());
    QVERIFY(control<QLabel>(w, "Label79")->isVisible());
}

void LayerWindowTest::choosingMaterialFillsTheLayer_data() {
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("ld");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("name");
    QTest::addRow("steel") << 1 << 7 << "58"
                           << "126,5"
                           << "Сталь ";
    QTest::addRow("silica blocks") << 3 << 10 << "0,092"
                                   << "1,74"
                                   << "Кладка блоков кремнез.цем..на изв.-кварц.р-ре(400 кг/м3)";
    QTest::addRow("aerated concrete") << 5 << 1 << "0,58"
                                      << "9,46"
                                      << "Газобетон (1200кг/м^3)";
    QTest::addRow("pine") << 11 << 1 << "0,18"
                          << "4,54"
                          << "Сосна и ель поперек волокон (500 кг/м3)";
}

void LayerWindowTest::choosingMaterialFillsTheLayer() {
    QFETCH(int, layer);
    QFETCH(int, index);
    QFETCH(QString, ld);
    QFETCH(QString, s);
    QFETCH(QString, name);
    Fixture f;
    choose(f.layers(), QStringLiteral("ComboBox%1").arg(layer), index);
    QCOMPARE(control<QLineEdit>(f.layers(), edit(layer))->text(), ld);
    QCOMPARE(control<QLineEdit>(f.layers(), edit(38 + layer))->text(), s);
    QCOMPARE(f.main()->layerName(layer), name);
    QVERIFY(f.platform.messages.isEmpty());
}

void LayerWindowTest::typedNameKeepsTheStoredValues() {
    Fixture f;
    TForm2* w = f.layers();
    choose(w, "ComboBox2", 7); // Мрамор: 2,94 and 22,86
    f.layers()->writeLd(2, "1,5");
    auto* selector = control<QComboBox>(w, "ComboBox2");
    selector->lineEdit()->selectAll();
    typeInto(selector->lineEdit(), "Камень");
    QCOMPARE(f.main()->layerName(2), QStringLiteral("Камень"));
    // The stored value comes back: the hand-typed one was never calculated.
    QCOMPARE(control<QLineEdit>(w, "Edit2")->text(), QStringLiteral("2,94"));
    QCOMPARE(control<QLineEdit>(w, "Edit40")->text(), QStringLiteral("22,86"));
}

void LayerWindowTest::airGapEntryOpensTheAirGapWindow() {
    Fixture f;
    TForm2* w = f.layers();
    choose(w, "ComboBox11", 2); // Сталь
    choose(w, "ComboBox11", 5);
    QCOMPARE(control<QLineEdit>(w, "Edit11")->text(), QStringLiteral("58"));
    QCOMPARE(control<QLineEdit>(w, "Edit49")->text(), QStringLiteral("126,5"));
    QCOMPARE(f.main()->layerName(11), QStringLiteral("ВОЗДУШНАЯ  ПРОСЛОЙКА"));
    QCOMPARE(f.program.calculation()->airGapTarget, 11);
    QVERIFY(f.airGaps()->isVisible());
    QVERIFY(!w->layer11HoldsAirGap());
}

void LayerWindowTest::ldFieldsTakeTheLocaleSeparator_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addRow("Ld, comma locale") << QChar(',') << 1 << "0.5"
                                      << "0,5";
    QTest::addRow("Ld 12, point locale") << QChar('.') << 12 << "0,5"
                                         << "0.5";
    QTest::addRow("Dt keeps the key") << QChar(',') << 13 << "0.5"
                                      << "0.5";
    QTest::addRow("S keeps the key") << QChar(',') << 39 << "0.5"
                                     << "0.5";
}

void LayerWindowTest::ldFieldsTakeTheLocaleSeparator() {
    QFETCH(QChar, separator);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ScriptedPlatform platform(separator);
    Program program(platform);
    QLineEdit* target = control<QLineEdit>(program.forms().form2, edit(field));
    target->clear();
    typeInto(target, typed);
    QCOMPARE(target->text(), shown);
}

void LayerWindowTest::thicknessGoesToTheMainWindowAndStartsTheBlinking() {
    Fixture f;
    TForm2* w = f.layers();
    auto* button = control<QPushButton>(w, "SpeedButton3");
    QLineEdit* dt4 = control<QLineEdit>(w, "Edit16");
    dt4->selectAll();
    typeInto(dt4, "120");
    QCOMPARE(f.main()->layerThickness(4), QStringLiteral("120"));
    QVERIFY(control<QTimer>(w, "Timer1")->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(textColor(button), (Rgb{128, 0, 0}), 1500);
    QVERIFY(button->font().bold());
    QVERIFY(control<QTimer>(w, "Timer2")->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(textColor(button), (Rgb{0, 0, 0}), 1500);
    QVERIFY(!button->font().bold());
    QVERIFY(control<QTimer>(w, "Timer1")->isActive());
}

void LayerWindowTest::freshCalculation() {
    Fixture f;
    TForm2* w = f.layers();
    control<QPushButton>(w, "Button1")->click();
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.platform.messages[0].kind, ScriptedPlatform::Kind::Warning);
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("Немножко внимания..."));
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("Вы не выбрали конструкцию      \r\n"));
    // The main window's check meets the coefficients still at 0; it reports that itself
    // and the calculation goes on.
    QCOMPARE(f.platform.messages[1].text, QStringLiteral("Floating point division by zero."));
    for (int layer = 1; layer <= 12; ++layer) {
        QCOMPARE(w->resistanceText(layer), QStringLiteral("0,000"));
        QCOMPARE(control<QLineEdit>(w, edit(51 + layer))->text(), QStringLiteral("0,000"));
        QCOMPARE(w->ldText(layer), QStringLiteral("0")); // only the stored number becomes 1000
    }
    QCOMPARE(control<QLineEdit>(w, "Edit37")->text(), QStringLiteral("0,000"));
    QCOMPARE(control<QLineEdit>(w, "Edit51")->text(), QStringLiteral("0,000"));
    QCOMPARE(f.main()->rkText(), QStringLiteral("0,000"));
    QCOMPARE(control<QLineEdit>(w, "Edit38")->text(), QStringLiteral("0"));
    QCOMPARE(f.main()->totalThickness(), QStringLiteral("---")); // the total did not change
    QVERIFY(control<QPushButton>(f.program.forms().form3, "Button2")->isEnabled());
    QCOMPARE(control<QLineEdit>(f.program.forms().form3, "Edit2")->text(), QStringLiteral("1"));
}

void LayerWindowTest::wallGoesThroughTheCheck() {
    Fixture f;
    TForm2* w = f.layers();
    f.setRequirement();
    choose(w, "ComboBox3", 0); // brick, 0,81
    w->writeThickness(3, "380");
    choose(w, "ComboBox4", 0); // plaster, 0,81
    w->writeThickness(4, "20");
    w->writeLd(12, "0,04");
    w->writeS(12, "0,5");
    w->writeThickness(12, "100");
    w->pressCalculate();
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(control<QLineEdit>(w, "Edit37")->text(), QStringLiteral("2,994")); // 0,4938 + 2,5
    QCOMPARE(f.main()->rkText(), QStringLiteral("2,994"));
    QCOMPARE(f.main()->totalThickness(), QStringLiteral("500"));
    QTRY_COMPARE(control<QLabel>(w, "Label79")->text(), QStringLiteral("Условие выполняется."));
    QCOMPARE(w->verdictColor(), ResistanceCheck::verdictColor(true));
    QCOMPARE(w->calculatedThickness(3), 380.0);
    QCOMPARE(w->calculatedThickness(12), 100.0);
}

void LayerWindowTest::sFieldThatIsNoNumberStopsBeforeInertia() {
    Fixture f;
    f.setRequirement();
    TForm2* w = f.layers();
    choose(w, "ComboBox1", 7);
    w->writeThickness(1, "10");
    w->writeS(5, "abc");
    control<QPushButton>(w, "Button1")->click();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].kind, ScriptedPlatform::Kind::Error);
    QCOMPARE(f.platform.messages[0].text,
             QStringLiteral("'abc' is not a valid floating point value."));
    QCOMPARE(w->resistanceText(1), QStringLiteral("0,000"));
    QCOMPARE(control<QLineEdit>(w, "Edit38")->text(), QStringLiteral("10"));
    QCOMPARE(f.main()->rkText(), QStringLiteral("0,000"));
    QCOMPARE(f.main()->totalThickness(), QStringLiteral("10"));
    QCOMPARE(control<QLineEdit>(w, "Edit52")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(w, "Edit51")->text(), QStringLiteral("0"));
    QVERIFY(!control<QPushButton>(f.program.forms().form3, "Button2")->isEnabled());
    // Pressed from code, the error ends the presser's action too.
    QVERIFY_THROWS_EXCEPTION(ConversionError, w->pressCalculate());
}

void LayerWindowTest::productionTableReceivesInertia() {
    Fixture f;
    TForm2* w = f.layers();
    f.program.calculation().setBuilding(Project::BuildingKind::Production);
    w->writeLd(2, "0,1");
    w->writeThickness(2, "100");
    w->writeS(2, "1,7");
    w->pressCalculate();
    QCOMPARE(control<QLineEdit>(w, "Edit51")->text(), QStringLiteral("1,700"));
    QCOMPARE(control<QLineEdit>(f.program.forms().form3, "Edit2")->text(), QStringLiteral("1,700"));
}

void LayerWindowTest::layer12ThicknessSelection() {
    Fixture f;
    TForm2* w = f.layers();
    f.setRequirement();
    choose(w, "ComboBox3", 0); // brick 380 mm: R 0,469
    w->writeThickness(3, "380");
    w->writeLd(12, "0,04");
    w->writeS(12, "0,5");
    w->pressCalculate();
    // Rk_req 2,042: t = 40 * (2,042 - 0,469) = 62,9 mm, to tens: 70.
    QTRY_COMPARE(f.main()->rkRequired(), QStringLiteral("2,042"));
    w->pressLayer12Thickness();
    QCOMPARE(w->selectedLayer12Thickness(), QStringLiteral("70"));
    QCOMPARE(w->thickness(12), QStringLiteral("70"));
    QCOMPARE(f.main()->layerThickness(12), QStringLiteral("70"));
    QCOMPARE(w->calculatedThickness(12), 70.0); // the calculation ran again
    QCOMPARE(w->resistanceText(12), QStringLiteral("1,750"));
    QCOMPARE(f.platform.messages.size(), 0);
}

void LayerWindowTest::airGapLookupOnThicknessChangeOnly() {
    Fixture f;
    TForm7* w = f.airGaps();
    QLineEdit* result = control<QLineEdit>(w, "Edit1");
    choose(w, "ComboBox1", 6); // placement and temperature still show their prompts
    QCOMPARE(result->text(), QStringLiteral("0"));
    choose(w, "ComboBox2", 1);
    choose(w, "ComboBox3", 1);
    QCOMPARE(result->text(), QStringLiteral("0"));
    choose(w, "ComboBox1", 6);
    QCOMPARE(result->text(), QStringLiteral("0,24"));
    choose(w, "ComboBox3", 0);
    QCOMPARE(result->text(), QStringLiteral("0,24")); // waits for the thickness
    choose(w, "ComboBox1", 6);
    QCOMPARE(result->text(), QStringLiteral("0,19"));
    choose(w, "ComboBox2", 0);
    choose(w, "ComboBox1", 0);
    QCOMPARE(result->text(), QStringLiteral("0,13"));
    QCOMPARE(w->placementText(),
             QStringLiteral("Горизонтальное.при потоке тепла снизу-вверх и вертикальное"));
    QCOMPARE(w->temperatureText(), QStringLiteral(">= 0 гоад.С"));
    // A typed placement is no placement.
    auto* placement = control<QComboBox>(w, "ComboBox2");
    placement->lineEdit()->selectAll();
    typeInto(placement->lineEdit(), "вертикальная");
    choose(w, "ComboBox1", 3);
    QCOMPARE(result->text(), QStringLiteral("0,13"));
    QCOMPARE(w->placementText(), QStringLiteral("вертикальная"));
}

void LayerWindowTest::acceptedAirGapBecomesLayer11() {
    Fixture f;
    f.setRequirement();
    TForm2* layers = f.layers();
    TForm7* gaps = f.airGaps();
    choose(layers, "ComboBox11", 5);
    choose(gaps, "ComboBox1", 3); // 50 mm
    control<QLineEdit>(gaps, "Edit1")->setText("0,17");
    control<QPushButton>(gaps, "Button1")->click();
    QVERIFY(!gaps->isVisible());
    QVERIFY(layers->isVisible());
    QVERIFY(layers->layer11HoldsAirGap());
    QCOMPARE(layers->thickness(11), QStringLiteral("50"));
    QCOMPARE(f.main()->layerThickness(11), QStringLiteral("50"));
    QCOMPARE(control<QLineEdit>(layers, "Edit49")->text(), QStringLiteral("0"));
    control<QPushButton>(layers, "Button1")->click();
    QCOMPARE(layers->resistanceText(11), QStringLiteral("0,170"));
    QCOMPARE(control<QLineEdit>(layers, "Edit62")->text(), QStringLiteral("0,000"));
    QVERIFY(f.platform.messages.isEmpty());
    // Choosing another material for layer 11 ends the gap.
    choose(layers, "ComboBox11", 0);
    QVERIFY(!layers->layer11HoldsAirGap());
}

void LayerWindowTest::airGapNeedsAThickness() {
    Fixture f;
    TForm2* layers = f.layers();
    TForm7* gaps = f.airGaps();
    choose(layers, "ComboBox11", 5);
    control<QLineEdit>(gaps, "Edit1")->setText("0,17");
    control<QPushButton>(gaps, "Button1")->click();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].kind, ScriptedPlatform::Kind::Warning);
    QVERIFY(gaps->isVisible());
    QCOMPARE(layers->thickness(11), QStringLiteral("0"));

    choose(gaps, "ComboBox1", 2);
    control<QLineEdit>(gaps, "Edit1")->setText("0.17");
    control<QPushButton>(gaps, "Button1")->click();
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.platform.messages[1].text,
             QStringLiteral("'0.17' is not a valid floating point value."));
    QVERIFY(gaps->isVisible());
    QCOMPARE(layers->thickness(11), QStringLiteral("0"));
    QCOMPARE(layers->ldText(11), QStringLiteral("0"));
    QVERIFY(!layers->layer11HoldsAirGap());
}

void LayerWindowTest::windowsFitTheScreen() {
    Fixture f;
    f.setRequirement();
    TForm2* w = f.layers();
    choose(w, "ComboBox3", 6);
    w->writeThickness(3, "380");
    choose(w, "ComboBox4", 0);
    w->writeThickness(4, "20");
    choose(w, "ComboBox11", 1);
    w->writeThickness(11, "25");
    w->pressCalculate();
    QTRY_VERIFY(!control<QLabel>(w, "Label79")->text().isEmpty());
    for (QWidget* window : {static_cast<QWidget*>(w), static_cast<QWidget*>(f.airGaps())}) {
        window->show();
        window->adjustSize();
        QVERIFY2(window->width() <= 1366 && window->height() <= 700,
                 qPrintable(QStringLiteral("%1x%2").arg(window->width()).arg(window->height())));
        const QByteArray folder = qgetenv("LAYERS_SCREENSHOTS");
        if (!folder.isEmpty())
            window->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') +
                                QString::fromLatin1(window->metaObject()->className()) +
                                QStringLiteral(".png"));
    }
}

QTEST_MAIN(LayerWindowTest)
void LayerWindowTest::languageSwitchKeepsTheLayers_data() {
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("index"); // -1: the name is typed
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("ukrainianName");
    QTest::addColumn<QString>("ukrainianKind");
    QTest::addRow("mortar") << 4 << 0 << QString() << "Розчин цементно-піщаний (1600 кг/м3)"
                            << "бетон, розчин";
    QTest::addRow("insulating linoleum")
        << 1 << 5 << QString() << "Лінолеум ПВХ на теплоізол. осн.(1600 кг/м3)"
        << "утеплювач";
    QTest::addRow("typed name") << 2 << -1 << "Плитка Ижица"
                                << "Плитка Ижица"
                                << "інші шари";
}

// Ukrainian and back: catalogue texts follow, the user's texts and every result stay.
void LayerWindowTest::languageSwitchKeepsTheLayers() {
    QFETCH(int, layer);
    QFETCH(int, index);
    QFETCH(QString, typedName);
    QFETCH(QString, ukrainianName);
    QFETCH(QString, ukrainianKind);
    Fixture f;
    TForm2* w = f.layers();
    f.setRequirement();
    auto* selector = control<QComboBox>(w, QStringLiteral("ComboBox%1").arg(layer));
    if (index >= 0) {
        choose(w, selector->objectName(), index);
    } else {
        selector->lineEdit()->selectAll();
        typeInto(selector->lineEdit(), typedName);
        w->writeLd(layer, "0,5");
        w->writeS(layer, "7");
    }
    typeInto(control<QLineEdit>(w, edit(12 + layer)), "120");
    QSignalSpy announced(w, &TForm2::layersCalculated);
    control<QPushButton>(w, "Button1")->click();
    QCOMPARE(announced.size(), 1);
    SectionDrawing::Picture picture;
    picture.layers = announced[0][0].value<QList<SectionLayers::Layer>>();

    auto shown = [&] {
        QStringList texts{w->windowTitle(), f.main()->rkText()};
        for (QComboBox* list : w->findChildren<QComboBox*>())
            texts << list->currentText();
        for (QLineEdit* field : w->findChildren<QLineEdit*>())
            texts << field->text();
        return texts;
    };
    const QStringList russian = shown();
    QHash<QString, QString> numbers;
    for (QLineEdit* field : w->findChildren<QLineEdit*>())
        numbers[field->objectName()] = field->text();
    const Project::LayerStackInputs inputs = w->inputs();
    const QStringList russianLegend = SectionDrawing::legendTexts(picture);
    const qsizetype messages = f.platform.messages.size();

    const BackToRussian backToRussian;
    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    QCOMPARE(selector->currentText(), ukrainianName);
    QCOMPARE(control<QComboBox>(w, "ComboBox12")->currentText(),
             QStringLiteral("Список користувача"));
    QCOMPARE(control<QPushButton>(w, "Button1")->text(), QStringLiteral("Розрахунок"));
    QCOMPARE(SectionDrawing::legendTexts(picture).first(), ukrainianKind);
    QCOMPARE(w->inputs(), inputs); // the choices, as a project keeps them
    for (QLineEdit* field : w->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(field->parent())) // numbers, typed and calculated
            QCOMPARE(field->text(), numbers.value(field->objectName()));

    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
    QCOMPARE(shown(), russian);
    QCOMPARE(SectionDrawing::legendTexts(picture), russianLegend);
    QCOMPARE(announced.size(), 1); // no calculation ran
    QCOMPARE(f.platform.messages.size(), messages);
}

#include "tst_layerwindow.moc"
