#pragma once
// The walls-between-flats window: Rqmin from two design air temperatures.

#include <QWidget>

struct Forms;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(Forms& forms);

    // Hand-over from the coefficients window.
    void writeAlphaInt(const QString& text);

    // What the calculation report reads.
    QString purposeText() const;  // ComboBox3
    QString deltaTcrText() const; // Edit3

private:
    Forms& forms_;
};
