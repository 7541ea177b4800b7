#include "core/ResistanceCheck.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <QCoreApplication>

using Arithmetic::checked;
using Arithmetic::divide;

namespace ResistanceCheck {

double computeR0(const QString& rk, const QString& alphaExt, const QString& alphaInt,
                 QChar separator) {
    const double resistance = NumberText::parse(rk, separator);
    const double outer = NumberText::parse(alphaExt, separator);
    const double inner = NumberText::parse(alphaInt, separator);
    return checked((divide(1.0, outer) + resistance) + divide(1.0, inner));
}

Verdict check(const QString& rk, const QString& alphaExt, const QString& alphaInt,
              const QString& r0, const QString& rqmin, QChar separator) {
    NumberText::parse(rk, separator);
    NumberText::parse(alphaExt, separator);
    NumberText::parse(alphaInt, separator);
    const double shownR0 = NumberText::parse(r0, separator);
    const double required = NumberText::parse(rqmin, separator);
    Verdict verdict;
    verdict.r0Text = NumberText::result(shownR0, separator);
    verdict.rqminText = NumberText::result(required, separator);
    verdict.met = shownR0 >= required;
    verdict.relation = shownR0 > required    ? Relation::Greater
                       : shownR0 == required ? Relation::Equal
                                             : Relation::Less;
    return verdict;
}

double computeRkRequired(const QString& alphaExt, const QString& alphaInt, const QString& rqmin,
                         QChar separator) {
    const double outer = NumberText::parse(alphaExt, separator);
    const double inner = NumberText::parse(alphaInt, separator);
    const double required = NumberText::parse(rqmin, separator);
    return checked((required - divide(1.0, outer)) - divide(1.0, inner));
}

QString verdictText(bool met) {
    return met ? QCoreApplication::translate("ResistanceCheck", "Условие выполняется.")
               : QCoreApplication::translate("ResistanceCheck", "Условие не выполняется!");
}

QString relationCaption(Relation relation) {
    switch (relation) {
    case Relation::Greater:
        return QStringLiteral("Ro > Rqmin");
    case Relation::Equal:
        return QStringLiteral("Ro = Rqmin");
    case Relation::Less:
        break;
    }
    return QStringLiteral("Ro < Rqmin");
}

QString relationSign(Relation relation) {
    switch (relation) {
    case Relation::Greater:
        return QStringLiteral(" > ");
    case Relation::Equal:
        return QStringLiteral(" = ");
    case Relation::Less:
        break;
    }
    return QStringLiteral(" < ");
}

Rgb verdictColor(bool met) {
    return met ? Rgb{0, 128, 0} : Rgb{255, 0, 0};
}

Rgb initialColor() {
    return Rgb{128, 0, 0};
}

Rgb verdictLineInitialColor() {
    return Rgb{0, 128, 128};
}

QString initialRelationCaption() {
    return QStringLiteral("Ro <=> Rqmin");
}

} // namespace ResistanceCheck
