#pragma once
// The coefficients window: alpha_ext and alpha_int by type of construction.

#include <QWidget>

struct Forms;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(Forms& forms);

private:
    Forms& forms_;
};
