// Files that fight back: long names, failing syncs and renames, special and huge
// files, documents too large for a text area.

#include "core/Errors.h"
#include "formats/DocumentLimits.h"
#include "formats/ProjectFile.h"
#include "formats/RtfReader.h"
#include "formats/TextFile.h"
#include "formats/UserConstructionFiles.h"

#include "support/Files.h"
#include "support/Posix.h"
#include "testsupport/FileFaults.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using FileFaults::Fault;
using FileFaults::Step;

namespace {

QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden, QDir::Name);
}

QList<QByteArray> setBytes(const QString& path) {
    return {bytesOf(path), bytesOf(path + "Ld"), bytesOf(path + "S")};
}

void putOldSet(const QString& path) {
    putBytes(path, "old names");
    putBytes(path + "Ld", "old ld");
    putBytes(path + "S", "old s");
}

const UserConstructionFiles::Columns newColumns{"new names", "new ld", "new s"};

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

  private slots:
    void overwritesAFileWithALongName_data();
    void overwritesAFileWithALongName();
    void failedStepKeepsTheOldFile_data();
    void failedStepKeepsTheOldFile();
    void replacementKeepsLinkAndPermissions();
    void setIsPutBackWhenARenameFails();
    void setThatCantBePutBackSaysWhatIsWhere();
    void specialFilesAreNeitherReadNorWritten();
    void hugeAndBinaryFilesAreRefused();
    void userSetRefusesAColumnItCantShow_data();
    void userSetRefusesAColumnItCantShow();
    void textAreaLimits_data();
    void textAreaLimits();
    void rtfBeyondTheLimitsStopsEarly_data();
    void rtfBeyondTheLimitsStopsEarly();
    void projectMessagesNameFileAndCause_data();
    void projectMessagesNameFileAndCause();
    void textFileMessagesNameFileAndCause_data();
    void textFileMessagesNameFileAndCause();
};

void TestHostileFiles::overwritesAFileWithALongName_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("249 bytes") << 249;
    QTest::newRow("255 bytes, the longest name") << 255;
    QTest::newRow("Cyrillic, 254 bytes") << -127;
}

// A temporary name made by appending to the target's name would pass the limit.
void TestHostileFiles::overwritesAFileWithALongName() {
    QFETCH(int, length);
    QTemporaryDir dir;
    const QString name = length > 0 ? QString(length, QLatin1Char('a')) : QString(-length, u'ж');
    const QString path = dir.filePath(name);
    TextFile::write(path, QStringLiteral("first"));
    TextFile::write(path, QStringLiteral("second"));
    QCOMPARE(bytesOf(path), QByteArray("second"));
    QCOMPARE(entries(dir), QStringList{name});
}

void TestHostileFiles::failedStepKeepsTheOldFile_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("sync fails") << int(Step::Sync) << EIO
                                << QStringLiteral("Input/output error: \"%1\"");
    QTest::newRow("disk full while writing")
        << int(Step::Write) << ENOSPC << QStringLiteral("Disk full: \"%1\"");
    QTest::newRow("read-only folder")
        << int(Step::CreateTemporary) << EACCES << QStringLiteral("File access denied: \"%1\"");
    QTest::newRow("rename fails") << int(Step::PutInPlace) << EIO
                                  << QStringLiteral("Input/output error: \"%1\"");
}

void TestHostileFiles::failedStepKeepsTheOldFile() {
    QFETCH(int, step);
    QFETCH(int, error);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("report.txt");
    putBytes(path, "old");
    {
        Fault fault(Step(step), error);
        QCOMPARE(messageOf([&] { TextFile::write(path, QStringLiteral("new")); }),
                 message.contains("%1") ? message.arg(nativePath(path)) : message);
    }
    QCOMPARE(bytesOf(path), QByteArray("old"));
    QCOMPARE(entries(dir), QStringList{"report.txt"});
}

