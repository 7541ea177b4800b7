#include "ui/Unit4.h"

#include "core/ListTexts.h"
#include "core/NumberText.h"
#include "core/SurfaceCoefficients.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/ListPrompt.h"
#include "ui/Main.h"
#include "ui/Unit6.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using ListTexts::typePrompt;

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

TForm4::TForm4(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm4"));
    retranslateUi();
}

void TForm4::build() {
    ComboBox1 = editableList(QStringLiteral("ComboBox1"), SurfaceCoefficients::typeItems(),
                             typeListPrompt().text());
    ComboBox1->setMinimumContentsLength(64);
    typeListPrompt().show();

    Edit1 = displayField(QStringLiteral("Edit1"));
    Edit2 = displayField(QStringLiteral("Edit2"));
    acceptButton_ = new QPushButton;
    acceptButton_->setObjectName(QStringLiteral("Button1"));
    outerCaption_ = namedLabel(QString(), QStringLiteral("OuterCaption"));
    outerUnit_ = namedLabel(QString(), QStringLiteral("OuterUnit"));
    innerCaption_ = namedLabel(QString(), QStringLiteral("InnerCaption"));
    innerUnit_ = namedLabel(QString(), QStringLiteral("InnerUnit"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    auto* grid = new QGridLayout;
    grid->addWidget(outerCaption_, 0, 0);
    grid->addWidget(outerUnit_, 0, 1);
    grid->addWidget(Edit1, 0, 2);
    grid->addWidget(innerCaption_, 1, 0);
    grid->addWidget(innerUnit_, 1, 1);
    grid->addWidget(Edit2, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(acceptButton_, 0, 4, 2, 1, Qt::AlignBottom);
    retranslateUi();
    layout->addLayout(grid);
    layout->addStretch(1);

    onUserChange(ComboBox1, this, [this] { guarded(forms_.platform, [this] { typeChanged(); }); });
    connect(acceptButton_, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { accept(); }); });
}

ListPrompt TForm4::typeListPrompt() const {
    return {ComboBox1, "TForm4", typePrompt};
}

void TForm4::retranslateUi() {
    setWindowTitle(tr("Коэффициенты теплоотдачи"));
    if (!isBuilt())
        return; // the rest is translated as it is built
    outerCaption_->setText(tr("Коэф.геплоотдачи наружн."));
    outerUnit_->setText(tr("Alfa н, Вт/(м2*К)"));
    innerCaption_->setText(tr("Коэф.геплоотдачи внутр."));
    innerUnit_->setText(tr("Alfa в, Вт/(м2*К)"));
    acceptButton_->setText(tr("Принять"));
    translateItems(ComboBox1, "SurfaceCoefficients");
    typeListPrompt().retranslate(); // the main window shows the accepted type anew itself
}

void TForm4::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
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
    forms_.mainForm->writeConstructionType(shownCaption(ComboBox1, SurfaceCoefficients::context));
    forms_.form6->writeAlphaInt(NumberText::result(alphaInt_, separator));
    hide();
}

Project::CoefficientInputs TForm4::inputs() const {
    if (!isBuilt())
        return freshInputs();
    return {typeListPrompt().choice(keptType_), Edit1->text(), Edit2->text()};
}

// The type list shows its prompt over two zeros.
Project::CoefficientInputs TForm4::freshInputs() const {
    return {typeListPrompt().fresh(keptType_), QStringLiteral("0"), QStringLiteral("0")};
}

void TForm4::setInputs(const Project::CoefficientInputs& in) {
    typeListPrompt().restore(in.constructionType, [this] { typeChanged(); });
    Edit1->setText(in.alphaExt);
    Edit2->setText(in.alphaInt);
}
