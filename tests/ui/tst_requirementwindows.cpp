// The required-resistance, coefficients and walls-between-flats windows, driven
// through their widgets with the scripted platform.

#include "core/Calculation.h"
#include "formats/ProjectFile.h"
#include "session/Program.h"
#include "support/Controls.h"
#include "support/LanguageSwitch.h"
#include "support/Typing.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit6.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// The user types over the whole text of a field or editable list, key by key.
void replaceText(QWidget* window, const char* name, const QString& text) {
    QWidget* typedInto = control(window, name);
    auto* list = qobject_cast<QComboBox*>(typedInto);
    QLineEdit* field = list ? list->lineEdit() : qobject_cast<QLineEdit*>(typedInto);
    field->selectAll();
    Typing::typeText(field, text);
}

QTimer* timer(QWidget* window, const char* name) {
    return control<QTimer>(window, name);
}

// Every field's text and every list's chosen item, by objectName; with the lists' texts.
QStringList shownState(QWidget* window, bool withListTexts) {
    QStringList state;
    for (const QLineEdit* field : window->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(field->parentWidget()))
            state << field->objectName() + QLatin1Char('=') + field->text();
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        state << QStringLiteral("%1[%2]").arg(list->objectName()).arg(list->currentIndex()) +
                     (withListTexts ? list->currentText() : QString());
    return state;
}

QStringList errors(const ScriptedPlatform& platform) {
    QStringList texts;
    for (const auto& message : platform.messages)
        if (message.kind == ScriptedPlatform::Kind::Error)
            texts << message.text;
    return texts;
}

} // namespace

class RequirementWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void requiredResistanceStartsResidential();
    void residentialLookupRunsAfterTheDelay();
    void lookupTimersDoNotRestart_data();
    void lookupTimersDoNotRestart();
    void citySelectsItsZone();
    void wallsBetweenFlatsChoiceHandsOver();
    void productionInertiaClass_data();
    void productionInertiaClass();
    void switchingLayoutsKeepsTheLastValue();
    void reconstructionFactor();
    void badInertiaKeepsThePreviousD();
    void layerWindowWritesInertia();
    void acceptTakesTheTypedValue();

    void coefficientsAcceptTheLookedUpPair();
    void coefficientsWithoutChoice();
    void coefficientDisplaysAreSkippedByTab();

    void wallsBetweenFlatsExample();
    void markedCellsNeedTypedDeltaTcr_data();
    void markedCellsNeedTypedDeltaTcr();
    void deltaTcrFollowsOnlyTheKind();
    void computationStopsAtABadField();
    void acceptTakesTheComputedValue();
    void helpAndCoefficientButtons();

    void languageSwitchKeepsChoicesAndResults_data();
    void languageSwitchKeepsChoicesAndResults();

  private:
    ScriptedPlatform* platform = nullptr;
    Program* program = nullptr;
    QWidget* form3 = nullptr;
    QWidget* form4 = nullptr;
    QWidget* form6 = nullptr;
    TMainForm* main = nullptr;
};

void RequirementWindowsTest::init() {
    platform = new ScriptedPlatform;
    program = new Program(*platform);
    form3 = program->forms().form3;
    form4 = program->forms().form4;
    form6 = program->forms().form6;
    main = program->forms().mainForm;
}

void RequirementWindowsTest::cleanup() {
    Language::apply(InterfaceLanguage::Russian);
    delete program;
    delete platform;
}

