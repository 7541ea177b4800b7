#pragma once
// The air-gap window: the resistance of a closed air gap for layer 11.

#include "core/AirGaps.h"
#include "core/ProjectRecord.h"
#include "ui/LazyWindow.h"
#include "ui/ListPrompt.h"

#include <QByteArray>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Forms;

class TForm7 : public LazyWindow {
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

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::AirGapInputs freshInputs() const;
    // A selector with its prompt, which it shows in the interface language while no item is
    // chosen and nothing is typed.
    struct Selector {
        QComboBox* list = nullptr;
        QByteArray promptSource;
        ListPrompt prompt() const { return {list, AirGaps::context, promptSource.constData()}; }
    };
    QComboBox* selector(const QString& name, const QString& prompt, const QStringList& items,
                        int& chosen);
    void retranslateUi();
    static Project::ListChoice choiceOf(const Selector& selector, int item);
    void ComboBox1Change(); // thickness
    void Button1Click();    // "Принять"

    Forms& forms_;
    QComboBox* ComboBox1 = nullptr;     // thickness
    QComboBox* ComboBox2 = nullptr;     // placement
    QComboBox* ComboBox3 = nullptr;     // temperature
    QLineEdit* Edit1 = nullptr;         // resistance, m2*K/W
    QPushButton* Button1 = nullptr;     // "Принять"
    QLabel* temperatureUnit_ = nullptr; // "град.С"
    QLabel* resultCaption_ = nullptr;   // "Ld =" before the resistance
    std::array<Selector, 3> selectors_; // placement, temperature, thickness
    // The item each selector shows, -1 while it shows its prompt or typed text.
    int thicknessIndex_ = -1;
    int placementIndex_ = -1;
    int temperatureIndex_ = -1;
};
