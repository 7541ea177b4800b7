#pragma once
// The program's icon from its compiled-in pictures (16, 32, 48 and 64 pixels): a picture
// is decoded the first time a size that it serves is asked for, and kept; start-up
// decodes none.

#include <QIconEngine>
#include <QPixmap>

#include <array>

class ProgramIconEngine : public QIconEngine {
  public:
    // The picture for the size: the smallest that covers it, scaled down to it, or the
    // largest. Only ever shown as the windows' icon, so every mode gets the same picture.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

  private:
    static constexpr std::array<int, 4> sides{16, 32, 48, 64};
    // The index in `sides` of the picture that serves the size.
    static std::size_t servingPicture(const QSize& size);

    std::array<QPixmap, sides.size()> decoded_;
};
