// The user constructions file set on bytes: overwrite, append and load.

#include "core/Errors.h"
#include "formats/UserConstructionFiles.h"

#include "support/Files.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using UserConstructionFiles::Columns;

namespace {

// The three files of the set at `path`, in the order names, Ld, S.
QList<QByteArray> setBytes(const QString& path) {
    return {bytesOf(path), bytesOf(path + "Ld"), bytesOf(path + "S")};
}

QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

class TestUserConstructions : public QObject {
    Q_OBJECT

  private slots:
    void workedExampleOverwriteThenAppend();
    void appendToThreeEmptyFiles();
    void columnEndingWithEmptyLine();
    void readsEveryKindOfLineEnd_data();
    void readsEveryKindOfLineEnd();
    void overwriteWithEmptyColumns();
    void unequalLengthsAreWrittenAsTheyAre();
    void loadStopsAtTheMissingFile();
    void appendToMissingFile();
    void overwriteIsAllOrNothing();
    void lineCounts_data();
    void lineCounts();

  private:
    QTemporaryDir dir_;
};

void TestUserConstructions::workedExampleOverwriteThenAppend() {
    const QString path = dir_.filePath("Теплотех_х-ки_констр.rww");
    UserConstructionFiles::overwrite(path, Columns{"Стена 1\r\nСтена 2", "0,5\r\n0,7", "6\r\n7"});
    QCOMPARE(setBytes(path), (QList<QByteArray>{"\xD1\xF2\xE5\xED\xE0 1\r\n\xD1\xF2\xE5\xED\xE0 2",
                                                "0,5\r\n0,7", "6\r\n7"}));

    UserConstructionFiles::append(path, Columns{"Пол", "0,3", "5"});
    QCOMPARE(setBytes(path),
             (QList<QByteArray>{"\xD1\xF2\xE5\xED\xE0 1\r\n\xD1\xF2\xE5\xED\xE0 2\r\xCF\xEE\xEB",
                                "0,5\r\n0,7\r0,3", "6\r\n7\r5"}));

    UserConstructionList list;
    UserConstructionFiles::load(path, list);
    QCOMPARE(list.names, (QStringList{"Стена 1", "Стена 2", "Пол"}));
    QCOMPARE(list.ldValues, (QStringList{"0,5", "0,7", "0,3"}));
    QCOMPARE(list.sValues, (QStringList{"6", "7", "5"}));
}

void TestUserConstructions::appendToThreeEmptyFiles() {
    const QString path = dir_.filePath("empty.rww");
    for (const QString& file : {path, path + "Ld", path + "S"})
        putBytes(file, {});
    UserConstructionFiles::append(path, Columns{"Пол", "0,3", "5"});
    QCOMPARE(setBytes(path), (QList<QByteArray>{"\r\xCF\xEE\xEB", "\r0,3", "\r5"}));
    UserConstructionList list;
    UserConstructionFiles::load(path, list);
    QCOMPARE(list.names, (QStringList{"", "Пол"}));
    QCOMPARE(list.ldValues, (QStringList{"", "0,3"}));
    QCOMPARE(list.sValues, (QStringList{"", "5"}));
}

void TestUserConstructions::columnEndingWithEmptyLine() {
    const QString path = dir_.filePath("trailing.rww");
    UserConstructionFiles::overwrite(path, Columns{"a\r\n", "1", "2"});
    QCOMPARE(bytesOf(path), QByteArray("a\r\n"));
    UserConstructionFiles::append(path, Columns{"b", "3", "4"});
    QCOMPARE(setBytes(path), (QList<QByteArray>{"a\r\n\rb", "1\r3", "2\r4"}));
    UserConstructionList list;
    UserConstructionFiles::load(path, list);
    QCOMPARE(list.names, (QStringList{"a", "", "b"}));
    QCOMPARE(list.ldValues, (QStringList{"1", "3"}));
}

void TestUserConstructions::readsEveryKindOfLineEnd_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("\xCF\xEE\xEB\r\n0,3\r\n");
    QTest::newRow("LF") << QByteArray("\xCF\xEE\xEB\n0,3\n");
    QTest::newRow("CR") << QByteArray("\xCF\xEE\xEB\r0,3");
}

void TestUserConstructions::readsEveryKindOfLineEnd() {
    QFETCH(QByteArray, bytes);
    const QString file = dir_.filePath("ends");
    putBytes(file, bytes);
    QCOMPARE(UserConstructionFiles::readLines(file), (QStringList{"Пол", "0,3"}));
}

