// GCC 12 takes the QLists moved into the document's blocks (a std::variant) for maybe
// uninitialized when it inlines deeply (release builds): a known false positive.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "formats/ReportDocument.h"

#include "core/NumberText.h"
#include "core/RequiredResistance.h"
#include "core/ResistanceCheck.h"
#include "formats/MoistureDocument.h"

#include <QCoreApplication>

#include <cmath>

namespace {

using ReportDocument::Block;
using ReportDocument::Row;
using ReportDocument::Section;

// A numbered section's heading and its rows.
struct Headed {
    QString heading;
    QList<Row> rows;
};

void append(QList<Block>& blocks, Headed headed) {
    blocks << ReportDocument::Heading{std::move(headed.heading)} << Section{std::move(headed.rows)};
}

const QString resistanceUnit = QStringLiteral(" м²·К/Вт");
const QString coefficientUnit = QStringLiteral(" Вт/(м²·К)");
const QString celsius = QStringLiteral(" °C");

Headed requirement(const ReportDocument::Input& input) {
    const QString& rqmin = input.report.snapshot.rqmin;
    Headed section{
        QCoreApplication::translate("ReportDocument", "Требуемое сопротивление теплопередаче"), {}};
    const auto& source = input.requirement;
    if (!source || source->acceptedText != rqmin) {
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Источник Rqmin"),
            QCoreApplication::translate("ReportDocument", "введено вручную в главном окне"),
            {}};
    } else {
        if (source->building != Project::BuildingKind::WallsBetweenFlats) {
            section.rows << Row{QCoreApplication::translate("ReportDocument", "Температурная зона"),
                                source->zone,
                                {}};
            if (!source->city.isEmpty())
                section.rows << Row{
                    QCoreApplication::translate("ReportDocument", "Город"), source->city, {}};
        }
        QString envelope = source->envelope;
        if (!source->regime.isEmpty())
            envelope += QCoreApplication::translate("ReportDocument", ", режим: ") + source->regime;
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Вид конструкции (таблица ") +
                Project::tableNumber(source->building) + QLatin1Char(')'),
            envelope,
            {}};
        if (!source->inertiaClass.isEmpty())
            section.rows << Row{
                QCoreApplication::translate("ReportDocument", "Класс тепловой инерции"),
                source->inertiaClass,
                {}};
        // The factor of the code's clause 2.3 for a reconstruction aimed at thermal renovation.
        if (source->reconstruction)
            section.rows << Row{QCoreApplication::translate("ReportDocument",
                                                            "Значение по таблице"),
                                source->tableValue + resistanceUnit,
                                {}}
                         << Row{QCoreApplication::translate(
                                    "ReportDocument", "Коэффициент при реконструкции (п. 2.3 ДБН)"),
                                NumberText::general(RequiredResistance::reconstructionFactor,
                                                    input.separator),
                                {}};
    }
    section.rows << Row{
        QCoreApplication::translate("ReportDocument", "Требуемое сопротивление Rqmin"),
        rqmin + resistanceUnit,
        {}};
    if (!input.inertiaNow.isEmpty() && source)
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Внимание"),
            QCoreApplication::translate("ReportDocument",
                                        "Rqmin принято для %1, а D конструкции теперь %2: "
                                        "Rqmin нужно выбрать заново")
                .arg(source->inertiaClass, input.inertiaNow),
            Rgb{255, 0, 0}};
    section.rows << Row{QCoreApplication::translate("ReportDocument", "Редакция норм"),
                        RequiredResistance::codeEditionNote(),
                        {}};
    return section;
}

bool betweenFlats(const ReportDocument::Input& input) {
    return input.requirement &&
           input.requirement->building == Project::BuildingKind::WallsBetweenFlats;
}

Headed coefficients(const ReportDocument::Input& input) {
    const CheckSnapshot& s = input.report.snapshot;
    // A wall between flats has no outer surface: its second surface faces the neighbours.
    const QString second =
        betweenFlats(input)
            ? QCoreApplication::translate("ReportDocument", "Поверхности со стороны соседей Alfa н")
            : QCoreApplication::translate("ReportDocument", "Наружной поверхности Alfa н");
    return {QCoreApplication::translate("ReportDocument",
                                        "Коэффициенты теплоотдачи поверхностей (приложение Е)"),
            {{QCoreApplication::translate("ReportDocument", "Тип конструкции"),
              s.constructionType.shown().trimmed(),
              {}},
             {second, s.alphaExt + coefficientUnit, {}},
             {QCoreApplication::translate("ReportDocument", "Внутренней поверхности Alfa в"),
              s.alphaInt + coefficientUnit,
              {}}}};
}

