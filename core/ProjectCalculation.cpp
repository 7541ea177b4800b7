#include "core/ProjectCalculation.h"

#include "core/EnvelopeKind.h"
#include "core/Errors.h"
#include "core/InsulationSelection.h"
#include "core/MaterialCatalogue.h"
#include "core/NumberText.h"
#include "core/RequiredResistance.h"
#include "core/RestoredChoice.h"
#include "core/SectionLayers.h"

#include <QCoreApplication>

namespace ProjectCalculation {

namespace {

// Runs one step; its error is kept when it is the first.
template <class Action> void run(Step step, std::optional<Failure>& failure, Action&& action) {
    try {
        action();
    } catch (const ConversionError& error) {
        if (!failure)
            failure = Failure{step, ErrorKind::NotANumber, error.message(), error.text()};
    } catch (const AppError& error) {
        if (!failure)
            failure = Failure{step, kindOf(error), error.message(), {}};
    }
}

// Keeps what each step of the layer calculation gives, as the layer window shows it.
class RecordedSteps : public LayerStack::Steps {
  public:
    RecordedSteps(Results& results, const Project::MainInputs& main, QChar separator)
        : layers_(results.layers), main_(main), separator_(separator), results_(results) {}

    void warn(const QString& text) override { layers_.warnings << text; }
    void showResistances(const LayerStack::PerLayer<QString>& r, const QString& rk,
                         const QString& totalThickness) override {
        layers_.resistances = r;
        layers_.rk = rk;
        layers_.totalThickness = totalThickness;
    }
    // The main window computes R0 from the Rk handed over and checks it at once; a
    // failure there is the layer step's.
    void handOverRk(const QString& rk) override {
        run(Step::Layers, results_.failure, [&] {
            Check c;
            c.rk = rk;
            c.r0 = NumberText::result(
                ResistanceCheck::computeR0(rk, main_.alphaExt, main_.alphaInt, separator_),
                separator_);
            c.verdict = ResistanceCheck::check(rk, main_.alphaExt, main_.alphaInt, c.r0,
                                               main_.rqmin, separator_);
            results_.check = c;
            results_.reportReady = results_.reportReady || NumberText::parse(c.r0, separator_) > 0;
        });
    }
    void showInertia(const LayerStack::PerLayer<QString>& d, const QString& inertia) override {
        layers_.inertias = d;
        layers_.inertiaTotal = inertia;
    }
    void handOverInertia(const QString&) override {}
    void finish() override {}

