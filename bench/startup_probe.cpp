// The program's own start-up, exactly as app/main.cpp does it, ending as soon as the
// main window has been painted once, then closing the program as the user does.
// Usage: vuv-startup-probe [--all-built | --open-layers]
//   --all-built    then builds every window and prints how many windows and widgets the
//                  program holds in all, which the floor program makes at its start
//   --open-layers  then opens the layer window for the first time and prints the
//                  milliseconds until it has been painted

#include "session/LastSession.h"
#include "session/Program.h"
#include "ui/GuardedApplication.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/QtPlatform.h"
#include "ui/Unit2.h"
#include "ui/Widgets.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

// Runs `then` once the event loop is idle again after the watched window's first paint.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, qApp, then_);
            then_ = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> then_;
};

void printAllBuilt(Program& program) {
    const std::size_t windows = program.windows().size(); // every window built
    std::printf("%zu %lld\n", windows, static_cast<long long>(QApplication::allWidgets().size()));
    QCoreApplication::quit();
}

} // namespace

int main(int argc, char** argv) {
    // As app/main.cpp starts the program with windows, its command line aside.
    GuardedApplication application(argc, argv);
    Language::apply(Language::atStart());
    GuardedApplication::setWindowIcon(applicationIcon());
    GuardedApplication::setDesktopFileName(QStringLiteral("org.example.Vuvuvudozizod"));
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    QtPlatform platform;
    application.setPlatform(&platform);
    Program program(platform);
    const LastSession::Watch lastSession(program.forms());

    QElapsedTimer opening;
    FirstPaint layersPainted([&opening] {
        std::printf("%.2f\n", double(opening.nsecsElapsed()) / 1e6);
        QCoreApplication::quit();
    });
    FirstPaint mainPainted([&] {
        if (mode == QLatin1String("--all-built")) {
            printAllBuilt(program);
        } else if (mode == QLatin1String("--open-layers")) {
            TForm2* layers = program.forms().form2.created();
            layers->installEventFilter(&layersPainted);
            opening.start();
            openWindow(program.forms().form2);
        } else {
            QCoreApplication::quit();
        }
    });
    program.forms().mainForm->installEventFilter(&mainPainted);
    return GuardedApplication::exec();
}
