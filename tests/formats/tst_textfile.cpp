// Text files: the code page, the line ends, whole-or-nothing replacement and
// the messages of file errors.

#include "core/Errors.h"
#include "formats/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "support/Files.h"
#include <cerrno>

class TestTextFile : public QObject {
    Q_OBJECT

  private slots:
    void encodesWindows1251WhereItCan_data();
    void encodesWindows1251WhereItCan();
    void decodesByContent_data();
    void decodesByContent();
    void splitsAtEveryKindOfLineEnd_data();
    void splitsAtEveryKindOfLineEnd();
    void mapsSystemErrors_data();
    void mapsSystemErrors();
    void writesAndReadsBack_data();
    void writesAndReadsBack();
    void readingAMissingFileNamesIt();
    void writeIntoMissingFolderFailsAndCreatesNothing();
    void failedReplacementKeepsEveryOldFile();
    void appendKeepsTheEncodingOfTheFile();
    void everyWrittenTextReadsBack_data();
    void everyWrittenTextReadsBack();
};

void TestTextFile::encodesWindows1251WhereItCan_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii with CR LF") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("cyrillic") << QStringLiteral("Стена") << QByteArray("\xD1\xF2\xE5\xED\xE0");
    QTest::newRow("ukrainian i and euro") << QStringLiteral("і€") << QByteArray("\xB3\x88");
    QTest::newRow("lacking character as UTF-8 with mark")
        << QStringLiteral("Ω м") << QByteArray("\xEF\xBB\xBF\xCE\xA9 \xD0\xBC");
}

void TestTextFile::encodesWindows1251WhereItCan() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextFile::encode(text), bytes);
    QCOMPARE(TextFile::decode(bytes), text);
}

void TestTextFile::decodesByContent_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
    QTest::newRow("UTF-8 without mark")
        << QByteArray("\xD0\x9F\xD0\xBE\xD0\xBB") << QStringLiteral("Пол");
    QTest::newRow("Windows-1251 that is no UTF-8")
        << QByteArray("\xCF\xEE\xEB") << QStringLiteral("Пол");
    QTest::newRow("cut UTF-8 sequence at the end") << QByteArray("a\xD0") << QStringLiteral("aР");
}

void TestTextFile::decodesByContent() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decode(bytes), text);
}

void TestTextFile::splitsAtEveryKindOfLineEnd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("no end") << QStringLiteral("a") << QStringList{"a"};
    QTest::newRow("final CR LF") << QStringLiteral("a\r\n") << QStringList{"a"};
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("CR only") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF only") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two ends") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("lone CR first") << QStringLiteral("\rb") << QStringList{"", "b"};
    QTest::newRow("empty last line") << QStringLiteral("a\r\n\r\n") << QStringList{"a", ""};
}

void TestTextFile::splitsAtEveryKindOfLineEnd() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(text), lines);
}

void TestTextFile::mapsSystemErrors_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("too many") << EMFILE << QStringLiteral("Too many open files");
    QTest::newRow("access") << EACCES << QStringLiteral("File access denied");
    QTest::newRow("permission") << EPERM << QStringLiteral("File access denied");
    QTest::newRow("read-only") << EROFS << QStringLiteral("File access denied");
    QTest::newRow("space") << ENOSPC << QStringLiteral("Disk full");
#ifdef EDQUOT // no disk quotas on Windows
    QTest::newRow("quota") << EDQUOT << QStringLiteral("Disk full");
#endif
    QTest::newRow("folder") << EISDIR << QStringLiteral("Is a directory");
    QTest::newRow("name too long") << ENAMETOOLONG << QStringLiteral("File name too long");
    QTest::newRow("device") << EIO << QStringLiteral("Input/output error");
    QTest::newRow("any other by its number") << EXDEV << QStringLiteral("I/O error %1").arg(EXDEV);
}

void TestTextFile::mapsSystemErrors() {
    QFETCH(int, error);
    QFETCH(QString, message);
    QCOMPARE(TextFile::errorText(error, QDir::tempPath() + "/x"), message);
}

