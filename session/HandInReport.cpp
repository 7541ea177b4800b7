#include "session/HandInReport.h"

#include "formats/TextFile.h"
#include "session/ProjectReplay.h"
#include "session/ReportInput.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/MoistureDiagram.h"
#include "ui/OwnFiles.h"
#include "ui/PrintAndSvg.h"
#include "ui/ReportPages.h"
#include "ui/SectionDrawing.h"

#include <QCoreApplication>
#include <QPageLayout>

namespace {

struct Report {
    ReportDocument::Content content;
    ReportPages::Drawings drawings;
};

Report reportNow(const Forms& forms) {
    const ReportDocument::Input input = reportDocumentInput(forms);
    Report report{ReportDocument::compose(input), {}};
    report.drawings = ::drawingsOf(input, report.content);
    return report;
}

// Out-of-date results are brought up to date at the user's word, as "Расчет" in the
// layer window (when the layers changed) and then "Расчет!!!" would; false to make nothing.
bool upToDateAtUsersWord(Forms& forms) {
    const ResultState::Changes change = forms.mainForm->resultChange();
    if (!change.any())
        return true;
    constexpr int recalculate = 0;
    if (forms.platform.ask(applicationTitle, ResultState::question(change),
                           {QCoreApplication::translate("HandInReport", "Пересчитать"),
                            QCoreApplication::translate("HandInReport", "Отмена")}) != recalculate)
        return false;
    if (const std::optional<QString> failure = ProjectReplay::recalculate(forms, change.layers)) {
        reportError(
            forms.platform,
            QCoreApplication::translate("HandInReport", "%1.\nДокумент не сделан.").arg(*failure));
        return false;
    }
    return true;
}

} // namespace

ReportPages::Drawings drawingsOf(const ReportDocument::Input& input,
                                 const ReportDocument::Content& content) {
    ReportPages::Drawings drawings;
    for (const ReportDocument::Block& block : content.blocks) {
        const auto* figure = std::get_if<ReportDocument::Figure>(&block);
        if (!figure)
            continue;
        switch (figure->drawing) {
        case ReportDocument::Drawing::SectionTemperatures:
            if (auto picture = SectionDrawing::pictureOf(input.temperatures, input.separator))
                drawings[figure->drawing] = [picture = std::move(*picture)](QPainter& painter,
                                                                            const QRectF& area) {
                    SectionDrawing::paint(painter, area, picture);
                };
            break;
        case ReportDocument::Drawing::VapourPressures:
            drawings[figure->drawing] = [picture = MoistureDiagram::pictureOf(
                                             input.moisture, figure->month.value_or(0), false)](
                                            QPainter& painter, const QRectF& area) {
                MoistureDiagram::paint(painter, area, picture);
            };
            break;
        }
    }
    return drawings;
}

FileDialog pdfReportDialog() {
    FileDialog dialog;
    dialog.filters = {
        {QCoreApplication::translate("HandInReport", "Документ PDF (*.pdf)"),
         QStringLiteral("*.pdf")},
        {QCoreApplication::translate("HandInReport", "Все файлы (*.*)"), QStringLiteral("*.*")}};
    dialog.proposedName = QStringLiteral("Vuvuvudozizod");
    dialog.defaultExtension = QStringLiteral("pdf");
    dialog.overwritePrompt = true;
    return dialog;
}

void exportReportPdf(Forms& forms, FileDialog& dialog) {
    if (!upToDateAtUsersWord(forms))
        return;
    const std::optional<QString> path = forms.platform.askSaveFile(dialog);
    if (!path)
        return;
    OwnFiles::checkDocument(forms, *path);
    const Report report = reportNow(forms);
    TextFile::replaceOwnFile(
        *path, ReportPages::pdf(report.content, report.drawings),
        QCoreApplication::translate("HandInReport", "Не удалось сохранить отчет PDF"));
    forms.platform.openAddress(*path);
}

void printReport(Forms& forms) {
    if (!upToDateAtUsersWord(forms))
        return;
    PrintAndSvg::print({
        ReportPages::a4(),
        applicationTitle,
        [&forms](QPrinter& printer) { return forms.platform.askPrint(printer); },
        // Printed into a file, the report replaces it whole or not at all, as a saved PDF
        // does; the printer would truncate the old file first.
        [&forms](const QString& file, const QPageLayout& layout) {
            OwnFiles::checkDocument(forms, file);
            // Read after the dialog: the windows' timers go on while it is open.
            const Report report = reportNow(forms);
            TextFile::replaceOwnFile(
                file, ReportPages::pdf(report.content, report.drawings, layout),
                QCoreApplication::translate("HandInReport", "Не удалось напечатать отчет в файл"));
        },
        [&forms](QPagedPaintDevice& printer) {
            const Report report = reportNow(forms);
            ReportPages::paint(printer, report.content, report.drawings);
        },
    });
}
