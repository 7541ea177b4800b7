#pragma once
// The main window's "Отчет PDF..." and "Печать...": the report to hand in, with
// the layer table and the section drawing, as a PDF file or on a printer.

#include "formats/ReportDocument.h"
#include "ui/Platform.h"
#include "ui/ReportPages.h"

struct Forms;

// The drawings of the figures the content holds: the section with its temperatures, and
// the vapour pressures of the month the report names against the thickness, as the
// section is drawn.
ReportPages::Drawings drawingsOf(const ReportDocument::Input& input,
                                 const ReportDocument::Content& content);

// The PDF file's save dialog.
FileDialog pdfReportDialog();

// Runs the save dialog, writes the PDF whole or not at all and opens it with the
// default program. A file that can't be written throws FileError and keeps the old one.
void exportReportPdf(Forms& forms, FileDialog& dialog);

// Runs the print dialog and prints the report on the chosen printer.
void printReport(Forms& forms);
