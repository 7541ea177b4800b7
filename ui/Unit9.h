#pragma once
// The quantity window: insulation area, volume and the order text.

#include <QWidget>

struct Forms;

class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(Forms& forms);

private:
    Forms& forms_;
};
