#include "ui/HandInReport.h"

#include "core/Errors.h"
#include "formats/TextFile.h"
#include "ui/Forms.h"
#include "ui/ReportInput.h"
#include "ui/ReportPages.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>

namespace {

struct Report {
    ReportDocument::Content content;
    std::optional<SectionDrawing::Picture> drawing;
};

Report reportNow(const Forms& forms) {
    const ReportDocument::Input input = reportDocumentInput(forms);
    return {ReportDocument::compose(input),
            SectionDrawing::pictureOf(input.temperatures, input.separator)};
}

} // namespace

FileDialog pdfReportDialog() {
    FileDialog dialog;
    dialog.filters = {{QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("*.pdf")},
                      {QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")}};
    dialog.proposedName = QStringLiteral("Vuvuvudozizod");
    dialog.defaultExtension = QStringLiteral("pdf");
    dialog.overwritePrompt = true;
    return dialog;
}

void exportReportPdf(Forms& forms, FileDialog& dialog) {
    const std::optional<QString> path = forms.platform.askSaveFile(dialog);
    if (!path)
        return;
    const Report report = reportNow(forms);
    TextFile::replaceNamingFile(*path, ReportPages::pdf(report.content, report.drawing));
    forms.platform.openAddress(*path);
}

void printReport(Forms& forms) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(applicationTitle);
    printer.setCreator(applicationTitle);
    if (!forms.platform.askPrint(printer))
        return;
    // Read after the dialog: the windows' timers go on while it is open.
    const Report report = reportNow(forms);
    try {
        ReportPages::paint(printer, report.content, report.drawing);
    } catch (const AppError&) {
        // Printing into a file fails on the file; the print system gives no reason.
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
            throw;
        throw FileError(QStringLiteral("Cannot create file \"%1\".")
                            .arg(QDir::toNativeSeparators(printer.outputFileName())));
    }
}
