#include "core/SectionLayers.h"

#include <QCoreApplication>

#include <algorithm>
#include <initializer_list>

namespace SectionLayers {

namespace {

bool mentions(const QString& name, std::initializer_list<const char16_t*> words) {
    return std::any_of(words.begin(), words.end(), [&](const char16_t* word) {
        return name.contains(QString::fromUtf16(word), Qt::CaseInsensitive);
    });
}

// The rows of the layer window take their materials from the catalogue category
// of the same number; layer 12 holds the insulation board of the selection.
Kind kindOfRow(int number) {
    switch (number) {
    case 3:
    case 8:
        return Kind::Masonry;
    case 4:
    case 5:
    case 6:
        return Kind::ConcreteAndMortar;
    case 9:
    case 10:
    case 12:
        return Kind::Insulation;
    default:
        return Kind::Other;
    }
}

} // namespace

Kind kindOf(int number, const QString& name, bool airGap) {
    if (airGap || mentions(name, {u"прослойк"}))
        return Kind::AirGap;
    if (mentions(name, {u"кладка"}))
        return Kind::Masonry;
    if (mentions(name, {u"бетон", u"раствор", u"стяжк", u"ж/б"}))
        return Kind::ConcreteAndMortar;
    if (mentions(name, {u"минват", u"вата", u"теплоиз", u"пенопол", u"п/этилен", u"пенопласт",
                        u"утеплит"}))
        return Kind::Insulation;
    return kindOfRow(number);
}

QList<Layer> calculated(const LayerStack::Stack& stack, bool layer11AirGap) {
    QList<Layer> layers;
    for (int i = 0; i < layerCount; ++i) {
        const LayerStack::Layer& row = stack.layers[i];
        if (row.dt == 0) // adds nothing to Rk
            continue;
        const int number = i + 1;
        const bool airGap = number == 11 && layer11AirGap;
        const auto entry = MaterialCatalogue::lookup(number, row.material.entry);
        const Kind kind = airGap  ? Kind::AirGap
                          : entry ? entry->material
                                  : kindOf(number, row.material.name, false);
        layers.append({number, row.material, row.dt, row.r, kind});
    }
    return layers;
}

void retranslateNames(QList<Layer>& layers) {
    for (Layer& layer : layers)
        if (const QString& source = layer.material.nameSource; !source.isEmpty())
            layer.material.name = QCoreApplication::translate(MaterialCatalogue::context,
                                                              source.toUtf8().constData());
}

QList<Layer> fromRoomSide(QList<Layer> layers, bool insideIsLayer1) {
    if (!insideIsLayer1)
        std::reverse(layers.begin(), layers.end());
    return layers;
}

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Masonry:
        return QCoreApplication::translate("SectionLayers", "кладка");
    case Kind::ConcreteAndMortar:
        return QCoreApplication::translate("SectionLayers", "бетон, раствор");
    case Kind::Insulation:
        return QCoreApplication::translate("SectionLayers", "утеплитель");
    case Kind::AirGap:
        return QCoreApplication::translate("SectionLayers", "воздушная прослойка");
    case Kind::Other:
        break;
    }
    return QCoreApplication::translate("SectionLayers", "прочие слои");
}

} // namespace SectionLayers