// A number text shortened to three significant digits, for the long fraction of an
// air gap's equivalent conductivity; other texts stay as the window shows them.
QString threeSignificant(const QString& text, QChar separator) {
    const auto value = NumberText::tryParse(text, separator);
    if (!value || *value == 0)
        return text;
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(std::fabs(*value))));
    return NumberText::general(std::round(*value * scale) / scale, separator);
}

ReportDocument::Table layerTable(const ReportDocument::Input& input) {
    const CalculationReport::Input& in = input.report;
    ReportDocument::Table table;
    table.header = {QStringLiteral("№"),
                    QCoreApplication::translate("ReportDocument", "Строка"),
                    QCoreApplication::translate("ReportDocument", "Материал"),
                    QCoreApplication::translate("ReportDocument", "Толщина, мм"),
                    QStringLiteral("Ld, Вт/(м·К)"),
                    QStringLiteral("R, м²·К/Вт"),
                    QStringLiteral("S, Вт/(м²·К)"),
                    QStringLiteral("D")};
    // Numbered from the room side, as the section is drawn; the row of the layer window
    // beside each.
    const bool roomSideFirst = input.profileInputs.insideIsLayer1;
    for (int k = 0; k < layerCount; ++k) {
        const int i = roomSideFirst ? k : layerCount - 1 - k;
        const CalculationReport::Layer& layer = in.layers[i];
        if (layer.calculatedThickness <= 0) // as the text report, only calculated layers
            continue;
        const bool airGap = i == 10 && in.layer11HoldsAirGap;
        table.rows << QStringList{QString::number(table.rows.size() + 1),
                                  QString::number(i + 1),
                                  layer.name,
                                  layer.thickness,
                                  airGap ? threeSignificant(layer.ld, input.separator) : layer.ld,
                                  layer.resistance,
                                  layer.s,
                                  layer.inertia};
    }
    table.totals = {QString(),
                    QString(),
                    QCoreApplication::translate("ReportDocument", "Итого"),
                    in.totalThickness,
                    QString(),
                    in.rkField,
                    QString(),
                    input.inertiaTotal};
    if (in.layer11HoldsAirGap && in.layers[10].calculatedThickness > 0)
        table.note =
            QCoreApplication::translate("ReportDocument", "Слой 11 — воздушная прослойка: ") +
            in.airGapPlacement +
            QCoreApplication::translate("ReportDocument", ", при температуре ") +
            in.airGapTemperature + QLatin1Char('.');
    return table;
}

// The verdict of the last check stands only while its Rqmin still applies to the layers.
bool requirementToRetake(const ReportDocument::Input& input) {
    return !input.inertiaNow.isEmpty() && input.requirement;
}

bool verdictMet(const ReportDocument::Input& input) {
    return !requirementToRetake(input) && input.report.snapshot.met;
}

Headed resistance(const ReportDocument::Input& input) {
    const CheckSnapshot& s = input.report.snapshot;
    const QString formula =
        QCoreApplication::translate("ReportDocument", "1/Alfa н + Rk + 1/Alfa в = 1/") +
        s.alphaExt + QStringLiteral(" + ") + s.rk + QStringLiteral(" + 1/") + s.alphaInt +
        QStringLiteral(" = ") + s.r0 + resistanceUnit;
    // The heat transfer coefficient that product sheets and energy certificates use.
    const auto r0 = NumberText::tryParse(s.r0, input.separator);
    const QString u = r0 && *r0 > 0
                          ? NumberText::fixed(1 / *r0, 15, 3, input.separator) + coefficientUnit
                          : QStringLiteral("—");
    return {
        QCoreApplication::translate("ReportDocument", "Сопротивление теплопередаче конструкции"),
        {{QStringLiteral("R0"), formula, {}},
         {QStringLiteral("U = 1/R0"), u, {}},
         {QCoreApplication::translate("ReportDocument", "Сравнение"),
          s.r0 + QLatin1Char(' ') + ResistanceCheck::relationSign(s.relation).trimmed() +
              QLatin1Char(' ') + s.rqmin + QStringLiteral("   (") +
              input.report.relationCaption.trimmed() + QLatin1Char(')'),
          {}},
         requirementToRetake(input)
             ? Row{QCoreApplication::translate("ReportDocument", "Вывод"),
                   QCoreApplication::translate(
                       "ReportDocument", "не сделан: Rqmin нужно выбрать заново для D конструкции"),
                   ResistanceCheck::initialColor()}
             : Row{QCoreApplication::translate("ReportDocument", "Вывод"),
                   ResistanceCheck::verdictText(s.met), input.verdictColor}}};
}

