#include "session/CalculationSession.h"

#include "session/HandInReport.h"
#include "session/LastSession.h"
#include "session/ProjectReplay.h"
#include "session/ReportWriter.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/OwnFiles.h"

CalculationSession::CalculationSession(Forms& forms)
    : forms_(forms), openProjectDialog_(ProjectReplay::projectDialog()),
      saveProjectDialog_(ProjectReplay::projectDialog()), pdfDialog_(pdfReportDialog()) {
    saveProjectDialog_.proposedName = QStringLiteral("Vuvuvudozizod");
    saveProjectDialog_.overwritePrompt = true;
}

// The dialogs name their files in the language of the moment; the folder last used stays.
void CalculationSession::openProjectFromDialog() {
    openProjectDialog_.filters = ProjectReplay::projectDialog().filters;
    if (const std::optional<QString> path = forms_.platform.askOpenFile(openProjectDialog_))
        openProject(*path);
}

void CalculationSession::openProject(const QString& path) {
    guarded(forms_.platform, [&] {
        ProjectReplay::open(forms_, path);
        forms_.calculation.setProjectFile(path);
        openProjectDialog_.lastPath = path;
        saveProjectDialog_.lastPath = path;
    });
}

void CalculationSession::saveProject() {
    saveProjectDialog_.filters = ProjectReplay::projectDialog().filters;
    const std::optional<QString> path = forms_.platform.askSaveFile(saveProjectDialog_);
    if (!path)
        return;
    OwnFiles::checkProject(*path);
    ProjectReplay::save(forms_, *path);
    openProjectDialog_.lastPath = *path;
    forms_.calculation.setProjectFile(*path);
}

// Without a place for it, the item stays enabled to say why there is nothing.
bool CalculationSession::lastSessionOffered() const {
    return LastSession::exists() || LastSession::path().isEmpty();
}

// Opened as a project is, but the project dialogs keep proposing the user's own files.
void CalculationSession::restoreLastSession() {
    LastSession::restore(forms_);
}

void CalculationSession::saveReport(FileDialog& dialog) {
    writeCalculationReport(forms_, dialog);
}

void CalculationSession::exportPdf() {
    pdfDialog_.filters = pdfReportDialog().filters;
    exportReportPdf(forms_, pdfDialog_);
}

void CalculationSession::printReport() {
    ::printReport(forms_);
}

void CalculationSession::keepOnClosing() {
    LastSession::keepForTheEnd(forms_);
}
