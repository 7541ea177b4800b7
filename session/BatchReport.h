#pragma once
// The report to hand in without the user: "vuvuvudozizod --pdf FILE PROJECT" makes the PDF
// that "Отчет PDF..." would write after "Открыть проект...", without a window: the project's
// calculation and the report's texts come from its record. Nothing is asked; every message
// goes to the error output.

class QString;

// Gives 0 when the PDF was written; 1, with the reason on the error output, when the
// project could not be opened or gave no report to write.
int writeProjectReport(const QString& project, const QString& pdf);

// From here on the toolkit's own notes and warnings (a window system without window
// hints, ...) stay off the error output: a batch run prints only the program's messages.
void keepToolkitQuiet();
