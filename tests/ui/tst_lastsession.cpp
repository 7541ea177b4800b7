// The calculation that survives the program's end: two runs of the program with one home
// folder, the recovery project's place, and the files that nothing but a project replaces.

#include "session/LastSession.h"
#include "session/Program.h"
#include "session/ProjectReplay.h"
#include "session/ReportInput.h"
#include "support/Files.h"
#include "support/Posix.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Main.h"
#include "ui/Unit2.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class LastSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void closingKeepsTheCalculationForTheNextRun();
    void aDataFolderThatCannotBeWrittenStopsNothing();
    void theRestoredReportIsTheOneMadeBeforeClosing();
    void theCalculationIsKeptAWhileAfterEachChange();
    void placeOfTheRecoveryProject_data();
    void placeOfTheRecoveryProject();
    void onlyAProjectReplacesTheProjectOrTheRecovery_data();
    void onlyAProjectReplacesTheProjectOrTheRecovery();

  private:
    // Every row of the report to hand in, as "caption: value".
    static QStringList reportRows(const Forms& forms) {
        const auto content = ReportDocument::compose(reportDocumentInput(forms));
        QStringList rows;
        for (const auto& block : content.blocks)
            if (const auto* section = std::get_if<ReportDocument::Section>(&block))
                for (const auto& row : section->rows)
                    rows << row.caption + QStringLiteral(": ") + row.value;
        return rows;
    }
    static QAction* restoreItem(Program& program) {
        return program.forms().mainForm->findChild<QAction*>("RestoreLastSession");
    }
    QTemporaryDir home_;
};

void LastSessionTest::init() {
    home_.remove();
    home_ = QTemporaryDir();
    qputenv("XDG_DATA_HOME", home_.filePath("data").toLocal8Bit());
    qputenv("HOME", home_.path().toLocal8Bit());
}

void LastSessionTest::closingKeepsTheCalculationForTheNextRun() {
    Project::Record closed;
    QString r0;
    {
        ScriptedPlatform platform;
        Program program(platform);
        QVERIFY(!restoreItem(program)->isEnabled());
        ProjectReplay::open(program.forms(), QFINDTESTDATA("typical-wall.vvz"));
        closed = ProjectReplay::capture(program.forms());
        r0 = program.forms().mainForm->r0Text();
        QVERIFY(program.forms().mainForm->close());
        QVERIFY(platform.ended);
    }
    QVERIFY(QFile::exists(LastSession::path())); // written by the time the program is gone
    ScriptedPlatform platform;
    Program program(platform);
    // Nothing comes back unasked.
    QCOMPARE(program.forms().mainForm->rqmin(), QStringLiteral("0"));
    QVERIFY(restoreItem(program)->isEnabled());
    restoreItem(program)->trigger();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(ProjectReplay::capture(program.forms()), closed);
    QCOMPARE(program.forms().mainForm->r0Text(), r0); // computed afresh
    // Closed again unchanged: the file that already holds the calculation is left alone.
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    QFile kept(LastSession::path());
    QVERIFY(kept.open(QIODevice::ReadWrite));
    QVERIFY(kept.setFileTime(longAgo, QFileDevice::FileModificationTime));
    kept.close();
    QVERIFY(program.forms().mainForm->close());
    LastSession::finishWriting();
    QCOMPARE(QFileInfo(kept).lastModified().toUTC(), longAgo);
}

