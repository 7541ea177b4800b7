// Any bytes read as a PNG picture: decoding never reads past the file nor crashes, and the
// pixels it gives fill the picture's size exactly.

#include "formats/PngPixels.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto pixels = PngPixels::decode(bytes);
    if (!pixels)
        return 0;
    const auto header = PngPixels::size(bytes);
    const qsizetype perPixel = pixels->sixteenBits ? 8 : 4;
    if (!header || header->width != pixels->width || header->height != pixels->height ||
        pixels->data.size() != qsizetype(pixels->width) * pixels->height * perPixel)
        std::abort();
    return 0;
}
