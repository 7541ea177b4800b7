#include "core/VapourPermeability.h"

#include "core/Errors.h"
#include "core/MoistureProfile.h"
#include "core/NumberText.h"

#include <QCoreApplication>

#include <iterator>

namespace VapourPermeability {

namespace {

struct Row {
    int number;
    const char16_t* name;
    double ld;
    double s;
    double permeability;
    bool twoSources;
};

// δ under condition B, mg/(m·h·Pa), from the reference table of thermal properties of
// building materials that the catalogue's λ and S come from (the former all-union
// building code's appendix 3, as transcribed); a row counts only where the source's λ
// and S equal the catalogue entry's.
constexpr Row rows[] = {
    {1, u"Железобетон (2500 кг/м3)", 2.04, 18.95, 0.03, true},
    {4, u"Железобетон (2500 кг/м3)", 2.04, 18.95, 0.03, true},
    {11, u"Железобетон", 2.04, 18.95, 0.03, true},
    {4, u"Бетон на гравии или щебне на дикаре (2400 кг/м3)", 1.86, 17.88, 0.03, true},
    {1, u"Линолеум ПВХ на теплоизол. осн.(1800 кг/м3)", 0.38, 8.56, 0.002, false},
    {1, u"Сталь ", 58, 126.5, 0, false},
    {11, u"Сталь", 58, 126.5, 0, false},
    {1, u"Алюминий  (2600 кг/м3)", 221, 187.6, 0, false},
    {1, u"Асфальтобетон (2100 кг/м3)", 1.05, 16.43, 0.008, false},
    {2, u"Лист асбоцементный (1800 кг/м3)", 0.52, 8.12, 0.03, false},
    {2, u"Битум, битум-полимер(1400 кг/м3)", 0.27, 6.8, 0.008, false},
    {2, u"Гранит, базальт (2800 кг/м3)", 3.49, 25.04, 0.008, false},
    {2, u"Известняк (2000 кг/м3)", 1.28, 13.7, 0.06, false},
    {3, u"Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)", 0.81, 10.12, 0.11, false},
    {3, u"Кладка кирп.глин.на цем.-шлак.р-ре(1700 кг/м3)", 0.76, 9.7, 0.12, false},
    {3, u"Кладка кирп.глин.на цем.-перлит.р-ре(1600 кг/м3)", 0.7, 9.23, 0.15, false},
    {3, u"Кладка кирп.керамич.пустотелая.на цем.песч.р-ре(1400 кг/м3)", 0.64, 8.48, 0.14, false},
    {5, u"Газобетон (1200кг/м^3)", 0.58, 9.46, 0.075, false},
    {6, u"Керамзитобетон на керамзит.песке (1800 кг/м3)", 0.92, 12.33, 0.090, false},
    {7, u"Гравий керамзитовый (800 кг/м3)", 0.23, 3.6, 0.21, false},
    {7, u"Песок для стройработ (1600 кг/м3)", 0.58, 7.91, 0.17, false},
    {9, u"Плиты минватн.на синт.связ.негофрир. (125 кг/м3)", 0.07, 0.82, 0.30, false},
    {11, u"Сосна и ель поперек волокон (500 кг/м3)", 0.18, 4.54, 0.06, false},
    {1, u"Цементно-песчанная стяжка (1600 кг/м3)", 0.81, 9.76, 0.12, false},
    {4, u"Раствор цементно-песчаный (1600 кг/м3)", 0.81, 9.76, 0.12, false},
    {11, u"Раствор цементно-песчаный (1600 кг/м3)", 0.81, 9.76, 0.12, false},
    {4, u"Раствор известково-песчаный (1800 кг/м3)", 0.93, 11.09, 0.09, false},
};

} // namespace

std::optional<CatalogueValue> catalogue(int number, const QString& nameSource) {
    for (const Row& row : rows)
        if (row.number == number && nameSource == QString::fromUtf16(row.name))
            return CatalogueValue{row.permeability, row.twoSources, row.ld, row.s};
    return std::nullopt;
}

LayerValue resolve(const Typed& typed, bool airGap, std::optional<CatalogueValue> catalogued,
                   QChar separator) {
    LayerValue value;
    const bool asFactor = typed.permeability.trimmed().isEmpty();
    const QString text = asFactor ? typed.factor : typed.permeability;
    if (!text.trimmed().isEmpty()) {
        value.origin = asFactor ? Origin::TypedFactor : Origin::TypedPermeability;
        double x = 0;
        try {
            x = NumberText::parse(text, separator);
        } catch (const AppError&) {
            value.problem =
                QCoreApplication::translate("VapourPermeability", "\"%1\" — не число").arg(text);
            return value;
        }
        // No material lets vapour through more easily than still air: μ ≥ 1, δ ≤ δ0.
        const double air = Moisture::stillAirPermeability;
        if (asFactor ? x < 1 : (x < 0 || x > air)) {
            value.problem =
                asFactor
                    ? QCoreApplication::translate("VapourPermeability", "μ должно быть не меньше 1")
                    : QCoreApplication::translate("VapourPermeability",
                                                  "δ должно быть от 0 до %1 мг/(м·ч·Па)")
                          .arg(NumberText::general(air, separator));
            return value;
        }
        value.permeability = asFactor ? Moisture::stillAirPermeability / x : x;
        return value;
    }
    if (airGap) {
        // A closed air gap: μ = 1 (ISO 13788, clause 6).
        value.origin = Origin::AirGap;
        value.permeability = Moisture::stillAirPermeability;
    } else if (catalogued) {
        value.origin = Origin::Catalogue;
        value.permeability = catalogued->permeability;
    }
    return value;
}

QString originText(Origin origin, bool twoSources) {
    switch (origin) {
    case Origin::Catalogue:
        return twoSources ? QCoreApplication::translate("VapourPermeability",
                                                        "по справочной таблице (два источника)")
                          : QCoreApplication::translate("VapourPermeability",
                                                        "по справочной таблице (один источник)");
    case Origin::TypedPermeability:
    case Origin::TypedFactor:
        return QCoreApplication::translate("VapourPermeability", "введено");
    case Origin::AirGap:
        return QCoreApplication::translate("VapourPermeability", "воздушная прослойка, μ = 1");
    case Origin::None:
        break;
    }
    return QCoreApplication::translate("VapourPermeability", "нет значения");
}

} // namespace VapourPermeability
