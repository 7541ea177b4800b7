#include "session/ReportInput.h"

#include "core/ResistanceCheck.h"
#include "ui/CalculationDetailsWindow.h"
#include "ui/CalculationState.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/MoistureWindow.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit9.h"

#include <QDate>

// The snapshot comes from the last check, everything else from the windows now.
CalculationReport::Input calculationReportInput(const Forms& forms) {
    const TMainForm& main = *forms.mainForm;
    const TForm2& layers = *forms.form2;
    CalculationReport::Input in;
    in.constructionKind = main.constructionKind();
    // The requirement as last accepted: a lookup left without "Принять" did not give Rqmin.
    if (const auto& accepted = forms.calculation->requirement) {
        CalculationReport::takeRequirement(in, *accepted);
    } else {
        in.zone = forms.form3->zoneText();
        in.building = forms.calculation->building;
        in.envelopeCaption = main.envelopeCaption();
        in.regime = forms.form3->regimeText();
        in.purpose = forms.form6->purposeText();
        in.deltaTcr = forms.form6->deltaTcrText();
        in.reconstruction = forms.form3->reconstructionTicked();
    }
    in.snapshot = forms.calculation->snapshot;
    for (int i = 1; i <= layerCount; ++i)
        in.layers[i - 1] = {
            main.layerName(i),        main.layerThickness(i),        layers.ldText(i),
            layers.resistanceText(i), layers.calculatedThickness(i), layers.sText(i),
            layers.inertiaText(i)};
    in.totalThickness = main.totalThickness();
    in.rkField = main.rkText();
    in.relationCaption = main.relationCaption();
    in.layer11HoldsAirGap = layers.layer11HoldsAirGap();
    in.airGapPlacement = forms.form7->placementText();
    in.airGapTemperature = forms.form7->temperatureText();
    return in;
}

ReportDocument::Input reportDocumentInput(const Forms& forms) {
    const TForm2& layers = *forms.form2;
    ReportDocument::Input in;
    in.report = calculationReportInput(forms);
    in.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    in.details = forms.detailsWindow->inputs();
    in.city = forms.form3->cityText();
    in.inertiaTotal = layers.inertiaTotalText();
    in.verdictColor = layers.verdictColor();
    in.requirement = forms.calculation->requirement;
    if (forms.mainForm->resultChange().requirementClass)
        in.inertiaNow = layers.inertiaTotalText();
    in.insulation = forms.form5->chosenInsulation();
    in.quantity = forms.form9->workedOutQuantity();
    in.profileInputs = forms.profileWindow->inputs();
    in.temperatures = forms.profileWindow->evaluation();
    in.moistureInputs = forms.moistureWindow->inputs();
    in.moisture = forms.moistureWindow->evaluation();
    in.separator = forms.separator();
    return in;
}