void TestTextFile::writesAndReadsBack_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << QStringLiteral("a.txt");
    // Windows passes such names to the ANSI calls wrongly; the wide ones spell them.
    QTest::newRow("Cyrillic folder and name") << QStringLiteral("Проекты/Стіна №1.txt");
}

void TestTextFile::writesAndReadsBack() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    putBytes(path, "old content that is longer");
    TextFile::write(path, QStringLiteral("Итого\r\n"));
    QCOMPARE(bytesOf(path), QByteArray("\xC8\xF2\xEE\xE3\xEE\r\n"));
    QCOMPARE(TextFile::read(path), QStringLiteral("Итого\r\n"));
}

void TestTextFile::readingAMissingFileNamesIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath("none.txt");
    try {
        TextFile::read(path);
        QFAIL("no error");
    } catch (const FileError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Cannot open file \"%1\". File not found").arg(nativePath(path)));
    }
    QCOMPARE(TextFile::errorText(ENOENT, path), QStringLiteral("File not found"));
    QCOMPARE(TextFile::errorText(ENOENT, dir.filePath("no/none.txt")),
             QStringLiteral("Invalid filename"));
}

void TestTextFile::writeIntoMissingFolderFailsAndCreatesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/a.txt");
    try {
        TextFile::write(path, QStringLiteral("x"));
        QFAIL("no error");
    } catch (const FileError& error) {
        QCOMPARE(error.message(), QStringLiteral("Invalid filename: \"%1\" (папки \"%2\" нет)")
                                      .arg(nativePath(path), nativePath(dir.filePath("missing"))));
    }
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestTextFile::failedReplacementKeepsEveryOldFile() {
    QTemporaryDir dir;
    const QString first = dir.filePath("a");
    const QString second = dir.filePath("b");
    putBytes(first, "old a");
    QDir(dir.path()).mkdir("b"); // a folder where the second file should go
    QVERIFY_THROWS_EXCEPTION(FileError,
                             TextFile::replaceAll({{first, "new a"}, {second, "new b"}}));
    QCOMPARE(bytesOf(first), QByteArray("old a"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             (QStringList{"a", "b"}));
}

void TestTextFile::appendKeepsTheEncodingOfTheFile() {
    QCOMPARE(TextFile::appendEncoded("\xCF", QStringLiteral("\rП")), QByteArray("\xCF\r\xCF"));
    QCOMPARE(TextFile::appendEncoded("\xEF\xBB\xBF"
                                     "a",
                                     QStringLiteral("\rП")),
             QByteArray("\xEF\xBB\xBF"
                        "a\r\xD0\x9F"));
    // A Windows-1251 file that must take a character it can't hold turns UTF-8 whole.
    QCOMPARE(TextFile::appendEncoded("\xCF", QStringLiteral("\rΩ")),
             QByteArray("\xEF\xBB\xBF\xD0\x9F\r\xCE\xA9"));
}

// Found by fuzzing: Windows-1251 bytes that form valid UTF-8, and a text that
// itself begins with a byte-order mark, must not change on the way through a file.
void TestTextFile::everyWrittenTextReadsBack_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("appendedTo");
    QTest::newRow("letter and guillemet") << QStringLiteral("К»") << QString();
    QTest::newRow("letters forming a UTF-8 pair") << QStringLiteral("Рђ") << QStringLiteral("a");
    QTest::newRow("leading byte-order mark") << QStringLiteral("\uFEFF-8 с") << QString();
    QTest::newRow("ordinary Russian")
        << QStringLiteral("Пенопласт «ВЕРАСК»") << QStringLiteral("x");
}

void TestTextFile::everyWrittenTextReadsBack() {
    QFETCH(QString, text);
    QFETCH(QString, appendedTo);
    QCOMPARE(TextFile::decode(TextFile::encode(text)), text);
    const QByteArray existing = TextFile::encode(appendedTo);
    QCOMPARE(TextFile::decode(TextFile::appendEncoded(existing, text)), appendedTo + text);
}

QTEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
