#include "session/BatchReport.h"

#include "core/ProjectCalculation.h"
#include "formats/ProjectFile.h"
#include "session/Program.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/GuardedApplication.h"
#include "ui/SessionCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {

// Answers the report's save dialog with the file asked for; refuses every other
// question and writes what the program says to the error output.
class BatchPlatform : public Platform {
  public:
    explicit BatchPlatform(const QString& pdf)
        : Platform(QLocale::system().decimalPoint().at(0)), pdf_(pdf) {}

    bool failed() const { return failed_; }
    bool saved() const { return saved_; }

    void information(const QString& text) override { say(text); }
    void warning(const QString& title, const QString& text) override {
        say(QStringLiteral("%1: %2").arg(title, text));
    }
    void error(const QString& text) override {
        failed_ = true;
        say(text);
    }
    // Nobody is there to answer: the question is told and declined (its last button), so
    // a report of results out of date is never made.
    int ask(const QString&, const QString& text, const QStringList& buttons) override {
        say(text);
        return int(buttons.size()) - 1;
    }
    std::optional<QString> askOpenFile(FileDialog&) override { return std::nullopt; }
    std::optional<QString> askSaveFile(FileDialog&) override {
        if (saved_)
            return std::nullopt;
        saved_ = true;
        return pdf_;
    }
    bool askPrint(QPrinter&) override { return false; }
    // The written report is not handed to a viewer.
    void openAddress(const QString&) override {}
    void quit() override {}

    void say(const QString& text) {
        std::fprintf(stderr, "vuvuvudozizod: %s\n", text.toLocal8Bit().constData());
    }

  private:
    QString pdf_;
    bool failed_ = false;
    bool saved_ = false;
};

QtMessageHandler toolkitHandler = nullptr;

void onlySevereMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && toolkitHandler)
        toolkitHandler(type, context, text);
}

} // namespace

void keepToolkitQuiet() {
    toolkitHandler = qInstallMessageHandler(onlySevereMessages);
}

int writeProjectReport(GuardedApplication& application, const QString& project,
                       const QString& pdf) {
    BatchPlatform platform(QFileInfo(pdf).absoluteFilePath());
    application.setPlatform(&platform);
    int status = 1;
    {
        Program program(platform);
        Forms& forms = program.forms();
        forms.session->openProject(project);
        // A report is made once a check has found R0 > 0, as the menu item is enabled then.
        bool ready = false;
        guarded(platform, [&] {
            ready = ProjectCalculation::calculate(ProjectFile::load(project), forms.separator())
                        .reportReady;
        });
        if (ready && !platform.failed()) {
            guarded(platform, [&] { forms.session->exportPdf(); });
            status = platform.saved() && !platform.failed() ? 0 : 1;
            if (!platform.saved() && !platform.failed())
                platform.say(QCoreApplication::translate("BatchReport", "отчет %1 не составлен.")
                                 .arg(QDir::toNativeSeparators(pdf)));
        } else if (!platform.failed()) {
            platform.say(
                QCoreApplication::translate(
                    "BatchReport", "в проекте %1 нет расчета с R0 > 0, отчет не составлен.")
                    .arg(project));
        }
    }
    application.setPlatform(nullptr);
    return status;
}
