#include "session/ProjectReplay.h"

#include "core/Errors.h"
#include "formats/ProjectFile.h"
#include "ui/CalculationDetailsWindow.h"
#include "ui/CalculationState.h"
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
    dialog.filters = {{QCoreApplication::translate("ProjectFile", ProjectFile::fileType),
                       QStringLiteral("*.") + ProjectFile::extension}};
    dialog.defaultExtension = ProjectFile::extension;
    return dialog;
}

// A window never opened answers with the inputs it would be built with, so that capturing
// a project builds nothing.
Project::Record capture(const Forms& forms) {
    Project::Record record;
    record.decimalSeparator = forms.separator();
    record.main = forms.mainForm->inputs();
    record.requirement = forms.form3.created()->inputs();
    record.partition = forms.form6.created()->inputs();
    record.coefficients = forms.form4.created()->inputs();
    record.airGap = forms.form7.created()->inputs();
    record.layers = forms.form2.created()->inputs();
    record.insulation = forms.form5.created()->inputs();
    record.quantity = forms.form9.created()->inputs();
    record.profile = forms.profileWindow->inputs();
    record.details = forms.detailsWindow->inputs();
    if (const auto& source = forms.calculation->requirement) {
        record.accepted.rqmin = source->acceptedText;
        record.accepted.betweenFlats = source->building == Project::BuildingKind::WallsBetweenFlats;
        if (record.accepted.betweenFlats)
            record.accepted.partition =
                forms.form6.created()->acceptedInputs().value_or(record.partition);
        else
            record.accepted.requirement =
                forms.form3.created()->acceptedInputs().value_or(record.requirement);
    }
    record.moisture = forms.moistureWindow->inputs();
    return record;
}

namespace {

// The longest text a field takes: QLineEdit's default maxLength, which the fields keep.
constexpr qsizetype longestFieldText = 32767;

QString text(const char* source) {
    return QCoreApplication::translate("ProjectReplay", source);
}

// An arithmetic failure in the words of our own messages; any other its own message.
QString causeInOurWords(const OpeningFailure& failure) {
    switch (failure.kind) {
    case ErrorKind::DivisionByZero:
        return text(QT_TRANSLATE_NOOP("ProjectReplay", "деление на ноль"));
    case ErrorKind::InvalidOperation:
        return text(QT_TRANSLATE_NOOP("ProjectReplay", "недопустимая операция с числами"));
    case ErrorKind::Overflow:
        return text(QT_TRANSLATE_NOOP("ProjectReplay", "результат вне диапазона чисел"));
    case ErrorKind::NotANumber:
    case ErrorKind::Other:
        break;
    }
    return failure.message;
}

// A step's name, and the section of the project whose fields it reads first.
struct Step {
    QString name;
    const char* section = nullptr;
};

Step stepOf(OpeningStep step) {
    switch (step) {
    case OpeningStep::Filling:
        break;
    case OpeningStep::Layers:
        return {text(QT_TRANSLATE_NOOP("ProjectReplay", "расчет слоев")), "layers"};
    case OpeningStep::Check:
        return {text(QT_TRANSLATE_NOOP("ProjectReplay", "проверка R0 >= Rqmin")), "main"};
    case OpeningStep::Quantity:
        return {text(QT_TRANSLATE_NOOP("ProjectReplay", "подбор и расход утеплителя")), "quantity"};
    }
    return {text(QT_TRANSLATE_NOOP("ProjectReplay", "заполнение окон"))};
}

// The cause of a failed step in our words, naming the field that holds a text that is no
// number: one of the step's own section when one holds it.
QString failureCause(const Project::Record& record, const OpeningFailure& failure) {
    if (!failure.notANumber)
        return causeInOurWords(failure);
    const QString& wrong = *failure.notANumber;
    std::optional<QString> field =
        Project::fieldHolding(record, wrong, stepOf(failure.step).section);
    if (!field)
        field = Project::fieldHolding(record, wrong);
    if (field)
        return text(QT_TRANSLATE_NOOP(
                        "ProjectReplay",
                        "в поле «%1» записано «%2», это значение не читается как число"))
            .arg(*field, wrong);
    return text(QT_TRANSLATE_NOOP("ProjectReplay", "«%1» не читается как число")).arg(wrong);
}

// Runs the steps of a calculation with their errors held; the first one is told after all.
class Steps {
  public:
    template <class Action> void run(OpeningStep step, Action&& action) {
        HeldErrors held;
        guarded(platform_, std::forward<Action>(action));
        if (!failure_ && !held.errors().empty()) {
            const HeldErrors::Held& error = held.errors().front();
            failure_ = OpeningFailure{step, error.kind, error.message, error.notANumber};
        }
    }
    explicit Steps(Platform& platform) : platform_(platform) {}
    const std::optional<OpeningFailure>& failure() const { return failure_; }

