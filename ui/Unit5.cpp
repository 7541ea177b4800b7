#include "ui/Unit5.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm5::TForm5(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Подобрать утеплитель в ЧП \"ВЕРАСК\""));
}
