#include "formats/FileReplacement.h"

#include "formats/FileFaults.h"
#include "formats/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using FileFaults::Step;

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// One file of the set on its way: the target, the new content beside it and,
// while the set is being put in place, the old content kept aside.
struct Pending {
    QString path; // as the user named it
    QString target;
    QString temporary;
    QString backup;
    bool existed = false;
};

// The injected fault of a step that has run, else the system's error of it.
int failure(Step step, const QString& target, bool succeeded) {
    const int systemError = succeeded ? 0 : errno;
    if (const int error = FileFaults::injected(step, target))
        return error;
    return systemError;
}

// A short name in the target's folder, so that it never passes the limit of a
// name's length however long the target's own name is.
QString freshName(const QString& folder, const char* suffix) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QStringLiteral(".vuv");
    for (int i = 0; i < 8; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(36)]);
    return folder + QLatin1Char('/') + name + QLatin1String(suffix);
}

// A new file that no one else holds, or -1 with errno set.
int createFresh(const QString& folder, const char* suffix, QString& name) {
    for (int attempt = 0; attempt < 64; ++attempt) {
        name = freshName(folder, suffix);
        const int fd =
            ::open(native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

int writeWhole(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
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

// The error of forcing the file's data to the disk; a file system that can't
// sync at all (EINVAL) has nothing more to give.
int syncError(int fd) {
    if (::fdatasync(fd) == 0)
        return 0;
    return errno == EINVAL ? 0 : errno;
}

// The file that a replacement writes: a link's target, so that the link stays.
QString resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

// Why the target can't be replaced, or the empty text; `existed` and `mode` say
// what is there now.
QString targetProblem(const QString& target, bool& existed, mode_t& mode) {
    struct stat status {};
    existed = ::stat(native(target).constData(), &status) == 0;
    if (!existed)
        return errno == ENOENT ? QString() : TextFile::errorText(errno, target);
    if (S_ISDIR(status.st_mode))
        return TextFile::errorText(EISDIR, target);
    if (!S_ISREG(status.st_mode))
        return TextFile::notRegularText();
    if (::access(native(target).constData(), W_OK) != 0)
        return TextFile::errorText(errno, target);
    mode = status.st_mode & 07777;
    return {};
}

[[noreturn]] void fail(const QString& reason, const QString& target) {
    throw FileReplacement::WriteError(TextFile::failureMessage(reason, target), reason, target);
}

// Writes and syncs the new content beside the target; throws on any failure,
// leaving no file of its own behind.
Pending prepare(const FileReplacement::Replacement& replacement) {
    Pending pending;
    pending.path = replacement.path;
    pending.target = resolvedTarget(replacement.path);
    mode_t mode = 0666;
    if (const QString problem = targetProblem(pending.target, pending.existed, mode);
        !problem.isEmpty())
        fail(problem, replacement.path);
    const QString folder = QFileInfo(pending.target).absolutePath();
    const int fd = createFresh(folder, ".tmp", pending.temporary);
    if (const int error = failure(Step::CreateTemporary, pending.target, fd >= 0)) {
        if (fd >= 0) {
            ::close(fd);
            ::unlink(native(pending.temporary).constData());
        }
        fail(TextFile::errorText(error, pending.target), replacement.path);
    }
    if (pending.existed)
        ::fchmod(fd, mode); // the replaced file's permissions stay
    int error = failure(Step::Write, pending.target, true);
    if (!error)
        error = writeWhole(fd, replacement.bytes);
    if (!error)
        error = FileFaults::injected(Step::Sync, pending.target);
    if (!error)
        error = syncError(fd);
    if (::close(fd) != 0 && !error && errno != EINTR)
        error = errno;
    if (error) {
        ::unlink(native(pending.temporary).constData());
        fail(TextFile::errorText(error, pending.target), replacement.path);
    }
    return pending;
}

void removeFile(const QString& path) {
    if (!path.isEmpty())
        ::unlink(native(path).constData());
}

void syncFolder(const QString& file) {
    const int fd =
        ::open(native(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the files' own data is already synced
        ::close(fd);
    }
}

// A copy of the old file beside it, for file systems without hard links.
int copyAside(const QString& target, QString& backup) {
    QFile old(target);
    if (!old.open(QIODevice::ReadOnly))
        return EIO;
    const QByteArray bytes = old.readAll();
    const int fd = createFresh(QFileInfo(target).absolutePath(), ".bak", backup);
    if (fd < 0)
        return errno;
    int error = writeWhole(fd, bytes);
    if (!error)
        error = syncError(fd);
    ::close(fd);
    if (error) {
        removeFile(backup);
        backup.clear();
    }
    return error;
}

// Keeps the old file of a set under a second name until the new one is in place.
int keepAside(Pending& pending) {
    if (!pending.existed)
        return 0;
    if (const int error = FileFaults::injected(Step::Backup, pending.target))
        return error;
    const QString folder = QFileInfo(pending.target).absolutePath();
    for (int attempt = 0; attempt < 64; ++attempt) {
        pending.backup = freshName(folder, ".bak");
        if (::link(native(pending.target).constData(), native(pending.backup).constData()) == 0)
            return 0;
        if (errno != EEXIST)
            break;
    }
    pending.backup.clear();
    return copyAside(pending.target, pending.backup);
}

// Puts the old file back, or removes the new one where there was none.
bool restore(Pending& pending) {
    if (FileFaults::injected(Step::Restore, pending.target))
        return false;
    if (!pending.existed)
        return ::unlink(native(pending.target).constData()) == 0;
    if (::rename(native(pending.backup).constData(), native(pending.target).constData()) != 0)
        return false;
    pending.backup.clear();
    return true;
}

QString quotedList(const QStringList& paths) {
    QStringList quotedPaths;
    for (const QString& path : paths)
        quotedPaths << quoted(path);
    return quotedPaths.isEmpty() ? QCoreApplication::translate("FileReplacement", "none")
                                 : quotedPaths.join(QStringLiteral(", "));
}

// The message when a set could be put back only in part.
QString mixedSetMessage(const QString& reason, const QString& failed,
                        const std::vector<Pending>& set, const std::vector<bool>& isNew) {
    QStringList fresh, old, kept;
    for (std::size_t i = 0; i < set.size(); ++i) {
        (isNew[i] ? fresh : old) << set[i].path;
        if (isNew[i] && !set[i].backup.isEmpty())
            kept << QCoreApplication::translate("FileReplacement", "%1 is kept in %2")
                        .arg(quoted(set[i].path), quoted(set[i].backup));
    }
    QString message =
        QCoreApplication::translate("FileReplacement",
                                    "%1: %2. The files could not all be put back: new %3; old %4")
            .arg(reason, quoted(failed), quotedList(fresh), quotedList(old));
    if (!kept.isEmpty())
        message += QCoreApplication::translate("FileReplacement", ". The old content of ") +
                   kept.join(QCoreApplication::translate("FileReplacement", ", of "));
    return message;
}

// Renames every new file over its target; after a failure puts the earlier ones
// back and throws.
void putInPlace(std::vector<Pending>& set) {
    const bool keepOld = set.size() > 1;
    for (Pending& pending : set)
        if (const int error = keepOld ? keepAside(pending) : 0) {
            for (Pending& each : set) {
                removeFile(each.backup);
                removeFile(each.temporary);
            }
            fail(TextFile::errorText(error, pending.target), pending.path);
        }
    for (std::size_t i = 0; i < set.size(); ++i) {
        int error = FileFaults::injected(Step::PutInPlace, set[i].target);
        if (!error &&
            ::rename(native(set[i].temporary).constData(), native(set[i].target).constData()) != 0)
            error = errno;
        if (!error) {
            set[i].temporary.clear();
            continue;
        }
        std::vector<bool> isNew(set.size(), false);
        for (std::size_t j = 0; j < i; ++j)
            isNew[j] = !restore(set[j]);
        for (Pending& each : set)
            removeFile(each.temporary);
        const QString reason = TextFile::errorText(error, set[i].target);
        const bool mixed = std::find(isNew.begin(), isNew.end(), true) != isNew.end();
        if (mixed) {
            for (std::size_t j = 0; j < set.size(); ++j)
                if (!isNew[j])
                    removeFile(set[j].backup);
            throw FileReplacement::WriteError(mixedSetMessage(reason, set[i].path, set, isNew),
                                              reason, set[i].path);
        }
        for (Pending& each : set)
            removeFile(each.backup);
        fail(reason, set[i].path);
    }
    for (Pending& pending : set)
        removeFile(pending.backup);
    syncFolder(set.front().target);
}

} // namespace

namespace FileReplacement {

void replaceAll(const QList<Replacement>& replacements) {
    if (replacements.isEmpty())
        return;
    std::vector<Pending> set;
    try {
        for (const Replacement& replacement : replacements)
            set.push_back(prepare(replacement));
    } catch (const WriteError&) {
        for (const Pending& pending : set)
            removeFile(pending.temporary);
        throw;
    }
    putInPlace(set);
}

} // namespace FileReplacement
