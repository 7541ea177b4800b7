#pragma once
// The air-gap window: the resistance of a closed air gap for layer 11.

#include <QWidget>

struct Forms;

class TForm7 : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(Forms& forms);

    // What the calculation report reads.
    QString placementText() const;   // ComboBox2
    QString temperatureText() const; // ComboBox3

private:
    Forms& forms_;
};
