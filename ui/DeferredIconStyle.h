#pragma once
// The Fusion style with its pictures read as PNG only and when needed: where the style
// would read an icon's pictures from the toolkit's compiled-in files, the icon reads only
// the picture of the size it is painted at, when it is first painted, and the group box
// frame's picture is read without asking every image plugin whether it reads it (which
// loads them all). Otherwise it is the toolkit's Fusion style, unchanged (icon themes
// included); another style the application runs with is left as it is.

#include <QPixmap>
#include <QProxyStyle>

class DeferredIconStyle : public QProxyStyle {
  public:
    // Wraps a new Fusion style.
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Makes the application's style one of these, once, when it is the Fusion style.
    static void install();

  private:
    mutable QPixmap groupBoxFrame_; // read when a group box is first drawn
};
