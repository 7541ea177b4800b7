#include "ui/WindowManners.h"

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <algorithm>

WindowManners::WindowManners(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {}

void WindowManners::manage(QWidget* window) {
    window->installEventFilter(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    connect(escape, &QShortcut::activated, window, [window] { window->close(); });
}

void WindowManners::keepAbove(QWidget* window, QWidget* under) {
    // A window manager keeps a dialog above the window it belongs to, and no higher.
    window->setWindowFlag(Qt::Dialog);
    // The owner is named when the window is first shown: native windows are made then,
    // not at start-up.
    window->setProperty("keptAbove", QVariant::fromValue(static_cast<QObject*>(under)));
}

bool WindowManners::eventFilter(QObject* watched, QEvent* event) {
    // The show event comes before the window is mapped, so it appears in its place at once.
    if (event->type() == QEvent::Show && !placed_.contains(watched)) {
        auto* window = static_cast<QWidget*>(watched);
        placed_.insert(window);
        centreOverMainWindow(window);
        if (auto* under = qobject_cast<QWidget*>(window->property("keptAbove").value<QObject*>())) {
            under->winId();
            window->windowHandle()->setTransientParent(under->windowHandle());
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowManners::centreOverMainWindow(QWidget* window) const {
    QRect frame = window->frameGeometry();
    frame.moveCenter(mainWindow_->frameGeometry().center());
    const QScreen* screen = mainWindow_->screen();
    if (!screen)
        return window->move(frame.topLeft());
    const QRect desk = screen->availableGeometry();
    // Wholly on the screen where it fits; its title bar on it in any case.
    frame.moveLeft(std::max(desk.left(), std::min(frame.left(), desk.right() - frame.width())));
    frame.moveTop(std::max(desk.top(), std::min(frame.top(), desk.bottom() - frame.height())));
    window->move(frame.topLeft());
}
