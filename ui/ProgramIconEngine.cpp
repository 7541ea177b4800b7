#include "ui/ProgramIconEngine.h"

#include <QPainter>

#include <algorithm>

std::size_t ProgramIconEngine::servingPicture(const QSize& size) {
    const int side = std::min(size.width(), size.height());
    const auto covering =
        std::find_if(sides.begin(), sides.end(), [side](int s) { return s >= side; });
    return covering == sides.end() ? sides.size() - 1 : std::size_t(covering - sides.begin());
}

QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    if (size.isEmpty())
        return {};
    const std::size_t index = servingPicture(size);
    QPixmap& picture = decoded_[index];
    if (picture.isNull())
        picture.load(QStringLiteral(":/icons/%1.png").arg(sides[index]));
    const QSize shown = actualSize(size, QIcon::Normal, QIcon::Off);
    return picture.size() == shown
               ? picture
               : picture.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    const QSize drawn = picture.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.center() - QPoint(drawn.width(), drawn.height()) / 2, drawn),
                        picture);
}

QSize ProgramIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int side = std::min({size.width(), size.height(), sides.back()});
    return {side, side};
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (int side : sides)
        sizes << QSize(side, side);
    return sizes;
}

QIconEngine* ProgramIconEngine::clone() const {
    return new ProgramIconEngine(*this);
}

QString ProgramIconEngine::key() const {
    return QStringLiteral("ProgramIconEngine");
}
