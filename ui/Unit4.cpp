#include "ui/Unit4.h"

#include "core/NumberText.h"
#include "core/SurfaceCoefficients.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/Main.h"
#include "ui/Unit6.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A bold display field on the window's own background, passed over by the Tab key.
QLineEdit* displayField(const QString& name) {
    auto* field = new QLineEdit(QStringLiteral("0"));
    field->setObjectName(name);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setMaximumWidth(90);
    return field;
}

} // namespace

TForm4::TForm4(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Коэффициенты теплоотдачи"));

    ComboBox1 = editableList(QStringLiteral("ComboBox1"), SurfaceCoefficients::typeItems(),
                             QStringLiteral("Тип конструкции ..."));
    ComboBox1->setMinimumContentsLength(64);

    Edit1 = displayField(QStringLiteral("Edit1"));
    Edit2 = displayField(QStringLiteral("Edit2"));
    auto* acceptButton = new QPushButton(QStringLiteral("Принять"));
    acceptButton->setObjectName(QStringLiteral("Button1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    auto* grid = new QGridLayout;
    grid->addWidget(
        namedLabel(QStringLiteral("Коэф.геплоотдачи наружн."), QStringLiteral("OuterCaption")), 0,
        0);
    grid->addWidget(namedLabel(QStringLiteral("Alfa н, Вт/(м2*К)"), QStringLiteral("OuterUnit")), 0,
                    1);
    grid->addWidget(Edit1, 0, 2);
    grid->addWidget(
        namedLabel(QStringLiteral("Коэф.геплоотдачи внутр."), QStringLiteral("InnerCaption")), 1,
        0);
    grid->addWidget(namedLabel(QStringLiteral("Alfa в, Вт/(м2*К)"), QStringLiteral("InnerUnit")), 1,
                    1);
    grid->addWidget(Edit2, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(acceptButton, 0, 4, 2, 1, Qt::AlignBottom);
    layout->addLayout(grid);
    layout->addStretch(1);

    onUserChange(ComboBox1, this, [this] { guarded(forms_.platform, [this] { typeChanged(); }); });
    connect(acceptButton, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { accept(); }); });
}

void TForm4::typeChanged() {
    if (const auto pair = SurfaceCoefficients::forType(pickedIndex(ComboBox1))) {
        alphaExt_ = pair->alphaExt;
        alphaInt_ = pair->alphaInt;
        keptType_ = pickedIndex(ComboBox1);
    }
    Edit1->setText(NumberText::general(alphaExt_, forms_.separator()));
    Edit2->setText(NumberText::general(alphaInt_, forms_.separator()));
}

// Writes the looked-up pair, not whatever was typed into the display fields.
void TForm4::accept() {
    const QChar separator = forms_.separator();
    forms_.mainForm->writeAlphaExt(NumberText::general(alphaExt_, separator));
    forms_.mainForm->writeAlphaInt(NumberText::general(alphaInt_, separator));
    forms_.mainForm->writeConstructionType(ComboBox1->currentText());
    forms_.form6->writeAlphaInt(NumberText::result(alphaInt_, separator));
    hide();
}

Project::CoefficientInputs TForm4::inputs() const {
    return {shownChoice(ComboBox1, keptType_), Edit1->text(), Edit2->text()};
}

void TForm4::setInputs(const Project::CoefficientInputs& in) {
    restoreChoice(ComboBox1, in.constructionType, [this] { typeChanged(); });
    Edit1->setText(in.alphaExt);
    Edit2->setText(in.alphaInt);
}
