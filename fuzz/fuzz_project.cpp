// Any bytes read as a project: the reader never crashes, and what it accepts
// writes back to a file that reads as a record that writes the same bytes again.

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
    const QByteArray written = ProjectFile::encode(record);
    const Project::Record again = ProjectFile::decode(written, QStringLiteral("again.vvz"));
    // Not the same record: an older file leaves unknown whether a choice's text was typed,
    // and the current format keeps such a text as typed.
    if (ProjectFile::encode(again) != written)
        std::abort();
    return 0;
}
