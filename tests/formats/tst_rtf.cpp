// The RTF reader: the text and formatting that reach the text area, and
// broken documents that must still show what can be read.

#include "formats/RtfReader.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString plainText(const QByteArray& rtf) {
    QTextDocument document;
    document.setHtml(RtfReader::toHtml(rtf));
    return document.toPlainText();
}

// The character format of the first character of `word` in the document.
QTextCharFormat formatOf(const QByteArray& rtf, const QString& word) {
    QTextDocument document;
    document.setHtml(RtfReader::toHtml(rtf));
    QTextCursor cursor = document.find(word);
    if (cursor.isNull())
        return {};
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

  private slots:
    void recognisesRtf();
    void text_data();
    void text();
    void characterFormats();
    void fontSizeInHalfPoints();
};

void TestRtf::recognisesRtf() {
    QVERIFY(RtfReader::looksLikeRtf("{\\rtf1\\ansi x}"));
    QVERIFY(!RtfReader::looksLikeRtf("plain {\\rtf1}"));
    QVERIFY(!RtfReader::looksLikeRtf(""));
}

void TestRtf::text_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("paragraphs, lines and tabs")
        << QByteArray("{\\rtf1\\ansi a\\tab b\\line c\\par d\\par\n}")
        << QStringLiteral("a\tb\nc\nd");
    QTest::newRow("empty paragraph kept")
        << QByteArray("{\\rtf1 a\\par\\par b}") << QStringLiteral("a\n\nb");
    QTest::newRow("source line ends are no text")
        << QByteArray("{\\rtf1 a\r\nb\nc}") << QStringLiteral("abc");
    QTest::newRow("blanks kept") << QByteArray("{\\rtf1 a   b}") << QStringLiteral("a   b");
    QTest::newRow("cyrillic bytes in the document code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'ee\\'eb \\'b3}")
        << QStringLiteral("Пол і");
    QTest::newRow("Western code page by default")
        << QByteArray("{\\rtf1 caf\\'e9}") << QStringLiteral("café");
    QTest::newRow("unicode with one fallback character")
        << QByteArray("{\\rtf1 \\u1055?\\u1086\\'3f\\u1083?}") << QStringLiteral("Пол");
    QTest::newRow("unicode without fallback")
        << QByteArray("{\\rtf1\\uc0 \\u937 x}") << QStringLiteral("Ωx");
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("font, colour and style tables skipped")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}"
                      "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                      "{\\info{\\title T}}\\f0 text}")
        << QStringLiteral("text");
    QTest::newRow("starred destination and picture skipped")
        << QByteArray("{\\rtf1{\\*\\generator Writer;}{\\pict\\pngblip 89504e47}ok}")
        << QStringLiteral("ok");
    QTest::newRow("field shows its result")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}")
        << QStringLiteral("link");
    QTest::newRow("escaped symbols")
        << QByteArray("{\\rtf1 \\{a\\}\\\\ <b> & c\\~d}")
        << QStringLiteral("{a}\\ <b> & c d"); // the text area's plain text has no hard blanks
    QTest::newRow("binary data skipped")
        << QByteArray("{\\rtf1 a{\\*\\blob\\bin3 }}}}b}") << QStringLiteral("ab");
    QTest::newRow("stray closing brace") << QByteArray("{\\rtf1 a}}b}") << QStringLiteral("ab");
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 a{\\b b") << QStringLiteral("ab");
    QTest::newRow("cut hex byte") << QByteArray("{\\rtf1 a\\'4") << QStringLiteral("a");
    QTest::newRow("bad hex byte") << QByteArray("{\\rtf1 a\\'zzb}") << QStringLiteral("ab");
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("huge number") << QByteArray("{\\rtf1\\fs99999999999999999999 a\\u99999999999?b}")
                                 << QStringLiteral("ab");
    QTest::newRow("unknown code page")
        << QByteArray("{\\rtf1\\ansicpg99999 \\'41}") << QStringLiteral("A");
}

void TestRtf::text() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(plainText(rtf), text);
}

void TestRtf::characterFormats() {
    const QByteArray rtf("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}"
                         "\\b \\'c6\\'e8\\'f0\\b0  plain {\\i italic} \\ul under\\ulnone  after "
                         "{\\b inner} outer}");
    QCOMPARE(plainText(rtf), QStringLiteral("Жир plain italic under after inner outer"));
    QVERIFY(formatOf(rtf, "Жир").fontWeight() >= QFont::Bold);
    QVERIFY(formatOf(rtf, "plain").fontWeight() < QFont::Bold);
    QVERIFY(formatOf(rtf, "italic").fontItalic());
    QVERIFY(!formatOf(rtf, "under").fontItalic());
    QVERIFY(formatOf(rtf, "under").fontUnderline());
    QVERIFY(!formatOf(rtf, "after").fontUnderline());
    QVERIFY(formatOf(rtf, "inner").fontWeight() >= QFont::Bold);
    QVERIFY(formatOf(rtf, "outer").fontWeight() < QFont::Bold); // the group restored it
}

void TestRtf::fontSizeInHalfPoints() {
    const QByteArray rtf("{\\rtf1 {\\fs40 big} small}");
    QCOMPARE(formatOf(rtf, "big").fontPointSize(), 20.0);
    QVERIFY(formatOf(rtf, "small").fontPointSize() != 20.0);
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
