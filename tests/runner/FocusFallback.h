#pragma once
// What a window manager does when the focused window is hidden: it hands the focus
// to the most recently focused window still shown. The offscreen platform keeps
// the focus on the hidden window instead, so that window could never be made active
// again once shown anew.

#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <vector>

class FocusFallback : public QObject {
  public:
    FocusFallback() {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
            if (!window)
                return;
            std::erase(history_, window);
            history_.emplace_back(window);
        });
    }

    // Called between the user's actions, after the program has handled the last one.
    void settle() {
        QWindow* focused = QGuiApplication::focusWindow();
        if (!focused || focused->isVisible())
            return;
        for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
            if (*it && *it != focused && (*it)->isVisible()) {
                (*it)->requestActivate();
                return;
            }
        }
    }

  private:
    std::vector<QPointer<QWindow>> history_;
};