void RequirementWindowsTest::requiredResistanceStartsResidential() {
    QCOMPARE(Project::tableNumber(program->calculation()->building), QStringLiteral("1"));
    form3->show();
    for (const char* shown : {"ComboBox13", "ComboBox4", "RadioButton1", "RadioButton2",
                              "RadioButton3", "ComboBox1", "CheckBox1", "Edit1", "Button1"})
        QVERIFY2(control(form3, shown)->isVisible(), shown);
    for (const char* hidden : {"ComboBox2", "ComboBox3", "Label5", "Label4", "Label12", "Button2",
                               "Edit2", "Label2", "Button3"})
        QVERIFY2(!control(form3, hidden)->isVisible(), hidden);
    QVERIFY(control<QRadioButton>(form3, "RadioButton1")->isChecked());
    QCOMPARE(shownText(form3, "ComboBox13"), QStringLiteral("  I"));
    QCOMPARE(shownText(form3, "ComboBox4"), QStringLiteral(" Выбрать город ..."));
    QCOMPARE(shownText(form3, "ComboBox1"), QStringLiteral("Вид ограждающей конструкции "));
    QCOMPARE(shownText(form3, "Edit1"), QStringLiteral("0"));
    QCOMPARE(shownText(form3, "Edit2"), QStringLiteral("1"));
    QCOMPARE(shownText(form3, "Label2"), QStringLiteral("D < 1,5"));
    QVERIFY(!control(form3, "Button1")->isEnabled());
    QVERIFY(!control(form3, "Button2")->isEnabled());
    QCOMPARE(control<QComboBox>(form3, "ComboBox4")->count(), 25);
}

void RequirementWindowsTest::residentialLookupRunsAfterTheDelay() {
    form3->show();
    choose(form3, "ComboBox1", 0);
    QCOMPARE(shownText(form3, "Edit1"), QStringLiteral("0")); // not before the delay
    QVERIFY(timer(form3, "Timer1")->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2,8"), 1000);
    QVERIFY(!timer(form3, "Timer1")->isActive());
    QVERIFY(control(form3, "Button1")->isEnabled());
    QCOMPARE(main->envelopeCaption(), QStringLiteral("1.    Наружные стены"));

    // The separator line is a row of its own, and its hyphens become the caption.
    choose(form3, "ComboBox1", 2);
    choose(form3, "ComboBox13", 3);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2,2"), 1000);
    QCOMPARE(main->envelopeCaption(), QString(86, QLatin1Char('-')));
    QVERIFY(platform->messages.isEmpty());
}

void RequirementWindowsTest::lookupTimersDoNotRestart_data() {
    QTest::addColumn<bool>("production");
    QTest::newRow("residential timer") << false;
    QTest::newRow("production timer") << true;
}

void RequirementWindowsTest::lookupTimersDoNotRestart() {
    QFETCH(bool, production);
    form3->show();
    if (production)
        click(form3, "RadioButton2");
    QTimer* lookup = timer(form3, production ? "Timer2" : "Timer1");
    QCOMPARE(lookup->interval(), 200);
    choose(form3, production ? "ComboBox2" : "ComboBox1", 0);
    QVERIFY(lookup->isActive());
    QTest::qWait(120);
    QVERIFY(lookup->isActive());
    choose(form3, "ComboBox13", 1); // a second trigger within the delay
    QVERIFY(lookup->isActive());
    QVERIFY2(lookup->remainingTime() < 150, "the second trigger restarted the delay");
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"),
                              production ? QStringLiteral("1,8") : QStringLiteral("2,5"), 1000);
    QVERIFY(!lookup->isActive());
}

void RequirementWindowsTest::citySelectsItsZone() {
    form3->show();
    choose(form3, "ComboBox1", 0);
    choose(form3, "ComboBox4", 12);
    QCOMPARE(shownText(form3, "ComboBox4"), QStringLiteral("Одесса"));
    QCOMPARE(shownText(form3, "ComboBox13"), QStringLiteral("  III"));
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2,2"), 1000);
    choose(form3, "ComboBox4", 24);
    QCOMPARE(shownText(form3, "ComboBox13"), QStringLiteral("  IV"));
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2"), 1000);

    // A typed city matches none: the zone stays, the lookup still runs.
    replaceText(form3, "ComboBox4", QStringLiteral("Ялта"));
    QCOMPARE(shownText(form3, "ComboBox13"), QStringLiteral("  IV"));
    QVERIFY(timer(form3, "Timer1")->isActive());
}

