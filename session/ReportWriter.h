#pragma once
// The button "Сохранить расчет " of the main window: the calculation report
// written to a file of the user's choice and shown in the text window.

#include "ui/Platform.h"

struct Forms;

// Runs the save dialog, writes the report, shows it in the text window and
// enables the main window's view button. A file that can't be written throws
// FileError and changes nothing else.
void writeCalculationReport(Forms& forms, FileDialog& dialog);
