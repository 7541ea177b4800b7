#include "ui/SectionView.h"

#include <QMouseEvent>
#include <QPainter>

SectionView::SectionView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(360, 260);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SectionView::showPicture(const SectionDrawing::Picture& picture) {
    picture_ = picture;
    reason_.clear();
    setHover(hoverX_);
    update();
}

void SectionView::showNothing(const QString& reason) {
    picture_.reset();
    reason_ = reason;
    setHover(std::nullopt);
    update();
}

void SectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_) {
        SectionDrawing::paint(painter, rect(), *picture_, hoverX_);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(110, 110, 110));
    painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                     reason_);
}

void SectionView::mouseMoveEvent(QMouseEvent* event) {
    setHover(event->position().x());
    update();
}

void SectionView::leaveEvent(QEvent*) {
    setHover(std::nullopt);
    update();
}

void SectionView::setHover(std::optional<double> x) {
    hoverX_ = x;
    std::optional<SectionDrawing::Reading> reading;
    if (picture_ && x)
        reading = SectionDrawing::readingAt(rect(), font(), *picture_, *x);
    emit readingChanged(reading ? reading->text : QString());
}
