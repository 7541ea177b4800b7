#include "core/ResultState.h"

#include <QCoreApplication>

namespace ResultState {

bool sameLayers(const Project::LayerStackInputs& a, const Project::LayerStackInputs& b) {
    return a.layers == b.layers && a.layer11HoldsAirGap == b.layer11HoldsAirGap;
}

Change change(const Calculation& state, const Now& now) {
    if (!state.hasSnapshot)
        return Change::None;
    if (state.layerRun && !sameLayers(*state.layerRun, now.layers))
        return Change::Layers;
    const CheckSnapshot& s = state.snapshot;
    if (s.rk != now.rk || s.alphaExt != now.alphaExt || s.alphaInt != now.alphaInt ||
        s.rqmin != now.rqmin)
        return Change::CheckInputs;
    const auto& source = state.requirement;
    if (source && source->inertiaAbove && now.inertia && source->acceptedText == now.rqmin &&
        *source->inertiaAbove != (*now.inertia > RequirementSource::inertiaBound))
        return Change::RequirementClass;
    return Change::None;
}

QString note(Change change) {
    switch (change) {
    case Change::Layers:
        return QCoreApplication::translate("ResultState",
                                           "Слои изменены: нажмите «Расчет» в окне слоев");
    case Change::CheckInputs:
        return QCoreApplication::translate("ResultState", "Данные изменены: нажмите «Расчет!!!»");
    case Change::RequirementClass:
        return QCoreApplication::translate("ResultState", "D изменилось: выберите Rqmin заново");
    case Change::None:
        break;
    }
    return {};
}

QString question(Change change) {
    switch (change) {
    case Change::Layers:
        return QCoreApplication::translate(
            "ResultState", "Слои конструкции изменены после последнего расчета, результаты "
                           "устарели.\nПересчитать и сделать отчет по новым данным?");
    case Change::CheckInputs:
        return QCoreApplication::translate(
            "ResultState", "Rk, коэффициенты теплоотдачи или Rqmin изменены после последней "
                           "проверки, результаты устарели.\nПересчитать и сделать отчет по "
                           "новым данным?");
    case Change::RequirementClass:
        return QCoreApplication::translate(
            "ResultState", "Тепловая инерция D конструкции перешла в другой класс после того, "
                           "как было принято Rqmin; Rqmin нужно выбрать заново в окне "
                           "требуемого сопротивления, отчет отметит это.\nПересчитать и "
                           "сделать отчет?");
    case Change::None:
        break;
    }
    return {};
}

} // namespace ResultState
