#include "ui/ProjectReplay.h"

#include "core/Errors.h"
#include "formats/ProjectFile.h"
#include "ui/CalculationDetailsWindow.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/MoistureWindow.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit9.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>
#include <utility>

namespace ProjectReplay {

FileDialog projectDialog() {
    FileDialog dialog;
    dialog.filters = {{ProjectFile::fileType, QStringLiteral("*.") + ProjectFile::extension}};
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
    record.details = forms.detailsWindow->inputs();
    record.moisture = forms.moistureWindow->inputs();
    return record;
}

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("ProjectReplay", source);
}

// The given English message of an arithmetic failure, in the words of our own messages.
QString causeInOurWords(const QString& message) {
    if (message == DivisionByZero().message())
        return text(QT_TRANSLATE_NOOP("ProjectReplay", "деление на ноль"));
    if (message == InvalidOperation().message())
        return text(QT_TRANSLATE_NOOP("ProjectReplay", "недопустимая операция с числами"));
    if (message == Overflow().message())
        return text(QT_TRANSLATE_NOOP("ProjectReplay", "результат вне диапазона чисел"));
    return message;
}

// One message for the first failure of a replayed calculation, naming the project
// and the field, so that the user knows it comes from the file just opened.
QString replayFailure(const QString& path, const Project::Record& record, const QString& step,
                      const HeldErrors::Held& failure) {
    QString cause;
    if (!failure.notANumber)
        cause = causeInOurWords(failure.message);
    else if (const auto field = Project::fieldHolding(record, *failure.notANumber))
        cause =
            text(QT_TRANSLATE_NOOP("ProjectReplay",
                                   "в поле «%1» записано «%2», это значение не читается как число"))
                .arg(*field, *failure.notANumber);
    else
        cause = text(QT_TRANSLATE_NOOP("ProjectReplay", "«%1» не читается как число"))
                    .arg(*failure.notANumber);
    return text(QT_TRANSLATE_NOOP("ProjectReplay",
                                  "Проект \"%1\" открыт, но расчет по нему остановлен (%2): %3.\n"
                                  "Поля показывают значения, сохраненные в проекте."))
        .arg(QDir::toNativeSeparators(path), step, cause);
}

} // namespace

// Runs the steps of a replay with their errors held; the first one is told after all.
class ReplaySteps {
  public:
    template <class Action> void run(const QString& step, Action&& action) {
        HeldErrors held;
        guarded(platform_, std::forward<Action>(action));
        if (!failure_ && !held.errors().empty())
            failure_ = std::pair(step, held.errors().front());
    }
    explicit ReplaySteps(Platform& platform) : platform_(platform) {}
    const std::optional<std::pair<QString, HeldErrors::Held>>& failure() const { return failure_; }

  private:
    Platform& platform_;
    std::optional<std::pair<QString, HeldErrors::Held>> failure_;
};

void replay(Forms& forms, const Project::Record& saved, const QString& path) {
    const Project::Record record = Project::withSeparator(saved, forms.separator());
    TMainForm& main = *forms.mainForm;
    ReplaySteps steps(forms.platform);
    // The windows that hand values to the main window come first; the main window's
    // own fields then stand as the user left them, whatever those hand-overs wrote.
    steps.run(text(QT_TRANSLATE_NOOP("ProjectReplay", "заполнение окон")), [&] {
        forms.form3->setInputs(record.requirement);
        forms.form3->announceEnvelope();
        forms.form6->setInputs(record.partition);
        forms.form4->setInputs(record.coefficients);
        forms.form7->setInputs(record.airGap);
        forms.form2->setInputs(record.layers);
        forms.form5->setInputs(record.insulation);
        forms.profileWindow->setInputs(record.profile); // it follows the layer calculation
        forms.detailsWindow->setInputs(record.details);
        forms.moistureWindow->setInputs(record.moisture);
        main.setInputs(record.main);
        // Captions that other windows handed over follow the language of today.
        forms.form3->adoptEnvelopeCaption();
        forms.form4->adoptConstructionType();
        forms.form2->adoptLayerNames();
        forms.form5->adoptRestoredBoardName();
        forms.calculation.requirement.reset();
        forms.form3->recallAcceptance(record.main.rqmin);
        forms.form6->recallAcceptance(record.main.rqmin);
    });

    // "Расчет" of the layer window hands Rk over, and its write runs R0 and the check,
    // reporting a failure there; an Rk that the user typed afterwards stands over it.
    steps.run(text(QT_TRANSLATE_NOOP("ProjectReplay", "расчет слоев")),
              [&] { forms.form2->pressCalculate(); });
    steps.run(text(QT_TRANSLATE_NOOP("ProjectReplay", "проверка R0 >= Rqmin")), [&] {
        if (main.rkText() != record.main.rk)
            main.writeRk(record.main.rk);
        main.recheck();
    });
    steps.run(text(QT_TRANSLATE_NOOP("ProjectReplay", "подбор и расход утеплителя")), [&] {
        forms.form5->showRestoredThickness();
        forms.form9->setInputs(record.quantity);
    });
    if (const auto& failure = steps.failure())
        reportError(forms.platform, replayFailure(path, record, failure->first, failure->second));
}

void save(const Forms& forms, const QString& path) {
    ProjectFile::save(path, capture(forms));
}

void open(Forms& forms, const QString& path) {
    replay(forms, ProjectFile::load(path), path);
}

} // namespace ProjectReplay
