// Start-up and the main window's hand-overs, driven through the real widgets.

#include "core/Calculation.h"
#include "core/ResistanceCheck.h"
#include "session/Program.h"
#include "support/Controls.h"
#include "support/LanguageSwitch.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Forms.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void createsTheTwelveWindowsInOrder();
    void hiddenWindowsAreBuiltOnceWhenFirstReached_data();
    void hiddenWindowsAreBuiltOnceWhenFirstReached();
    void writingRkRunsTheCheckBeforeTheWriteReturns();
    void sameRkTextRunsNothing();
    void errorBoxSpeaksTheInterfaceLanguage_data();
    void errorBoxSpeaksTheInterfaceLanguage();
    void recordsTheSnapshotOfEachCompletedCheck();
    void mapsTheDecimalKeyOnlyWhereAsked_data();
    void mapsTheDecimalKeyOnlyWhereAsked();
    void statusLineShowsTheLongPartOfAHint();
    void timersDoNotRestartWhileRunning();
    void languageSwitchKeepsInputsAndResults_data();
    void languageSwitchKeepsInputsAndResults();
    void aLanguageThatCannotBeKeptIsToldOnce();

  private:
    static QLineEdit* field(Program& program, const char* name) {
        return program.forms().mainForm->findChild<QLineEdit*>(name);
    }
};

void MainWindowTest::createsTheTwelveWindowsInOrder() {
    ScriptedPlatform platform;
    Program program(platform);
    QStringList classes;
    for (QWidget* window : program.windows())
        classes << QString::fromLatin1(window->metaObject()->className());
    QCOMPARE(classes, (QStringList{"TMainForm", "TAboutBox", "TForm1", "TForm2", "TForm3", "TForm4",
                                   "TForm6", "TForm7", "TForm8", "TForm5", "TForm9", "TForm10"}));
    for (QWidget* window : program.windows())
        QCOMPARE(window->isVisible(), window == program.forms().mainForm);
    QCOMPARE(program.forms().mainForm->size(), QSize(727, 709));
    QCOMPARE(Project::tableNumber(program.calculation()->building), QStringLiteral("1"));
    QCOMPARE(program.calculation()->orderingGrade, 0);
    QCOMPARE(program.calculation()->airGapTarget, 0);
    QVERIFY(!program.calculation()->hasSnapshot);
}

void MainWindowTest::writingRkRunsTheCheckBeforeTheWriteReturns() {
    ScriptedPlatform platform;
    Program program(platform);
    TMainForm* main = program.forms().mainForm;
    main->writeAlphaExt("23");
    main->writeAlphaInt("8,7");
    main->writeRqmin("2,200");
    main->writeRk("2,500");
    QCOMPARE(field(program, "Edit4")->text(), QStringLiteral("2,658"));
    QCOMPARE(main->findChild<QLabel*>("Label8")->text(), QStringLiteral("Условие выполняется."));
    QCOMPARE(program.forms().form2->verdictColor(), (Rgb{0, 128, 0}));
    QVERIFY(platform.messages.isEmpty());
}

void MainWindowTest::sameRkTextRunsNothing() {
    ScriptedPlatform platform;
    Program program(platform);
    program.forms().mainForm->writeRk("0");
    QVERIFY(platform.messages.isEmpty()); // coefficients "0" would divide by zero
    program.forms().mainForm->writeRk("1");
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(field(program, "Edit4")->text(), QStringLiteral("0"));
}

void MainWindowTest::errorBoxSpeaksTheInterfaceLanguage_data() {
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::addColumn<QString>("rk");
    QTest::addColumn<QString>("message");
    QTest::newRow("ru, division") << InterfaceLanguage::Russian << "1"
                                  << "Floating point division by zero.";
    QTest::newRow("uk, division") << InterfaceLanguage::Ukrainian << "1"
                                  << "Ділення на нуль в обчисленнях з рухомою комою.";
    QTest::newRow("ru, no number") << InterfaceLanguage::Russian << "x"
                                   << "'x' is not a valid floating point value.";
    QTest::newRow("uk, no number") << InterfaceLanguage::Ukrainian << "x"
                                   << "«x» не є допустимим дійсним числом.";
}

