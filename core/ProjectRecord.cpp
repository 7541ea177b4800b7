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

// Every number text of the record with the name the user knows its field by, in the
// order in which opening a project calculates with them.
template <class R, class Visit> void visitNumberFields(R& r, Visit&& visit) {
    for (int i = 0; i < layerCount; ++i) {
        auto& layer = r.layers.layers[i];
        const QString row = QStringLiteral("слой %1: ").arg(i + 1);
        visit(row + QStringLiteral("Ld"), layer.ld);
        visit(row + QStringLiteral("S"), layer.s);
        visit(row + QStringLiteral("толщина, мм"), layer.thickness);
    }
    visit(QStringLiteral("воздушная прослойка: термическое сопротивление"), r.airGap.resistance);
    visit(QStringLiteral("Rk (термическое сопротивление)"), r.main.rk);
    visit(QStringLiteral("alpha_ext (главное окно)"), r.main.alphaExt);
    visit(QStringLiteral("alpha_int (главное окно)"), r.main.alphaInt);
    visit(QStringLiteral("Rqmin (главное окно)"), r.main.rqmin);
    visit(QStringLiteral("подсчет расхода: высота, м"), r.quantity.height);
    visit(QStringLiteral("подсчет расхода: общая длина, м"), r.quantity.length);
    for (int i = 0; i < layerCount; ++i)
        visit(QStringLiteral("главное окно: толщина слоя %1").arg(i + 1),
              r.main.layerList[i].thickness);
    visit(QStringLiteral("требуемое сопротивление: D"), r.requirement.inertia);
    visit(QStringLiteral("требуемое сопротивление: Rqmin"), r.requirement.rqmin);
    visit(QStringLiteral("межквартирные перегородки: температура более теплого помещения"),
          r.partition.warmerTemperature);
    visit(QStringLiteral("межквартирные перегородки: температура менее теплого помещения"),
          r.partition.coolerTemperature);
    visit(QStringLiteral("межквартирные перегородки: перепад температур"),
          r.partition.temperatureDifference);
    visit(QStringLiteral("межквартирные перегородки: alpha_int"), r.partition.alphaInt);
    visit(QStringLiteral("межквартирные перегородки: Rqmin"), r.partition.rqmin);
    visit(QStringLiteral("коэффициенты: alpha_ext"), r.coefficients.alphaExt);
    visit(QStringLiteral("коэффициенты: alpha_int"), r.coefficients.alphaInt);
    visit(QStringLiteral("температурный профиль: температура внутреннего воздуха"),
          r.profile.indoorTemperature);
    visit(QStringLiteral("температурный профиль: влажность внутреннего воздуха"),
          r.profile.indoorHumidity);
    visit(QStringLiteral("температурный профиль: температура наружного воздуха"),
          r.profile.outdoorTemperature);
    visit(QStringLiteral("температурный профиль: нормируемый перепад"),
          r.profile.criticalDifference);
}

Record withSeparator(const Record& record, QChar separator) {
    Record r = record;
    r.decimalSeparator = separator;
    if (record.decimalSeparator == separator)
        return r;
    const Converter number(record.decimalSeparator, separator);
    visitNumberFields(r, [&number](const QString&, QString& text) { number(text); });
    return r;
}

std::optional<QString> fieldHolding(const Record& record, const QString& text) {
    std::optional<QString> found;
    visitNumberFields(record, [&](const QString& label, const QString& field) {
        if (!found && field == text)
            found = label;
    });
    return found;
}

} // namespace Project