void RequirementWindowsTest::wallsBetweenFlatsChoiceHandsOver() {
    form3->show();
    click(form3, "CheckBox1");
    QTRY_VERIFY_WITH_TIMEOUT(!timer(form3, "Timer1")->isActive(), 1000);
    click(form3, "RadioButton3");
    QCOMPARE(Project::tableNumber(program->calculation()->building), QStringLiteral("3"));
    QVERIFY(!form3->isVisible());
    QVERIFY(form6->isVisible());
    QVERIFY(!control<QCheckBox>(form3, "CheckBox1")->isChecked());
    QVERIFY(timer(form3, "Timer1")->isActive()); // the untick counts as a click
    QTRY_VERIFY_WITH_TIMEOUT(!timer(form3, "Timer1")->isActive(), 1000);

    // With table 3 a city moves the zone but starts no lookup.
    form3->show();
    choose(form3, "ComboBox4", 1);
    QCOMPARE(shownText(form3, "ComboBox13"), QStringLiteral("  II"));
    QVERIFY(!timer(form3, "Timer1")->isActive());
    QVERIFY(!timer(form3, "Timer2")->isActive());

    click(form3, "RadioButton1");
    QCOMPARE(Project::tableNumber(program->calculation()->building), QStringLiteral("1"));
    QVERIFY(control(form3, "CheckBox1")->isVisible());
    QVERIFY(!timer(form3, "Timer1")->isActive());
}

void RequirementWindowsTest::productionInertiaClass_data() {
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("rqmin");
    QTest::newRow("1,5") << QStringLiteral("1,5") << QStringLiteral("D =< 1,5")
                         << QStringLiteral("1,8");
    QTest::newRow("1,6") << QStringLiteral("1,6") << QStringLiteral("D > 1,5")
                         << QStringLiteral("1,3");
    QTest::newRow("typed with a point")
        << QStringLiteral("1.6") << QStringLiteral("D > 1,5") << QStringLiteral("1,3");
}

void RequirementWindowsTest::productionInertiaClass() {
    QFETCH(QString, d);
    QFETCH(QString, label);
    QFETCH(QString, rqmin);
    form3->show();
    click(form3, "RadioButton2");
    QCOMPARE(Project::tableNumber(program->calculation()->building), QStringLiteral("2"));
    choose(form3, "ComboBox2", 0);
    choose(form3, "ComboBox3", 0);
    choose(form3, "ComboBox13", 1);
    replaceText(form3, "Edit2", d);
    QCOMPARE(shownText(form3, "Label2"), label);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), rqmin, 1000);
    QCOMPARE(main->envelopeCaption(), QStringLiteral("Внешние непрозрачные стены зданий"));
    QVERIFY(platform->messages.isEmpty());
}

void RequirementWindowsTest::switchingLayoutsKeepsTheLastValue() {
    form3->show();
    choose(form3, "ComboBox1", 0);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2,8"), 1000);
    click(form3, "RadioButton2");
    QCOMPARE(shownText(form3, "Edit1"), QStringLiteral("2,8"));
    QVERIFY(control(form3, "Button1")->isEnabled());
    QVERIFY(!timer(form3, "Timer1")->isActive());
    QVERIFY(!timer(form3, "Timer2")->isActive());
    QVERIFY(control(form3, "Button3")->isVisible());
    QVERIFY(!control(form3, "CheckBox1")->isVisible());

    // A new production window: kind 0, regime 0 and D 1 apply from the start.
    choose(form3, "ComboBox13", 1);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("1,8"), 1000);
    click(form3, "RadioButton1");
    QCOMPARE(shownText(form3, "Edit1"), QStringLiteral("1,8"));
    QVERIFY(!control(form3, "Button3")->isVisible());
}

void RequirementWindowsTest::reconstructionFactor() {
    form3->show();
    choose(form3, "ComboBox1", 0);
    click(form3, "CheckBox1");
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2,24"), 1000);
    QVERIFY(program->forms().form3->reconstructionTicked());

    // A lookup without a table row keeps the value instead of shrinking it again.
    replaceText(form3, "ComboBox1", QStringLiteral("стены"));
    QTRY_VERIFY_WITH_TIMEOUT(!timer(form3, "Timer1")->isActive(), 1000);
    QCOMPARE(shownText(form3, "Edit1"), QStringLiteral("2,24"));
    QCOMPARE(main->envelopeCaption(), QStringLiteral("стены"));

    click(form3, "Button1");
    QCOMPARE(main->rqmin(), QStringLiteral("2,240"));
    QVERIFY(!form3->isVisible());
}

