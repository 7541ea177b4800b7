#pragma once
// The pixels of the PNG pictures compiled into the program and its toolkit, decoded here so
// that start-up draws its icons without loading the PNG library's decoder: the plain
// (non-interlaced) kinds those pictures are made of. Anything else is left to the toolkit's
// reader, to which `decode` answers with nothing.

#include <QByteArray>

#include <optional>

namespace PngPixels {

struct Size {
    int width = 0;
    int height = 0;
};

struct Pixels {
    int width = 0;
    int height = 0;
    // Rows top to bottom without padding. Eight bits a channel: 0xAARRGGBB words, not
    // premultiplied. Sixteen bits a channel: R, G, B, A as 16-bit words, not premultiplied.
    bool sixteenBits = false;
    QByteArray data;
};

// The picture's size from its header; none when the bytes do not begin as a PNG does.
std::optional<Size> size(const QByteArray& file);

// The picture's pixels; none when the file is damaged or of a kind not decoded here
// (interlaced, sixteen-bit grey or colour without alpha).
std::optional<Pixels> decode(const QByteArray& file);

} // namespace PngPixels
