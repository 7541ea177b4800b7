#pragma once
// The required-resistance window: Rqmin from the code's tables.

#include <QWidget>

struct Forms;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(Forms& forms);

    // Hand-overs from the layer window.
    void writeInertia(const QString& text); // D into Edit2
    void enableCalculateButton();           // "Расчет" (Button2)

    // What the calculation report reads.
    QString zoneText() const;   // ComboBox13
    QString regimeText() const; // ComboBox3
    bool reconstructionTicked() const;

private:
    Forms& forms_;
};
