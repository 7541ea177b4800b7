#include "ui/ReportWriter.h"

#include "core/Calculation.h"
#include "formats/CalculationReport.h"
#include "formats/TextFile.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"

namespace {

// The report's values as the windows hold them now; the snapshot comes from the last check.
CalculationReport::Input gatherInput(const Forms& forms) {
    const TMainForm& main = *forms.mainForm;
    const TForm2& layers = *forms.form2;
    CalculationReport::Input in;
    in.constructionKind = main.constructionKind();
    in.zone = forms.form3->zoneText();
    in.tableNumber = forms.calculation.tableNumber;
    in.envelopeCaption = main.envelopeCaption();
    in.regime = forms.form3->regimeText();
    in.purpose = forms.form6->purposeText();
    in.deltaTcr = forms.form6->deltaTcrText();
    in.reconstruction = forms.form3->reconstructionTicked();
    in.snapshot = forms.calculation.snapshot;
    for (int i = 1; i <= 12; ++i)
        in.layers[i - 1] = {main.layerName(i), main.layerThickness(i), layers.ldText(i),
                            layers.resistanceText(i), layers.calculatedThickness(i)};
    in.totalThickness = main.totalThickness();
    in.rkField = main.rkText();
    in.relationCaption = main.relationCaption();
    in.layer11HoldsAirGap = layers.layer11HoldsAirGap();
    in.airGapPlacement = forms.form7->placementText();
    in.airGapTemperature = forms.form7->temperatureText();
    return in;
}

} // namespace

void writeCalculationReport(Forms& forms, FileDialog& dialog) {
    const std::optional<QString> path = forms.platform.askSaveFile(dialog);
    if (!path)
        return;
    TextFile::write(*path, CalculationReport::text(gatherInput(forms)));
    forms.form1->showReport(*path);
    forms.mainForm->enableViewButton();
}
