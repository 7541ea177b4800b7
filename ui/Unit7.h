#pragma once
// The air-gap window: the resistance of a closed air gap for layer 11.

#include "core/ProjectRecord.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
struct Forms;

class TForm7 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm7(Forms& forms);

    // What the calculation report reads.
    QString placementText() const;   // ComboBox2
    QString temperatureText() const; // ComboBox3

    // The project: the three selectors and the resistance as the user left them,
    // and their restoration; the thickness looks the resistance up again.
    Project::AirGapInputs inputs() const;
    void setInputs(const Project::AirGapInputs& in);

  private:
    QComboBox* selector(const QString& name, const QString& prompt, const QStringList& items,
                        int& chosen);
    void ComboBox1Change(); // thickness
    void Button1Click();    // "Принять"

    Forms& forms_;
    QComboBox* ComboBox1 = nullptr; // thickness
    QComboBox* ComboBox2 = nullptr; // placement
    QComboBox* ComboBox3 = nullptr; // temperature
    QLineEdit* Edit1 = nullptr;     // resistance, m2*K/W
    QPushButton* Button1 = nullptr; // "Принять"
    // The item each selector shows, -1 while it shows its prompt or typed text.
    int thicknessIndex_ = -1;
    int placementIndex_ = -1;
    int temperatureIndex_ = -1;
};
