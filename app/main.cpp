// Vuvuvudozizod: insulation of multilayer building envelopes.

#include "ui/Main.h"
#include "session/BatchReport.h"
#include "session/LastSession.h"
#include "session/Program.h"
#include "ui/CommandLine.h"
#include "ui/GuardedApplication.h"
#include "ui/InterfaceLanguage.h"
#include "ui/QtPlatform.h"
#include "ui/Widgets.h"

int main(int argc, char** argv) {
    using CommandLine::Action;
    CommandLine::holdStandardStreams();
    // Help, version and every refusal are answered before the window system starts: they
    // need no display. Qt's own options are left out here and taken by the application.
    const CommandLine::Request early =
        CommandLine::parse(CommandLine::withoutToolkitOptions(CommandLine::raw(argc, argv)));
    if (early.action != Action::Start) {
        QCoreApplication core(argc, argv);
        Language::apply(Language::atStart()); // the texts again, in the interface language
        return CommandLine::answer(
            CommandLine::parse(CommandLine::withoutToolkitOptions(QCoreApplication::arguments())));
    }
    // The report without windows needs no display either, unless a platform is asked for.
    if (!early.pdf.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        keepToolkitQuiet();
    }

    GuardedApplication application(argc, argv);
    Language::apply(Language::atStart());
    // Parsed once the application has taken out Qt's own options (-style, -platform, ...).
    const CommandLine::Request request = CommandLine::parse(GuardedApplication::arguments());
    if (request.action != Action::Start)
        return CommandLine::answer(request);
    GuardedApplication::setWindowIcon(applicationIcon());
    GuardedApplication::setDesktopFileName(QStringLiteral("org.example.Vuvuvudozizod"));
    if (!request.pdf.isEmpty())
        return writeProjectReport(request.project, request.pdf);

    QtPlatform platform;
    application.setPlatform(&platform);
    Program program(platform);
    const LastSession::Watch lastSession(program.forms());
    if (!request.project.isEmpty())
        program.forms().mainForm->openProject(request.project);
    return GuardedApplication::exec();
}