void TestHostileFiles::replacementKeepsLinkAndPermissions() {
    SKIP_WITHOUT_POSIX("symbolic links and file modes");
    QTemporaryDir dir;
    const QString target = dir.filePath("target.txt");
    const QString link = dir.filePath("link.txt");
    putBytes(target, "old");
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::link(target, link));
    TextFile::write(link, QStringLiteral("new"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(bytesOf(target), QByteArray("new"));
    QCOMPARE(QFile::permissions(target) & 0x0777, QFile::ReadUser | QFile::WriteUser);
}

// The third file can't be put in place: the two before it are put back.
void TestHostileFiles::setIsPutBackWhenARenameFails() {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.rww");
    putOldSet(path);
    {
        Fault fault(Step::PutInPlace, EIO, "set.rwwS");
        QCOMPARE(messageOf([&] { UserConstructionFiles::overwrite(path, newColumns); }),
                 QStringLiteral("Input/output error"));
    }
    QCOMPARE(setBytes(path), (QList<QByteArray>{"old names", "old ld", "old s"}));
    QCOMPARE(entries(dir), (QStringList{"set.rww", "set.rwwLd", "set.rwwS"}));

    Fault full(Step::PutInPlace, ENOSPC, "set.rwwLd");
    QCOMPARE(messageOf([&] { UserConstructionFiles::append(path, newColumns); }),
             QStringLiteral("Disk full: \"%1Ld\"").arg(nativePath(path)));
    QCOMPARE(setBytes(path), (QList<QByteArray>{"old names", "old ld", "old s"}));
}

// Even putting back fails: the message tells which files are new, which old,
// and where the old content of the new ones is kept.
void TestHostileFiles::setThatCantBePutBackSaysWhatIsWhere() {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.rww");
    putOldSet(path);
    QString message;
    {
        Fault fault([](Step step, const QString& target) {
            if (step == Step::PutInPlace && target.endsWith("S"))
                return EIO;
            return step == Step::Restore && !target.endsWith("Ld") ? EIO : 0;
        });
        message = messageOf([&] { UserConstructionFiles::overwrite(path, newColumns); });
    }
    QCOMPARE(setBytes(path), (QList<QByteArray>{"new names", "old ld", "old s"}));
    QStringList backups = QDir(dir.path()).entryList({".vuv*.bak"}, QDir::Files | QDir::Hidden);
    QCOMPARE(backups.size(), 1);
    const QString backup = dir.filePath(backups.first());
    QCOMPARE(bytesOf(backup), QByteArray("old names"));
    QCOMPARE(message, QStringLiteral("Input/output error: \"%1S\". The files could not all be put "
                                     "back: new \"%1\"; old \"%1Ld\", \"%1S\". The old content of "
                                     "\"%1\" is kept in \"%2\"")
                          .arg(nativePath(path), nativePath(backup)));
}

void TestHostileFiles::specialFilesAreNeitherReadNorWritten() {
    SKIP_WITHOUT_POSIX("FIFOs and /dev/zero");
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    QVERIFY(makeFifo(fifo));
    QCOMPARE(messageOf([&] { TextFile::readBytes(fifo); }),
             QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(fifo));
    QCOMPARE(messageOf([&] { TextFile::write(fifo, "x"); }),
             QStringLiteral("Not a regular file: \"%1\"").arg(fifo));
    QVERIFY(!QFileInfo(fifo).isFile());
    QCOMPARE(messageOf([&] { TextFile::readBytes("/dev/zero"); }),
             QStringLiteral("Cannot open file \"/dev/zero\". Not a regular file"));
    QCOMPARE(messageOf([&] { TextFile::readBytes(dir.path()); }),
             QStringLiteral("Cannot open file \"%1\". Is a directory").arg(nativePath(dir.path())));
}

void TestHostileFiles::hugeAndBinaryFilesAreRefused() {
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge.txt");
    {
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(TextFile::maxFileBytes + 1)); // sparse: costs no disk
    }
    QCOMPARE(messageOf([&] { TextFile::read(huge); }),
             QStringLiteral("Cannot open file \"%1\". File too large (10485761 bytes; at most "
                            "10485760 bytes are read)")
                 .arg(nativePath(huge)));
    const QString binary = dir.filePath("picture.rww");
    putBytes(binary, QByteArray("PNG\0\0\x01", 6));
    QCOMPARE(messageOf([&] { UserConstructionFiles::readLines(binary); }),
             QStringLiteral("Cannot open file \"%1\". Not a text file").arg(nativePath(binary)));
    QVERIFY(!TextFile::looksBinary("Стена\t1\r\n\f"));
}

// The loader of a set meets the same files as the text window: each column file
// is refused by its own name, before the list is shown.
void TestHostileFiles::userSetRefusesAColumnItCantShow_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("reason");
    QTest::newRow("names: a FIFO") << ""
                                   << "Not a regular file";
    QTest::newRow("Ld: more lines than a text area takes")
        << "Ld" << DocumentLimits::tooManyLines(DocumentLimits::maxLines);
    QTest::newRow("S: a line too long")
        << "S" << DocumentLimits::lineTooLong(DocumentLimits::maxLineLength);
}

