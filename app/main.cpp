// Vuvuvudozizod: insulation of multilayer building envelopes.

#include "ui/GuardedApplication.h"
#include "ui/Program.h"
#include "ui/QtPlatform.h"

#include <QIcon>

int main(int argc, char** argv) {
    GuardedApplication application(argc, argv);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    GuardedApplication::setWindowIcon(icon);
    GuardedApplication::setDesktopFileName(QStringLiteral("org.example.Vuvuvudozizod"));
    QtPlatform platform;
    application.setPlatform(&platform);
    Program program(platform);
    return GuardedApplication::exec();
}
