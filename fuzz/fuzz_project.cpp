// Any bytes read as a project: the reader never crashes, and what it accepts
// writes back to a file that reads as the same record.

#include "core/Errors.h"
#include "formats/ProjectFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    Project::Record record;
    try {
        record = ProjectFile::decode(input, QStringLiteral("fuzz.vvz"));
    } catch (const AppError&) {
        return 0;
    }
    if (!(ProjectFile::decode(ProjectFile::encode(record), QStringLiteral("again.vvz")) == record))
        std::abort();
    return 0;
}
