#include "ui/WindowManners.h"

#include "ui/ScreenFit.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// How long after a window is shown, and again after it is first painted, the moves of a
// busy window manager are watched, in milliseconds.
constexpr int placementWatch = 2000;

QRect desk(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame as it stands, or as it will stand once the window manager has framed it.
QRect frameOf(const QWidget* window) {
    return window->geometry().marginsAdded(ScreenFit::frameMargins(window));
}

} // namespace

WindowManners::WindowManners(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    mainWindow->installEventFilter(this);
}

void WindowManners::manage(QWidget* window) {
    window->installEventFilter(this);
    closesOnEscape_.insert(window);
}

void WindowManners::keepAbove(QWidget* window, QWidget* under) {
    // A window manager keeps a dialog above the window it belongs to, and no higher.
    window->setWindowFlag(Qt::Dialog);
    // The owner is named when the window is first shown: native windows are made then,
    // not at start-up.
    window->setProperty("keptAbove", QVariant::fromValue(static_cast<QObject*>(under)));
}

void WindowManners::openBesideRows(QWidget* window, QWidget* owner, std::function<QRect()> rows) {
    openBesideRows(window, owner, std::move(rows), nullptr);
}

void WindowManners::openBesideRows(QWidget* window, QWidget* owner, std::function<QRect()> rows,
                                   QWidget* neighbour) {
    besideRows_.insert(window, {owner, std::move(rows), neighbour});
}

void WindowManners::openBesideRows(QWidget* window, QWidget* owner, std::function<QRect()> rows,
                                   std::function<QRect()> alsoClear) {
    besideRows_.insert(window, {owner, std::move(rows), nullptr, std::move(alsoClear)});
}

bool WindowManners::eventFilter(QObject* watched, QEvent* event) {
    auto* window = static_cast<QWidget*>(watched);
    // A key reaches the window itself only when the focused control left it unused: an
    // open drop-down list keeps its Escape, a field its Enter.
    if (event->type() == QEvent::KeyPress && keyPressed(window, *static_cast<QKeyEvent*>(event)))
        return true;
    // The show event comes before the window is mapped, so it appears in its place at once.
    if (event->type() == QEvent::Show)
        shown(window);
    // Mapped at last: the watch over the window manager's moves starts again from here.
    if (event->type() == QEvent::Paint && awaitingFirstPaint_.remove(window) &&
        placedBesideRows_.contains(window)) {
        placedBesideRows_[window] = QDeadlineTimer(placementWatch);
        lookAgainLater(window);
    }
    // A window manager may still place a window its own way when mapping it: once more
    // then, off the rows.
    if (event->type() == QEvent::Move && placedBesideRows_.contains(window)) {
        // Never before the window is painted: the window manager places it before that.
        if (placedBesideRows_.value(window).hasExpired() && !awaitingFirstPaint_.contains(window)) {
            placedBesideRows_.remove(window);
        } else {
            keepOffRows(window);
        }
    }
    // After the window has shown the new language's texts.
    if (event->type() == QEvent::LanguageChange && fitted_.value(window) == window->size())
        QMetaObject::invokeMethod(
            this, [this, window] { refit(window); }, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

bool WindowManners::keyPressed(QWidget* window, const QKeyEvent& key) const {
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key.key() == Qt::Key_Escape && closesOnEscape_.contains(window)) {
        window->close();
        return true;
    }
    // Enter presses the focused push button, as Space does.
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && button &&
        button->isEnabled() && button->isVisible()) {
        button->click();
        return true;
    }
    return false;
}

void WindowManners::shown(QWidget* window) {
    const auto beside = besideRows_.constFind(window);
    if (beside != besideRows_.constEnd())
        awaitingFirstPaint_.insert(window);
    if (placed_.contains(window)) {
        keepOffRows(window);
        return;
    }
    placed_.insert(window);
    // Sized by its texts (not by the program), and not cut down to a small screen.
    const bool sizedByTexts = !window->testAttribute(Qt::WA_Resized);
    const QSize asked = window->size();
    ScreenFit::fit(window);
    if (sizedByTexts && window->size() == asked)
        fitted_.insert(window, asked);
    if (window == mainWindow_)
        ScreenFit::moveFrame(
            window, WindowPlacement::centred(frameOf(window).size(), desk(window), desk(window)));
    else if (beside != besideRows_.constEnd())
        placeBesideRows(window, *beside);
    else
        placeCentred(window);
    if (auto* under = qobject_cast<QWidget*>(window->property("keptAbove").value<QObject*>())) {
        under->winId();
        window->windowHandle()->setTransientParent(under->windowHandle());
    }
}

void WindowManners::keepOffRows(QWidget* window) {
    const auto beside = besideRows_.constFind(window);
    if (beside != besideRows_.constEnd() && beside->owner->isVisible() && window->isVisible() &&
        beside->coveredBy(frameOf(window)))
        placeBesideRows(window, *beside);
}

void WindowManners::lookAgainLater(QWidget* window) {
    // A loaded window manager may place the window, or lift its owner, with no move that
    // reaches the window in time: it is looked at again while the watch lasts.
    for (const int after : {placementWatch / 8, placementWatch / 2, placementWatch - 1}) {
        QTimer::singleShot(after, window, [this, window] {
            const auto watch = placedBesideRows_.constFind(window);
            if (watch != placedBesideRows_.constEnd() && !watch->hasExpired())
                keepOffRows(window);
        });
    }
}

void WindowManners::refit(QWidget* window) {
    // The texts' sizes reach the window's layout through the layout requests still posted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    window->adjustSize(); // as when it was first shown
    fitted_.insert(window, window->size());
}

void WindowManners::placeCentred(QWidget* window) {
    ScreenFit::moveFrame(window,
                         WindowPlacement::centred(frameOf(window).size(),
                                                  mainWindow_->frameGeometry(), desk(window)));
}

void WindowManners::placeBesideRows(QWidget* window, const RowsOwner& beside) {
    if (!beside.owner->isVisible()) {
        placeCentred(window);
        return;
    }
    // A busy window manager may place it again, more than once, soon after it is shown.
    placedBesideRows_[window] = QDeadlineTimer(placementWatch);
    if (beside.neighbour && beside.neighbour->isVisible()) {
        const auto place = WindowPlacement::nextTo(
            frameOf(window).size(), frameOf(beside.neighbour), beside.rows(), desk(window));
        if (place)
            ScreenFit::moveFrame(window, *place);
        else
            placeCentred(window);
        return;
    }
    const WindowPlacement::Beside place =
        WindowPlacement::besideRows(frameOf(window).size(), frameOf(beside.owner), beside.rows(),
                                    desk(window), beside.alsoClear());
    if (place.ownerLift > 0)
        ScreenFit::moveFrame(beside.owner,
                             beside.owner->frameGeometry().topLeft() - QPoint(0, place.ownerLift));
    ScreenFit::moveFrame(window, place.topLeft);
}
