#pragma once
// How the program's windows behave together on the desktop: a window opens the
// first time centred over the main window, Escape acts as its close box, and a
// window that stays above another stays above that window only: never above the
// program's dialogs, message boxes and later windows, nor above other programs.

#include <QObject>
#include <QSet>

class QWidget;

class WindowManners : public QObject {
  public:
    explicit WindowManners(QWidget* mainWindow);

    // A window other than the main one.
    void manage(QWidget* window);
    // The window stays above `under`, as the window manager keeps a dialog above the
    // window it belongs to.
    void keepAbove(QWidget* window, QWidget* under);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void centreOverMainWindow(QWidget* window) const;

    QWidget* mainWindow_;
    QSet<QObject*> placed_;
};
