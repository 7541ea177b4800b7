#include "testsupport/FileFaults.h"

namespace FileFaults {

Injector install(Injector injector) {
    return FileReplacement::installStepCheck(std::move(injector));
}

Fault::Fault(Step step, int error, const QString& suffix)
    : Fault([=](Step at, const QString& target) {
          return at == step && target.endsWith(suffix) ? error : 0;
      }) {}

Fault::Fault(Injector injector) : previous_(install(std::move(injector))) {}

Fault::~Fault() {
    install(std::move(previous_));
}

} // namespace FileFaults
