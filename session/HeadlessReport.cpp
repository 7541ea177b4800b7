#include "session/HeadlessReport.h"

#include "core/AirGaps.h"
#include "core/Caption.h"
#include "core/InsulationSelection.h"
#include "core/ListTexts.h"
#include "core/MaterialCatalogue.h"
#include "core/NumberText.h"
#include "core/PartitionRqmin.h"
#include "core/RequiredResistance.h"
#include "core/RequirementDescription.h"
#include "core/RestoredChoice.h"
#include "core/SurfaceCoefficients.h"
#include "formats/UserConstructionFiles.h"
#include "ui/Unit6.h"

#include <QCoreApplication>

namespace HeadlessReport {

namespace {

using Project::BuildingKind;
using RestoredChoice::Shown;

constexpr char requirementContext[] = "RequiredResistance";
constexpr char partitionContext[] = "PartitionRqmin";

QString translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

// A list with a prompt, restored as the window's own prompt restores it: a choice of the
// prompt shows it in the current language.
Shown withPrompt(const QStringList& sources, const char* context, const Project::ListChoice& choice,
                 const char* promptContext, const char* prompt) {
    Project::ListChoice restored = choice;
    if (choice.prompt)
        restored.text = translated(promptContext, prompt);
    return RestoredChoice::of(sources, context, restored);
}

RequirementDescription::ShownList shownList(const Shown& list) {
    return {list.text, list.picked};
}

// The required-resistance window as a project leaves it: what it shows and keeps, and the
// lists' current items.
struct RequirementWindow {
    RequirementDescription::Shown shown;
    QString inertiaText = QStringLiteral("1"); // D as its field shows it
};

// The walls-between-flats window's texts that the report reads.
struct PartitionWindow {
    QString purpose = translated("TForm6", ListTexts::purposePrompt);
    QString warmer = QStringLiteral("0");
    QString cooler = QStringLiteral("0");
    QString deltaTcr = QStringLiteral("0");
    QString rqmin = QStringLiteral("0");
};

// What opening a project leaves in the windows that the reports read besides the results.
struct Opened {
    RequirementWindow requirement;
    PartitionWindow partition;
    QString envelopeCaption = translated("TMainForm", ListTexts::envelopeCaption);
    std::optional<RequirementSource> accepted;
};

// The production lookup keeps the kind or regime of an item picked.
void keepValue(const Shown& list, int& value) {
    if (list.index >= 0 && list.index <= 2)
        value = list.index;
}

// The lists restored, the inputs' lookup run once; the lookup's envelope caption goes to
// the main window. A D that is no number throws, as the window's field does.
void restore(RequirementWindow& w, const Project::RequirementInputs& in, QChar separator,
             QString& envelopeCaption) {
    RequirementDescription::Shown& shown = w.shown;
    shown.zone = shownList(RestoredChoice::of(RequiredResistance::zoneItems(), nullptr, in.zone));
    shown.city = shownList(withPrompt(RequiredResistance::cityItems(), requirementContext, in.city,
                                      "TForm3", ListTexts::cityPrompt));
    const Shown envelope = withPrompt(RequiredResistance::residentialItems(), requirementContext,
                                      in.envelope, "TForm3", ListTexts::envelopePrompt);
    const Shown productionKind =
        withPrompt(RequiredResistance::productionKindItems(), requirementContext, in.productionKind,
                   "TForm3", ListTexts::envelopePrompt);
    const Shown regime = withPrompt(RequiredResistance::regimeItems(), requirementContext,
                                    in.regime, "TForm3", ListTexts::regimePrompt);
    shown.envelope = shownList(envelope);
    shown.productionKind = shownList(productionKind);
    shown.regime = shownList(regime);
    keepValue(productionKind, shown.productionKindValue);
    keepValue(regime, shown.regimeValue);
    shown.building = in.building;
    shown.reconstruction = in.building == BuildingKind::Residential && in.reconstruction;
    shown.rqmin = in.rqmin;
    if (in.inertia != w.inertiaText) {
        w.inertiaText = in.inertia;
        shown.inertia = NumberText::parse(in.inertia, separator);
    }
    if (in.building == BuildingKind::Residential)
        envelopeCaption = envelope.text;
    else if (in.building == BuildingKind::Production)
        envelopeCaption = productionKind.text;
}

void restore(PartitionWindow& w, const Project::PartitionInputs& in, QString& envelopeCaption) {
    w.purpose = withPrompt(PartitionRqmin::deltaTcrPurposeItems(), partitionContext,
                           in.differencePurpose, "TForm6", ListTexts::purposePrompt)
                    .text;
    const Shown kind = withPrompt(PartitionRqmin::constructionKindItems(), partitionContext,
                                  in.constructionKind, "TForm6", ListTexts::kindPrompt);
    if (kind.index >= 0)
        envelopeCaption = kind.text;
    w.warmer = in.warmerTemperature;
    w.cooler = in.coolerTemperature;
    w.deltaTcr = in.temperatureDifference;
    w.rqmin = in.rqmin;
}

RequirementSource requirementSource(const Opened& o, const QString& accepted, QChar separator) {
    RequirementDescription::Shown shown = o.requirement.shown;
    shown.envelopeCaption = o.envelopeCaption;
    shown.purpose = o.partition.purpose;
    shown.deltaTcr = o.partition.deltaTcr;
    return RequirementDescription::describe(shown, accepted, separator);
}

RequirementSource partitionSource(const Opened& o, const QString& accepted) {
    const PartitionWindow& p = o.partition;
    const RequirementDescription::Shown& requirement = o.requirement.shown;
    RequirementSource source;
    source.building = BuildingKind::WallsBetweenFlats;
    source.envelope = TForm6::acceptedEnvelope(p.purpose, p.warmer, p.cooler, p.deltaTcr);
    source.acceptedText = accepted;
    source.report = {requirement.zone.text,
                     o.envelopeCaption,
                     requirement.regime.text,
                     p.purpose,
                     p.deltaTcr,
                     requirement.reconstruction};
    return source;
}

// The main window's envelope caption restored from the project, named again in the current
// language when the requirement window handed it from a list item.
QString adoptedEnvelopeCaption(const Project::MainInputs& main) {
    const QString& source = main.envelopeSource;
    return source.isEmpty() ? main.envelopeCaption
                            : translated(requirementContext, source.toUtf8().constData());
}

// Opening a project as the windows do it: the acceptance first, as the windows stood then,
// their inputs of today over it. A D that is no number ends it, as the filling step.
Opened open(const Project::Record& record, QChar separator) {
    Opened o;
    const Project::AcceptedRequirement& accepted = record.accepted;
    const bool kept = !accepted.rqmin.isEmpty();
    if (kept && !accepted.betweenFlats) {
        restore(o.requirement, accepted.requirement, separator, o.envelopeCaption);
        o.accepted = requirementSource(o, accepted.rqmin, separator);
    }
    restore(o.requirement, record.requirement, separator, o.envelopeCaption);
    if (kept && accepted.betweenFlats) {
        restore(o.partition, accepted.partition, o.envelopeCaption);
        o.accepted = partitionSource(o, accepted.rqmin);
    }
    restore(o.partition, record.partition, o.envelopeCaption);
    o.envelopeCaption = adoptedEnvelopeCaption(record.main);
    if (kept)
        return o;
    const QString& rqmin = record.main.rqmin;
    if (record.requirement.building != BuildingKind::WallsBetweenFlats) {
        const auto shown = NumberText::tryParse(o.requirement.shown.rqmin, separator);
        if (shown && NumberText::result(*shown, separator) == rqmin)
            o.accepted = requirementSource(o, rqmin, separator);
    } else if (o.partition.rqmin == rqmin) {
        o.accepted = partitionSource(o, rqmin);
    }
    return o;
}

// The construction type the check recorded: the coefficients window's type when the main
// window shows it as handed, else the text as restored.
Caption constructionType(const Project::Record& record) {
    const QString& source = record.main.constructionTypeSource;
    if (!source.isEmpty())
        return {"SurfaceCoefficients", source};
    return Caption::plain(record.main.constructionType);
}

CheckSnapshot snapshotOf(const Project::Record& record, const ProjectCalculation::Check& check) {
    const Project::MainInputs& main = record.main;
    return {check.rk,          main.alphaExt,
            main.alphaInt,     check.r0,
            main.rqmin,        constructionType(record),
            check.verdict.met, check.verdict.relation};
}

// The board of the selection window while layer 12 holds it by its name.
std::optional<int> layer12BoardOf(const Project::Record& record) {
    const auto& products = InsulationSelection::products();
    const int product = record.insulation.product;
    if (product < 0 || product >= int(products.size()))
        return std::nullopt;
    if (record.main.layerList.back().nameSource != products.at(product).name)
        return std::nullopt;
    return product;
}

QString boardName(int product) {
    return translated(MaterialCatalogue::context,
                      InsulationSelection::products().at(product).name.toUtf8().constData());
}

// The main window's layer names: those handed from catalogue entries (the board's in layer
// 12 among them) in the current language, the restored texts otherwise.
QString layerName(const Project::Record& record, int i) {
    const Project::ListedLayer& listed = record.main.layerList[i];
    return listed.nameSource.isEmpty()
               ? listed.name
               : translated(MaterialCatalogue::context, listed.nameSource.toUtf8().constData());
}

// Layer 12 as the layer window gives it: its board by the catalogue name, or the text shown
// (the user list's caption as its source text), always as typed.
Project::LayerInputs layer12Now(const Project::Record& record) {
    Project::LayerInputs layer = record.layers.layers.back();
    if (const auto board = layer12BoardOf(record))
        layer.material.text = InsulationSelection::products().at(*board).name;
    else if (layer.material.prompt)
        layer.material.text =
            QString::fromUtf8(record.layers.userListOpened ? ListTexts::openedUserListCaption
                                                           : ListTexts::userListCaption);
    layer.material.item = -1;
    layer.material.typed = true;
    return layer;
}

QString placementOrTemperature(const QStringList& sources, const Project::ListChoice& choice,
                               const QString& prompt) {
    const QByteArray source = prompt.toUtf8();
    return withPrompt(sources, AirGaps::context, choice, AirGaps::context, source.constData()).text;
}

QString constructionKind(int kind) {
    const int kinds = int(std::size(ListTexts::constructionKinds));
    return kind >= 0 && kind < kinds ? translated("TMainForm", ListTexts::constructionKinds[kind])
                                     : QString();
}

ProjectReplay::OpeningStep openingStep(ProjectCalculation::Step step) {
    switch (step) {
    case ProjectCalculation::Step::Layers:
        break;
    case ProjectCalculation::Step::Check:
        return ProjectReplay::OpeningStep::Check;
    case ProjectCalculation::Step::Quantity:
        return ProjectReplay::OpeningStep::Quantity;
    }
    return ProjectReplay::OpeningStep::Layers;
}

// An error of filling the windows: the user list's names file, a D that is no number.
std::optional<ProjectReplay::OpeningFailure> fillingFailure(const Project::Record& record,
                                                            QChar separator) {
    try {
        if (!record.layers.userListPath.isEmpty())
            UserConstructionFiles::readLines(
                UserConstructionFiles::namesPath(record.layers.userListPath));
        open(record, separator);
    } catch (const ConversionError& error) {
        return ProjectReplay::OpeningFailure{ProjectReplay::OpeningStep::Filling,
                                             ErrorKind::NotANumber, error.message(), error.text()};
    } catch (const AppError& error) {
        return ProjectReplay::OpeningFailure{
            ProjectReplay::OpeningStep::Filling, kindOf(error), error.message(), {}};
    }
    return std::nullopt;
}

} // namespace

std::optional<int> layer12Board(const Project::Record& record) {
    return layer12BoardOf(record);
}

std::optional<ProjectReplay::OpeningFailure> failure(const Project::Record& record,
                                                     const ProjectCalculation::Results& results,
                                                     QChar separator) {
    if (auto filling = fillingFailure(record, separator))
        return filling;
    if (const auto& failed = results.failure)
        return ProjectReplay::OpeningFailure{openingStep(failed->step), failed->kind,
                                             failed->message, failed->notANumber};
    return std::nullopt;
}

Calculation openedState(const Project::Record& record, const ProjectCalculation::Results& results,
                        QChar separator) {
    Calculation state;
    state.building = record.requirement.building;
    if (results.check) {
        state.snapshot = snapshotOf(record, *results.check);
        state.hasSnapshot = true;
    }
    if (results.layers.inertias)
        state.layerRun = record.layers;
    state.requirement = open(record, separator).accepted;
    return state;
}

ResultState::Changes changes(const Project::Record& record,
                             const ProjectCalculation::Results& results, QChar separator) {
    ResultState::Now now;
    now.layers = record.layers;
    now.rk = record.main.rk;
    now.alphaExt = record.main.alphaExt;
    now.alphaInt = record.main.alphaInt;
    now.rqmin = record.main.rqmin;
    now.inertia = NumberText::tryParse(
        results.layers.inertias ? results.layers.inertiaTotal : QStringLiteral("0"), separator);
    return ResultState::changes(openedState(record, results, separator), now);
}

CalculationReport::Input calculationReportInput(const Project::Record& record,
                                                const ProjectCalculation::Results& results,
                                                QChar separator) {
    const Opened o = open(record, separator);
    const ProjectCalculation::Layers& layers = results.layers;
    CalculationReport::Input in;
    in.constructionKind = constructionKind(record.main.constructionKind);
    if (const auto& accepted = o.accepted) {
        CalculationReport::takeRequirement(in, *accepted);
    } else {
        in.zone = o.requirement.shown.zone.text;
        in.building = record.requirement.building;
        in.envelopeCaption = o.envelopeCaption;
        in.regime = o.requirement.shown.regime.text;
        in.purpose = o.partition.purpose;
        in.deltaTcr = o.partition.deltaTcr;
        in.reconstruction = o.requirement.shown.reconstruction;
    }
    if (results.check)
        in.snapshot = snapshotOf(record, *results.check);
    const QString zero = QStringLiteral("0");
    for (int i = 0; i < layerCount; ++i) {
        const Project::LayerInputs& row = record.layers.layers[i];
        in.layers[i] = {layerName(record, i),
                        record.main.layerList[i].thickness,
                        row.ld,
                        layers.resistances ? layers.resistances->at(i) : zero,
                        layers.stack.layers[i].dt,
                        row.s,
                        layers.inertias ? layers.inertias->at(i) : zero};
    }
    // The main window's total follows the layer window's field once that changes from "0".
    const bool totalShown = layers.resistances && layers.totalThickness != zero;
    in.totalThickness = totalShown ? layers.totalThickness : QStringLiteral("---");
    in.rkField = record.main.rk;
    in.relationCaption = results.check
                             ? ResistanceCheck::relationCaption(results.check->verdict.relation)
                             : ResistanceCheck::initialRelationCaption();
    in.layer11HoldsAirGap = record.layers.layer11HoldsAirGap;
    in.airGapPlacement = placementOrTemperature(AirGaps::placements(), record.airGap.placement,
                                                AirGaps::placementPrompt());
    in.airGapTemperature = placementOrTemperature(
        AirGaps::temperatures(), record.airGap.temperature, AirGaps::temperaturePrompt());
    return in;
}

ReportDocument::Input reportDocumentInput(const Project::Record& record,
                                          const ProjectCalculation::Results& results,
                                          QChar separator, const QString& date) {
    const Opened o = open(record, separator);
    const ProjectCalculation::Layers& layers = results.layers;
    ReportDocument::Input in;
    in.report = calculationReportInput(record, results, separator);
    in.date = date;
    in.details = record.details;
    in.city = RequirementDescription::cityText(o.requirement.shown.city, o.requirement.shown.zone);
    in.inertiaTotal = layers.inertias ? layers.inertiaTotal : QStringLiteral("0");
    // The layer window's verdict line, in its own colour until a check writes one.
    in.verdictColor = results.check ? ResistanceCheck::verdictColor(results.check->verdict.met)
                                    : ResistanceCheck::verdictLineInitialColor();
    in.requirement = o.accepted;
    if (changes(record, results, separator).requirementClass)
        in.inertiaNow = in.inertiaTotal;
    if (const auto board = layer12BoardOf(record))
        in.insulation = ReportDocument::Insulation{
            boardName(*board), record.layers.layers.back().thickness, results.neededThickness};
    if (const auto& quantity = results.quantity) {
        const Project::LayerInputs countedFor = record.quantity.countedFor == Project::LayerInputs{}
                                                    ? layer12Now(record)
                                                    : record.quantity.countedFor;
        in.quantity = ReportDocument::Quantity{
            quantity->area, quantity->volume,
            ResultState::quantityFollows(countedFor, layer12Now(record),
                                         changes(record, results, separator))};
    }
    in.profileInputs = record.profile;
    in.temperatures = results.temperatures;
    in.moistureInputs = record.moisture;
    in.moisture = results.moisture;
    in.separator = separator;
    return in;
}

} // namespace HeadlessReport
