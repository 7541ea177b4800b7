#include "formats/OlderProjects.h"

#include "core/AirGaps.h"
#include "core/InsulationSelection.h"
#include "core/ListTexts.h"
#include "core/MaterialCatalogue.h"
#include "core/RequiredResistance.h"
#include "core/SurfaceCoefficients.h"

#include <QTranslator>

namespace OlderProjects {

namespace {

using Project::ListChoice;

// Whether `shown` is `source` in Russian (the source itself) or in Ukrainian.
bool names(const QString& shown, const char* context, const QString& source) {
    return shown == source || shown == ukrainian(context, source);
}

// A list's prompt as the list restored it then: any text not known to be the item's own.
void identifyPrompt(ListChoice& choice, const char* context, const QString& prompt) {
    choice.prompt = choice.typed.value_or(true) && names(choice.text, context, prompt);
}

void identifyPrompt(ListChoice& choice, const char* context, const char* prompt) {
    identifyPrompt(choice, context, QString::fromUtf8(prompt));
}

void identify(Project::RequirementInputs& in) {
    identifyPrompt(in.city, "TForm3", ListTexts::cityPrompt);
    identifyPrompt(in.envelope, "TForm3", ListTexts::envelopePrompt);
    identifyPrompt(in.productionKind, "TForm3", ListTexts::envelopePrompt);
    identifyPrompt(in.regime, "TForm3", ListTexts::regimePrompt);
}

void identify(Project::PartitionInputs& in) {
    for (ListChoice* purpose : {&in.warmerPurpose, &in.coolerPurpose, &in.differencePurpose})
        identifyPrompt(*purpose, "TForm6", ListTexts::purposePrompt);
    identifyPrompt(in.constructionKind, "TForm6", ListTexts::kindPrompt);
}

// Layer 12's list shows the user list's caption, before or after a set was opened.
void identifyUserListCaption(ListChoice& choice, bool* opened = nullptr) {
    const auto shows = [&choice](const char* caption) {
        return names(choice.text, "TForm2", QString::fromUtf8(caption));
    };
    const bool openedCaption = shows(ListTexts::openedUserListCaption);
    choice.prompt = openedCaption || shows(ListTexts::userListCaption);
    if (opened && choice.prompt)
        *opened = openedCaption;
}

void identifyLayerCaptions(Project::LayerStackInputs& in) {
    for (int i = 0; i < layerCount - 1; ++i) {
        ListChoice& material = in.layers[i].material;
        material.prompt =
            names(material.text, MaterialCatalogue::context, MaterialCatalogue::caption(i + 1));
    }
    identifyUserListCaption(in.layers.back().material, &in.userListOpened);
}

// The item a restored list shows: the kept one, while the list has it.
QString itemSource(const QStringList& sources, const ListChoice& choice) {
    return choice.item >= 0 && choice.item < sources.size() ? sources.at(choice.item) : QString();
}

// A caption counts as handed from a list when it names the item the list shows.
QString handedSource(const QString& caption, const char* context, const QStringList& sources,
                     const ListChoice& choice) {
    const QString source = itemSource(sources, choice);
    return !source.isEmpty() && names(caption, context, source) ? source : QString();
}

void identifyHandedCaptions(Project::Record& r) {
    Project::MainInputs& main = r.main;
    main.envelopeSource =
        handedSource(main.envelopeCaption, "RequiredResistance",
                     RequiredResistance::residentialItems(), r.requirement.envelope);
    if (main.envelopeSource.isEmpty())
        main.envelopeSource =
            handedSource(main.envelopeCaption, "RequiredResistance",
                         RequiredResistance::productionKindItems(), r.requirement.productionKind);
    main.constructionTypeSource =
        handedSource(main.constructionType, "SurfaceCoefficients", SurfaceCoefficients::typeItems(),
                     r.coefficients.constructionType);
    for (int i = 0; i < layerCount - 1; ++i)
        main.layerList[i].nameSource =
            handedSource(main.layerList[i].name, MaterialCatalogue::context,
                         MaterialCatalogue::names(i + 1), r.layers.layers[i].material);
}

// The board stands in layer 12 when the main window names it and layer 12 shows that name or
// keeps the board's catalogue name.
void identifyBoard(Project::Record& r) {
    const auto& products = InsulationSelection::products();
    const int product = r.insulation.product;
    if (product < 0 || product >= int(products.size()))
        return;
    const QString& source = products.at(product).name;
    Project::ListedLayer& listed = r.main.layerList.back();
    const QString& layer12 = r.layers.layers.back().material.text;
    if (names(listed.name, MaterialCatalogue::context, source) &&
        (layer12 == listed.name || layer12 == source))
        listed.nameSource = source;
}

} // namespace

QString ukrainian(const char* context, const QString& source) {
    static QTranslator translator;
    static const bool loaded =
        translator.load(QStringLiteral("vuvuvudozizod_uk"), QStringLiteral(":/translations"));
    const QString text =
        loaded ? translator.translate(context, source.toUtf8().constData()) : QString();
    return text.isEmpty() ? source : text;
}

void identify(Project::Record& r) {
    identify(r.requirement);
    identify(r.partition);
    identify(r.accepted.requirement);
    identify(r.accepted.partition);
    identifyPrompt(r.coefficients.constructionType, "TForm4", ListTexts::typePrompt);
    identifyPrompt(r.airGap.placement, AirGaps::context, AirGaps::placementPrompt());
    identifyPrompt(r.airGap.temperature, AirGaps::context, AirGaps::temperaturePrompt());
    identifyPrompt(r.airGap.thickness, AirGaps::context, AirGaps::thicknessPrompt());
    identifyLayerCaptions(r.layers);
    identifyUserListCaption(r.quantity.countedFor.material);
    identifyHandedCaptions(r);
    identifyBoard(r);
}

} // namespace OlderProjects
