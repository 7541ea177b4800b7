#include "session/BatchReport.h"

#include "core/ProjectCalculation.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"
#include "session/HandInReport.h"
#include "session/HeadlessReport.h"
#include "session/ProjectReplay.h"
#include "ui/OwnFiles.h"
#include "ui/Platform.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {

QtMessageHandler toolkitHandler = nullptr;

void onlySevereMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && toolkitHandler)
        toolkitHandler(type, context, text);
}

void say(const QString& text) {
    std::fprintf(stderr, "vuvuvudozizod: %s\n", text.toLocal8Bit().constData());
}

// An error as the error box words it: with a full stop.
void sayError(QString text) {
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    say(text);
}

void sayWarning(const QString& title, const QString& text) {
    say(QStringLiteral("%1: %2").arg(title, text));
}

// What opening the project tells: the layer calculation's warnings, the texts cut short,
// and the step that stopped. False when a step stopped.
bool opened(const Project::Record& record, const ProjectCalculation::Results& results,
            const QString& project, const std::optional<QString>& shortened, QChar separator) {
    for (const QString& warning : results.layers.warnings)
        sayWarning(LayerStack::warningTitle(), warning);
    if (shortened)
        sayWarning(applicationTitle, *shortened);
    const auto failure = HeadlessReport::failure(record, results, separator);
    if (failure)
        sayError(ProjectReplay::stoppedMessage(record, project, *failure));
    return !failure;
}

// A report is made once a check has found R0 > 0, as the menu item is enabled then, and
// only of results that are up to date: nobody is there to have them recalculated.
bool reportWanted(const Project::Record& record, const ProjectCalculation::Results& results,
                  const QString& project, const QString& pdf, QChar separator) {
    if (!results.reportReady) {
        say(QCoreApplication::translate("BatchReport",
                                        "в проекте %1 нет расчета с R0 > 0, отчет не составлен.")
                .arg(project));
        return false;
    }
    if (const ResultState::Changes change = HeadlessReport::changes(record, results, separator);
        change.any()) {
        say(ResultState::question(change));
        say(QCoreApplication::translate("BatchReport", "отчет %1 не составлен.")
                .arg(QDir::toNativeSeparators(pdf)));
        return false;
    }
    return true;
}

void writePdf(const Project::Record& record, const ProjectCalculation::Results& results,
              const QString& path, QChar separator) {
    const ReportDocument::Input input = HeadlessReport::reportDocumentInput(
        record, results, separator, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    const ReportDocument::Content content = ReportDocument::compose(input);
    TextFile::replaceOwnFile(
        path, ReportPages::pdf(content, drawingsOf(input, content)),
        QCoreApplication::translate("HandInReport", "Не удалось сохранить отчет PDF"));
}

} // namespace

void keepToolkitQuiet() {
    toolkitHandler = qInstallMessageHandler(onlySevereMessages);
}

int writeProjectReport(const QString& project, const QString& pdf) {
    const QChar separator = QLocale::system().decimalPoint().at(0);
    try {
        Project::Record record = Project::withSeparator(ProjectFile::load(project), separator);
        const std::optional<QString> shortened = ProjectReplay::shortenForFields(record, project);
        const ProjectCalculation::Results results =
            ProjectCalculation::calculate(record, separator, HeadlessReport::layer12Board(record));
        if (!opened(record, results, project, shortened, separator) ||
            !reportWanted(record, results, project, pdf, separator))
            return 1;
        const QString path = QFileInfo(pdf).absoluteFilePath();
        OwnFiles::checkDocument(project, path);
        writePdf(record, results, path, separator);
        return 0;
    } catch (const AppError& error) {
        sayError(error.message());
        return 1;
    }
}
