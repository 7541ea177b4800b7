#include "ui/ProjectReplay.h"

#include "core/Errors.h"
#include "formats/ProjectFile.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit9.h"

namespace ProjectReplay {

FileDialog projectDialog() {
    FileDialog dialog;
    dialog.filters = {{ProjectFile::fileType, QStringLiteral("*.") + ProjectFile::extension}};
    dialog.proposedName = QStringLiteral("Vuvuvudozizod");
    dialog.defaultExtension = ProjectFile::extension;
    return dialog;
}

Project::Record capture(const Forms& forms) {
    Project::Record record;
    record.decimalSeparator = forms.separator();
    record.main = forms.mainForm->inputs();
    record.requirement = forms.form3->inputs();
    record.partition = forms.form6->inputs();
    record.coefficients = forms.form4->inputs();
    record.airGap = forms.form7->inputs();
    record.layers = forms.form2->inputs();
    record.insulation = forms.form5->inputs();
    record.quantity = forms.form9->inputs();
    record.profile = forms.profileWindow->inputs();
    return record;
}

void replay(Forms& forms, const Project::Record& saved) {
    const Project::Record record = Project::withSeparator(saved, forms.separator());
    TMainForm& main = *forms.mainForm;
    // The windows that hand values to the main window come first; the main window's
    // own fields then stand as the user left them, whatever those hand-overs wrote.
    forms.form3->setInputs(record.requirement);
    forms.form6->setInputs(record.partition);
    forms.form4->setInputs(record.coefficients);
    forms.form7->setInputs(record.airGap);
    forms.form2->setInputs(record.layers);
    forms.form5->setInputs(record.insulation);
    forms.profileWindow->setInputs(record.profile); // it follows the layer calculation below
    main.setInputs(record.main);

    // "Расчет" of the layer window hands Rk over, and its write runs R0 and the check,
    // reporting a failure there; an Rk that the user typed afterwards stands over it.
    const QString rkBefore = main.rkText();
    guarded(forms.platform, [&] { forms.form2->pressCalculate(); });
    if (main.rkText() != record.main.rk)
        main.writeRk(record.main.rk);
    const bool handedOver = main.rkText() != rkBefore;
    try {
        main.recheck();
    } catch (const AppError& error) {
        // A hand-over that ran the check has reported this failure already.
        if (!handedOver)
            reportError(forms.platform, error.message());
    }
    forms.form5->showRestoredThickness();
    forms.form9->setInputs(record.quantity);
}

void save(const Forms& forms, const QString& path) {
    ProjectFile::save(path, capture(forms));
}

void open(Forms& forms, const QString& path) {
    replay(forms, ProjectFile::load(path));
}

QString commandLineProject(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i);
    return {};
}

void openFromCommandLine(Forms& forms, const QStringList& arguments) {
    const QString path = commandLineProject(arguments);
    if (!path.isEmpty())
        forms.mainForm->openProject(path);
}

} // namespace ProjectReplay
