#include "ui/About.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
}
