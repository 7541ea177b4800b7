#include "ui/Unit9.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm9::TForm9(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Подсчет расхода утеплителя"));
}
