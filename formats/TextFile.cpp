#include "formats/TextFile.h"

#include "core/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <memory>
#include <optional>

namespace {

const char* const codePage = "windows-1251";
const QByteArray utf8Mark("\xEF\xBB\xBF");

// The system error of a failed file operation: errno as the call left it, or,
// when the failure came from a check of Qt's own, the error that it stands for.
int systemError(int savedErrno, const QFileDevice& file) {
    if (savedErrno != 0)
        return savedErrno;
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return EACCES;
    case QFileDevice::ResourceError:
        return ENOSPC;
    default:
        return EIO;
    }
}

// Failures that Qt reports without a system error: a folder in place of the
// file, and an existing file that may not be written.
int precheckForWriting(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return EISDIR;
    if (info.exists() && !info.isWritable())
        return EACCES;
    return 0;
}

[[noreturn]] void failWriting(int error, const QString& path) {
    throw FileError(TextFile::errorText(error, path));
}

std::optional<QByteArray> oldContent(const QString& path) {
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Puts the previous content back after a later file of the set failed.
void restore(const QString& path, const std::optional<QByteArray>& previous) {
    if (!previous) {
        QFile::remove(path);
        return;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(*previous) == previous->size())
        file.commit();
}

// The whole file, or an empty array with `error` set to the system error.
QByteArray readOrFail(const QString& path, int& error) {
    if (QFileInfo(path).isDir()) {
        error = EISDIR;
        return {};
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        error = systemError(errno, file);
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        error = systemError(errno, file);
    return bytes;
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
        return QFileInfo(path).absoluteDir().exists() ? QStringLiteral("File not found")
                                                      : QStringLiteral("Invalid filename");
    case ENOTDIR:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(systemError);
    }
}

QByteArray readBytes(const QString& path) {
    int error = 0;
    QByteArray bytes = readOrFail(path, error);
    if (error != 0)
        throw FileError(QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), errorText(error, path)));
    return bytes;
}

QByteArray readExisting(const QString& path) {
    int error = 0;
    QByteArray bytes = readOrFail(path, error);
    if (error != 0)
        throw FileError(errorText(error, path));
    return bytes;
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

QString read(const QString& path) {
    return decode(readBytes(path));
}

void replaceAll(const QList<Replacement>& replacements) {
    for (const Replacement& replacement : replacements)
        if (const int error = precheckForWriting(replacement.path))
            failWriting(error, replacement.path);

    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const Replacement& replacement : replacements) {
        auto file = std::make_unique<QSaveFile>(replacement.path);
        errno = 0;
        // Unbuffered, so that a short write (disk full) shows in write()'s count; a
        // buffered flush inside commit() could otherwise put a truncated file in place.
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            failWriting(systemError(errno, *file), replacement.path);
        errno = 0;
        if (file->write(replacement.bytes) != replacement.bytes.size())
            failWriting(systemError(errno, *file), replacement.path);
        files.push_back(std::move(file));
    }

    std::vector<std::optional<QByteArray>> previous;
    for (const Replacement& replacement : replacements)
        previous.push_back(oldContent(replacement.path));
    for (std::size_t i = 0; i < files.size(); ++i) {
        errno = 0;
        if (files[i]->commit())
            continue;
        const int error = systemError(errno, *files[i]);
        for (std::size_t j = 0; j < i; ++j)
            restore(replacements[j].path, previous[j]);
        failWriting(error, replacements[i].path);
    }
}

void write(const QString& path, const QString& text) {
    replaceAll({{path, encode(text)}});
}

QString joinCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace TextFile