// The thickness in layer 12, and the needed one beside it when they differ.
Row boardThickness(const ReportDocument::Input& input, const ReportDocument::Insulation& board) {
    const QString mm = QStringLiteral(" мм");
    const auto adopted = NumberText::tryParse(board.adopted, input.separator);
    if (board.needed && adopted && *adopted == *board.needed)
        return {QCoreApplication::translate("ReportDocument", "Необходимая толщина"),
                board.adopted + mm,
                {}};
    const QString needed =
        board.needed ? QCoreApplication::translate("ReportDocument", "для Rqmin %1 необходимо %2")
                           .arg(input.report.snapshot.rqmin,
                                NumberText::fixed(*board.needed, 8, 0, input.separator) + mm)
                     : QCoreApplication::translate("ReportDocument",
                                                   "для Rqmin %1 толщина этой плиты не подбирается")
                           .arg(input.report.snapshot.rqmin);
    return {QCoreApplication::translate("ReportDocument", "Толщина утеплителя"),
            QCoreApplication::translate("ReportDocument", "Принята %1; %2")
                .arg(board.adopted + mm, needed),
            {}};
}

// An order only for a construction that passes with the board it was worked out for;
// otherwise one line says why it is left out.
QList<Row> quantityRows(const ReportDocument::Input& input) {
    if (!input.quantity)
        return {};
    const QString caption = QCoreApplication::translate("ReportDocument", "Расход утеплителя");
    if (!input.insulation || !input.quantity->followsLayer12)
        return {{caption,
                 QCoreApplication::translate(
                     "ReportDocument", "не приводится: плита или ее толщина в слое 12 изменены "
                                       "после подсчета расхода"),
                 {}}};
    if (!verdictMet(input))
        return {{caption,
                 QCoreApplication::translate("ReportDocument",
                                             "не приводится: конструкция не проходит проверку"),
                 {}}};
    // The window shows the volume in whole cubic metres; an order must not be short.
    return {
        {QCoreApplication::translate("ReportDocument", "Площадь утепления"),
         NumberText::fixed(input.quantity->area, 15, 2, input.separator) + QStringLiteral(" м²"),
         {}},
        {QCoreApplication::translate("ReportDocument", "Объем утеплителя"),
         NumberText::fixed(input.quantity->volumeM3, 15, 2, input.separator) +
             QStringLiteral(" м³"),
         {}}};
}

Headed insulation(const ReportDocument::Input& input) {
    Headed section{QCoreApplication::translate("ReportDocument", "Утеплитель"), {}};
    if (input.insulation)
        section.rows << Row{QCoreApplication::translate("ReportDocument", "Плита"),
                            input.insulation->name,
                            {}}
                     << boardThickness(input, *input.insulation);
    else
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Толщина утеплителя"),
            QCoreApplication::translate("ReportDocument", "для текущего Rqmin не подобрана"),
            {}};
    section.rows << quantityRows(input);
    return section;
}

Section surface(const ReportDocument::Input& input) {
    const TemperatureCheck::Evaluation& e = input.temperatures;
    const ProfileInputs& p = input.profileInputs;
    Section section;
    if (!e.profile)
        return section;
    const auto temperature = [&](double value) {
        return TemperatureCheck::temperatureText(value, input.separator) + celsius;
    };
    section.rows << Row{QCoreApplication::translate("ReportDocument", "Внутренний воздух"),
                        QStringLiteral("tв = ") + p.indoorTemperature + celsius +
                            (e.humidityKnown ? QStringLiteral(", φв = ") + p.indoorHumidity +
                                                   QStringLiteral(" %")
                                             : QString()),
                        {}}
                 << Row{QCoreApplication::translate("ReportDocument", "Наружный воздух"),
                        QCoreApplication::translate("ReportDocument", "tн = ") +
                            p.outdoorTemperature + celsius,
                        {}}
                 << Row{QCoreApplication::translate("ReportDocument",
                                                    "Температура внутренней поверхности τв"),
                        temperature(e.profile->innerSurface),
                        {}}
                 << Row{QCoreApplication::translate("ReportDocument",
                                                    "Температура наружной поверхности τн"),
                        temperature(e.profile->outerSurface),
                        {}};
    if (e.humidityKnown && e.profile->hasDewPoint)
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Точка росы внутреннего воздуха tр"),
            temperature(e.profile->dewPoint),
            {}};
    section.rows << Row{QCoreApplication::translate("ReportDocument", "Перепад tв − τв"),
                        temperature(e.profile->temperatureDrop) +
                            QCoreApplication::translate("ReportDocument", ", Δtн = ") +
                            p.criticalDifference + celsius,
                        {}};
    if (e.sanitaryMet)
        section.rows << Row{QCoreApplication::translate("ReportDocument", "Санитарное условие"),
                            TemperatureCheck::sanitaryVerdict(*e.sanitaryMet),
                            TemperatureCheck::verdictColor(*e.sanitaryMet)};
    if (e.surfaceStaysDry)
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Конденсация на поверхности"),
            TemperatureCheck::condensationVerdict(*e.surfaceStaysDry, !e.profile->hasDewPoint),
            TemperatureCheck::verdictColor(*e.surfaceStaysDry)};
    if (!e.note.isEmpty())
        section.rows << Row{
            QCoreApplication::translate("ReportDocument", "Примечание"), e.note, {}};
    return section;
}

