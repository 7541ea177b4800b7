#pragma once
// Small screens: a window larger than its screen's available area opens at the
// available size, its content scrolling; a window that fits is left as it is.

#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace ScreenFit {

// The window frame's margins: the window manager's own once the window has been on
// the screen, before that those of another shown window, or else a title bar's height.
QMargins frameMargins(const QWidget* window);

// Moves the window's frame to `topLeft`, also while the window manager has not yet
// told the frame.
void moveFrame(QWidget* window, QPoint topLeft);

// The largest size, up to `wanted`, whose frame fits into `available`.
QSize fitted(QSize wanted, QMargins frame, QSize available);

// Before the window is first shown: when its frame is larger than its screen's
// available area, its content goes into a scroll area and it takes the fitted size.
void fit(QWidget* window);

} // namespace ScreenFit
