#pragma once
// The section drawing as a widget: resizable, and the temperature under the mouse.

#include "ui/SectionDrawing.h"

#include <QWidget>

#include <optional>

class SectionView : public QWidget {
    Q_OBJECT
  public:
    explicit SectionView(QWidget* parent = nullptr);

    // The drawing to show, or nothing and the reason in its place.
    void showPicture(const SectionDrawing::Picture& picture);
    void showNothing(const QString& reason);
    const std::optional<SectionDrawing::Picture>& picture() const { return picture_; }

  signals:
    // The reading under the mouse, empty when the mouse is off the section.
    void readingChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void setHover(std::optional<double> x);

    std::optional<SectionDrawing::Picture> picture_;
    QString reason_;
    std::optional<double> hoverX_;
};
