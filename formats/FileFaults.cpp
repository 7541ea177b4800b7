#include "formats/FileFaults.h"

namespace FileFaults {
namespace {

Injector& current() {
    static Injector injector;
    return injector;
}

} // namespace

Injector install(Injector injector) {
    Injector previous = std::move(current());
    current() = std::move(injector);
    return previous;
}

int injected(Step step, const QString& target) {
    return current() ? current()(step, target) : 0;
}

} // namespace FileFaults
