// Vuvuvudozizod: insulation of multilayer building envelopes.

#include "ui/GeometryProbe.h"
#include "ui/GuardedApplication.h"
#include "ui/Program.h"
#include "ui/ProjectReplay.h"
#include "ui/QtPlatform.h"
#include "ui/QtTranslation.h"
#include "ui/Widgets.h"

int main(int argc, char** argv) {
    GuardedApplication application(argc, argv);
    installQtRussianTranslation(application);
    GuardedApplication::setWindowIcon(applicationIcon());
    GuardedApplication::setDesktopFileName(QStringLiteral("org.example.Vuvuvudozizod"));
    QtPlatform platform;
    application.setPlatform(&platform);
    Program program(platform);
    // The end-to-end desktop test asks where the controls are.
    if (const QString probe = qEnvironmentVariable("VUV_GEOMETRY_PROBE"); !probe.isEmpty())
        startGeometryProbe(probe);
    ProjectReplay::openFromCommandLine(program.forms(), GuardedApplication::arguments());
    return GuardedApplication::exec();
}