void TestHostileFiles::userSetRefusesAColumnItCantShow() {
    QFETCH(QString, suffix);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("set.rww");
    putOldSet(path);
    const QString bad = path + suffix;
    QFile::remove(bad);
    if (suffix.isEmpty()) {
        SKIP_WITHOUT_POSIX("FIFOs");
        QVERIFY(makeFifo(bad));
    } else if (suffix == "Ld")
        putBytes(bad, QByteArray("1\r\n").repeated(DocumentLimits::maxLines + 1));
    else
        putBytes(bad, QByteArray(DocumentLimits::maxLineLength + 1, '7'));
    UserConstructionList list;
    QCOMPARE(messageOf([&] { UserConstructionFiles::load(path, list); }),
             QStringLiteral("Cannot open file \"%1\". %2").arg(nativePath(bad), reason));
}

void TestHostileFiles::textAreaLimits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    using namespace DocumentLimits;
    QTest::newRow("as many lines as allowed") << QString(maxLines, '\n') << QString();
    QTest::newRow("one line more, CR LF")
        << QString("\r\n").repeated(maxLines + 1) << tooManyLines(maxLines);
    QTest::newRow("longest line") << QString(maxLineLength, 'x') + "\r" << QString();
    QTest::newRow("a line too long")
        << "a\n" + QString(maxLineLength + 1, 'x') << lineTooLong(maxLineLength);
}

void TestHostileFiles::textAreaLimits() {
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QCOMPARE(DocumentLimits::problem(text), problem);
}

void TestHostileFiles::rtfBeyondTheLimitsStopsEarly_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("problem");
    using namespace DocumentLimits;
    QTest::newRow("a million paragraphs")
        << "{\\rtf1 " + QByteArray("\\par ").repeated(1000000) + "}" << tooManyLines(maxParagraphs);
    QTest::newRow("one endless paragraph")
        << "{\\rtf1 " + QByteArray(maxLineLength + 1, 'x') + "}" << lineTooLong(maxLineLength);
    QTest::newRow("formatting on every letter")
        << "{\\rtf1 " + QByteArray("{\\b\\i\\ul\\fs30 x}{\\fs20 y}\\par ").repeated(9000) + "}"
        << tooMuchFormatting();
    QTest::newRow("braces nested a million deep, then text")
        << "{\\rtf1 " + QByteArray(1000000, '{') + "deep" + QByteArray(1000000, '}') + "}"
        << QString();
}

void TestHostileFiles::rtfBeyondTheLimitsStopsEarly() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, problem);
    const RtfReader::Document document = RtfReader::read(rtf);
    QCOMPARE(document.problem, problem);
    QCOMPARE(document.html.isEmpty(), !problem.isEmpty());
    if (problem.isEmpty())
        QVERIFY(document.html.contains("deep"));
}

void TestHostileFiles::projectMessagesNameFileAndCause_data() {
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("name"); // in the test's folder, made as the row's kind says
    QTest::addColumn<int>("error");    // injected at the sync of a save
    QTest::addColumn<QString>("reason");
    QTest::newRow("link loop") << false << "loop.vvz" << 0 << "символические ссылки образуют петлю";
    QTest::newRow("dangling link")
        << false << "dangling.vvz" << 0 << "ссылка ведет к несуществующему файлу";
    QTest::newRow("FIFO") << false << "pipe.vvz" << 0
                          << "это не обычный файл, а канал, устройство или сокет";
    QTest::newRow("no read access")
        << false << "locked.vvz" << 0 << "нет доступа к файлу или папке";
    QTest::newRow("missing folder") << true << "нет/p.vvz" << 0 << "папки \"{dir}/нет\" нет";
    QTest::newRow("a folder") << true << "folder.vvz" << 0 << "это папка, а не файл";
    QTest::newRow("device error") << true << "p.vvz" << EIO
                                  << "ошибка ввода-вывода на диске или устройстве";
    QTest::newRow("read-only") << true << "p.vvz" << EROFS << "нет доступа к файлу или папке";
    QTest::newRow("disk full") << true << "p.vvz" << ENOSPC << "диск заполнен";
    QTest::newRow("a file among the folders")
        << true << "order.txt/p.vvz" << 0 << "\"{dir}/order.txt\" — это файл, а не папка";
    QTest::newRow("a folder that takes no file")
        << true << "/proc/p.vvz" << 0 << "в папке \"/proc\" нельзя создавать файлы";
    QTest::newRow("a name that is not UTF-8")
        << false << QFile::decodeName("\xFF\xFE.vvz") << 0
        << "в имени файла есть байты не в кодировке UTF-8, по такому имени файл открыть нельзя; "
           "переименуйте его";
    QTest::newRow("too large to be a project")
        << false << "large.vvz" << 0
        << "файл занимает 1048577 байт, а проект не больше 1048576 байт";
    QTest::newRow("too large to be opened again")
        << true << "huge.vvz" << 0
        << "он занял бы {size} байт, а открываются проекты не больше 1048576 байт; сократите "
           "длинные тексты";
}