void RequirementWindowsTest::badInertiaKeepsThePreviousD() {
    form3->show();
    click(form3, "RadioButton2");
    replaceText(form3, "Edit2", QStringLiteral("2"));
    QCOMPARE(shownText(form3, "Label2"), QStringLiteral("D > 1,5"));
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("1,5"), 1000);

    control<QLineEdit>(form3, "Edit2")->clear();
    QCOMPARE(errors(*platform),
             QStringList{QStringLiteral("'' is not a valid floating point value.")});
    QCOMPARE(shownText(form3, "Label2"), QStringLiteral("D > 1,5"));
    QVERIFY(!timer(form3, "Timer2")->isActive());

    // The production lookup itself stops at the bad text and changes nothing.
    click(form3, "Button3");
    QTRY_VERIFY_WITH_TIMEOUT(!timer(form3, "Timer2")->isActive(), 1000);
    QCOMPARE(errors(*platform).size(), 2);
    QCOMPARE(shownText(form3, "Edit1"), QStringLiteral("1,5"));
}

void RequirementWindowsTest::layerWindowWritesInertia() {
    TForm3* window = program->forms().form3;
    window->show();
    click(form3, "RadioButton2");
    window->enableCalculateButton();
    QVERIFY(control(form3, "Button2")->isEnabled());
    window->writeInertia(QStringLiteral("1,500"));
    QCOMPARE(shownText(form3, "Label2"), QStringLiteral("D =< 1,5"));
    QVERIFY(timer(form3, "Timer2")->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2"), 1000);
    choose(form3, "ComboBox3", 1);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(form3, "Edit1"), QStringLiteral("2,2"), 1000);
    QCOMPARE(window->regimeText(), QStringLiteral("С влажным и мокрым режимом"));
    QCOMPARE(window->zoneText(), QStringLiteral("  I"));

    window->writeInertia(QStringLiteral("1,500")); // the same text changes nothing
    QVERIFY(!timer(form3, "Timer2")->isActive());

    click(form3, "Button2");
    QVERIFY(program->forms().form2->isVisible());
}

void RequirementWindowsTest::acceptTakesTheTypedValue() {
    form3->show();
    choose(form3, "ComboBox1", 0);
    QTRY_VERIFY_WITH_TIMEOUT(control(form3, "Button1")->isEnabled(), 1000);
    replaceText(form3, "Edit1", QStringLiteral("2,x"));
    click(form3, "Button1");
    QCOMPARE(errors(*platform),
             QStringList{QStringLiteral("'2,x' is not a valid floating point value.")});
    QCOMPARE(main->rqmin(), QStringLiteral("0"));
    QVERIFY(form3->isVisible());

    replaceText(form3, "Edit1", QStringLiteral("3,14159"));
    click(form3, "Button1");
    QCOMPARE(main->rqmin(), QStringLiteral("3,142"));
    QVERIFY(!form3->isVisible());
}

void RequirementWindowsTest::coefficientsAcceptTheLookedUpPair() {
    form4->show();
    choose(form4, "ComboBox1", 2);
    QCOMPARE(shownText(form4, "Edit1"), QStringLiteral("12"));
    QCOMPARE(shownText(form4, "Edit2"), QStringLiteral("8,7"));
    replaceText(form4, "Edit1", QStringLiteral("99"));
    click(form4, "Button1");
    QCOMPARE(main->findChild<QLineEdit*>("Edit2")->text(), QStringLiteral("12"));
    QCOMPARE(main->findChild<QLineEdit*>("Edit3")->text(), QStringLiteral("8,7"));
    QCOMPARE(main->findChild<QLabel*>("Label18")->text(),
             QStringLiteral("Перекрытия чердаков и холодных подвалов"));
    QCOMPARE(shownText(form6, "Edit4"), QStringLiteral("8,700"));
    QVERIFY(!form4->isVisible());

    form4->show();
    choose(form4, "ComboBox1", 1);
    QCOMPARE(shownText(form4, "Edit1"), QStringLiteral("23"));
    QCOMPARE(shownText(form4, "Edit2"), QStringLiteral("7,6"));
    // Typed text selects nothing and keeps the pair.
    replaceText(form4, "ComboBox1", QStringLiteral("Свой тип"));
    QCOMPARE(shownText(form4, "Edit2"), QStringLiteral("7,6"));
    click(form4, "Button1");
    QCOMPARE(main->findChild<QLabel*>("Label18")->text(), QStringLiteral("Свой тип"));
    QCOMPARE(shownText(form6, "Edit4"), QStringLiteral("7,600"));

    // Picking the item that was typed over shows it again.
    form4->show();
    choose(form4, "ComboBox1", 1);
    QCOMPARE(shownText(form4, "ComboBox1"), QString(56, QLatin1Char('-')));
}

