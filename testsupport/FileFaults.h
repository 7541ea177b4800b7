#pragma once
// Fault injection for tests, through the file replacement's step check: makes a step
// fail with a chosen system error, as a full disk, a read-only folder or a failing
// device would.

#include "formats/FileReplacement.h"

#include <cerrno>

namespace FileFaults {

using Step = FileReplacement::Step;
// The system error that a step on a target should fail with, 0 to let it run.
using Injector = FileReplacement::StepCheck;

// Installs an injector (an empty one removes it) and returns the previous one.
Injector install(Injector injector);

// An injector installed while it lives; the previous one comes back after it.
class Fault {
  public:
    // Fails `step` with `error` on every target whose name ends with `suffix`.
    explicit Fault(Step step, int error = EIO, const QString& suffix = QString());
    explicit Fault(Injector injector);
    ~Fault();
    Fault(const Fault&) = delete;
    Fault& operator=(const Fault&) = delete;

  private:
    Injector previous_;
};

} // namespace FileFaults