// The project's own messages: the file, and the cause in Russian, never a false one.
void TestHostileFiles::projectMessagesNameFileAndCause() {
    QFETCH(bool, saving);
    QFETCH(QString, name);
    QFETCH(int, error);
    QFETCH(QString, reason);
    SKIP_WITHOUT_POSIX("symbolic links, FIFOs, names of raw bytes and file modes");
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(name);
    QFile::link(dir.filePath("loop.vvz"), dir.filePath("loop.vvz"));
    QFile::link(dir.filePath("nowhere.vvz"), dir.filePath("dangling.vvz"));
    makeFifo(dir.filePath("pipe.vvz"));
    putBytes(dir.filePath("locked.vvz"), "{}");
    QFile::setPermissions(dir.filePath("locked.vvz"), QFileDevice::Permissions());
    QDir(dir.path()).mkdir("folder.vvz");
    putBytes(dir.filePath("order.txt"), "an order");
    putBytes(dir.filePath("large.vvz"), QByteArray(ProjectFile::maxFileBytes + 1, ' '));
    QVERIFY(makeRawNamed(dir.path(), "\xFF\xFE.vvz"));
    if (runsAsRoot() && name == "locked.vvz")
        QSKIP("root reads every file");
    Project::Record record;
    if (name == "huge.vvz")
        record.details.objectTitle = QString(ProjectFile::maxFileBytes, 'x');

    QString message;
    try {
        Fault fault(Step::Sync, error);
        if (saving)
            ProjectFile::save(path, record);
        else
            ProjectFile::load(path);
    } catch (const FileError& failure) {
        message = failure.message();
    }
    QCOMPARE(message,
             QStringLiteral("Не удалось %1 проект \"%2\": %3")
                 .arg(saving ? "сохранить" : "открыть", path,
                      QString(reason)
                          .replace("{dir}", dir.path())
                          .replace("{size}", QString::number(ProjectFile::encode(record).size()))));
    QVERIFY(!QFile::exists(dir.filePath("huge.vvz")));
}

void TestHostileFiles::textFileMessagesNameFileAndCause_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error"); // injected at the sync of a write
    QTest::addColumn<QString>("message");
    const QString notUtf8 = QFile::decodeName("\xFF\xFE.txt");
    QTest::newRow("write: missing folder")
        << true << "нет/a.txt" << 0 << "Invalid filename: \"{path}\" (папки \"{dir}/нет\" нет)";
    QTest::newRow("write: a file among the folders")
        << true << "order.txt/a.txt" << 0
        << "Invalid filename: \"{path}\" (\"{dir}/order.txt\" — это файл, а не папка)";
    QTest::newRow("write: a folder that takes no file")
        << true << "/proc/a.txt" << 0
        << "File not found: \"{path}\" (в папке \"/proc\" нельзя создавать файлы)";
    QTest::newRow("write: disk full") << true << "a.txt" << ENOSPC << "Disk full: \"{path}\"";
    QTest::newRow("write: read-only")
        << true << "a.txt" << EROFS << "File access denied: \"{path}\"";
    QTest::newRow("read: a name that is not UTF-8")
        << false << notUtf8 << 0
        << "Cannot open file \"{path}\". File not found (в имени файла есть байты не в кодировке "
           "UTF-8, по такому имени файл открыть нельзя; переименуйте его)";
    QTest::newRow("read: a file among the folders")
        << false << "order.txt/a.txt" << 0
        << "Cannot open file \"{path}\". Invalid filename (\"{dir}/order.txt\" — это файл, а не "
           "папка)";
    QTest::newRow("read: missing file")
        << false << "none.txt" << 0 << "Cannot open file \"{path}\". File not found";
}

// The given reason stays; the file is named, and what the reason hides is said.
void TestHostileFiles::textFileMessagesNameFileAndCause() {
    QFETCH(bool, writing);
    QFETCH(QString, name);
    QFETCH(int, error);
    QFETCH(QString, message);
    SKIP_WITHOUT_POSIX("names of raw bytes");
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(name);
    putBytes(dir.filePath("order.txt"), "an order");
    QVERIFY(makeRawNamed(dir.path(), "\xFF\xFE.txt"));
    const QString found = messageOf([&] {
        Fault fault(Step::Sync, error);
        if (writing)
            TextFile::write(path, "text");
        else
            TextFile::read(path);
    });
    QCOMPARE(found, QString(message).replace("{path}", path).replace("{dir}", dir.path()));
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
