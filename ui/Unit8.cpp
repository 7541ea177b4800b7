#include "ui/Unit8.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm8::TForm8(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Конструкции"));
}
