#pragma once
// An icon of compiled-in PNG pictures, one file a size: a picture is decoded the first
// time a size that it serves is asked for, and kept, so that an icon costs nothing until
// it is painted. Serves sizes as Qt's own file icons do: the smallest picture that
// covers the size, scaled down to it, or else the largest; the looks of the other modes
// (disabled, selected, active) made from it by the application's style.

#include <QIconEngine>
#include <QPixmap>

#include <vector>

class PictureSetEngine : public QIconEngine {
  public:
    struct Picture {
        QString file;      // a resource path
        QSize size{};      // as the file says, read without decoding when first needed
        QPixmap decoded{}; // empty until first asked for
    };

    // `offFiles` serve the icon's Off state, `onFiles` its On state (none: the Off ones).
    PictureSetEngine(const QStringList& offFiles, const QStringList& onFiles = {});

    // A picture read as PNG only: no image plugin is loaded to be asked whether it reads it,
    // and the plain kinds are decoded without the PNG library.
    static QPixmap png(const QString& file);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

  private:
    // The state's pictures, their sizes read.
    std::vector<Picture>& pictures(QIcon::State state);
    // The picture that serves the size, or null when the set is empty.
    Picture* serving(const QSize& size, QIcon::State state);

    std::vector<Picture> off_;
    std::vector<Picture> on_;
};