void LastSessionTest::aDataFolderThatCannotBeWrittenStopsNothing() {
    // The data folder's place is taken by a file.
    QFile blocker(home_.filePath("data"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedPlatform platform;
    Program program(platform);
    QVERIFY(program.forms().mainForm->close());
    QVERIFY(platform.ended);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(!LastSession::exists());
}

// Typing is kept a short while after it pauses, with no window closed; the previous run's
// calculation stays the one to restore.
void LastSessionTest::theCalculationIsKeptAWhileAfterEachChange() {
    {
        ScriptedPlatform platform;
        Program program(platform);
        ProjectReplay::open(program.forms(), QFINDTESTDATA("typical-wall.vvz"));
        program.forms().mainForm->close();
    }
    ScriptedPlatform platform;
    Program program(platform);
    const LastSession::Watch watch(program.forms());
    auto* rqmin = program.forms().mainForm->findChild<QLineEdit*>("Edit5");
    rqmin->selectAll();
    QTest::keyClicks(rqmin, "3,75");
    QTRY_VERIFY_WITH_TIMEOUT(bytesOf(LastSession::path()).contains("\"3,75\""),
                             3 * LastSession::Watch::delay);
    restoreItem(program)->trigger();
    QCOMPARE(program.forms().mainForm->rqmin(), QStringLiteral("2,200"));
}

void LastSessionTest::placeOfTheRecoveryProject_data() {
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("place"); // under the temporary folder; empty for none
    const QString file = QStringLiteral("Vuvuvudozizod/last-calculation.vvz");
    QTest::newRow("data home given") << "<tmp>/data"
                                     << "<tmp>"
                                     << "data/" + file;
    QTest::newRow("relative data home ignored") << "data"
                                                << "<tmp>"
                                                << ".local/share/" + file;
    QTest::newRow("no home") << ""
                             << ""
                             << "";
    QTest::newRow("home not there") << ""
                                    << "<tmp>/none/x"
                                    << "";
    QTest::newRow("relative home") << ""
                                   << "."
                                   << "";
}

// Without a place, nothing is kept, nothing created, and the restore item says why.
void LastSessionTest::placeOfTheRecoveryProject() {
    QFETCH(QString, dataHome);
    QFETCH(QString, home);
    QFETCH(QString, place);
    const auto set = [this](const char* name, QString value) {
        value.replace(QStringLiteral("<tmp>"), home_.path());
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    };
    if (!dataHome.startsWith(QStringLiteral("<tmp>")))
        SKIP_WITHOUT_POSIX("the recovery place found from HOME (Windows: the application data)");
    set("XDG_DATA_HOME", dataHome);
    set("HOME", home);
    QDir::setCurrent(home_.path());
    const QStringList before = QDir(home_.path()).entryList(QDir::AllEntries | QDir::Hidden);
    ScriptedPlatform platform;
    {
        Program program(platform);
        QCOMPARE(restoreItem(program)->isEnabled(), place.isEmpty());
        restoreItem(program)->trigger();
        QCOMPARE(platform.messages.size(), place.isEmpty() ? 1 : 0);
        program.forms().mainForm->close();
    }
    if (place.isEmpty()) {
        QVERIFY(LastSession::path().isEmpty());
        QCOMPARE(QDir(home_.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(platform.messages[0].text.contains(QStringLiteral("HOME")) ||
                platform.messages[0].text.contains(qEnvironmentVariable("HOME")));
    } else {
        QCOMPARE(LastSession::path(), home_.filePath(place));
        QVERIFY(QFile::exists(home_.filePath(place)));
    }
}

void LastSessionTest::onlyAProjectReplacesTheProjectOrTheRecovery_data() {
    QTest::addColumn<QString>("item");      // the object name of the action or button
    QTest::addColumn<bool>("overRecovery"); // else over the project opened
    QTest::addColumn<bool>("replaced");
    QTest::newRow("PDF over the project") << "ExportPdf" << false << false;
    QTest::newRow("PNG over the project") << "ExportPng" << false << false;
    QTest::newRow("SVG over the project") << "ExportSvg" << false << false;
    QTest::newRow("project over the project") << "SaveProject" << false << true;
    QTest::newRow("project over the recovery") << "SaveProject" << true << false;
    QTest::newRow("PDF over the recovery") << "ExportPdf" << true << false;
}

void LastSessionTest::onlyAProjectReplacesTheProjectOrTheRecovery() {
    QFETCH(QString, item);
    QFETCH(bool, overRecovery);
    QFETCH(bool, replaced);
    const QString project = home_.filePath("wall.vvz");
    QVERIFY(QFile::copy(QFINDTESTDATA("typical-wall.vvz"), project));
    QVERIFY(QDir().mkpath(QFileInfo(LastSession::path()).absolutePath()));
    QVERIFY(QFile::copy(project, LastSession::path()));
    const QString target = overRecovery ? LastSession::path() : project;
#ifdef Q_OS_WIN
    // A shortcut is a file of its own there: the name chosen is the file's own.
    const QString chosen = target;
#else
    // The name chosen reaches the file through a link.
    const QString chosen = home_.filePath("chosen.vvz");
    QVERIFY(QFile::link(target, chosen));
#endif
    const QByteArray before = bytesOf(target);

    ScriptedPlatform platform;
    Program program(platform);
    TMainForm* main = program.forms().mainForm;
    main->openProject(project);
    main->findChild<QAbstractButton*>("TemperatureProfileButton")->click();
    platform.answer(chosen);
    if (auto* action = main->findChild<QAction*>(item))
        action->trigger();
    else
        program.window("TemperatureProfileWindow")->findChild<QAbstractButton*>(item)->click();
    QCOMPARE(platform.messages.size(), replaced ? 0 : 1);
    if (!replaced) {
        QCOMPARE(bytesOf(target), before);
        QVERIFY(platform.messages[0].text.contains(nativePath(chosen)));
    }
    QCOMPARE(bytesOf(target).startsWith("{"), true);
}

// The board made thicker by hand after its quantity was counted: the quantity is left out
// of the report, before closing and after restoring alike.
void LastSessionTest::theRestoredReportIsTheOneMadeBeforeClosing() {
    QStringList before;
    {
        ScriptedPlatform platform;
        Program program(platform);
        ProjectReplay::open(program.forms(), QFINDTESTDATA("typical-wall.vvz"));
        program.forms().form2->writeThickness(12, QStringLiteral("100"));
        program.forms().form2->pressCalculate();
        before = reportRows(program.forms());
        QVERIFY(program.forms().mainForm->close());
    }
    QVERIFY2(before.join('\n').contains(QStringLiteral("не приводится")),
             qPrintable(before.join('\n')));
    ScriptedPlatform platform;
    Program program(platform);
    restoreItem(program)->trigger();
    QCOMPARE(reportRows(program.forms()), before);
}

QTEST_MAIN(LastSessionTest)
#include "tst_lastsession.moc"
