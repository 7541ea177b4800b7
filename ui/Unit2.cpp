#include "ui/Unit2.h"

#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QVBoxLayout>

TForm2::TForm2(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Сопротивление слоев конструкции"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("---  Р е з у л ь т а т ы  ---")));
    Label79 = new QLabel(this);
    Label79->setObjectName(QStringLiteral("Label79"));
    layout->addWidget(Label79);
}

void TForm2::showVerdict(const QString& text, Rgb color) {
    Label79->setText(text);
    setTextColor(Label79, color);
}

void TForm2::writeLayer12Name(const QString& text) { (void)text; }
void TForm2::writeLd(int layer, const QString& text) { (void)layer; (void)text; }
void TForm2::writeS(int layer, const QString& text) { (void)layer; (void)text; }
void TForm2::writeThickness(int layer, const QString& text) { (void)layer; (void)text; }
void TForm2::pressCalculate() {}
void TForm2::pressLayer12Thickness() {}
QString TForm2::selectedLayer12Thickness() const { return {}; }
QString TForm2::thickness(int layer) const { (void)layer; return {}; }
Rgb TForm2::verdictColor() const { return textColor(Label79); }
QString TForm2::ldText(int layer) const { (void)layer; return {}; }
QString TForm2::resistanceText(int layer) const { (void)layer; return {}; }
double TForm2::calculatedThickness(int layer) const { (void)layer; return 0; }
bool TForm2::layer11HoldsAirGap() const { return false; }
