#include "formats/TextFile.h"

#include "core/Errors.h"
#include "formats/Cp1251.h"
#include "formats/native/NativeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <optional>

namespace {

const QByteArray utf8Mark("\xEF\xBB\xBF");

QString tooLargeText(qint64 size) {
    return size > TextFile::maxFileBytes
               ? QCoreApplication::translate("TextFile",
                                             "File too large (%1 bytes; at most %2 bytes are read)")
                     .arg(size)
                     .arg(TextFile::maxFileBytes)
               : QCoreApplication::translate("TextFile", "File too large (more than %1 bytes)")
                     .arg(TextFile::maxFileBytes);
}

bool isSystem(const FileProblem& problem, int error) {
    return problem.kind == FileProblem::Kind::System && problem.error == error;
}

// "Invalid filename": a folder of the path is missing or is no folder.
bool isInvalidName(const FileProblem& problem, const QString& path) {
    return isSystem(problem, ENOTDIR) ||
           (isSystem(problem, ENOENT) && !QFileInfo(path).absoluteDir().exists());
}

// "File not found": its folder is there, the file is not.
bool isNotFound(const FileProblem& problem, const QString& path) {
    return isSystem(problem, ENOENT) && QFileInfo(path).absoluteDir().exists();
}

bool isDiskFull(const FileProblem& problem) {
#ifdef EDQUOT
    if (isSystem(problem, EDQUOT))
        return true;
#endif
    return isSystem(problem, ENOSPC);
}

// Reads to the end, never more than the limit: a file's size may be 0 (/proc) or
// grow while it is read.
std::optional<QByteArray> readAtMost(NativeFile::Handle file, qint64 expected,
                                     FileProblem& problem) {
    QByteArray bytes;
    bytes.reserve(qsizetype(qBound<qint64>(0, expected, TextFile::maxFileBytes)));
    char chunk[65536];
    for (;;) {
        qint64 got = 0;
        if (const int error = NativeFile::readSome(file, chunk, sizeof chunk, got)) {
            problem = FileProblem::system(error);
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > TextFile::maxFileBytes) {
            problem = {FileProblem::Kind::TooLarge, 0, qMax<qint64>(expected, bytes.size() + got)};
            return std::nullopt;
        }
        bytes.append(chunk, qsizetype(got));
    }
}

// The whole regular file, or nothing with `problem` set. Opened without waiting, so
// that a FIFO can't hold the window; only a regular file is read.
std::optional<QByteArray> readOrFail(const QString& path, FileProblem& problem) {
    NativeFile::Handle file = NativeFile::noHandle;
    if (const int error = NativeFile::openForReading(path, file)) {
        problem = FileProblem::system(error);
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    NativeFile::Status status;
    if (const int error = NativeFile::statusOf(file, status))
        problem = FileProblem::system(error);
    else if (status.type == NativeFile::Type::Folder)
        problem = FileProblem::system(EISDIR);
    else if (status.type != NativeFile::Type::Regular)
        problem = {FileProblem::Kind::NotRegular};
    else if (status.size > TextFile::maxFileBytes)
        problem = {FileProblem::Kind::TooLarge, 0, status.size};
    else
        bytes = readAtMost(file, status.size, problem);
    NativeFile::close(file);
    return bytes;
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

// The system's refusals that the program's own messages word in their own way.
QString systemReasonInOwnWords(const FileProblem& problem, const QString& path) {
    if (isNotFound(problem, path))
        return QFileInfo(path).isSymLink()
                   ? QCoreApplication::translate("TextFile", "ссылка ведет к несуществующему файлу")
                   : QCoreApplication::translate("TextFile", "файл не найден");
    if (isDiskFull(problem))
        return QCoreApplication::translate("TextFile", "диск заполнен");
    switch (problem.error) {
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("TextFile", "открыто слишком много файлов");
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate("TextFile", "нет доступа к файлу или папке");
    case EISDIR:
        return QCoreApplication::translate("TextFile", "это папка, а не файл");
    case ENAMETOOLONG:
        return QCoreApplication::translate("TextFile", "слишком длинное имя файла");
    case EIO:
        return QCoreApplication::translate("TextFile",
                                           "ошибка ввода-вывода на диске или устройстве");
    case ELOOP:
        return QCoreApplication::translate("TextFile", "символические ссылки образуют петлю");
    default:
        return QCoreApplication::translate("TextFile", "системная ошибка %1").arg(problem.error);
    }
}

// The hidden cause in parentheses after the reason, or nothing.
QString withCause(const FileProblem& problem, const QString& path, TextFile::Access access) {
    const QString reason = TextFile::errorText(problem, path);
    const QString cause = TextFile::hiddenCause(problem, path, access);
    return cause.isEmpty() ? reason : QStringLiteral("%1 (%2)").arg(reason, cause);
}

} // namespace

namespace TextFile {

QByteArray encode(const QString& text) {
    // Windows-1251 bytes that happen to form valid UTF-8 would read back as
    // other letters: such a text is written as marked UTF-8 as well.
    if (const auto bytes = Cp1251::encode(text); bytes && !isUtf8(*bytes))
        return *bytes;
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
    return Cp1251::decode(bytes);
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
    const FileProblem problem = FileProblem::system(systemError);
    if (isNotFound(problem, path))
        return QCoreApplication::translate("TextFile", "File not found");
    if (isInvalidName(problem, path))
        return QCoreApplication::translate("TextFile", "Invalid filename");
    if (isDiskFull(problem))
        return QCoreApplication::translate("TextFile", "Disk full");
    switch (systemError) {
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("TextFile", "Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate("TextFile", "File access denied");
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

QString errorText(const FileProblem& problem, const QString& path) {
    switch (problem.kind) {
    case FileProblem::Kind::NotRegular:
        return QCoreApplication::translate("TextFile", "Not a regular file");
    case FileProblem::Kind::TooLarge:
        return tooLargeText(problem.size);
    case FileProblem::Kind::System:
        break;
    }
    return errorText(problem.error, path);
}

QString hiddenCause(const FileProblem& problem, const QString& path, Access access) {
    if (isInvalidName(problem, path))
        return pathProblem(path);
    if (!isNotFound(problem, path))
        return {};
    const QFileInfo file(path);
    if (file.fileName().contains(QChar::ReplacementCharacter) &&
        NativeFile::spelledOtherwise(file.absolutePath(), file.fileName()))
        return QCoreApplication::translate(
            "TextFile", "в имени файла есть байты не в кодировке UTF-8, по такому имени файл "
                        "открыть нельзя; переименуйте его");
    if (access == Access::Writing && !file.isSymLink())
        return QCoreApplication::translate("TextFile", "в папке \"%1\" нельзя создавать файлы")
            .arg(QDir::toNativeSeparators(file.absolutePath()));
    return {};
}

QString reasonInOwnWords(const FileProblem& problem, const QString& path, Access access) {
    if (const QString cause = hiddenCause(problem, path, access); !cause.isEmpty())
        return cause;
    switch (problem.kind) {
    case FileProblem::Kind::NotRegular:
        return QCoreApplication::translate("TextFile",
                                           "это не обычный файл, а канал, устройство или сокет");
    case FileProblem::Kind::TooLarge:
        return QCoreApplication::translate("TextFile",
                                           "файл слишком велик (читается не более %1 байт)")
            .arg(maxFileBytes);
    case FileProblem::Kind::System:
        break;
    }
    return systemReasonInOwnWords(problem, path);
}

void replaceOwnFile(const QString& path, const QByteArray& bytes, const QString& failed) {
    try {
        replaceAll({{path, bytes}});
    } catch (const FileFailure& error) {
        throw FileError(QStringLiteral("%1 \"%2\": %3")
                            .arg(failed, QDir::toNativeSeparators(path),
                                 reasonInOwnWords(error.problem(), error.path(), Access::Writing)));
    }
}

QString notTextReason() {
    return QCoreApplication::translate("TextFile", "Not a text file");
}

QString failureMessage(const FileProblem& problem, const QString& path) {
    if (isDiskFull(problem))
        return QCoreApplication::translate("TextFile", "Disk full: \"%1\"")
            .arg(QDir::toNativeSeparators(path));
    return errorText(problem, path);
}

QString cannotOpenMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("TextFile", "Cannot open file \"%1\". %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QByteArray readBytes(const QString& path) {
    FileProblem problem;
    std::optional<QByteArray> bytes = readOrFail(path, problem);
    if (!bytes)
        throw FileFailure(cannotOpenMessage(path, withCause(problem, path, Access::Reading)),
                          problem, path);
    return *bytes;
}

QByteArray readExisting(const QString& path) {
    FileProblem problem;
    std::optional<QByteArray> bytes = readOrFail(path, problem);
    if (!bytes)
        throw FileFailure(errorText(problem, path), problem, path);
    return *bytes;
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
    if (const auto bytes = Cp1251::encode(text); bytes && !isUtf8(existing + *bytes))
        return existing + *bytes;
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
    } catch (const FileFailure& error) {
        // The message names the file itself; the reason is followed by what it hides.
        throw FileError(QCoreApplication::translate("TextFile", "Cannot create file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path),
                                 withCause(error.problem(), error.path(), Access::Writing)));
    }
}

void write(const QString& path, const QString& text) {
    try {
        replaceAll({{path, encode(text)}});
    } catch (const FileFailure& error) {
        const QString cause = hiddenCause(error.problem(), error.path(), Access::Writing);
        const QString named = QStringLiteral("%1: \"%2\"")
                                  .arg(errorText(error.problem(), error.path()),
                                       QDir::toNativeSeparators(error.path()));
        throw FileError(cause.isEmpty() ? named : QStringLiteral("%1 (%2)").arg(named, cause));
    }
}

QString joinCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace TextFile
