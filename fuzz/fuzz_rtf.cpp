// Any file opened in the text window as RTF: the reader never crashes or hangs.

#include "formats/RtfReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    RtfReader::looksLikeRtf(bytes);
    RtfReader::toHtml(bytes);
    return 0;
}
