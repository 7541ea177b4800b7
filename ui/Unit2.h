#pragma once
// The layer window: the construction's layers, their resistance and inertia.

#include "core/Rgb.h"

#include <QWidget>

struct Forms;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(Forms& forms);

    // Hand-overs from the insulation selection (buttons pressed from code raise their errors).
    void writeLayer12Name(const QString& text);
    void writeLd(int layer, const QString& text);        // Edit1 .. Edit12
    void writeS(int layer, const QString& text);         // Edit39 .. Edit50
    void writeThickness(int layer, const QString& text); // Edit13 .. Edit24
    void pressCalculate();                               // "Расчет"
    void pressLayer12Thickness();                        // hidden "Dt12"
    QString selectedLayer12Thickness() const;            // Edit64
    QString thickness(int layer) const;                  // Dt field text
    Rgb verdictColor() const;                            // colour of Label79

    // What the calculation report reads.
    QString ldText(int layer) const;
    QString resistanceText(int layer) const;
    double calculatedThickness(int layer) const; // stored Dt of the last calculation
    bool layer11HoldsAirGap() const;

    // The verdict line, written by the main window's check.
    void showVerdict(const QString& text, Rgb color);

private:
    class QLabel* Label79 = nullptr;
    Forms& forms_;
};
