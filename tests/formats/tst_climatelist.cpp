// The user's climate list on disk, and a climate pasted from a spreadsheet.

#include "core/MoistureClimate.h"
#include "formats/ClimateList.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class ClimateListTest : public QObject {
    Q_OBJECT
  private slots:
    void keepsWhatWasSaved();
    void readsWhatItCanOfADamagedList_data();
    void readsWhatItCanOfADamagedList();
    void paste_data();
    void paste();
};

namespace {

ClimateList::Place kyivLike(const QString& name) {
    ClimateList::Place place{name, {}, {}};
    for (int m = 0; m < 12; ++m) {
        place.temperature[m] = -5.5 + 2 * m;
        place.humidity[m] = 70 + m;
    }
    return place;
}

} // namespace

void ClimateListTest::keepsWhatWasSaved() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folder/climates.json"));
    const QList<ClimateList::Place> places{kyivLike(QStringLiteral("Київ")),
                                           kyivLike(QStringLiteral("Львов"))};
    ClimateList::save(path, places);
    const ClimateList::Loaded loaded = ClimateList::load(path);
    QCOMPARE(loaded.places, places);
    QVERIFY(loaded.problem.isEmpty());
    QVERIFY(ClimateList::load(dir.filePath(QStringLiteral("none.json"))).problem.isEmpty());
}

void ClimateListTest::readsWhatItCanOfADamagedList_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("readable");
    QByteArray list = ClimateList::encode({kyivLike(QStringLiteral("A")), kyivLike("B")});
    QByteArray oneBad = list;
    oneBad.replace("\"B\"", "\"\""); // a place without a name
    QTest::newRow("a place without a name") << oneBad << 1;
    QTest::newRow("cut short") << list.left(list.size() / 2) << 0;
    QTest::newRow("foreign JSON") << QByteArray(R"({"places": []})") << 0;
}

void ClimateListTest::readsWhatItCanOfADamagedList() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, readable);
    const ClimateList::Loaded loaded = ClimateList::decode(bytes, QStringLiteral("/x/c.json"));
    QCOMPARE(loaded.places.size(), readable);
    QVERIFY(loaded.problem.contains(QDir::toNativeSeparators(QStringLiteral("/x/c.json"))));
}

void ClimateListTest::paste_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("accepted");
    QString tabs, semicolons, spaces;
    for (int m = 0; m < 12; ++m) {
        tabs += QStringLiteral("-%1,5\t8%2\r\n").arg(m).arg(m % 10);
        semicolons += QStringLiteral("%1.5;80\n").arg(m);
        spaces += QStringLiteral("  %1   80 \n").arg(m);
    }
    QTest::newRow("tabs, comma, CR LF") << tabs << QChar(',') << true;
    QTest::newRow("semicolons, point") << semicolons << QChar('.') << true;
    QTest::newRow("spaces") << spaces << QChar(',') << true;
    QTest::newRow("eleven rows") << spaces.section('\n', 1) << QChar(',') << false;
    QTest::newRow("three columns") << QString(tabs).replace("\t", "\t1\t") << QChar(',') << false;
    QTest::newRow("point under comma") << semicolons << QChar(',') << false;
}

void ClimateListTest::paste() {
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, accepted);
    const auto pasted = MoistureClimate::parsePasted(text, separator);
    QCOMPARE(pasted.problem.isEmpty(), accepted);
    if (accepted)
        QVERIFY(!pasted.temperature[11].isEmpty() && !pasted.humidity[11].isEmpty());
    else
        QVERIFY(pasted.problem.contains(QStringLiteral("12")));
}

QTEST_GUILESS_MAIN(ClimateListTest)
#include "tst_climatelist.moc"
