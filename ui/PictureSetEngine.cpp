#include "ui/PictureSetEngine.h"

#include "formats/PngPixels.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <memory>

namespace {

// A reader of the file as PNG only: no image plugin is loaded to be asked whether it
// reads the file.
std::unique_ptr<QImageReader> pngReader(const QString& file) {
    auto reader = std::make_unique<QImageReader>(file, "png");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

// The file's bytes; a compiled-in file's own, not copied, unless it is stored compressed.
QByteArray bytesOf(const QString& file) {
    const QResource resource(file);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       resource.size());
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QImage imageOf(PngPixels::Pixels pixels) {
    auto* held = new QByteArray(std::move(pixels.data));
    const int bytesPerPixel = pixels.sixteenBits ? 8 : 4;
    return QImage(
        reinterpret_cast<uchar*>(held->data()), pixels.width, pixels.height,
        qsizetype(pixels.width) * bytesPerPixel,
        pixels.sixteenBits ? QImage::Format_RGBA64 : QImage::Format_ARGB32,
        [](void* data) { delete static_cast<QByteArray*>(data); }, held);
}

QSize sizeOf(const QString& file) {
    if (const std::optional<PngPixels::Size> size = PngPixels::size(bytesOf(file)))
        return {size->width, size->height};
    return pngReader(file)->size();
}

std::vector<PictureSetEngine::Picture> picturesOf(const QStringList& files) {
    std::vector<PictureSetEngine::Picture> pictures;
    for (const QString& file : files)
        pictures.push_back({file});
    return pictures;
}

void readSizes(std::vector<PictureSetEngine::Picture>& pictures) {
    if (pictures.empty() || pictures.front().size.isValid())
        return;
    for (PictureSetEngine::Picture& picture : pictures)
        picture.size = sizeOf(picture.file);
    std::erase_if(pictures, [](const auto& picture) { return !picture.size.isValid(); });
}

qint64 area(const QSize& size) {
    return qint64(size.width()) * size.height();
}

} // namespace

QPixmap PictureSetEngine::png(const QString& file) {
    // Decoded here when it is of a kind decoded here, else by the toolkit.
    if (std::optional<PngPixels::Pixels> pixels = PngPixels::decode(bytesOf(file)))
        return QPixmap::fromImage(imageOf(std::move(*pixels)));
    return QPixmap::fromImageReader(pngReader(file).get());
}

PictureSetEngine::PictureSetEngine(const QStringList& offFiles, const QStringList& onFiles)
    : off_(picturesOf(offFiles)), on_(picturesOf(onFiles)) {}

std::vector<PictureSetEngine::Picture>& PictureSetEngine::pictures(QIcon::State state) {
    std::vector<Picture>& chosen = state == QIcon::On && !on_.empty() ? on_ : off_;
    readSizes(chosen);
    return chosen;
}

PictureSetEngine::Picture* PictureSetEngine::serving(const QSize& size, QIcon::State state) {
    Picture* best = nullptr;
    for (Picture& picture : pictures(state)) {
        if (!best) {
            best = &picture;
            continue;
        }
        // The smaller of two that cover the size, else the larger; the later one of two alike.
        const qint64 wanted = area(size), a = area(best->size), b = area(picture.size);
        const qint64 chosen = std::min(a, b) >= wanted ? std::min(a, b) : std::max(a, b);
        if (chosen == b)
            best = &picture;
    }
    return best;
}

QSize PictureSetEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State state) {
    const Picture* picture = serving(size, state);
    if (!picture)
        return {};
    const QSize own = picture->size;
    return own.width() > size.width() || own.height() > size.height()
               ? own.scaled(size, Qt::KeepAspectRatio)
               : own;
}

QPixmap PictureSetEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    Picture* picture = size.isEmpty() ? nullptr : serving(size, state);
    if (!picture)
        return {};
    if (picture->decoded.isNull())
        picture->decoded = png(picture->file);
    const QSize shown = actualSize(size, mode, state);
    QPixmap result =
        picture->decoded.size() == shown
            ? picture->decoded
            : picture->decoded.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        result = QApplication::style()->generatedIconPixmap(mode, result, &option);
    }
    return result;
}

void PictureSetEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                             QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QList<QSize> PictureSetEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    // The pictures held for the mode and state themselves, as Qt's own file icons answer.
    QList<QSize> sizes;
    if (mode != QIcon::Normal || (state == QIcon::On && on_.empty()))
        return sizes;
    for (const Picture& picture : pictures(state))
        sizes << picture.size;
    return sizes;
}

QIconEngine* PictureSetEngine::clone() const {
    return new PictureSetEngine(*this);
}

QString PictureSetEngine::key() const {
    return QStringLiteral("PictureSetEngine");
}