void RequirementWindowsTest::coefficientsWithoutChoice() {
    main->writeAlphaExt(QStringLiteral("5"));
    form4->show();
    click(form4, "Button1");
    QCOMPARE(main->findChild<QLineEdit*>("Edit2")->text(), QStringLiteral("0"));
    QCOMPARE(main->findChild<QLineEdit*>("Edit3")->text(), QStringLiteral("0"));
    QCOMPARE(main->findChild<QLabel*>("Label18")->text(), QStringLiteral("Тип конструкции ..."));
    QCOMPARE(shownText(form6, "Edit4"), QStringLiteral("0,000"));
    QVERIFY(platform->messages.isEmpty());
}

void RequirementWindowsTest::coefficientDisplaysAreSkippedByTab() {
    for (const char* name : {"Edit1", "Edit2"}) {
        auto* field = control<QLineEdit>(form4, name);
        QVERIFY(!(field->focusPolicy() & Qt::TabFocus));
        QVERIFY(field->font().bold());
    }
}

void RequirementWindowsTest::wallsBetweenFlatsExample() {
    form6->show();
    QVERIFY(!control(form6, "Label11")->isVisible());
    choose(form6, "ComboBox1", 3);
    choose(form6, "ComboBox2", 0);
    QCOMPARE(shownText(form6, "Edit1"), QStringLiteral("22"));
    QCOMPARE(shownText(form6, "Edit2"), QStringLiteral("20"));
    choose(form6, "ComboBox3", 0);
    choose(form6, "ComboBox4", 0);
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("4"));
    QCOMPARE(main->envelopeCaption(), QStringLiteral("Стены (наружные, внутренние)"));
    replaceText(form6, "Edit4", QStringLiteral("8,7"));
    click(form6, "Button4");
    QCOMPARE(shownText(form6, "Edit5"), QStringLiteral("0,06"));
    click(form6, "Button2");
    QCOMPARE(main->rqmin(), QStringLiteral("0,06"));
    QVERIFY(!form6->isVisible());

    // The warmer room second gives a negative value, shown and accepted as it is.
    form6->show();
    choose(form6, "ComboBox1", 0);
    choose(form6, "ComboBox2", 3);
    click(form6, "Button4");
    QCOMPARE(shownText(form6, "Edit5"), QStringLiteral("-0,06"));
    click(form6, "Button2");
    QCOMPARE(main->rqmin(), QStringLiteral("-0,06"));
    QCOMPARE(program->forms().form6->purposeText(),
             QStringLiteral("Жилые дома, детские учрежд., школы-интернаты"));
    QCOMPARE(program->forms().form6->deltaTcrText(), QStringLiteral("4"));
    QVERIFY(platform->messages.isEmpty());
}

void RequirementWindowsTest::markedCellsNeedTypedDeltaTcr_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("tv2Purpose");
    QTest::addColumn<QString>("error");
    const QString byZero = QStringLiteral("Floating point division by zero.");
    const QString invalid = QStringLiteral("Invalid floating point operation.");
    QTest::newRow("walls, different temperatures") << 0 << QStringLiteral("tв-tр") << 0 << byZero;
    QTest::newRow("walls, equal temperatures") << 0 << QStringLiteral("tв-tр") << 3 << invalid;
    QTest::newRow("roofs") << 1 << QStringLiteral("0.8(tв-tр)") << 0 << byZero;
}