  private:
    Platform& platform_;
    std::optional<OpeningFailure> failure_;
};

} // namespace

std::optional<QString> shortenForFields(Project::Record& record, const QString& path) {
    const QStringList fields = Project::shortenTexts(record, longestFieldText);
    if (fields.isEmpty())
        return std::nullopt;
    return text(QT_TRANSLATE_NOOP(
                    "ProjectReplay",
                    "В проекте \"%1\" есть тексты длиннее %2 знаков, больше поле не "
                    "вмещает. Они показаны сокращенными: %3.\nФайл проекта не изменен."))
        .arg(QDir::toNativeSeparators(path))
        .arg(longestFieldText)
        .arg(QStringLiteral("«") + fields.join(QStringLiteral("», «")) + QStringLiteral("»"));
}

void replay(Forms& forms, const Project::Record& saved, const QString& path) {
    Project::Record record = Project::withSeparator(saved, forms.separator());
    const std::optional<QString> shortened = shortenForFields(record, path);
    TMainForm& main = *forms.mainForm;
    Steps steps(forms.platform);
    // The windows that hand values to the main window come first; the main window's
    // own fields then stand as the user left them, whatever those hand-overs wrote.
    // The acceptance first, as the windows stood then; their inputs of today over it.
    const Project::AcceptedRequirement& accepted = record.accepted;
    const bool acceptanceKept = !accepted.rqmin.isEmpty();
    steps.run(OpeningStep::Filling, [&] {
        forms.calculation.forgetRequirement();
        if (acceptanceKept && !accepted.betweenFlats)
            forms.form3->restoreAcceptance(accepted.requirement, accepted.rqmin);
        forms.form3->setInputs(record.requirement);
        forms.form3->announceEnvelope();
        if (acceptanceKept && accepted.betweenFlats)
            forms.form6->restoreAcceptance(accepted.partition, accepted.rqmin);
        forms.form6->setInputs(record.partition);
        forms.form4->setInputs(record.coefficients);
        forms.form7->setInputs(record.airGap);
        forms.form2->setInputs(record.layers);
        forms.form5->setInputs(record.insulation);
        forms.profileWindow->setInputs(record.profile); // it follows the layer calculation
        forms.detailsWindow->setInputs(record.details);
        forms.moistureWindow->setInputs(record.moisture);
        main.setInputs(record.main);
        forms.form5->restoreLayer12Board(record.main.layerList.back().nameSource);
        // A project saved before acceptances were kept: the windows' own inputs tell.
        if (!acceptanceKept) {
            forms.form3->recallAcceptance(record.main.rqmin);
            forms.form6->recallAcceptance(record.main.rqmin);
        }
    });

    // "Расчет" of the layer window hands Rk over, and its write runs R0 and the check,
    // reporting a failure there; an Rk that the user typed afterwards stands over it.
    steps.run(OpeningStep::Layers, [&] { forms.form2->pressCalculate(); });
    steps.run(OpeningStep::Check, [&] {
        if (main.rkText() != record.main.rk)
            main.writeRk(record.main.rk);
        main.recheck();
    });
    steps.run(OpeningStep::Quantity, [&] { forms.form9->setInputs(record.quantity); });
    if (shortened)
        forms.platform.warning(applicationTitle, *shortened);
    if (const auto failure = steps.failure())
        reportError(forms.platform, stoppedMessage(record, path, *failure));
}

QString stoppedMessage(const Project::Record& record, const QString& path,
                       const OpeningFailure& failure) {
    return text(QT_TRANSLATE_NOOP("ProjectReplay",
                                  "Проект \"%1\" открыт, но расчет по нему остановлен (%2): %3.\n"
                                  "Поля показывают значения, сохраненные в проекте."))
        .arg(QDir::toNativeSeparators(path), stepOf(failure.step).name,
             failureCause(record, failure));
}

std::optional<QString> recalculate(Forms& forms, bool layers) {
    Steps steps(forms.platform);
    if (layers)
        steps.run(OpeningStep::Layers, [&] { forms.form2->pressCalculate(); });
    steps.run(OpeningStep::Check, [&] { forms.mainForm->recheck(); });
    const auto failure = steps.failure();
    if (!failure)
        return std::nullopt;
    return text(QT_TRANSLATE_NOOP("ProjectReplay", "Пересчет остановлен (%1): %2"))
        .arg(stepOf(failure->step).name, failureCause(capture(forms), *failure));
}

void save(const Forms& forms, const QString& path) {
    ProjectFile::save(path, capture(forms));
}

void open(Forms& forms, const QString& path) {
    replay(forms, ProjectFile::load(path), path);
}

} // namespace ProjectReplay
