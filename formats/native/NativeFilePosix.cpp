#include "formats/native/NativeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

int fd(NativeFile::Handle file) {
    return static_cast<int>(file);
}

NativeFile::Status statusFrom(const struct stat& info) {
    NativeFile::Status status;
    status.type = S_ISREG(info.st_mode)   ? NativeFile::Type::Regular
                  : S_ISDIR(info.st_mode) ? NativeFile::Type::Folder
                                          : NativeFile::Type::Other;
    status.size = info.st_size;
    return status;
}

} // namespace

namespace NativeFile {

int openForReading(const QString& path, Handle& file) {
    const int opened = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    file = opened;
    return opened < 0 ? errno : 0;
}

int statusOf(Handle file, Status& status) {
    struct stat info {};
    if (::fstat(fd(file), &info) != 0)
        return errno;
    status = statusFrom(info);
    return 0;
}

int readSome(Handle file, char* data, qint64 size, qint64& got) {
    for (;;) {
        const ssize_t read = ::read(fd(file), data, size_t(size));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return errno;
        got = read;
        return 0;
    }
}

int createNew(const QString& path, Handle& file) {
    const int opened =
        ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    file = opened;
    return opened < 0 ? errno : 0;
}

int writeAll(Handle file, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd(file), data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

int flush(Handle file) {
    if (::fdatasync(fd(file)) == 0)
        return 0;
    // A file system that can't sync at all has nothing more to give.
    return errno == EINVAL ? 0 : errno;
}

int close(Handle file) {
    return ::close(fd(file)) != 0 && errno != EINTR ? errno : 0;
}

int statusAt(const QString& path, Status& status) {
    struct stat info {};
    if (::stat(native(path).constData(), &info) != 0) {
        status = Status{};
        return errno == ENOENT ? 0 : errno;
    }
    status = statusFrom(info);
    return 0;
}

int writable(const QString& path) {
    return ::access(native(path).constData(), W_OK) == 0 ? 0 : errno;
}

void copyPermissions(const QString& model, Handle file) {
    struct stat info {};
    if (::stat(native(model).constData(), &info) == 0)
        ::fchmod(fd(file), info.st_mode & 07777);
}

int remove(const QString& path) {
    return ::unlink(native(path).constData()) == 0 ? 0 : errno;
}

int replace(const QString& from, const QString& to) {
    return ::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

int link(const QString& existing, const QString& name) {
    return ::link(native(existing).constData(), native(name).constData()) == 0 ? 0 : errno;
}

void syncFolder(const QString& folder) {
    const int opened = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (opened >= 0) {
        ::fsync(opened);
        ::close(opened);
    }
}

bool spelledOtherwise(const QString& folder, const QString& name) {
    // Read raw: Qt's own listing leaves out names it can't spell.
    DIR* listing = ::opendir(native(folder).constData());
    if (!listing)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(listing))
        if (QFile::decodeName(entry->d_name) == name) {
            found = true;
            break;
        }
    ::closedir(listing);
    return found;
}

bool sameFile(const QString& first, const QString& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(native(first).constData(), &a) == 0 &&
           ::stat(native(second).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace NativeFile