void TestUserConstructions::overwriteWithEmptyColumns() {
    const QString path = dir_.filePath("blank.rww");
    for (const QString& file : {path, path + "Ld", path + "S"})
        putBytes(file, "old");
    UserConstructionFiles::overwrite(path, Columns{});
    QCOMPARE(setBytes(path), (QList<QByteArray>{"", "", ""}));
}

void TestUserConstructions::unequalLengthsAreWrittenAsTheyAre() {
    const QString path = dir_.filePath("unequal.rww");
    UserConstructionFiles::overwrite(path, Columns{"a\r\nb\r\nc", "1", ""});
    QCOMPARE(setBytes(path), (QList<QByteArray>{"a\r\nb\r\nc", "1", ""}));
    UserConstructionList list;
    UserConstructionFiles::load(path, list);
    QCOMPARE(UserConstructionList::lineAt(list.ldValues, 0), QStringLiteral("1"));
    QCOMPARE(UserConstructionList::lineAt(list.ldValues, 2), QString());
    QCOMPARE(UserConstructionList::lineAt(list.sValues, 0), QString());
}

void TestUserConstructions::loadStopsAtTheMissingFile() {
    const QString path = dir_.filePath("noS.rww");
    putBytes(path, "a\r\nb");
    putBytes(path + "Ld", "1\r\n2");
    UserConstructionList list;
    list.sValues = QStringList{"stale"};
    QCOMPARE(messageOf([&] { UserConstructionFiles::load(path, list); }),
             QStringLiteral("Cannot open file \"%1S\". File not found").arg(nativePath(path)));
    QCOMPARE(list.names, (QStringList{"a", "b"}));
    QCOMPARE(list.ldValues, (QStringList{"1", "2"}));
    QCOMPARE(list.sValues, QStringList{"stale"}); // the caller empties the columns first
}

void TestUserConstructions::appendToMissingFile() {
    const QString path = dir_.filePath("partial.rww");
    putBytes(path, "a");
    putBytes(path + "S", "2");
    QCOMPARE(messageOf([&] {
                 UserConstructionFiles::append(path, Columns{"b", "1", "3"});
             }),
             QStringLiteral("File not found"));
    QCOMPARE(bytesOf(path), QByteArray("a"));
    QCOMPARE(bytesOf(path + "S"), QByteArray("2"));
    QVERIFY(!QFile::exists(path + "Ld"));

    QCOMPARE(messageOf([&] {
                 UserConstructionFiles::append(dir_.filePath("nofolder/x.rww"), Columns{});
             }),
             QStringLiteral("Invalid filename"));
}

void TestUserConstructions::overwriteIsAllOrNothing() {
    const QString path = dir_.filePath("locked.rww");
    putBytes(path, "old names");
    putBytes(path + "Ld", "old ld");
    QVERIFY(QDir(dir_.path()).mkdir("locked.rwwS")); // the S file can't be written
    QCOMPARE(messageOf([&] {
                 UserConstructionFiles::overwrite(path, Columns{"n", "l", "s"});
             }),
             QStringLiteral("Is a directory"));
    QCOMPARE(bytesOf(path), QByteArray("old names"));
    QCOMPARE(bytesOf(path + "Ld"), QByteArray("old ld"));

    const QString elsewhere = dir_.filePath("missing/set.rww");
    QCOMPARE(messageOf([&] {
                 UserConstructionFiles::overwrite(elsewhere, Columns{"n", "", ""});
             }),
             QStringLiteral("Invalid filename"));
}

void TestUserConstructions::lineCounts_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("one line") << QStringLiteral("a") << 1;
    QTest::newRow("one line and its end") << QStringLiteral("a\r\n") << 1;
    QTest::newRow("two lines") << QStringLiteral("a\r\nb") << 2;
    QTest::newRow("empty line between") << QStringLiteral("a\r\n\r\nb") << 3;
    QTest::newRow("only a line end") << QStringLiteral("\r\n") << 1;
}

void TestUserConstructions::lineCounts() {
    QFETCH(QString, column);
    QFETCH(int, count);
    QCOMPARE(ColumnText::lineCount(column), count);
}

QTEST_MAIN(TestUserConstructions)
#include "tst_userconstructions.moc"
