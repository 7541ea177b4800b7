#pragma once
// The one calculation in progress, owned above the windows: they read it freely and change
// it only through here, so that whatever follows it (the out-of-date notes) hears of every
// change, and of every edit of the inputs its results are judged against.

#include "core/Calculation.h"

#include <QObject>

class CalculationState : public QObject {
    Q_OBJECT

  public:
    const Calculation& operator*() const { return state_; }
    const Calculation* operator->() const { return &state_; }

    void setBuilding(Project::BuildingKind building);
    void recordCheck(const CheckSnapshot& snapshot);
    void recordLayerRun(const Project::LayerStackInputs& inputs);
    void setAirGapTarget(int layer);
    void setOrderingGrade(int grade);
    void acceptRequirement(const RequirementSource& source);
    void forgetRequirement();
    void setProjectFile(const QString& path);
    // An input that the results are judged against was edited.
    void inputsEdited();

  signals:
    void changed();

  private:
    Calculation state_;
};
