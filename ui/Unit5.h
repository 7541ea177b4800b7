#pragma once
// The insulation selection window: the board and the thickness it needs.

#include <QWidget>

struct Forms;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(Forms& forms);

private:
    Forms& forms_;
};