void RequirementWindowsTest::markedCellsNeedTypedDeltaTcr() {
    QFETCH(int, kind);
    QFETCH(QString, hint);
    QFETCH(int, tv2Purpose);
    QFETCH(QString, error);
    form6->show();
    choose(form6, "ComboBox1", 3);
    choose(form6, "ComboBox2", tv2Purpose);
    program->forms().form6->writeAlphaInt(QStringLiteral("8,700"));
    choose(form6, "ComboBox3", 3);
    choose(form6, "ComboBox4", kind);
    QCOMPARE(shownText(form6, "Label11"), hint);
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("0"));
    click(form6, "Button4");
    QCOMPARE(errors(*platform), QStringList{error});
    QCOMPARE(shownText(form6, "Edit5"), QStringLiteral("0"));

    replaceText(form6, "Edit3", QStringLiteral("5"));
    click(form6, "Button4");
    QCOMPARE(errors(*platform).size(), 1);

    // An ordinary cell hides the hint again.
    choose(form6, "ComboBox4", 2);
    QVERIFY(!control(form6, "Label11")->isVisible());
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("2,5"));
}

void RequirementWindowsTest::deltaTcrFollowsOnlyTheKind() {
    form6->show();
    choose(form6, "ComboBox3", 0);
    choose(form6, "ComboBox4", 1);
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("3"));
    choose(form6, "ComboBox3", 4);
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("3"));
    choose(form6, "ComboBox4", 1);
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("12"));
    // A typed kind matches no cell: DtTcr stays, the caption takes the text.
    replaceText(form6, "ComboBox4", QStringLiteral("Пол"));
    QCOMPARE(shownText(form6, "Edit3"), QStringLiteral("12"));
    QCOMPARE(main->envelopeCaption(), QStringLiteral("Пол"));
    choose(form6, "ComboBox1", 4);
    QCOMPARE(shownText(form6, "Edit1"), QStringLiteral("0"));
}

void RequirementWindowsTest::computationStopsAtABadField() {
    form6->show();
    click(form6, "Button4"); // all fields 0
    QCOMPARE(errors(*platform), QStringList{QStringLiteral("Invalid floating point operation.")});
    replaceText(form6, "Edit1", QStringLiteral("22"));
    replaceText(form6, "Edit2", QStringLiteral("20"));
    replaceText(form6, "Edit3", QStringLiteral("4"));
    replaceText(form6, "Edit4", QStringLiteral("8,7"));
    click(form6, "Button4");
    QCOMPARE(shownText(form6, "Edit5"), QStringLiteral("0,06"));

    replaceText(form6, "Edit3", QStringLiteral("vier"));
    click(form6, "Button4");
    QCOMPARE(errors(*platform).last(),
             QStringLiteral("'vier' is not a valid floating point value."));
    QCOMPARE(shownText(form6, "Edit5"), QStringLiteral("0,06"));
    click(form6, "Button2");
    QCOMPARE(main->rqmin(), QStringLiteral("0,06"));
}

void RequirementWindowsTest::acceptTakesTheComputedValue() {
    form6->show();
    replaceText(form6, "Edit5", QStringLiteral("7"));
    click(form6, "Button2");
    QCOMPARE(main->rqmin(), QStringLiteral("0,00"));
}

void RequirementWindowsTest::helpAndCoefficientButtons() {
    form6->show();
    click(form6, "Button1");
    QCOMPARE(platform->messages.size(), 1);
    QCOMPARE(platform->messages.first().kind, ScriptedPlatform::Kind::Info);
    QCOMPARE(platform->messages.first().text, QStringLiteral("Rq min=(tv1-tv2) / (DtTcr*Alf в1)"));

    click(form6, "Button3");
    QVERIFY(form4->isVisible());
    choose(form4, "ComboBox1", 0);
    click(form4, "Button1");
    QCOMPARE(shownText(form6, "Edit4"), QStringLiteral("8,700"));
    QCOMPARE(main->findChild<QLineEdit*>("Edit2")->text(), QStringLiteral("23"));
}

