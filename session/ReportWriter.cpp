#include "session/ReportWriter.h"

#include "formats/TextFile.h"
#include "session/ReportInput.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/Unit1.h"

void writeCalculationReport(Forms& forms, FileDialog& dialog) {
    const std::optional<QString> path = forms.platform.askSaveFile(dialog);
    if (!path)
        return;
    TextFile::write(*path, CalculationReport::text(calculationReportInput(forms)));
    forms.form1->showReport(*path);
    forms.mainForm->enableViewButton();
}