// Why the drawing is missing: what the temperature profile window says.
QString noDrawingReason(const TemperatureCheck::Evaluation& e) {
    QStringList lines;
    for (const auto& problem : e.problems)
        lines << problem.reason;
    if (!e.blocker.isEmpty())
        lines << e.blocker;
    return QCoreApplication::translate("ReportDocument", "Разрез не построен. ") +
           lines.join(QLatin1Char(' '));
}

// The title block: object, client, author, each when filled.
Section details(const ReportDocument::Input& input) {
    Section section;
    for (const auto& [caption, value] :
         {std::pair{QCoreApplication::translate("ReportDocument", "Объект"),
                    input.details.objectTitle},
          std::pair{QCoreApplication::translate("ReportDocument", "Заказчик"),
                    input.details.client},
          std::pair{QCoreApplication::translate("ReportDocument", "Исполнитель"),
                    input.details.author}})
        if (!value.trimmed().isEmpty())
            section.rows << Row{caption, value.trimmed(), {}};
    return section;
}

// The section drawing's height leaves room for the captions of thin layers.
constexpr double sectionDrawingHeightMm = 150;
constexpr double sectionDrawingSpaceBelowMm = 3;

} // namespace

namespace ReportDocument {

Content compose(const Input& input) {
    Content content;
    content.programName = QStringLiteral("Vuvuvudozizod");
    content.title =
        betweenFlats(input)
            ? QCoreApplication::translate("ReportDocument",
                                          "РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ СТЕНЫ МЕЖДУ КВАРТИРАМИ")
            : (QCoreApplication::translate("ReportDocument", "РАСЧЕТ ТЕПЛОИЗОЛЯЦИИ КОНСТРУКЦИИ ") +
               input.report.constructionKind)
                  .trimmed();
    content.subtitle = QCoreApplication::translate("ReportDocument",
                                                   "Согласно ДБН В.2.6-31:2006. Дата расчета: ") +
                       input.date;
    QList<Block>& blocks = content.blocks;
    blocks << details(input);
    append(blocks, requirement(input));
    append(blocks, coefficients(input));
    blocks << Heading{QCoreApplication::translate("ReportDocument", "Слои конструкции")}
           << layerTable(input);
    append(blocks, resistance(input));
    append(blocks, insulation(input));
    blocks << Heading{QCoreApplication::translate("ReportDocument", "Температуры в разрезе")};
    if (input.temperatures.profile)
        blocks << Figure{Drawing::SectionTemperatures, sectionDrawingHeightMm,
                         sectionDrawingSpaceBelowMm}
               << surface(input);
    else
        blocks << Paragraph{noDrawingReason(input.temperatures)};
    blocks << MoistureDocument::compose(input);
    return content;
}

QList<Block> numbered(QList<Block> blocks) {
    int number = 0;
    for (Block& block : blocks)
        if (auto* heading = std::get_if<Heading>(&block); heading && heading->numbered) {
            heading->text = QString::number(++number) + QStringLiteral(". ") + heading->text;
            heading->numbered = false;
        }
    return blocks;
}

QString pageFooter(int page, int pages) {
    return QCoreApplication::translate("ReportDocument", "Страница %1 из %2").arg(page).arg(pages);
}

} // namespace ReportDocument
