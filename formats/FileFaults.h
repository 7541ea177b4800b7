#pragma once
// A seam for tests: makes one step of a file replacement fail with a chosen
// system error, as a full disk, a read-only folder or a failing device would.

#include <QString>

#include <functional>

namespace FileFaults {

enum class Step {
    CreateTemporary, // the new content's file beside the target
    Write,           // its bytes
    Sync,            // forcing them to the disk
    Backup,          // keeping the old file of a set until all are in place
    PutInPlace,      // renaming the new file over the target
    Restore,         // putting the old file of a set back after a failure
};

// The system error that `step` on `target` should fail with, 0 to let it run.
using Injector = std::function<int(Step step, const QString& target)>;

// Installs an injector (an empty one removes it) and returns the previous one.
Injector install(Injector injector);

// What the installed injector asks for; 0 when none is installed.
int injected(Step step, const QString& target);

} // namespace FileFaults
