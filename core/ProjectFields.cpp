#include "core/ProjectFields.h"

#include "core/MaterialCatalogue.h"
#include "core/RequiredResistance.h"

#include <QCoreApplication>

namespace Project {

namespace {

// A field's name for the user, in the interface's language when it is asked for.
QString label(const char* text) {
    return QCoreApplication::translate("ProjectFields", text);
}

void mainFields(MainInputs& m, FieldVisitor& v) {
    v.number({"rqmin"}, m.rqmin, label(QT_TRANSLATE_NOOP("ProjectFields", "Rqmin (главное окно)")));
    v.text(
        {"envelopeCaption", 1, QT_TRANSLATE_NOOP("ProjectFields", "вид ограждения (главное окно)")},
        m.envelopeCaption);
    v.number({"alphaExt"}, m.alphaExt,
             label(QT_TRANSLATE_NOOP("ProjectFields", "alpha_ext (главное окно)")));
    v.number({"alphaInt"}, m.alphaInt,
             label(QT_TRANSLATE_NOOP("ProjectFields", "alpha_int (главное окно)")));
    v.text({"constructionType", 1,
            QT_TRANSLATE_NOOP("ProjectFields", "тип конструкции (главное окно)")},
           m.constructionType);
    v.number({"rk"}, m.rk,
             label(QT_TRANSLATE_NOOP("ProjectFields", "Rk (термическое сопротивление)")));
    v.count({"constructionKind"}, m.constructionKind, -1);
    v.rows({"layerList"}, layerCount, [&](int i) {
        v.text({"name", 1, QT_TRANSLATE_NOOP("ProjectFields", "главное окно: название слоя %1")},
               m.layerList[i].name);
        v.number({"thickness"}, m.layerList[i].thickness,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "главное окно: толщина слоя %1")));
        v.text({"nameSource", identitiesSince}, m.layerList[i].nameSource);
    });
    v.text({"envelopeSource", identitiesSince}, m.envelopeSource);
    v.text({"constructionTypeSource", identitiesSince}, m.constructionTypeSource);
}

void requirementFields(RequirementInputs& r, FieldVisitor& v) {
    v.choice({"zone"}, r.zone);
    v.keyedChoice({"city"}, r.city, RequiredResistance::cityItems());
    v.building({"building"}, r.building);
    v.choice({"envelope"}, r.envelope);
    v.choice({"productionKind"}, r.productionKind);
    v.choice({"regime"}, r.regime);
    v.number({"inertia"}, r.inertia,
             label(QT_TRANSLATE_NOOP("ProjectFields", "требуемое сопротивление: D")));
    v.flag({"reconstruction"}, r.reconstruction);
    v.number({"rqmin"}, r.rqmin,
             label(QT_TRANSLATE_NOOP("ProjectFields", "требуемое сопротивление: Rqmin")));
}

void partitionFields(PartitionInputs& p, FieldVisitor& v) {
    const auto partition = [](const char* what) {
        return label(QT_TRANSLATE_NOOP("ProjectFields", "межквартирные перегородки: ")) +
               label(what);
    };
    v.choice({"warmerPurpose"}, p.warmerPurpose);
    v.choice({"coolerPurpose"}, p.coolerPurpose);
    v.number({"warmerTemperature"}, p.warmerTemperature,
             partition(QT_TRANSLATE_NOOP("ProjectFields", "температура более теплого помещения")));
    v.number({"coolerTemperature"}, p.coolerTemperature,
             partition(QT_TRANSLATE_NOOP("ProjectFields", "температура менее теплого помещения")));
    v.choice({"differencePurpose"}, p.differencePurpose);
    v.choice({"constructionKind"}, p.constructionKind);
    v.number({"temperatureDifference"}, p.temperatureDifference,
             partition(QT_TRANSLATE_NOOP("ProjectFields", "перепад температур")));
    v.number({"alphaInt"}, p.alphaInt, partition("alpha_int"));
    v.number({"rqmin"}, p.rqmin, partition("Rqmin"));
}

void layerFields(LayerStackInputs& l, FieldVisitor& v) {
    v.rows({"rows"}, layerCount, [&](int i) {
        // The last row chooses from the user's own list, which has no stable keys.
        if (i < layerCount - 1)
            v.keyedChoice({"material"}, l.layers[i].material, MaterialCatalogue::names(i + 1));
        else
            v.choice({"material"}, l.layers[i].material);
        v.number({"ld"}, l.layers[i].ld, label(QT_TRANSLATE_NOOP("ProjectFields", "слой %1: Ld")));
        v.number({"s"}, l.layers[i].s, label(QT_TRANSLATE_NOOP("ProjectFields", "слой %1: S")));
        v.number({"thickness"}, l.layers[i].thickness,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "слой %1: толщина, мм")));
    });
    v.text({"userListPath", 1, QT_TRANSLATE_NOOP("ProjectFields", "файл пользовательского списка")},
           l.userListPath);
    v.flag({"layer11HoldsAirGap"}, l.layer11HoldsAirGap);
    v.flag({"userListOpened", identitiesSince}, l.userListOpened);
}

