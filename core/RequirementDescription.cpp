#include "core/RequirementDescription.h"

#include "core/NumberText.h"
#include "core/RequiredResistance.h"

namespace RequirementDescription {

QString cityText(const ShownList& city, const ShownList& zone) {
    const auto cityZone = RequiredResistance::cityZone(city.picked);
    return cityZone && *cityZone == zone.picked ? city.text : QString();
}

RequirementSource describe(const Shown& shown, const QString& accepted, QChar separator) {
    RequirementSource source;
    source.building = shown.building;
    source.zone = shown.zone.text.trimmed();
    source.city = cityText(shown.city, shown.zone);
    source.acceptedText = accepted;
    source.report = {shown.zone.text, shown.envelopeCaption, shown.regime.text,
                     shown.purpose,   shown.deltaTcr,        shown.reconstruction};
    std::optional<double> table;
    if (source.building == Project::BuildingKind::Production) {
        source.envelope = shown.productionKind.text.trimmed();
        source.regime = shown.regime.text.trimmed();
        source.inertiaClass = RequiredResistance::inertiaClassLabel(shown.inertia);
        source.inertiaAbove = shown.inertia > RequirementSource::inertiaBound;
        table = RequiredResistance::productionRqmin(shown.productionKindValue, shown.regimeValue,
                                                    shown.zone.picked, shown.inertia);
    } else {
        source.envelope = shown.envelope.text.trimmed();
        source.reconstruction = shown.reconstruction;
        table = RequiredResistance::residentialRqmin(shown.envelope.picked, shown.zone.picked);
    }
    const double factor = source.reconstruction ? RequiredResistance::reconstructionFactor : 1.0;
    if (table && NumberText::general(*table * factor, separator) == shown.rqmin)
        source.tableValue = NumberText::general(*table, separator);
    else
        source.reconstruction = false; // typed into the window: no table value, no factor
    return source;
}

} // namespace RequirementDescription
