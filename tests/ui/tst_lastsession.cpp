// The calculation that survives closing: two runs of the program with one home folder.

#include "ui/LastSession.h"
#include "ui/Main.h"
#include "ui/Program.h"
#include "ui/ProjectReplay.h"
#include "ui/ReportInput.h"
#include "ui/ScriptedPlatform.h"
#include "ui/Unit2.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class LastSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void closingKeepsTheCalculationForTheNextRun();
    void aDataFolderThatCannotBeWrittenStopsNothing();
    void theRestoredReportIsTheOneMadeBeforeClosing();

  private:
    // Every row of the report to hand in, as "caption: value".
    static QStringList reportRows(const Forms& forms) {
        const auto content = ReportDocument::compose(reportDocumentInput(forms));
        QList<ReportDocument::Section> sections{content.requirement, content.coefficients,
                                                content.resistance, content.surface};
        if (content.insulation)
            sections << *content.insulation;
        QStringList rows;
        for (const auto& section : sections)
            for (const auto& row : section.rows)
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
        QVERIFY(QFile::exists(LastSession::path()));
    }
    ScriptedPlatform platform;
    Program program(platform);
    // Nothing comes back unasked.
    QCOMPARE(program.forms().mainForm->rqmin(), QStringLiteral("0"));
    QVERIFY(restoreItem(program)->isEnabled());
    restoreItem(program)->trigger();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(ProjectReplay::capture(program.forms()), closed);
    QCOMPARE(program.forms().mainForm->r0Text(), r0); // computed afresh
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
