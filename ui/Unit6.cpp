#include "ui/Unit6.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm6::TForm6(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Межквартирные перегородки"));
}

void TForm6::writeAlphaInt(const QString& text) { (void)text; }
QString TForm6::purposeText() const { return {}; }
QString TForm6::deltaTcrText() const { return {}; }
