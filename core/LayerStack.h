#pragma once
// The construction's twelve layers: each layer's resistance R = Dt / (1000 * Ld) and
// inertia D = R * S, the construction's Rk, total thickness and inertia, and the
// thickness of layer 12 that reaches the required resistance.

#include "core/LayerCount.h"
#include "core/ProjectRecord.h"

#include <QChar>
#include <QString>

#include <array>

namespace LayerStack {

// Index 0 is layer 1, the top row of the layer window.
template <class T> using PerLayer = std::array<T, layerCount>;

// What a layer is made of: the catalogue entry it was chosen from, if any, and its name.
struct Material {
    int entry = -1;     // in the catalogue category of the layer's number; -1: none
    QString name;       // as the layer's list shows it
    QString nameSource; // the catalogue's untranslated name; empty for a typed name
};

// One layer of the construction: a row of the layer window.
struct Layer {
    Material material;
    // The texts of its fields as the user or another window left them.
    QString ldText; // W/(m*K)
    QString sText;  // W/(m2*K)
    QString dtText; // mm
    // The numbers the layer window keeps: a catalogue choice sets ld and s, a calculation
    // sets them all, one by one, as it reads and computes them.
    double ld = 0;
    double s = 0;
    double dt = 0;
    double r = 0;
    double d = 0;
};

// The construction: its layers from layer 1, and the totals of the last calculation.
struct Stack {
    PerLayer<Layer> layers;
    double rk = 0;
    double inertia = 0;
};

// Receives the results of each step as soon as it has them, so an interrupted
// calculation leaves shown exactly what it computed before the interruption.
class Steps {
  public:
    virtual ~Steps() = default;
    virtual void warn(const QString& text) = 0;
    virtual void showResistances(const PerLayer<QString>& r, const QString& rk,
                                 const QString& totalThickness) = 0;
    // Rk for the resistance check, which runs before the calculation goes on.
    virtual void handOverRk(const QString& rk) = 0;
    virtual void showInertia(const PerLayer<QString>& d, const QString& inertia) = 0;
    // Only while the requirement comes from the production buildings' table.
    virtual void handOverInertia(const QString& inertia) = 0;
    virtual void finish() = 0;
};

// "Расчет": reads the layers' Ld 1..12, Dt 1..12 texts, computes R and Rk, hands Rk
// over, then reads S 1..12 and computes D, handed over for a production building's Rqmin.
// A text that is not a number throws
// ConversionError there; what was stored and handed to `steps` before stays.
void calculate(Stack& stack, Project::BuildingKind building, QChar separator, Steps& steps);

QString warningTitle();
QString noConstructionWarning();
QString missingThicknessWarning(int layer);

// The whole millimetres of layer 12 that bring the last calculation's layers up to
// `Rk_req`: rounded up to tens from 5 mm on, an exact half of ten to the even ten
// (85 gives 90, 80 gives 80), never below 0.
double layer12Thickness(const Stack& stack, const QString& rkRequired, QChar separator);

} // namespace LayerStack
