#pragma once
// The coefficients window: alpha_ext and alpha_int by type of construction.

#include <QWidget>

class QComboBox;
class QLineEdit;
struct Forms;

class TForm4 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm4(Forms& forms);

  private:
    void typeChanged(); // ComboBox1Change
    void accept();      // Button1Click

    Forms& forms_;

    double alphaExt_ = 0.0;
    double alphaInt_ = 0.0;

    QComboBox* ComboBox1 = nullptr; // type of construction
    QLineEdit* Edit1 = nullptr;     // alpha_ext
    QLineEdit* Edit2 = nullptr;     // alpha_int
};
