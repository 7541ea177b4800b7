#include "formats/PngPixels.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace PngPixels {

namespace {

constexpr char signature[] = "\x89PNG\r\n\x1a\n";
constexpr int signatureLength = 8;
// Far above any icon: larger pictures are left to the toolkit's reader.
constexpr int largestSide = 1024;

enum ColourType : quint8 { grey = 0, rgb = 2, palette = 3, greyAlpha = 4, rgba = 6 };

struct Header {
    int width = 0;
    int height = 0;
    int depth = 0;
    quint8 colour = 0;
    int channels = 0;
    qsizetype rowBytes = 0;
    int pixelBytes = 0; // the distance a filter looks back, at least one byte
};

// A picture's chunks gathered: the header, the palette, transparency and the image data.
// Checksums are not checked: the pictures decoded here are compiled into the program.
struct Chunks {
    Header header;
    QByteArray palette;
    QByteArray transparency;
    QByteArray imageData;
};

quint32 bigEndian32(const char* at) {
    return qFromBigEndian<quint32>(at);
}

int channelsOf(quint8 colour) {
    switch (colour) {
    case grey:
    case palette:
        return 1;
    case greyAlpha:
        return 2;
    case rgb:
        return 3;
    case rgba:
        return 4;
    default:
        return 0;
    }
}

// The kinds decoded here: every depth of grey and palette pictures, eight-bit colour and
// grey with alpha, eight- and sixteen-bit colour with alpha; never interlaced.
bool decodedHere(quint8 colour, int depth, quint8 interlace) {
    if (interlace != 0)
        return false;
    switch (colour) {
    case grey:
    case palette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case rgb:
    case greyAlpha:
        return depth == 8;
    case rgba:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

std::optional<Header> headerOf(const QByteArray& file) {
    // The signature, then the header chunk: length 13, "IHDR" and its fields.
    if (file.size() < signatureLength + 8 + 13 ||
        std::memcmp(file.constData(), signature, signatureLength) != 0)
        return std::nullopt;
    const char* chunk = file.constData() + signatureLength;
    if (bigEndian32(chunk) != 13 || std::memcmp(chunk + 4, "IHDR", 4) != 0)
        return std::nullopt;
    const char* fields = chunk + 8;
    const quint32 width = bigEndian32(fields), height = bigEndian32(fields + 4);
    if (width == 0 || height == 0 || width > largestSide || height > largestSide)
        return std::nullopt;
    Header header;
    header.width = int(width);
    header.height = int(height);
    header.depth = quint8(fields[8]);
    header.colour = quint8(fields[9]);
    header.channels = channelsOf(header.colour);
    const int bitsPerPixel = header.channels * header.depth;
    header.rowBytes = (qsizetype(header.width) * bitsPerPixel + 7) / 8;
    header.pixelBytes = std::max(1, bitsPerPixel / 8);
    const bool standard = fields[10] == 0 && fields[11] == 0; // deflate, adaptive filters
    if (!standard || !decodedHere(header.colour, header.depth, quint8(fields[12])))
        header.channels = 0; // a PNG, but for the toolkit's reader
    return header;
}

std::optional<Chunks> chunksOf(const QByteArray& file) {
    const std::optional<Header> header = headerOf(file);
    if (!header || header->channels == 0)
        return std::nullopt;
    Chunks chunks{*header, {}, {}, {}};
    qsizetype at = signatureLength;
    while (file.size() - at >= 12) {
        const quint32 length = bigEndian32(file.constData() + at);
        if (length > quint32(file.size() - at - 12))
            return std::nullopt;
        const QByteArrayView type(file.constData() + at + 4, 4);
        const QByteArray data = file.mid(at + 8, qsizetype(length));
        if (type == "PLTE")
            chunks.palette = data;
        else if (type == "tRNS")
            chunks.transparency = data;
        else if (type == "IDAT")
            chunks.imageData += data;
        else if (type == "IEND")
            return chunks;
        at += 12 + qsizetype(length);
    }
    return std::nullopt; // no end chunk: cut short
}

quint8 paeth(int left, int above, int aboveLeft) {
    const int estimate = left + above - aboveLeft;
    const int toLeft = std::abs(estimate - left), toAbove = std::abs(estimate - above),
              toAboveLeft = std::abs(estimate - aboveLeft);
    if (toLeft <= toAbove && toLeft <= toAboveLeft)
        return quint8(left);
    return quint8(toAbove <= toAboveLeft ? above : aboveLeft);
}

// Undoes the rows' filters in place: each row is its filter's byte, then its bytes.
bool unfilter(QByteArray& rows, const Header& header) {
    const qsizetype stride = header.rowBytes + 1;
    auto* bytes = reinterpret_cast<quint8*>(rows.data());
    for (int y = 0; y < header.height; ++y) {
        quint8* row = bytes + y * stride + 1;
        const quint8* above = y > 0 ? row - stride : nullptr;
        const int filter = row[-1];
        for (qsizetype x = 0; x < header.rowBytes; ++x) {
            const int left = x >= header.pixelBytes ? row[x - header.pixelBytes] : 0;
            const int up = above ? above[x] : 0;
            const int upLeft = above && x >= header.pixelBytes ? above[x - header.pixelBytes] : 0;
            switch (filter) {
            case 0:
                break;
            case 1:
                row[x] = quint8(row[x] + left);
                break;
            case 2:
                row[x] = quint8(row[x] + up);
                break;
            case 3:
                row[x] = quint8(row[x] + (left + up) / 2);
                break;
            case 4:
                row[x] = quint8(row[x] + paeth(left, up, upLeft));
                break;
            default:
                return false;
            }
        }
    }
    return true;
}

// A grey or palette sample of `depth` bits, the leftmost in its byte first.
int sampleAt(const quint8* row, int x, int depth) {
    if (depth == 8)
        return row[x];
    const int perByte = 8 / depth;
    const int shift = 8 - depth * (x % perByte + 1);
    return (row[x / perByte] >> shift) & ((1 << depth) - 1);
}

quint32 argb(int alpha, int red, int green, int blue) {
    return quint32(alpha) << 24 | quint32(red) << 16 | quint32(green) << 8 | quint32(blue);
}

// The colours a grey or palette picture's samples stand for; none when the palette is damaged.
std::optional<std::array<quint32, 256>> coloursOf(const Chunks& chunks) {
    std::array<quint32, 256> colours{};
    const int samples = 1 << chunks.header.depth;
    const auto* alpha = reinterpret_cast<const quint8*>(chunks.transparency.constData());
    if (chunks.header.colour == grey) {
        // A transparent grey is named as a sixteen-bit value.
        const int transparent = chunks.transparency.size() >= 2
                                    ? qFromBigEndian<quint16>(chunks.transparency.constData())
                                    : -1;
        for (int value = 0; value < samples; ++value) {
            const int level = value * 255 / (samples - 1);
            colours[value] = argb(value == transparent ? 0 : 255, level, level, level);
        }
        return colours;
    }
    const qsizetype entries = chunks.palette.size() / 3;
    if (chunks.palette.size() % 3 != 0 || entries == 0 || entries > 256)
        return std::nullopt;
    const auto* rgbs = reinterpret_cast<const quint8*>(chunks.palette.constData());
    for (qsizetype i = 0; i < entries; ++i)
        colours[i] = argb(i < chunks.transparency.size() ? alpha[i] : 255, rgbs[3 * i],
                          rgbs[3 * i + 1], rgbs[3 * i + 2]);
    return colours;
}

// Eight-bit pixels from the unfiltered rows.
std::optional<QByteArray> eightBitPixels(const QByteArray& rows, const Chunks& chunks) {
    const Header& header = chunks.header;
    std::optional<std::array<quint32, 256>> colours;
    if (header.colour == grey || header.colour == palette) {
        colours = coloursOf(chunks);
        if (!colours)
            return std::nullopt;
    }
    const qsizetype paletteEntries = chunks.palette.size() / 3;
    // A colour picture may name one colour as transparent, in sixteen-bit values.
    const auto* key = reinterpret_cast<const quint8*>(chunks.transparency.constData());
    const bool keyed = header.colour == rgb && chunks.transparency.size() >= 6 && key[0] == 0 &&
                       key[2] == 0 && key[4] == 0;
    QByteArray pixels(qsizetype(header.width) * header.height * 4, Qt::Uninitialized);
    auto* out = reinterpret_cast<quint32*>(pixels.data());
    for (int y = 0; y < header.height; ++y) {
        const auto* row =
            reinterpret_cast<const quint8*>(rows.constData()) + y * (header.rowBytes + 1) + 1;
        for (int x = 0; x < header.width; ++x) {
            const quint8* p = row + x * header.channels;
            switch (header.colour) {
            case rgba:
                *out++ = argb(p[3], p[0], p[1], p[2]);
                break;
            case rgb:
                *out++ = argb(keyed && p[0] == key[1] && p[1] == key[3] && p[2] == key[5] ? 0 : 255,
                              p[0], p[1], p[2]);
                break;
            case greyAlpha:
                *out++ = argb(p[1], p[0], p[0], p[0]);
                break;
            default: {
                const int sample = sampleAt(row, x, header.depth);
                if (header.colour == palette && sample >= paletteEntries)
                    return std::nullopt;
                *out++ = (*colours)[sample];
            }
            }
        }
    }
    return pixels;
}

// Sixteen-bit colour with alpha: the samples in the machine's byte order.
QByteArray sixteenBitPixels(const QByteArray& rows, const Header& header) {
    QByteArray pixels(qsizetype(header.width) * header.height * 8, Qt::Uninitialized);
    auto* out = reinterpret_cast<quint16*>(pixels.data());
    for (int y = 0; y < header.height; ++y) {
        const char* row = rows.constData() + y * (header.rowBytes + 1) + 1;
        for (qsizetype i = 0; i < header.rowBytes; i += 2)
            *out++ = qFromBigEndian<quint16>(row + i);
    }
    return pixels;
}

} // namespace

std::optional<Size> size(const QByteArray& file) {
    const std::optional<Header> header = headerOf(file);
    if (!header)
        return std::nullopt;
    return Size{header->width, header->height};
}

std::optional<Pixels> decode(const QByteArray& file) {
    const std::optional<Chunks> chunks = chunksOf(file);
    if (!chunks)
        return std::nullopt;
    const Header& header = chunks->header;
    // The toolkit's inflater takes the data after the size it comes to, in four bytes.
    const qsizetype expected = header.height * (header.rowBytes + 1);
    QByteArray sized(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(expected), sized.data());
    QByteArray rows = qUncompress(sized + chunks->imageData);
    if (rows.size() < expected || !unfilter(rows, header))
        return std::nullopt;
    Pixels pixels{header.width, header.height, header.depth == 16, {}};
    if (pixels.sixteenBits) {
        pixels.data = sixteenBitPixels(rows, header);
    } else {
        std::optional<QByteArray> eight = eightBitPixels(rows, *chunks);
        if (!eight)
            return std::nullopt;
        pixels.data = std::move(*eight);
    }
    return pixels;
}

} // namespace PngPixels
