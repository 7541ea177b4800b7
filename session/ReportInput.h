#pragma once
// What both reports read from the windows: the texts they show at the time of writing.

#include "formats/CalculationReport.h"
#include "formats/ReportDocument.h"

struct Forms;

CalculationReport::Input calculationReportInput(const Forms& forms);
ReportDocument::Input reportDocumentInput(const Forms& forms);
