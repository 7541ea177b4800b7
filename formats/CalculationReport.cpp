#include "formats/CalculationReport.h"

#include "core/ResistanceCheck.h"

#include <QCoreApplication>

namespace {

const QString blank = QStringLiteral(" ");
const QString plus = QStringLiteral(" + ");

bool listed(const CalculationReport::Layer& layer) {
    return layer.calculatedThickness > 0;
}

// Layer 11 has its own spacing before "Ld".
QString layerLine(const CalculationReport::Layer& layer, int number) {
    const QString middle =
        number == 11 ? QStringLiteral(" мм,  Ld = ") : QStringLiteral(" мм,     Ld = ");
    return layer.name + QStringLiteral(" - ") + layer.thickness + middle + layer.ld +
           QStringLiteral(" Вт/(м*К);");
}

QStringList methodLines(const CalculationReport::Input& in) {
    return {
        QCoreApplication::translate("CalculationReport",
                                    "      РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ ") +
            in.constructionKind,
        blank,
        blank,
        QCoreApplication::translate("CalculationReport",
                                    "               ОПИСАНИЕ МЕТОДИКИ РАСЧЕТА"),
        QCoreApplication::translate("CalculationReport",
                                    "             (согласно ДБН В.2.6-31:2006)"),
        blank,
        QCoreApplication::translate("CalculationReport", "Необходимо выполнение условия:"),
        blank,
        QCoreApplication::translate("CalculationReport", " R0 >= Rqmin     ,где"),
        blank,
        QCoreApplication::translate("CalculationReport",
                                    "R0 - Сопротивление теплопередаче конструкции, м2*К/Вт"),
        QCoreApplication::translate("CalculationReport",
                                    "Rqmin -  требуемое сопротивление теплопередаче, м2*К/Вт."),
        blank,
        QCoreApplication::translate("CalculationReport", "R0=(1/Alfa н)+Rk+(1/Alfa в)    ,где"),
        blank,
        QCoreApplication::translate(
            "CalculationReport",
            "Alfa н - коэффициент теплопередачи наружной поверхности, Вт/(м2*К) ;"),
        QCoreApplication::translate(
            "CalculationReport",
            "Alfa в - коэффициент теплопередачи внутренней поверхности, Вт/(м2*К) ;"),
        QCoreApplication::translate("CalculationReport", "Rk - термическое сопротивление, м2*К/Вт"),
        QCoreApplication::translate("CalculationReport", "Rk=Summa(Ri)     ,где"),
        QCoreApplication::translate(
            "CalculationReport",
            "Ri:=(Dti/Ldi) - термическое сопротивление каждого слоя конструкции, "
            "м2*К/Вт"),
        QCoreApplication::translate("CalculationReport", "Dti - толщина і-го слоя, м;"),
        QCoreApplication::translate(
            "CalculationReport",
            "Ldi - коэффициент теплопроводности материала і-го слоя, Вт/(м*К)."),
        blank,
        blank};
}

QStringList requirementLines(const CalculationReport::Input& in) {
    QStringList lines{
        QCoreApplication::translate("CalculationReport", "             Р А С Ч Е Т"), blank,
        QCoreApplication::translate("CalculationReport", "  Температурная зона - ") + in.zone,
        blank,
        QCoreApplication::translate("CalculationReport", "Для вида конструкции  (Таблица ") +
            Project::tableNumber(in.building) + QStringLiteral(" ) : ")};
    switch (in.building) {
    case Project::BuildingKind::Residential:
        lines << in.envelopeCaption;
        break;
    case Project::BuildingKind::Production:
        lines << in.envelopeCaption +
                     QCoreApplication::translate("CalculationReport", "  при  режиме: ") +
                     in.regime;
        break;
    case Project::BuildingKind::WallsBetweenFlats:
        lines << QCoreApplication::translate("CalculationReport", "  для  домов : ") + in.purpose +
                     QCoreApplication::translate("CalculationReport", "  при  deltaTcr=") +
                     in.deltaTcr;
        break;
    }
    lines << QCoreApplication::translate("CalculationReport",
                                         "требуемое сопротивление теплопередаче   Rqmin = ") +
                 in.snapshot.rqmin +
                 QCoreApplication::translate("CalculationReport", "  м2*оС/Вт .");
    if (in.reconstruction)
        lines << QCoreApplication::translate(
            "CalculationReport", "( Принят допускаемый коэффициент 0,8 при реконструкции с целью "
                                 "термомодернизации  /п.2.3 ДБН/)");
    lines << blank
          << QCoreApplication::translate("CalculationReport",
                                         "Для типа конструкции (Приложение Е) :") +
                 in.snapshot.constructionType.shown() + QStringLiteral(" --")
          << QCoreApplication::translate("CalculationReport",
                                         "коэффициент теплопередачи наружной поверхности равен:")
          << QCoreApplication::translate("CalculationReport", "   Alfa н = ") +
                 in.snapshot.alphaExt + QStringLiteral("  Вт/(м2*К);")
          << QCoreApplication::translate("CalculationReport",
                                         "коэффициент теплопередачи внутренней поверхности равен:")
          << QStringLiteral("   Alfa в = ") + in.snapshot.alphaInt + QStringLiteral("  Вт/(м2*К).")
          << blank << blank
          << QCoreApplication::translate("CalculationReport",
                                         "Вычисляем термическое сопротивление Rk.")
          << QCoreApplication::translate("CalculationReport", "Условия эксплуатации - нормальные.")
          << blank;
    return lines;
}

QStringList layerLines(const CalculationReport::Input& in) {
    QStringList lines{
        QCoreApplication::translate("CalculationReport", "          СЛОИ КОНСТРУКЦИИ ") +
            in.constructionKind + QStringLiteral(" :"),
        blank};
    for (int i = 0; i < layerCount; ++i) {
        const CalculationReport::Layer& layer = in.layers[i];
        if (!listed(layer))
            continue;
        lines << layerLine(layer, i + 1);
        if (i + 1 == 11 && in.layer11HoldsAirGap)
            lines << QCoreApplication::translate("CalculationReport", "(Размещение- ") +
                         in.airGapPlacement +
                         QCoreApplication::translate("CalculationReport", " при температуре ") +
                         in.airGapTemperature + QStringLiteral(")");
    }
    lines << QString(37, QLatin1Char('-'))
          << QCoreApplication::translate("CalculationReport", "Итого толщина конструкции = ") +
                 in.totalThickness + QStringLiteral(" мм.")
          << blank << blank;
    return lines;
}

// " + " stands before the term of every listed layer but the first one of the stack.
QString rkLine(const CalculationReport::Input& in) {
    QString formula;
    QString resistances;
    for (int i = 0; i < layerCount; ++i) {
        const CalculationReport::Layer& layer = in.layers[i];
        if (!listed(layer))
            continue;
        if (i > 0) {
            formula += plus;
            resistances += plus;
        }
        formula += layer.thickness + QStringLiteral(" * 0,001/") + layer.ld;
        resistances += layer.resistance;
    }
    return QStringLiteral("   Rk = ") + formula + QStringLiteral(" = ") + resistances +
           QStringLiteral(" = ") + in.rkField + QStringLiteral(" м2*К/Вт.");
}

QStringList conclusionLines(const CalculationReport::Input& in) {
    const CheckSnapshot& s = in.snapshot;
    const QString r0Formula =
        QCoreApplication::translate("CalculationReport", "   R0=(1/Alfa н)+Rk+(1/Alfa в) = 1/");
    return {rkLine(in),
            blank,
            blank,
            QCoreApplication::translate("CalculationReport",
                                        "Сопротивление теплопередаче конструкции равно:"),
            blank,
            r0Formula + s.alphaExt + plus + s.rk + plus + QStringLiteral("1/") + s.alphaInt +
                QStringLiteral(" = ") + s.r0 + QStringLiteral("  м2*К/Вт ;"),
            blank,
            blank,
            blank,
            QCoreApplication::translate("CalculationReport", "          В Ы В О Д"),
            blank,
            s.r0 + blank + ResistanceCheck::relationSign(s.relation) + blank + s.rqmin,
            in.relationCaption,
            ResistanceCheck::verdictText(s.met)};
}

} // namespace

namespace CalculationReport {

QStringList lines(const Input& input) {
    return methodLines(input) + requirementLines(input) + layerLines(input) +
           conclusionLines(input);
}

QString text(const Input& input) {
    QString result;
    for (const QString& line : lines(input))
        result += line + QStringLiteral("\r\n");
    return result;
}

void takeRequirement(Input& in, const RequirementSource& accepted) {
    const RequirementSource::ReportTexts& texts = accepted.report;
    in.zone = texts.zone;
    in.building = accepted.building;
    in.envelopeCaption = texts.envelopeCaption;
    in.regime = texts.regime;
    in.purpose = texts.purpose;
    in.deltaTcr = texts.deltaTcr;
    in.reconstruction = texts.reconstruction;
}

} // namespace CalculationReport
