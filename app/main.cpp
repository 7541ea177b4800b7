// Vuvuvudozizod: insulation of multilayer building envelopes.

#include "ui/GuardedApplication.h"
#include "ui/Program.h"
#include "ui/ProjectReplay.h"
#include "ui/QtPlatform.h"
#include "ui/Widgets.h"

int main(int argc, char** argv) {
    GuardedApplication application(argc, argv);
    GuardedApplication::setWindowIcon(applicationIcon());
    GuardedApplication::setDesktopFileName(QStringLiteral("org.example.Vuvuvudozizod"));
    QtPlatform platform;
    application.setPlatform(&platform);
    Program program(platform);
    ProjectReplay::openFromCommandLine(program.forms(), GuardedApplication::arguments());
    return GuardedApplication::exec();
}
