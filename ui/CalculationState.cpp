#include "ui/CalculationState.h"

void CalculationState::setBuilding(Project::BuildingKind building) {
    state_.building = building;
    emit changed();
}

void CalculationState::recordCheck(const CheckSnapshot& snapshot) {
    state_.snapshot = snapshot;
    state_.hasSnapshot = true;
    emit changed();
}

void CalculationState::recordLayerRun(const Project::LayerStackInputs& inputs) {
    state_.layerRun = inputs;
    emit changed();
}

void CalculationState::setAirGapTarget(int layer) {
    state_.airGapTarget = layer;
    emit changed();
}

void CalculationState::setOrderingGrade(int grade) {
    state_.orderingGrade = grade;
    emit changed();
}

void CalculationState::acceptRequirement(const RequirementSource& source) {
    state_.requirement = source;
    emit changed();
}

void CalculationState::forgetRequirement() {
    state_.requirement.reset();
    emit changed();
}

void CalculationState::setProjectFile(const QString& path) {
    state_.projectFile = path;
    emit changed();
}

void CalculationState::inputsEdited() {
    emit changed();
}
