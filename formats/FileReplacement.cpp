#include "formats/FileReplacement.h"

#include "formats/TextFile.h"
#include "formats/native/NativeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <optional>

using FileReplacement::Step;
using NativeFile::Handle;

namespace {

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

FileReplacement::StepCheck& stepCheck() {
    static FileReplacement::StepCheck check;
    return check;
}

// The error a check asks of `step`; 0 when none is installed.
int injected(Step step, const QString& target) {
    return stepCheck() ? stepCheck()(step, target) : 0;
}

// The injected fault of a step that has run, else the system's error of it.
int failure(Step step, const QString& target, int systemError) {
    if (const int error = injected(step, target))
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

// A new file that no one else holds, or the error that kept it from being made.
int createFresh(const QString& folder, const char* suffix, QString& name, Handle& file) {
    int error = EEXIST;
    for (int attempt = 0; attempt < 64 && error == EEXIST; ++attempt) {
        name = freshName(folder, suffix);
        error = NativeFile::createNew(name, file);
    }
    return error;
}

// The file that a replacement writes: a link's target, so that the link stays.
QString resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

// Why the target can't be replaced, if it can't; `existed` says whether it is there.
std::optional<FileProblem> targetProblem(const QString& target, bool& existed) {
    NativeFile::Status status;
    if (const int error = NativeFile::statusAt(target, status))
        return FileProblem::system(error);
    existed = status.type != NativeFile::Type::Missing;
    if (status.type == NativeFile::Type::Folder)
        return FileProblem::system(EISDIR);
    if (status.type == NativeFile::Type::Other)
        return FileProblem{FileProblem::Kind::NotRegular};
    if (existed)
        if (const int error = NativeFile::writable(target))
            return FileProblem::system(error);
    return std::nullopt;
}

[[noreturn]] void fail(const FileProblem& problem, const QString& path) {
    throw FileFailure(TextFile::failureMessage(problem, path), problem, path);
}

[[noreturn]] void fail(int systemError, const QString& path) {
    fail(FileProblem::system(systemError), path);
}

// Writes and syncs the new content beside the target; throws on any failure,
// leaving no file of its own behind.
Pending prepare(const FileReplacement::Replacement& replacement) {
    Pending pending;
    pending.path = replacement.path;
    pending.target = resolvedTarget(replacement.path);
    if (const auto problem = targetProblem(pending.target, pending.existed))
        fail(*problem, replacement.path);
    const QString folder = QFileInfo(pending.target).absolutePath();
    Handle file = NativeFile::noHandle;
    const int notCreated = createFresh(folder, ".tmp", pending.temporary, file);
    if (const int error = failure(Step::CreateTemporary, pending.target, notCreated)) {
        if (!notCreated) { // made, then failed by a test's check
            NativeFile::close(file);
            NativeFile::remove(pending.temporary);
        }
        fail(error, replacement.path);
    }
    if (pending.existed)
        NativeFile::copyPermissions(pending.target, file); // the replaced file's stay
    int error = injected(Step::Write, pending.target);
    if (!error)
        error = NativeFile::writeAll(file, replacement.bytes);
    if (!error)
        error = injected(Step::Sync, pending.target);
    if (!error)
        error = NativeFile::flush(file);
    if (const int closed = NativeFile::close(file); closed && !error)
        error = closed;
    if (error) {
        NativeFile::remove(pending.temporary);
        fail(error, replacement.path);
    }
    return pending;
}

void removeFile(const QString& path) {
    if (!path.isEmpty())
        NativeFile::remove(path);
}

// A copy of the old file beside it, for file systems without hard links.
int copyAside(const QString& target, QString& backup) {
    QFile old(target);
    if (!old.open(QIODevice::ReadOnly))
        return EIO;
    const QByteArray bytes = old.readAll();
    Handle file = NativeFile::noHandle;
    if (const int error = createFresh(QFileInfo(target).absolutePath(), ".bak", backup, file))
        return error;
    int error = NativeFile::writeAll(file, bytes);
    if (!error)
        error = NativeFile::flush(file);
    NativeFile::close(file);
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
    if (const int error = injected(Step::Backup, pending.target))
        return error;
    const QString folder = QFileInfo(pending.target).absolutePath();
    for (int attempt = 0; attempt < 64; ++attempt) {
        pending.backup = freshName(folder, ".bak");
        const int error = NativeFile::link(pending.target, pending.backup);
        if (error == 0)
            return 0;
        if (error != EEXIST)
            break;
    }
    pending.backup.clear();
    return copyAside(pending.target, pending.backup);
}

// Puts the old file back, or removes the new one where there was none.
bool restore(Pending& pending) {
    if (injected(Step::Restore, pending.target))
        return false;
    if (!pending.existed)
        return NativeFile::remove(pending.target) == 0;
    if (NativeFile::replace(pending.backup, pending.target) != 0)
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
            fail(error, pending.path);
        }
    for (std::size_t i = 0; i < set.size(); ++i) {
        int error = injected(Step::PutInPlace, set[i].target);
        if (!error)
            error = NativeFile::replace(set[i].temporary, set[i].target);
        if (!error) {
            set[i].temporary.clear();
            continue;
        }
        std::vector<bool> isNew(set.size(), false);
        for (std::size_t j = 0; j < i; ++j)
            isNew[j] = !restore(set[j]);
        for (Pending& each : set)
            removeFile(each.temporary);
        const FileProblem problem = FileProblem::system(error);
        const bool mixed = std::find(isNew.begin(), isNew.end(), true) != isNew.end();
        if (mixed) {
            for (std::size_t j = 0; j < set.size(); ++j)
                if (!isNew[j])
                    removeFile(set[j].backup);
            const QString reason = TextFile::errorText(problem, set[i].target);
            throw FileFailure(mixedSetMessage(reason, set[i].path, set, isNew), problem,
                              set[i].path);
        }
        for (Pending& each : set)
            removeFile(each.backup);
        fail(problem, set[i].path);
    }
    for (Pending& pending : set)
        removeFile(pending.backup);
    NativeFile::syncFolder(QFileInfo(set.front().target).absolutePath());
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
    } catch (const FileFailure&) {
        for (const Pending& pending : set)
            removeFile(pending.temporary);
        throw;
    }
    putInPlace(set);
}

StepCheck installStepCheck(StepCheck check) {
    StepCheck previous = std::move(stepCheck());
    stepCheck() = std::move(check);
    return previous;
}

} // namespace FileReplacement