  private:
    Layers& layers_;
    const Project::MainInputs& main_;
    QChar separator_;
    Results& results_;
};

// Each row as the layer window reads it after opening the project: its material as the
// list shows it, and its field texts.
void readRows(const Project::LayerStackInputs& in, std::optional<int> layer12Board,
              LayerStack::Stack& stack) {
    for (int i = 0; i < layerCount; ++i) {
        const Project::LayerInputs& saved = in.layers[i];
        LayerStack::Layer& row = stack.layers[i];
        row.material.name = saved.material.text;
        row.ldText = saved.ld;
        row.dtText = saved.thickness;
        row.sText = saved.s;
        const Project::ListChoice& choice = saved.material;
        if (i == layerCount - 1 && layer12Board) {
            row.material.nameSource = InsulationSelection::products().at(*layer12Board).name;
            row.material.name = QCoreApplication::translate(
                MaterialCatalogue::context, row.material.nameSource.toUtf8().constData());
        }
        if (i == layerCount - 1 || choice.item < 0 || choice.typed.value_or(false))
            continue; // the user list's names and typed texts are the user's own
        const auto entry = MaterialCatalogue::lookup(i + 1, choice.item);
        if (!entry)
            continue;
        row.material.entry = choice.item;
        row.material.nameSource = entry->name;
        row.material.name = QCoreApplication::translate(MaterialCatalogue::context,
                                                        entry->name.toUtf8().constData());
    }
}

void calculateLayers(const Project::Record& record, QChar separator,
                     std::optional<int> layer12Board, Results& results) {
    readRows(record.layers, layer12Board, results.layers.stack);
    RecordedSteps steps(results, record.main, separator);
    run(Step::Layers, results.failure, [&] {
        LayerStack::calculate(results.layers.stack, record.requirement.building, separator, steps);
    });
}

// R0, the check and Rk_req from the main window's fields, which the project restores.
void check(const Project::MainInputs& main, QChar separator, Results& results) {
    std::optional<Check>& result = results.check;
    run(Step::Check, results.failure, [&] {
        Check c;
        c.rk = main.rk;
        c.r0 = NumberText::result(
            ResistanceCheck::computeR0(main.rk, main.alphaExt, main.alphaInt, separator),
            separator);
        c.verdict = ResistanceCheck::check(main.rk, main.alphaExt, main.alphaInt, c.r0, main.rqmin,
                                           separator);
        result = c; // the check is complete here, whatever Rk_req gives
        results.reportReady = results.reportReady || NumberText::parse(c.r0, separator) > 0;
        result->rkRequired = NumberText::result(
            ResistanceCheck::computeRkRequired(main.alphaExt, main.alphaInt, main.rqmin, separator),
            separator);
    });
}

// The selection's rule over the last layer calculation, judged on the check's texts.
std::optional<double> neededThickness(const Project::Record& record, const Results& results,
                                      QChar separator) {
    const auto& products = InsulationSelection::products();
    const int product = record.insulation.product;
    if (!results.check || product < 0 || product >= int(products.size()))
        return std::nullopt;
    try {
        return InsulationSelection::neededThickness(
            results.layers.stack, products.at(product).ld,
            {record.main.alphaExt, record.main.alphaInt, record.main.rqmin}, separator);
    } catch (const AppError&) {
        return std::nullopt; // a check that could not read its texts gives none
    }
}

// The quantity as counted for layer 12 then, or for layer 12 now.
std::optional<InsulationQuantity::Quantity> quantity(const Project::Record& record, QChar separator,
                                                     std::optional<Failure>& failure) {
    const Project::QuantityInputs& in = record.quantity;
    if (!in.counted)
        return std::nullopt;
    const Project::LayerInputs& layer12 =
        in.countedFor == Project::LayerInputs{} ? record.layers.layers.back() : in.countedFor;
    std::optional<InsulationQuantity::Quantity> result;
    run(Step::Quantity, failure, [&] {
        result = InsulationQuantity::compute(in.height, in.length, layer12.thickness,
                                             in.orderingGrade, separator);
    });
    return result;
}

// The column of the Δt_cr table of the envelope that the requirement window announces once
// a project has restored it (none announced: the first).
int announcedEnvelopeKind(const Project::RequirementInputs& in) {
    constexpr char context[] = "RequiredResistance";
    std::optional<EnvelopeKind::Envelope> envelope;
    if (in.building == Project::BuildingKind::Residential)
        envelope = EnvelopeKind::residential(
            RestoredChoice::of(RequiredResistance::residentialItems(), context, in.envelope)
                .picked);
    else if (in.building == Project::BuildingKind::Production)
        envelope =
            EnvelopeKind::production(RestoredChoice::of(RequiredResistance::productionKindItems(),
                                                        context, in.productionKind)
                                         .index);
    return envelope ? envelope->deltaTcrKind : 0;
}

} // namespace

Results calculate(const Project::Record& saved, QChar separator, std::optional<int> layer12Board) {
    const Project::Record record = Project::withSeparator(saved, separator);
    Results results;
    calculateLayers(record, separator, layer12Board, results);
    check(record.main, separator, results);
    results.neededThickness = neededThickness(record, results, separator);
    results.quantity = quantity(record, separator, results.failure);
    // The profile follows the layers only once their calculation got past Rk.
    QList<SectionLayers::Layer> layers;
    if (results.layers.resistances)
        layers = SectionLayers::calculated(results.layers.stack, record.layers.layer11HoldsAirGap);
    results.temperatures = TemperatureCheck::evaluate(record.profile, record.main.alphaInt,
                                                      record.main.alphaExt, layers, separator);
    results.moisture =
        MoistureCheck::evaluate(layers, record.moisture, record.profile,
                                announcedEnvelopeKind(record.requirement), separator);
    return results;
}

} // namespace ProjectCalculation
