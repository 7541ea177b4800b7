#include "core/ResultState.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QStringList>

namespace ResultState {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("ResultState", source);
}

// The kinds of change, each named, for a note or question that has more than one.
QStringList names(const Changes& c) {
    QStringList list;
    if (c.layers)
        list << text(QT_TRANSLATE_NOOP("ResultState", "слои"));
    if (c.rk)
        list << QStringLiteral("Rk");
    if (c.coefficients)
        list << text(QT_TRANSLATE_NOOP("ResultState", "коэффициенты теплоотдачи"));
    if (c.rqmin)
        list << QStringLiteral("Rqmin");
    if (c.requirementClass)
        list << text(QT_TRANSLATE_NOOP("ResultState", "класс D"));
    return list;
}

// Two texts of one number; texts that are no number are the same only when equal.
bool sameNumber(const QString& a, const QString& b, QChar separator) {
    if (a == b)
        return true;
    try {
        return NumberText::parse(a, separator) == NumberText::parse(b, separator);
    } catch (const ConversionError&) {
        return false;
    }
}

int count(const Changes& c) {
    return int(names(c).size());
}

} // namespace

bool sameLayers(const Project::LayerStackInputs& a, const Project::LayerStackInputs& b) {
    return a.layers == b.layers && a.layer11HoldsAirGap == b.layer11HoldsAirGap;
}

Changes changes(const Calculation& state, const Now& now) {
    Changes c;
    if (!state.hasSnapshot)
        return c;
    c.layers = state.layerRun && !sameLayers(*state.layerRun, now.layers);
    const CheckSnapshot& s = state.snapshot;
    c.rk = s.rk != now.rk;
    c.coefficients = s.alphaExt != now.alphaExt || s.alphaInt != now.alphaInt;
    c.rqmin = s.rqmin != now.rqmin;
    const auto& source = state.requirement;
    c.requirementClass = source && source->inertiaAbove && now.inertia &&
                         source->acceptedText == now.rqmin &&
                         *source->inertiaAbove != (*now.inertia > RequirementSource::inertiaBound);
    return c;
}

bool checkJudges(const Calculation& state, const QString& rk, const QString& r0,
                 const QString& rqmin, QChar separator) {
    const CheckSnapshot& s = state.snapshot;
    return state.hasSnapshot && s.r0 == r0 && s.rqmin == rqmin && sameNumber(s.rk, rk, separator);
}

bool quantityFollows(const Project::LayerInputs& countedFor, const Project::LayerInputs& layer12,
                     const Changes& changes) {
    return countedFor == layer12 && !changes.layers;
}

QString note(const Changes& c) {
    if (count(c) > 1) {
        const QString press =
            c.layers ? text(QT_TRANSLATE_NOOP("ResultState", "нажмите «Расчет» в окне слоев"))
            : c.checkInputs() ? text(QT_TRANSLATE_NOOP("ResultState", "нажмите «Расчет!!!»"))
                              : QString();
        QString line = text(QT_TRANSLATE_NOOP("ResultState", "Изменены %1"))
                           .arg(names(c).join(QStringLiteral(", ")));
        if (!press.isEmpty())
            line += QStringLiteral(": ") + press;
        if (c.requirementClass)
            line += text(QT_TRANSLATE_NOOP("ResultState", "; Rqmin выберите заново"));
        return line;
    }
    if (c.layers)
        return text(
            QT_TRANSLATE_NOOP("ResultState", "Слои изменены: нажмите «Расчет» в окне слоев"));
    if (c.checkInputs())
        return text(QT_TRANSLATE_NOOP("ResultState", "Данные изменены: нажмите «Расчет!!!»"));
    if (c.requirementClass)
        return text(QT_TRANSLATE_NOOP("ResultState", "D изменилось: выберите Rqmin заново"));
    return {};
}

QString question(const Changes& c) {
    const QString classSentence = text(QT_TRANSLATE_NOOP(
        "ResultState", "Тепловая инерция D конструкции перешла в другой класс после того, "
                       "как было принято Rqmin; Rqmin нужно выбрать заново в окне "
                       "требуемого сопротивления, отчет отметит это."));
    if (count(c) > 1) {
        QString q = text(QT_TRANSLATE_NOOP("ResultState",
                                           "После последнего расчета изменены: %1; результаты "
                                           "устарели."))
                        .arg(names(c).join(QStringLiteral(", ")));
        if (c.requirementClass)
            q += QLatin1Char(' ') + classSentence;
        return q + QLatin1Char('\n') +
               text(QT_TRANSLATE_NOOP("ResultState",
                                      "Пересчитать и сделать отчет по новым данным?"));
    }
    if (c.layers)
        return text(QT_TRANSLATE_NOOP(
            "ResultState", "Слои конструкции изменены после последнего расчета, результаты "
                           "устарели.\nПересчитать и сделать отчет по новым данным?"));
    if (c.checkInputs())
        return text(QT_TRANSLATE_NOOP(
            "ResultState", "Rk, коэффициенты теплоотдачи или Rqmin изменены после последней "
                           "проверки, результаты устарели.\nПересчитать и сделать отчет по "
                           "новым данным?"));
    if (c.requirementClass)
        return classSentence + QLatin1Char('\n') +
               text(QT_TRANSLATE_NOOP("ResultState", "Пересчитать и сделать отчет?"));
    return {};
}

} // namespace ResultState
