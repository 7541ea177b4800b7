// The program's own start-up, exactly as app/main.cpp does it, ending as soon
// as the main window has been painted once. Prints how many windows and widgets
// it made, so the floor program can make as many.

#include "ui/GuardedApplication.h"
#include "ui/Main.h"
#include "ui/Program.h"
#include "ui/QtPlatform.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {

class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    GuardedApplication application(argc, argv);
    GuardedApplication::setWindowIcon(applicationIcon());
    QtPlatform platform;
    application.setPlatform(&platform);
    FirstPaint firstPaint;
    Program program(platform);
    program.forms().mainForm->installEventFilter(&firstPaint);
    const int status = GuardedApplication::exec();
    std::printf("%zu %lld\n", program.windows().size(),
                static_cast<long long>(QApplication::allWidgets().size()));
    return status;
}
