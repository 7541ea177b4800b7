#include "ui/Unit7.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm7::TForm7(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Воздушные прослойки"));
}

QString TForm7::placementText() const { return {}; }
QString TForm7::temperatureText() const { return {}; }
