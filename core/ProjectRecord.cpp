#include "core/ProjectRecord.h"

#include "core/Errors.h"
#include "core/NumberText.h"

namespace Project {

namespace {

// A number text written with `from` becomes the same text with `to`.
class Converter {
  public:
    Converter(QChar from, QChar to) : from_(from), to_(to) {}

    void operator()(QString& text) const {
        if (!text.contains(from_))
            return;
        try {
            NumberText::parse(text, from_);
        } catch (const AppError&) {
            return;
        }
        text.replace(from_, to_);
    }

  private:
    QChar from_;
    QChar to_;
};

} // namespace

Record withSeparator(const Record& record, QChar separator) {
    Record r = record;
    r.decimalSeparator = separator;
    if (record.decimalSeparator == separator)
        return r;
    const Converter number(record.decimalSeparator, separator);
    for (QString* text : {&r.main.rqmin,
                          &r.main.alphaExt,
                          &r.main.alphaInt,
                          &r.main.rk,
                          &r.requirement.inertia,
                          &r.requirement.rqmin,
                          &r.partition.warmerTemperature,
                          &r.partition.coolerTemperature,
                          &r.partition.temperatureDifference,
                          &r.partition.alphaInt,
                          &r.partition.rqmin,
                          &r.coefficients.alphaExt,
                          &r.coefficients.alphaInt,
                          &r.airGap.resistance,
                          &r.quantity.height,
                          &r.quantity.length,
                          &r.profile.indoorTemperature,
                          &r.profile.indoorHumidity,
                          &r.profile.outdoorTemperature,
                          &r.profile.criticalDifference})
        number(*text);
    for (ListedLayer& listed : r.main.layerList)
        number(listed.thickness);
    for (LayerInputs& layer : r.layers.layers) {
        number(layer.ld);
        number(layer.s);
        number(layer.thickness);
    }
    return r;
}

} // namespace Project