void RequirementWindowsTest::languageSwitchKeepsChoicesAndResults_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("ukrainian");
    QTest::newRow("city") << "TForm3"
                          << "ComboBox4"
                          << "Днепропетровск"
                          << "Дніпро";
    QTest::newRow("envelope") << "TForm3"
                              << "ComboBox1"
                              << "1.    Наружные стены"
                              << "1.    Зовнішні стіни";
    QTest::newRow("prompt") << "TForm3"
                            << "ComboBox2"
                            << "Вид ограждающей конструкции "
                            << "Вид огороджувальної конструкції ";
    QTest::newRow("surface") << "TForm4"
                             << "ComboBox1"
                             << "Перекрытия чердаков и холодных подвалов"
                             << "Перекриття горищ і холодних підвалів";
    QTest::newRow("purpose") << "TForm6"
                             << "ComboBox1"
                             << "Дошкольные"
                             << "Дошкільні";
    QTest::newRow("typed") << "TForm6"
                           << "ComboBox2"
                           << "Склад"
                           << "Склад";
    QTest::newRow("kind") << "TForm6"
                          << "ComboBox4"
                          << "Стены (наружные, внутренние)"
                          << "Стіни (зовнішні, внутрішні)";
}

// Choices made, texts typed and results shown in the three windows, then the language
// switched there and back, and a project saved in Ukrainian opened in Russian.
void RequirementWindowsTest::languageSwitchKeepsChoicesAndResults() {
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, russian);
    QFETCH(QString, ukrainian);
    choose(form3, "ComboBox4", 1);
    choose(form3, "ComboBox1", 0);
    QTRY_COMPARE(shownText(form3, "Edit1"), QStringLiteral("2,5"));
    choose(form4, "ComboBox1", 2);
    choose(form6, "ComboBox1", 3);
    replaceText(form6, "ComboBox2", QStringLiteral("Склад"));
    replaceText(form6, "Edit2", QStringLiteral("12"));
    choose(form6, "ComboBox3", 0);
    choose(form6, "ComboBox4", 0);
    replaceText(form6, "Edit4", QStringLiteral("8,7"));
    click(form6, "Button4");
    QCOMPARE(shownText(form6, "Edit5"), QStringLiteral("0,29"));
    click(form6, "Button2");
    const auto& accepted = program->calculation()->requirement;

    QWidget* shown = program->window(window);
    auto* box = control<QComboBox>(shown, list.toLatin1().constData());
    QCOMPARE(box->currentText(), russian);
    const QList<QWidget*> windows{form3, form4, form6};
    QList<QStringList> before, beforeItems;
    for (QWidget* each : windows) {
        before << shownState(each, true);
        beforeItems << shownState(each, false);
    }
    const QString mainRqmin = main->rqmin();

    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    QCOMPARE(box->currentText(), ukrainian);
    // The accepted Rqmin is described for the report in the language of today.
    QVERIFY(accepted->envelope.startsWith(QStringLiteral("міжквартирні стіни для будинків")));
    for (int i = 0; i < windows.size(); ++i)
        QCOMPARE(shownState(windows[i], false), beforeItems[i]);
    Project::Record record;
    record.requirement = program->forms().form3->inputs();
    record.coefficients = program->forms().form4->inputs();
    record.partition = program->forms().form6->inputs();
    const QByteArray saved = ProjectFile::encode(record);

    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
    for (int i = 0; i < windows.size(); ++i)
        QCOMPARE(shownState(windows[i], true), before[i]);
    QCOMPARE(main->rqmin(), mainRqmin);
    for (const char* name : {"Timer1", "Timer2"})
        QVERIFY(!timer(form3, name)->isActive());
    QVERIFY(platform->messages.isEmpty());

    Program reopened(*platform);
    const Project::Record opened = ProjectFile::decode(saved, QStringLiteral("uk.vvz"));
    reopened.forms().form3->setInputs(opened.requirement);
    reopened.forms().form4->setInputs(opened.coefficients);
    reopened.forms().form6->setInputs(opened.partition);
    auto* reopenedBox = control<QComboBox>(reopened.window(window), list.toLatin1().constData());
    QCOMPARE(reopenedBox->currentText(), russian);
    QCOMPARE(reopenedBox->currentIndex(), box->currentIndex());
}

QTEST_MAIN(RequirementWindowsTest)
#include "tst_requirementwindows.moc"
