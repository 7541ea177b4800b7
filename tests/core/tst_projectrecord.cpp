// A project's number texts follow the separator of the locale that opens it.

#include "core/ProjectRecord.h"

#include <QTest>

class ProjectRecordTest : public QObject {
    Q_OBJECT

  private slots:
    void numberTextsTakeTheNewSeparator_data();
    void numberTextsTakeTheNewSeparator();
};

void ProjectRecordTest::numberTextsTakeTheNewSeparator_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("opened");
    QTest::addRow("decimal") << "8,7"
                             << "8.7";
    QTest::addRow("signed with exponent") << "-1,5E-5"
                                          << "-1.5E-5";
    QTest::addRow("whole") << "380"
                           << "380";
    QTest::addRow("no number, kept") << "1,2,3"
                                     << "1,2,3";
    QTest::addRow("typed word, kept") << "abc,"
                                      << "abc,";
    QTest::addRow("empty") << ""
                           << "";
}

void ProjectRecordTest::numberTextsTakeTheNewSeparator() {
    QFETCH(QString, saved);
    QFETCH(QString, opened);
    Project::Record record;
    record.decimalSeparator = QLatin1Char(',');
    record.main.rk = saved;
    record.layers.layers[11].thickness = saved;
    record.main.layerList[0] = {QStringLiteral("Кладка, 2,5 кирпича"), saved};
    record.profile.indoorHumidity = saved;

    const Project::Record converted = Project::withSeparator(record, QLatin1Char('.'));
    QCOMPARE(converted.decimalSeparator, QLatin1Char('.'));
    QCOMPARE(converted.main.rk, opened);
    QCOMPARE(converted.layers.layers[11].thickness, opened);
    QCOMPARE(converted.main.layerList[0].thickness, opened);
    QCOMPARE(converted.profile.indoorHumidity, opened);
    QCOMPARE(converted.main.layerList[0].name, QStringLiteral("Кладка, 2,5 кирпича")); // a name
    // Back under the first locale: the texts as saved.
    QCOMPARE(Project::withSeparator(converted, QLatin1Char(',')), record);
}

QTEST_GUILESS_MAIN(ProjectRecordTest)
#include "tst_projectrecord.moc"
