#include "ui/Unit10.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm10::TForm10(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Контакты и гиперссылки на сайт"));
}
