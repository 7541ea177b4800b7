#include "ui/Unit1.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm1::TForm1(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Просмотр, редактирование"));
}

void TForm1::openFromDialog(FileDialog& dialog) { (void)dialog; }

void TForm1::saveWithDialog(FileDialog& dialog) { (void)dialog; }

void TForm1::showReport(const QString& path) { (void)path; }
