#include "ui/Unit4.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm4::TForm4(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Коэффициенты теплоотдачи"));
}
