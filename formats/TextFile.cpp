#include "formats/TextFile.h"

#include "core/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const codePage = "windows-1251";
const QByteArray utf8Mark("\xEF\xBB\xBF");

// Whether a reason is the one a source text gives in the interface's language now.
bool is(const QString& reason, const char* source) {
    return reason == QCoreApplication::translate("TextFile", source);
}

// The text of a translated format before its first placeholder.
QString textBefore(const QString& format) {
    return format.left(format.indexOf(QLatin1Char('%')));
}

bool startsLike(const QString& reason, const char* format) {
    return reason.startsWith(textBefore(QCoreApplication::translate("TextFile", format)));
}

QString tooLargeText(qint64 size) {
    return size > TextFile::maxFileBytes
               ? QCoreApplication::translate("TextFile",
                                             "File too large (%1 bytes; at most %2 bytes are read)")
                     .arg(size)
                     .arg(TextFile::maxFileBytes)
               : QCoreApplication::translate("TextFile", "File too large (more than %1 bytes)")
                     .arg(TextFile::maxFileBytes);
}

// Reads to the end, never more than the limit: a file's size may be 0 (/proc) or
// grow while it is read.
QByteArray readAtMost(int fd, qint64 expected, QString& reason) {
    QByteArray bytes;
    bytes.reserve(qsizetype(qBound<qint64>(0, expected, TextFile::maxFileBytes)));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = TextFile::errorText(errno, QString());
            return {};
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > TextFile::maxFileBytes) {
            reason = tooLargeText(qMax<qint64>(expected, bytes.size() + got));
            return {};
        }
        bytes.append(chunk, got);
    }
}

// The whole regular file, or an empty array with `reason` set. Opened without
// waiting, so that a FIFO can't hold the window; only a regular file is read.
QByteArray readOrFail(const QString& path, QString& reason) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = TextFile::errorText(errno, path);
        return {};
    }
    QByteArray bytes;
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        reason = TextFile::errorText(errno, path);
    else if (S_ISDIR(status.st_mode))
        reason = TextFile::errorText(EISDIR, path);
    else if (!S_ISREG(status.st_mode))
        reason = TextFile::notRegularText();
    else if (status.st_size > TextFile::maxFileBytes)
        reason = tooLargeText(status.st_size);
    else
        bytes = readAtMost(fd, status.st_size, reason);
    ::close(fd);
    return reason.isEmpty() ? bytes : QByteArray();
}

// A name the file dialog or the command line decoded with replacement characters, of a
// file that is there under bytes which are not UTF-8: such a name can't be opened.
bool spelledOtherwise(const QString& path) {
    const QFileInfo file(path);
    if (!file.fileName().contains(QChar::ReplacementCharacter))
        return false;
    // Read raw: Qt's own listing leaves out names it can't spell.
    DIR* folder = ::opendir(QFile::encodeName(file.absolutePath()).constData());
    if (!folder)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(folder))
        if (QFile::decodeName(entry->d_name) == file.fileName()) {
            found = true;
            break;
        }
    ::closedir(folder);
    return found;
}

// Why the folders of a path don't lead to its file: the first that is missing, or one
// that is a file; the empty text when they all are folders.
QString pathProblem(const QString& path) {
    QString missing;
    for (QFileInfo folder(QFileInfo(path).absolutePath());; folder.setFile(folder.absolutePath())) {
        if (folder.exists()) {
            if (!folder.isDir())
                return QCoreApplication::translate("TextFile", "\"%1\" — это файл, а не папка")
                    .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
            break;
        }
        missing = folder.absoluteFilePath();
        if (folder.isRoot() || folder.absolutePath() == folder.absoluteFilePath())
            break;
    }
    return missing.isEmpty()
               ? QCoreApplication::translate("TextFile", "часть пути не является папкой")
               : QCoreApplication::translate("TextFile", "папки \"%1\" нет")
                     .arg(QDir::toNativeSeparators(missing));
}

