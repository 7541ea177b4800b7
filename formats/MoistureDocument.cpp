#include "formats/MoistureDocument.h"

#include "core/NumberText.h"

#include <QCoreApplication>

#include <algorithm>

// Inside the namespace, so that the translation tools take its name as the texts' context.
namespace MoistureDocument {

namespace {

using ReportDocument::Block;
using ReportDocument::Heading;
using ReportDocument::Row;
using ReportDocument::Section;
using ReportDocument::Table;

QString tr(const char* text) {
    return QCoreApplication::translate("MoistureDocument", text);
}

Table layerTable(const MoistureCheck::Evaluation& e, QChar sep) {
    Table table;
    table.wideColumns = {2, 7}; // the material and the origin
    table.header = {QStringLiteral("№"),  tr("Строка"),        tr("Материал"), tr("Толщина, мм"),
                    tr("δ, мг/(м·ч·Па)"), QStringLiteral("μ"), tr("sd, м"),    tr("Источник δ")};
    double thickness = 0;
    double equivalent = 0;
    bool tight = false;
    for (const MoistureCheck::LayerRow& row : e.rows) {
        const auto& delta = row.value.permeability;
        const bool refused = !row.value.problem.isEmpty();
        thickness += row.layer.thickness;
        equivalent += row.equivalentThickness.value_or(0);
        tight = tight || (delta && !row.equivalentThickness);
        table.rows << QStringList{
            QString::number(table.rows.size() + 1),
            QString::number(row.layer.number),
            row.layer.material.name.trimmed(),
            NumberText::general(row.layer.thickness, sep),
            delta ? NumberText::general(*delta, sep) : QStringLiteral("—"),
            row.factor ? NumberText::fixed(*row.factor, 4, 1, sep) : QStringLiteral("—"),
            row.equivalentThickness ? NumberText::fixed(*row.equivalentThickness, 4, 3, sep)
            : delta                 ? QStringLiteral("∞")
                                    : QStringLiteral("—"),
            refused ? row.value.problem
                    : VapourPermeability::originText(row.value.origin, row.twoSources)};
    }
    table.totals = {QString(),
                    QString(),
                    tr("Итого"),
                    NumberText::general(thickness, sep),
                    QString(),
                    QString(),
                    tight ? QStringLiteral("∞") : NumberText::fixed(equivalent, 4, 3, sep),
                    QString()};
    return table;
}

Table monthTable(const MoistureCheck::Evaluation& e, QChar sep) {
    Table table;
    table.wideColumns.clear();
    table.header = {tr("Месяц"), tr("θн, °C"), tr("φн, %"), tr("pн, Па")};
    for (qsizetype plane : e.balance->planes) {
        const QString name = MoistureCheck::planeName(e, plane);
        table.header << tr("%1: g, г/м²").arg(name) << tr("%1: Ma, г/м²").arg(name);
    }
    for (const Moisture::Month& month : e.balance->months)
        table.rows << MoistureCheck::monthCells(e, month, sep);
    return table;
}

constexpr double diagramHeightMm = 110;

bool climateTyped(const MoistureInputs& inputs) {
    const auto typed = [](const QString& text) { return !text.trimmed().isEmpty(); };
    return std::any_of(inputs.outdoorTemperature.begin(), inputs.outdoorTemperature.end(), typed) ||
           std::any_of(inputs.outdoorHumidity.begin(), inputs.outdoorHumidity.end(), typed);
}

} // namespace

// The vapour balance: the layers' permeabilities, the climate, the month table, the
// verdicts and the diagram of one month.
QList<Block> compose(const ReportDocument::Input& input) {
    if (!climateTyped(input.moistureInputs))
        return {};
    const MoistureCheck::Evaluation& e = input.moisture;
    const QChar sep = input.separator;
    QList<Block> blocks{Heading{tr("Влажностный режим")}, layerTable(e, sep)};
    const QString place = input.moistureInputs.place.trimmed();
    blocks << Section{
        {Row{tr("Климат (среднемесячный)"), place.isEmpty() ? tr("место не названо") : place, {}},
         Row{tr("Внутренний воздух"),
             tr("tв = %1 °C, φв = %2 % весь год")
                 .arg(input.profileInputs.indoorTemperature, input.profileInputs.indoorHumidity),
             {}},
         Row{tr("Сопротивления поверхностей"), e.surfacesName, {}}}};
    if (!e.balance) {
        QStringList lines = e.problems;
        if (!e.blocker.isEmpty())
            lines << e.blocker;
        blocks << ReportDocument::Paragraph{tr("Баланс не рассчитан. ") +
                                            lines.join(QLatin1Char(' '))};
        return blocks;
    }
    blocks << Heading{tr("Конденсация по месяцам"), false} << monthTable(e, sep);
    Section verdicts;
    verdicts.rows << Row{tr("Конденсация в толще"), MoistureCheck::interstitialVerdict(e, sep),
                         MoistureCheck::interstitialColor(e)};
    if (e.balance->verdict != Moisture::Verdict::NoCondensation)
        verdicts.rows << Row{
            tr("Начало года расчета"), Moisture::monthName(e.balance->startMonth), {}};
    verdicts.rows << Row{tr("Плесень на внутренней поверхности"),
                         MoistureCheck::surfaceVerdict(e, sep), MoistureCheck::surfaceColor(e)};
    const int month = Moisture::diagramMonth(*e.balance, *e.climate);
    blocks << verdicts
           << Heading{tr("Давление пара в разрезе, месяц «%1»").arg(Moisture::monthName(month)),
                      false}
           << ReportDocument::Figure{ReportDocument::Drawing::VapourPressures, diagramHeightMm, 0,
                                     month};
    return blocks;
}

} // namespace MoistureDocument
