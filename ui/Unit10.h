#pragma once
// The contacts window: the dealer's offices and their pages.

#include <QWidget>

struct Forms;

class TForm10 : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(Forms& forms);

private:
    Forms& forms_;
};