void profileFields(ProfileInputs& p, FieldVisitor& v) {
    const auto profile = [](const char* what) {
        return label(QT_TRANSLATE_NOOP("ProjectFields", "температурный профиль: ")) + label(what);
    };
    v.number({"indoorTemperature"}, p.indoorTemperature,
             profile(QT_TRANSLATE_NOOP("ProjectFields", "температура внутреннего воздуха")));
    v.number({"indoorHumidity"}, p.indoorHumidity,
             profile(QT_TRANSLATE_NOOP("ProjectFields", "влажность внутреннего воздуха")));
    v.number({"outdoorTemperature"}, p.outdoorTemperature,
             profile(QT_TRANSLATE_NOOP("ProjectFields", "температура наружного воздуха")));
    v.number({"criticalDifference"}, p.criticalDifference,
             profile(QT_TRANSLATE_NOOP("ProjectFields", "нормируемый перепад")));
    v.flag({"insideIsLayer1"}, p.insideIsLayer1);
}

void moistureFields(MoistureInputs& m, FieldVisitor& v) {
    v.rows({"layers", 4}, layerCount, [&](int i) {
        v.number({"permeability", 4}, m.typed[i].permeability,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "слой %1: δ, мг/(м·ч·Па)")));
        v.number({"factor", 4}, m.typed[i].factor,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "слой %1: μ")));
    });
    v.text({"place", 4}, m.place);
    v.rows({"months", 4}, 12, [&](int i) {
        v.number({"outdoorTemperature", 4}, m.outdoorTemperature[i],
                 label(QT_TRANSLATE_NOOP("ProjectFields", "климат: месяц %1, температура")));
        v.number({"outdoorHumidity", 4}, m.outdoorHumidity[i],
                 label(QT_TRANSLATE_NOOP("ProjectFields", "климат: месяц %1, влажность")));
    });
}

} // namespace

// The sections in the order in which opening a project calculates with their numbers.
void visitFields(Record& r, FieldVisitor& v) {
    v.section({"layers"}, [&] { layerFields(r.layers, v); });
    v.section({"airGap"}, [&] {
        v.choice({"placement"}, r.airGap.placement);
        v.choice({"temperature"}, r.airGap.temperature);
        v.choice({"thickness"}, r.airGap.thickness);
        v.number({"resistance"}, r.airGap.resistance,
                 label(QT_TRANSLATE_NOOP("ProjectFields",
                                         "воздушная прослойка: термическое сопротивление")));
    });
    v.section({"main"}, [&] { mainFields(r.main, v); });
    v.section({"quantity"}, [&] {
        v.number({"height"}, r.quantity.height,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "подсчет расхода: высота, м")));
        v.number({"length"}, r.quantity.length,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "подсчет расхода: общая длина, м")));
        v.flag({"counted"}, r.quantity.counted);
        v.count({"orderingGrade"}, r.quantity.orderingGrade, 0);
        v.section({"countedFor", 3, nullptr, true}, [&] {
            Project::LayerInputs& layer = r.quantity.countedFor;
            v.choice({"material"}, layer.material);
            v.number({"ld"}, layer.ld,
                     label(QT_TRANSLATE_NOOP("ProjectFields", "подсчет расхода: Ld слоя 12")));
            v.number({"s"}, layer.s,
                     label(QT_TRANSLATE_NOOP("ProjectFields", "подсчет расхода: S слоя 12")));
            v.number(
                {"thickness"}, layer.thickness,
                label(QT_TRANSLATE_NOOP("ProjectFields", "подсчет расхода: толщина слоя 12, мм")));
        });
    });
    v.section({"requirement"}, [&] { requirementFields(r.requirement, v); });
    v.section({"partition"}, [&] { partitionFields(r.partition, v); });
    v.section({"coefficients"}, [&] {
        v.choice({"constructionType"}, r.coefficients.constructionType);
        v.number({"alphaExt"}, r.coefficients.alphaExt,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "коэффициенты: alpha_ext")));
        v.number({"alphaInt"}, r.coefficients.alphaInt,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "коэффициенты: alpha_int")));
    });
    v.section({"insulation"}, [&] { v.count({"product"}, r.insulation.product, -1); });
    v.section({"profile"}, [&] { profileFields(r.profile, v); });
    v.section({"details", 2}, [&] {
        v.text({"objectTitle", 2, QT_TRANSLATE_NOOP("ProjectFields", "Объект")},
               r.details.objectTitle);
        v.text({"client", 2, QT_TRANSLATE_NOOP("ProjectFields", "Заказчик")}, r.details.client);
        v.text({"author", 2, QT_TRANSLATE_NOOP("ProjectFields", "Исполнитель")}, r.details.author);
    });
    v.section({"accepted", 3, nullptr, true}, [&] {
        v.number({"rqmin"}, r.accepted.rqmin,
                 label(QT_TRANSLATE_NOOP("ProjectFields", "принятое Rqmin")));
        v.flag({"betweenFlats"}, r.accepted.betweenFlats);
        v.section({"requirement"}, [&] { requirementFields(r.accepted.requirement, v); });
        v.section({"partition"}, [&] { partitionFields(r.accepted.partition, v); });
    });
    v.section({"moisture", 4}, [&] { moistureFields(r.moisture, v); });
}

const char* buildingName(BuildingKind kind) {
    switch (kind) {
    case BuildingKind::Production:
        return "production";
    case BuildingKind::WallsBetweenFlats:
        return "wallsBetweenFlats";
    case BuildingKind::Residential:
        break;
    }
    return "residential";
}

} // namespace Project
