// vuvuvudozizod-scenario FILE.scn...: runs acceptance scripts against the program.
// Exit status 0 when all passed, 1 when one failed, 2 when one can't be read or parsed.

#include "ScenarioRunner.h"
#include "Script.h"

#include "ui/GuardedApplication.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    GuardedApplication application(argc, argv);
    const QStringList files = QApplication::arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: vuvuvudozizod-scenario FILE.scn...\n");
        return 2;
    }
    ScenarioRunner runner(QDir::current());
    int status = 0;
    for (const QString& file : files) {
        try {
            const Script script = readScript(file);
            const QString failure = runner.run(script);
            if (failure.isEmpty()) {
                std::printf("PASS %s\n", qPrintable(file));
            } else {
                std::printf("%s:%s\n", qPrintable(file), qPrintable(failure));
                status = std::max(status, 1);
            }
        } catch (const ScriptError& error) {
            std::printf("%s:%d: can't run the script: %s\n", qPrintable(file), error.line,
                        qPrintable(error.message));
            status = 2;
        }
        std::fflush(stdout);
    }
    return status;
}