// The hidden cause in parentheses after the reason, or nothing.
QString withCause(const QString& reason, const QString& path, TextFile::Access access) {
    const QString cause = TextFile::hiddenCause(reason, path, access);
    return cause.isEmpty() ? reason : QStringLiteral("%1 (%2)").arg(reason, cause);
}

} // namespace

namespace TextFile {

QByteArray encode(const QString& text) {
    QStringEncoder encoder(codePage);
    const QByteArray bytes = encoder.encode(text);
    // Windows-1251 bytes that happen to form valid UTF-8 would read back as
    // other letters: such a text is written as marked UTF-8 as well.
    if (!encoder.hasError() && !isUtf8(bytes))
        return bytes;
    return utf8Mark + text.toUtf8();
}

bool isUtf8(const QByteArray& bytes) {
    if (bytes.startsWith(utf8Mark))
        return true;
    bool nonAscii = false;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    if (!nonAscii)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    (void)QString(decoder.decode(bytes));
    return !decoder.hasError();
}

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith(utf8Mark)) {
        // Only our own mark is dropped; a second one belongs to the text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return decoder.decode(bytes.mid(utf8Mark.size()));
    }
    if (isUtf8(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(codePage);
    return decoder.decode(bytes);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QString errorText(int systemError, const QString& path) {
    switch (systemError) {
    case ENOENT:
        return QFileInfo(path).absoluteDir().exists()
                   ? QCoreApplication::translate("TextFile", "File not found")
                   : QCoreApplication::translate("TextFile", "Invalid filename");
    case ENOTDIR:
        return QCoreApplication::translate("TextFile", "Invalid filename");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("TextFile", "Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate("TextFile", "File access denied");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("TextFile", "Disk full");
    // The system's own explanations (as the C library words them) where a
    // number would tell the user nothing.
    case EISDIR:
        return QCoreApplication::translate("TextFile", "Is a directory");
    case ENAMETOOLONG:
        return QCoreApplication::translate("TextFile", "File name too long");
    case EIO:
        return QCoreApplication::translate("TextFile", "Input/output error");
    default:
        return QCoreApplication::translate("TextFile", "I/O error %1").arg(systemError);
    }
}

QString hiddenCause(const QString& reason, const QString& path, Access access) {
    if (is(reason, "Invalid filename"))
        return pathProblem(path);
    if (!is(reason, "File not found"))
        return {};
    if (spelledOtherwise(path))
        return QCoreApplication::translate(
            "TextFile", "в имени файла есть байты не в кодировке UTF-8, по такому имени файл "
                        "открыть нельзя; переименуйте его");
    if (access == Access::Writing && !QFileInfo(path).isSymLink())
        return QCoreApplication::translate("TextFile", "в папке \"%1\" нельзя создавать файлы")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    return {};
}

QString reasonInOwnWords(const QString& reason, const QString& path, Access access) {
    if (const QString cause = hiddenCause(reason, path, access); !cause.isEmpty())
        return cause;
    if (is(reason, "File not found"))
        return QFileInfo(path).isSymLink()
                   ? QCoreApplication::translate("TextFile", "ссылка ведет к несуществующему файлу")
                   : QCoreApplication::translate("TextFile", "файл не найден");
    if (is(reason, "Too many open files"))
        return QCoreApplication::translate("TextFile", "открыто слишком много файлов");
    if (is(reason, "File access denied"))
        return QCoreApplication::translate("TextFile", "нет доступа к файлу или папке");
    if (is(reason, "Disk full"))
        return QCoreApplication::translate("TextFile", "диск заполнен");
    if (is(reason, "Is a directory"))
        return QCoreApplication::translate("TextFile", "это папка, а не файл");
    if (is(reason, "File name too long"))
        return QCoreApplication::translate("TextFile", "слишком длинное имя файла");
    if (is(reason, "Input/output error"))
        return QCoreApplication::translate("TextFile",
                                           "ошибка ввода-вывода на диске или устройстве");
    if (reason == notRegularText())
        return QCoreApplication::translate("TextFile",
                                           "это не обычный файл, а канал, устройство или сокет");
    if (startsLike(reason, "File too large (%1 bytes; at most %2 bytes are read)") ||
        startsLike(reason, "File too large (more than %1 bytes)"))
        return QCoreApplication::translate("TextFile",
                                           "файл слишком велик (читается не более %1 байт)")
            .arg(maxFileBytes);
    const QString numbered = textBefore(QCoreApplication::translate("TextFile", "I/O error %1"));
    if (reason.startsWith(numbered)) {
        const int error = reason.mid(numbered.size()).toInt();
        if (error == ELOOP)
            return QCoreApplication::translate("TextFile", "символические ссылки образуют петлю");
        return QCoreApplication::translate("TextFile", "системная ошибка %1").arg(error);
    }
    return reason;
}

void replaceOwnFile(const QString& path, const QByteArray& bytes, const QString& failed) {
    try {
        replaceAll({{path, bytes}});
    } catch (const FileReplacement::WriteError& error) {
        throw FileError(QStringLiteral("%1 \"%2\": %3")
                            .arg(failed, QDir::toNativeSeparators(path),
                                 reasonInOwnWords(error.reason(), error.path(), Access::Writing)));
    }
}

QString notTextReason() {
    return QCoreApplication::translate("TextFile", "Not a text file");
}

QString notRegularText() {
    return QCoreApplication::translate("TextFile", "Not a regular file");
}

QString failureMessage(const QString& reason, const QString& path) {
    if (is(reason, "Disk full"))
        return QCoreApplication::translate("TextFile", "Disk full: \"%1\"")
            .arg(QDir::toNativeSeparators(path));
    return reason;
}

QString cannotOpenMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("TextFile", "Cannot open file \"%1\". %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QByteArray readBytes(const QString& path) {
    QString reason;
    QByteArray bytes = readOrFail(path, reason);
    if (!reason.isEmpty())
        throw FileError(cannotOpenMessage(path, withCause(reason, path, Access::Reading)));
    return bytes;
}

QByteArray readExisting(const QString& path) {
    QString reason;
    QByteArray bytes = readOrFail(path, reason);
    if (!reason.isEmpty())
        throw FileError(reason);
    return bytes;
}

bool looksBinary(const QByteArray& bytes) {
    qsizetype controls = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0)
            return true;
        // Tab, line ends, form feed and the old end-of-file mark belong to texts.
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
            byte != 0x1A)
            ++controls;
    }
    return controls > bytes.size() / 16;
}

