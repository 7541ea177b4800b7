// The order text file: its bytes, and a save that fails leaving the old file.

#include "core/Errors.h"
#include "formats/OrderText.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QStringList exampleLines{
    QStringLiteral("Утеплитель ПСБ-25, толщина 120мм, площадь утепления 60м^2"),
    QStringLiteral("Расход утеплителя -  7м^3.")};

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

#ifndef Q_OS_WIN
// Lets no file of this process grow beyond `bytes` while it lives; writes past it fail.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};
#endif

} // namespace

class OrderTextTest : public QObject {
    Q_OBJECT
  private slots:
    void exampleBytes();
    void encodingOfEveryLine_data();
    void encodingOfEveryLine();
    void saveReplacesTheWholeFile();
    void failedWriteKeepsTheOldFile();
    void missingFolderIsReported();
    void folderInThePlaceOfTheFile();
};

void OrderTextTest::exampleBytes() {
    const QByteArray expected = QByteArray::fromHex(
        "d3f2e5efebe8f2e5ebfc20cfd1c12d32352c20f2eeebf9e8ede020313230ecec2c20efebeef9e0e4fc20f3f2e5"
        "efebe5ede8ff203630ec5e320d0ad0e0f1f5eee420f3f2e5efebe8f2e5ebff202d202037ec5e332e0d0a");
    QCOMPARE(OrderText::encode(exampleLines), expected);
}

void OrderTextTest::encodingOfEveryLine_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no lines") << QStringList() << QByteArray();
    QTest::newRow("one empty line") << QStringList{QString()} << QByteArray("\r\n");
    QTest::newRow("CR LF after the last line too")
        << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
    QTest::newRow("a character Windows-1251 lacks: UTF-8 with its mark")
        << QStringList{QStringLiteral("Ж中")} << QByteArray("\xef\xbb\xbf\xd0\x96\xe4\xb8\xad\r\n");
}

void OrderTextTest::encodingOfEveryLine() {
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QCOMPARE(OrderText::encode(lines), bytes);
}

void OrderTextTest::saveReplacesTheWholeFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Расход утеплителя.txt"));
    writeBytes(path, QByteArray(500, 'x'));
    OrderText::save(path, exampleLines);
    QCOMPARE(contents(path), OrderText::encode(exampleLines));
}

void OrderTextTest::failedWriteKeepsTheOldFile() {
#ifdef Q_OS_WIN
    QSKIP("needs what only POSIX systems have: a limit on the size of the files written");
#else
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("order.txt"));
    const QByteArray old("old order\r\n");
    writeBytes(path, old);
    try {
        FileSizeLimit limit(16); // the new text is longer, so writing it fails
        OrderText::save(path, exampleLines);
        QFAIL("the save reported no failure");
    } catch (const FileError& error) {
        QVERIFY2(error.message().startsWith(
                     QStringLiteral("Cannot create file \"%1\". ").arg(nativePath(path))),
                 qPrintable(error.message()));
    }
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("order.txt")});
#endif
}

void OrderTextTest::missingFolderIsReported() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/order.txt"));
    try {
        OrderText::save(path, exampleLines);
        QFAIL("the save reported no failure");
    } catch (const FileError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Cannot create file \"%1\". Invalid filename (папки \"%2\" нет)")
                     .arg(nativePath(path), nativePath(folder.filePath("missing"))));
    }
    QVERIFY(!QFile::exists(path));
}

void OrderTextTest::folderInThePlaceOfTheFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("order.txt"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("order.txt")));
    QVERIFY_THROWS_EXCEPTION(FileError, OrderText::save(path, exampleLines));
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_APPLESS_MAIN(OrderTextTest)
#include "tst_ordertext.moc"
