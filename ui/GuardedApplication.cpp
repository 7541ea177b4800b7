#include "ui/GuardedApplication.h"

#include "ui/ErrorHandler.h"

#include <exception>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        if (platform_)
            reportError(*platform_, error);
    } catch (const std::exception& error) {
        if (platform_)
            reportError(*platform_, QString::fromLocal8Bit(error.what()));
    }
    return false;
}
