#pragma once
// The user constructions window: the user's own list of materials.

#include <QWidget>

struct Forms;

class TForm8 : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(Forms& forms);

private:
    Forms& forms_;
};
