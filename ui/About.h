#pragma once
// The About window: what the program is, its version, dealer and author.

#include <QWidget>

struct Forms;

class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(Forms& forms);

private:
    Forms& forms_;
};
