// Windows-1251 by the program's own table: every byte reads back as itself, and the
// table agrees with the system's codec where Qt has one (ICU on Linux).

#include "formats/Cp1251.h"

#include <QStringDecoder>
#include <QTest>

class TestCp1251 : public QObject {
    Q_OBJECT

  private slots:
    void everyByteReadsBackAsItself();
    void agreesWithTheSystemsCodec();
    void refusesCharactersItLacks_data();
    void refusesCharactersItLacks();
};

namespace {

QByteArray everyByte() {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

} // namespace

void TestCp1251::everyByteReadsBackAsItself() {
    const QString text = Cp1251::decode(everyByte());
    QCOMPARE(text.size(), 256);
    QCOMPARE(Cp1251::encode(text).value_or(QByteArray()), everyByte());
}

void TestCp1251::agreesWithTheSystemsCodec() {
    QStringDecoder system("windows-1251");
    if (!system.isValid())
        QSKIP("Qt was built without a Windows-1251 codec (no ICU): nothing to compare with");
    const QString expected = system.decode(everyByte());
    const QString ours = Cp1251::decode(everyByte());
    for (int i = 0; i < 256; ++i)
        if (i != 0x98) // unassigned by the code page: each codec has its stand-in
            QVERIFY2(ours.at(i) == expected.at(i), qPrintable(QString::number(i, 16)));
}

void TestCp1251::refusesCharactersItLacks_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("Greek") << QStringLiteral("Ωм");
    QTest::newRow("Latin with accent") << QStringLiteral("é");
    QTest::newRow("surrogate pair") << QStringLiteral("a\U0001F600");
}

void TestCp1251::refusesCharactersItLacks() {
    QFETCH(QString, text);
    QVERIFY(!Cp1251::encode(text));
}

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
