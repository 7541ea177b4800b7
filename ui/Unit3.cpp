#include "ui/Unit3.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm3::TForm3(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Требуемое сопротивление"));
}

void TForm3::writeInertia(const QString& text) { (void)text; }
void TForm3::enableCalculateButton() {}
QString TForm3::zoneText() const { return {}; }
QString TForm3::regimeText() const { return {}; }
bool TForm3::reconstructionTicked() const { return false; }
