#pragma once
// Puts new file contents in place whole or not at all: each file is written and
// synced beside its target under a short temporary name, then renamed over it.

#include "formats/FileProblem.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace FileReplacement {

struct Replacement {
    QString path;
    QByteArray bytes;
};

// Replaces every file with its bytes, all of them or none. A link is followed, so
// the file it points to is replaced. A set of several files keeps the old files
// until the last new one is in place and puts them back after a failure; should
// even that fail, the message says which files are new, which old, and where the
// old contents are kept. Throws FileFailure with the file that failed.
void replaceAll(const QList<Replacement>& replacements);

// The steps of a replacement that can fail.
enum class Step {
    CreateTemporary, // the new content's file beside the target
    Write,           // its bytes
    Sync,            // forcing them to the disk
    Backup,          // keeping the old file of a set until all are in place
    PutInPlace,      // renaming the new file over the target
    Restore,         // putting the old file of a set back after a failure
};

// Asked before each step: the system error that `step` on `target` fails with instead,
// 0 to let it run. A seam for tests, which fail steps as a full disk would.
using StepCheck = std::function<int(Step step, const QString& target)>;

// Installs a check (an empty one removes it) and returns the previous one.
StepCheck installStepCheck(StepCheck check);

} // namespace FileReplacement
