#include "ui/ScreenFit.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace ScreenFit {

namespace {

QMargins knownMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// Moves the window's content, all but its menu bar, into a scroll area that fills it.
void scrollContent(QWidget* window) {
    QLayout* layout = window->layout();
    if (!layout)
        return;
    QWidget* menuBar = layout->menuBar();
    layout->setMenuBar(nullptr);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ScrolledContent"));
    content->setLayout(layout); // takes the layout from the window, with its widgets
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("ContentScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setMenuBar(menuBar);
    outer->addWidget(area);
}

} // namespace

QMargins frameMargins(const QWidget* window) {
    const QMargins own = knownMargins(window);
    if (!own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && !knownMargins(other).isNull())
            return knownMargins(other);
    QStyleOptionTitleBar titleBar;
    titleBar.initFrom(window);
    return {0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &titleBar), 0, 0};
}

void moveFrame(QWidget* window, QPoint topLeft) {
    // Placed by its inside, which Qt never takes for the frame, told or not.
    const QMargins frame = frameMargins(window);
    window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window->size()));
}

QSize fitted(QSize wanted, QMargins frame, QSize available) {
    const QSize room = available.shrunkBy(frame);
    return {std::min(wanted.width(), room.width()), std::min(wanted.height(), room.height())};
}

void fit(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QSize size =
        fitted(window->size(), frameMargins(window), screen->availableGeometry().size());
    if (size == window->size())
        return;
    scrollContent(window);
    window->resize(size);
}

} // namespace ScreenFit