void MainWindowTest::errorBoxSpeaksTheInterfaceLanguage() {
    QFETCH(InterfaceLanguage, language);
    QFETCH(QString, rk);
    QFETCH(QString, message);
    const auto russianAgain = qScopeGuard([] { switchLanguage(InterfaceLanguage::Russian); });
    QVERIFY(switchLanguage(language));
    ScriptedPlatform platform;
    Program program(platform);
    program.forms().mainForm->writeRk(rk);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text, message);
}

void MainWindowTest::recordsTheSnapshotOfEachCompletedCheck() {
    ScriptedPlatform platform;
    Program program(platform);
    TMainForm* main = program.forms().mainForm;
    main->writeConstructionType("Тип 1");
    main->writeAlphaExt("23");
    main->writeAlphaInt("8,7");
    main->writeRqmin("3,300");
    main->writeRk("3,354");
    const CheckSnapshot& snapshot = program.calculation()->snapshot;
    QVERIFY(program.calculation()->hasSnapshot);
    QCOMPARE(snapshot.rk, QStringLiteral("3,354"));
    QCOMPARE(snapshot.alphaExt, QStringLiteral("23"));
    QCOMPARE(snapshot.alphaInt, QStringLiteral("8,7"));
    QCOMPARE(snapshot.r0, QStringLiteral("3,512"));
    QCOMPARE(snapshot.rqmin, QStringLiteral("3,300"));
    QCOMPARE(snapshot.constructionType.shown(), QStringLiteral("Тип 1"));
    QCOMPARE(ResistanceCheck::verdictText(snapshot.met), QStringLiteral("Условие выполняется."));
    QCOMPARE(ResistanceCheck::relationSign(snapshot.relation), QStringLiteral(" > "));

    // A failing check keeps the last snapshot.
    main->writeRqmin("x");
    main->writeRk("1");
    QCOMPARE(snapshot.rk, QStringLiteral("3,354"));
    QCOMPARE(platform.messages.size(), 1);
}

void MainWindowTest::mapsTheDecimalKeyOnlyWhereAsked_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Rqmin, comma locale") << "Edit5" << QChar(',') << "2.2"
                                         << "2,2";
    QTest::newRow("Rqmin, point locale") << "Edit5" << QChar('.') << "2,2"
                                         << "2.2";
    QTest::newRow("alpha_ext") << "Edit2" << QChar(',') << "8.7"
                               << "8,7";
    QTest::newRow("R0 has no mapping") << "Edit4" << QChar(',') << "2.2"
                                       << "2.2";
    QTest::newRow("Rk_req has no mapping") << "Edit8" << QChar(',') << "2.2"
                                           << "2.2";
}

