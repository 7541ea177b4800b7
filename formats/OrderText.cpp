#include "formats/OrderText.h"

#include "core/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include <cerrno>

namespace OrderText {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

// The user's words for why the file could not be written.
QString reason(int systemError, const QString& path) {
    if (!QFileInfo(path).absoluteDir().exists())
        return QStringLiteral("Invalid filename");
    switch (systemError) {
    case ENOENT:
        return QStringLiteral("File not found");
    case EMFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(systemError);
    }
}

[[noreturn]] void fail(const QString& path, int systemError) {
    throw FileError(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(path), reason(systemError, path)));
}

} // namespace

QByteArray encode(const QStringList& lines) {
    const QString text = lines.join(lineEnd) + (lines.isEmpty() ? QString() : lineEnd);
    QStringEncoder windows1251("windows-1251");
    QByteArray bytes = windows1251.encode(text);
    if (!windows1251.hasError())
        return bytes;
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom);
    return utf8.encode(text);
}

void save(const QString& path, const QStringList& lines) {
    const QByteArray bytes = encode(lines);
    const QFileInfo existing(path);
    if (existing.isDir())
        fail(path, EISDIR);
    if (existing.exists() && !existing.isWritable())
        fail(path, EACCES);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(path, errno ? errno : EIO);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno ? errno : EIO;
        file.cancelWriting();
        fail(path, error);
    }
    errno = 0;
    if (!file.commit())
        fail(path, errno ? errno : EIO);
}

} // namespace OrderText
