#pragma once
// The coefficients window: alpha_ext and alpha_int by type of construction.

#include "core/ProjectRecord.h"
#include "ui/LazyWindow.h"
#include "ui/ListChoice.h"
#include "ui/ListPrompt.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QLineEdit;
struct Forms;

class TForm4 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm4(Forms& forms);

    // The project: the type and the two fields as the user left them, and their restoration.
    Project::CoefficientInputs inputs() const;
    void setInputs(const Project::CoefficientInputs& in);

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::CoefficientInputs freshInputs() const;
    void retranslateUi();
    ListPrompt typeListPrompt() const;
    void typeChanged(); // ComboBox1Change
    void accept();      // Button1Click

    Forms& forms_;

    double alphaExt_ = 0.0;
    double alphaInt_ = 0.0;
    int keptType_ = -1; // the type whose pair is kept

    QComboBox* ComboBox1 = nullptr; // type of construction
    QLineEdit* Edit1 = nullptr;     // alpha_ext
    QLineEdit* Edit2 = nullptr;     // alpha_int
    QLabel* outerCaption_ = nullptr;
    QLabel* outerUnit_ = nullptr;
    QLabel* innerCaption_ = nullptr;
    QLabel* innerUnit_ = nullptr;
    QPushButton* acceptButton_ = nullptr;
};
