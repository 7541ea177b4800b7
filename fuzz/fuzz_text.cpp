// Any bytes read as a text file: decoding never crashes, and a text the
// program writes reads back exactly as it was.

#include "formats/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = TextFile::decode(bytes);
    TextFile::splitLines(text);
    if (TextFile::decode(TextFile::encode(text)) != text)
        std::abort(); // what the program writes must read back unchanged
    const QString utf8 = QString::fromUtf8(bytes);
    if (TextFile::decode(TextFile::encode(utf8)) != utf8)
        std::abort();
    return 0;
}