void MainWindowTest::mapsTheDecimalKeyOnlyWhereAsked() {
    QFETCH(QString, name);
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ScriptedPlatform platform(separator);
    Program program(platform);
    QLineEdit* edit = field(program, name.toLatin1().constData());
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void MainWindowTest::statusLineShowsTheLongPartOfAHint() {
    ScriptedPlatform platform;
    Program program(platform);
    auto* status = program.forms().mainForm->findChild<QStatusBar*>();
    auto* saveReport = program.forms().mainForm->findChild<QPushButton*>("SaveReportButton");
    QStatusTipEvent tip(saveReport->statusTip());
    QApplication::sendEvent(saveReport, &tip);
    QCOMPARE(status->currentMessage(), QStringLiteral("Сохранить расчет"));
    QStatusTipEvent empty{QString()};
    QApplication::sendEvent(program.forms().form3, &empty); // any window's hint reaches it
    QCOMPARE(status->currentMessage(), QString());

    QWidget widget;
    setHint(&widget, QStringLiteral("short|the long part | with a bar"));
    QCOMPARE(widget.toolTip(), QStringLiteral("short"));
    QCOMPARE(widget.statusTip(), QStringLiteral("the long part | with a bar"));
}

void MainWindowTest::timersDoNotRestartWhileRunning() {
    ScriptedPlatform platform;
    Program program(platform);
    TMainForm* main = program.forms().mainForm;
    main->writeAlphaExt("23");
    main->writeAlphaInt("8,7");
    main->writeRk("1");
    auto* followUp = main->findChild<QTimer*>("Timer2");
    QVERIFY(followUp->isActive());
    const int started = followUp->remainingTime();
    QTest::qWait(150);
    main->writeRk("2"); // another check, but the follow-up keeps its countdown
    QVERIFY(followUp->remainingTime() < started - 100);
    QTRY_COMPARE_WITH_TIMEOUT(field(program, "Edit8")->text(), QStringLiteral("-0,158"), 1000);
}

void MainWindowTest::languageSwitchKeepsInputsAndResults_data() {
    QTest::addColumn<QString>("rqmin");
    QTest::addColumn<QString>("rk");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("handedOver"); // captions the other windows wrote in Russian
    QTest::addColumn<bool>("checkedInUkrainian");
    QTest::newRow("nothing chosen or calculated") << QString() << QString() << -1 << false << false;
    QTest::newRow("condition met, outer wall") << "2,2"
                                               << "2,5" << 0 << false << false;
    QTest::newRow("condition not met, covering") << "3,3"
                                                 << "1" << 2 << false << false;
    QTest::newRow("captions handed over, checked again in Ukrainian") << "2,2"
                                                                      << "2,5" << 0 << true << true;
}

// The window's texts follow the language and return to the exact Russian ones; what the
// user typed and chose and the results shown stay as they were.
void MainWindowTest::languageSwitchKeepsInputsAndResults() {
    QFETCH(QString, rqmin);
    QFETCH(QString, rk);
    QFETCH(int, kind);
    QFETCH(bool, handedOver);
    QFETCH(bool, checkedInUkrainian);
    ScriptedPlatform platform;
    Program program(platform);
    TMainForm* main = program.forms().mainForm;
    auto* kinds = main->findChild<QComboBox*>("ComboBox1");
    const Forms& forms = program.forms();
    if (handedOver) {
        choose(forms.form3, "ComboBox1", 0);
        QTRY_VERIFY(!forms.form3->findChild<QTimer*>("Timer1")->isActive());
        choose(forms.form4, "ComboBox1", 0);
        forms.form4->findChild<QPushButton*>("Button1")->click();
        choose(forms.form2, "ComboBox1", 1);
    }
    // What the other windows wrote, and where they show it now.
    const auto handed = [&] {
        return QStringList{main->envelopeCaption(), main->constructionType(), main->layerName(1)};
    };
    const auto handedSources = [&] {
        return QStringList{forms.form3->findChild<QComboBox*>("ComboBox1")->currentText(),
                           forms.form4->findChild<QComboBox*>("ComboBox1")->currentText(),
                           forms.form2->findChild<QComboBox*>("ComboBox1")->currentText()};
    };
    if (!rk.isEmpty()) {
        main->writeAlphaExt("23");
        main->writeAlphaInt("8,7");
        QTest::keyClicks(field(program, "Edit5"), rqmin);
        QTest::keyClicks(field(program, "Edit1"), rk);
        main->recheck();
    }
    kinds->setCurrentIndex(kind);
    // The window's own captions; Label17 while no other window has written it.
    auto captions = [&] {
        QStringList texts{main->findChild<QMenuBar*>()->actions().first()->text(),
                          main->findChild<QPushButton*>("CalculateButton")->text(),
                          kinds->itemText(2), kinds->placeholderText()};
        if (!handedOver)
            texts << main->findChild<QLabel*>("Label17")->text();
        return texts;
    };
    auto shown = [&] {
        QStringList texts;
        for (const char* name :
             {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"})
            texts << field(program, name)->text();
        return texts << QString::number(kinds->currentIndex());
    };
    const QStringList russian = captions();
    const QStringList russianFields = shown();
    const QStringList russianHanded = handed();
    const QStringList results = {main->findChild<QLabel*>("Label8")->text(),
                                 main->findChild<QLabel*>("Label7")->text()};

    const auto backInRussian = qScopeGuard([&] { switchLanguage(InterfaceLanguage::Russian); });
    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    if (checkedInUkrainian)
        main->recheck();
    if (handedOver) {
        QCOMPARE(handed(), handedSources());
        QVERIFY(handed() != russianHanded);
    }
    const QStringList ukrainian = captions();
    for (int i = 0; i < russian.size(); ++i) {
        QCOMPARE(ukrainian[i], QCoreApplication::translate("TMainForm", russian[i].toUtf8()));
        QVERIFY2(ukrainian[i] != russian[i], qPrintable(russian[i]));
    }
    QCOMPARE(shown(), russianFields);

    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
    QCOMPARE(captions(), russian);
    QCOMPARE(shown(), russianFields);
    QCOMPARE(handed(), russianHanded);
    QCOMPARE((QStringList{main->findChild<QLabel*>("Label8")->text(),
                          main->findChild<QLabel*>("Label7")->text()}),
             results);
    if (!rk.isEmpty())
        QCOMPARE(ResistanceCheck::verdictText(program.calculation()->snapshot.met),
                 results.first());
}

void MainWindowTest::hiddenWindowsAreBuiltOnceWhenFirstReached_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("reachedBy"); // shown, handed over, looked up
    // The main window hands the layer window its out-of-date note after a language switch.
    QTest::addColumn<bool>("switchBuildsNothing");
    QTest::newRow("layers, shown") << "TForm2"
                                   << "Edit1"
                                   << "shown" << false;
    QTest::newRow("layers, handed over") << "TForm2"
                                         << "Edit1"
                                         << "handed over" << false;
    QTest::newRow("requirement, looked up") << "TForm3"
                                            << "ComboBox13"
                                            << "looked up" << true;
    QTest::newRow("coefficients, handed over") << "TForm4"
                                               << "Edit1"
                                               << "handed over" << true;
    QTest::newRow("contacts, shown") << "TForm10"
                                     << "Link1"
                                     << "shown" << true;
}

void MainWindowTest::hiddenWindowsAreBuiltOnceWhenFirstReached() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, reachedBy);
    QFETCH(bool, switchBuildsNothing);
    ScriptedPlatform platform;
    Program program(platform);
    Forms& forms = program.forms();
    QWidget* hidden = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) // as created, nothing built
        if (top->objectName() == window)
            hidden = top;
    QVERIFY(hidden);
    const QString title = hidden->windowTitle();
    QVERIFY(!title.isEmpty());
    QVERIFY(hidden->findChildren<QWidget*>().isEmpty());

    // A language switch names it anew.
    const auto russianAgain = qScopeGuard([] { switchLanguage(InterfaceLanguage::Russian); });
    switchLanguage(InterfaceLanguage::Ukrainian);
    const QString ukrainianTitle = hidden->windowTitle();
    QVERIFY(ukrainianTitle != title);
    QCOMPARE(hidden->findChildren<QWidget*>().isEmpty(), switchBuildsNothing);

    if (reachedBy == "shown")
        openWindow(hidden);
    else if (reachedBy == "looked up")
        QCOMPARE(program.window(window), hidden);
    else if (window == "TForm2")
        forms.form2->writeLd(1, "0,81");
    else
        forms.form4->setInputs(forms.form4->inputs());
    QCOMPARE(hidden->findChildren<QWidget*>(control).size(), 1);
    openWindow(program.window(window)); // shown and looked up again: built once
    QCOMPARE(hidden->findChildren<QWidget*>(control).size(), 1);
    QCOMPARE(hidden->windowTitle(), ukrainianTitle);
}

// The settings' folder is taken by a file: the choice holds for this run, and the user
// hears once that the next start will not remember it.
void MainWindowTest::aLanguageThatCannotBeKeptIsToldOnce() {
    QTemporaryDir home;
    const QString blocked = home.filePath("config");
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray was = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", blocked.toLocal8Bit());
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_CONFIG_HOME", was);
        switchLanguage(InterfaceLanguage::Russian);
    });
    ScriptedPlatform platform;
    Program program(platform);
    for (const char* item : {"LanguageUkrainian", "LanguageRussian", "LanguageUkrainian"})
        program.forms().mainForm->findChild<QAction*>(item)->trigger();
    QCOMPARE(Language::current(), InterfaceLanguage::Ukrainian);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains(QDir::toNativeSeparators(blocked)));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
