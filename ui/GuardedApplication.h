#pragma once
// The last line of defence: nothing thrown inside an event crosses a Qt frame.

#include <QApplication>

class Platform;

class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv);
    void setPlatform(Platform* platform) { platform_ = platform; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    Platform* platform_ = nullptr;
};