QByteArray appendEncoded(const QByteArray& existing, const QString& text) {
    if (isUtf8(existing))
        return existing + text.toUtf8();
    QStringEncoder encoder(codePage);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && !isUtf8(existing + bytes))
        return existing + bytes;
    return utf8Mark + (decode(existing) + text).toUtf8();
}

QString textOf(const QByteArray& bytes, const QString& path) {
    if (looksBinary(bytes))
        throw FileError(cannotOpenMessage(path, notTextReason()));
    return decode(bytes);
}

QString read(const QString& path) {
    return textOf(readBytes(path), path);
}

void replaceAll(const QList<Replacement>& replacements) {
    FileReplacement::replaceAll(replacements);
}

void replaceNamingFile(const QString& path, const QByteArray& bytes) {
    try {
        replaceAll({{path, bytes}});
    } catch (const FileReplacement::WriteError& error) {
        // The message names the file itself; the reason is followed by what it hides.
        throw FileError(QCoreApplication::translate("TextFile", "Cannot create file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path),
                                 withCause(error.reason(), error.path(), Access::Writing)));
    }
}

void write(const QString& path, const QString& text) {
    try {
        replaceAll({{path, encode(text)}});
    } catch (const FileReplacement::WriteError& error) {
        const QString cause = hiddenCause(error.reason(), error.path(), Access::Writing);
        const QString named = QStringLiteral("%1: \"%2\"")
                                  .arg(error.reason(), QDir::toNativeSeparators(error.path()));
        throw FileError(cause.isEmpty() ? named : QStringLiteral("%1 (%2)").arg(named, cause));
    }
}

QString joinCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace TextFile
