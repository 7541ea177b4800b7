#include "formats/OrderText.h"

#include "core/Errors.h"
#include "formats/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include <cerrno>

namespace OrderText {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

[[noreturn]] void fail(const QString& path, int systemError) {
    throw FileError(
        QStringLiteral("Cannot create file \"%1\". %2")
            .arg(QDir::toNativeSeparators(path), TextFile::errorText(systemError, path)));
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
        fail(path, EACCES); // a folder stands where the file should go
    if (existing.exists() && !existing.isWritable())
        fail(path, EACCES);
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a short write (disk full) shows in write()'s count; a
    // buffered flush of QSaveFile would otherwise commit the truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
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
