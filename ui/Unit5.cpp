#include "ui/Unit5.h"

#include "core/ListTexts.h"

#include "core/Errors.h"
#include "core/InsulationSelection.h"
#include "core/LayerCount.h"
#include "core/MaterialCatalogue.h"
#include "core/NumberText.h"
#include "core/ResistanceCheck.h"
#include "core/ResultState.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/Main.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Unit9.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The board goes into the last layer, the one the insulation selection sizes.
constexpr int boardLayer = layerCount;

QLabel* boldLabel(const QString& text, const QString& name, double scale = 1.0) {
    QLabel* label = namedLabel(text, name);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

// What the list and the panel show with no board chosen.
using ListTexts::noProductCaption;
using ListTexts::noProductText;

} // namespace

TForm5::TForm5(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm5"));
    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 1000);
    Timer1->setTimerType(Qt::PreciseTimer); // one step a second, never early
    connect(Timer1, &QTimer::timeout, this,
            [this] { guarded(forms_.platform, [this] { Timer1Timer(); }); });
    retranslateUi();
}

void TForm5::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildProductPanel());
    layout->addWidget(buildThicknessPanel());
    layout->addWidget(buildButtons());
    layout->addStretch(1);
    layout->setContentsMargins(14, 12, 14, 12);
    setMinimumWidth(400);
    setTabOrder(ComboBox1, Button4);
    setTabOrder(Button4, Button3);
    setTabOrder(Button3, Button2);
    retranslateUi();
}

// The boards are catalogue entries: their names are translated as the catalogue's are.
void TForm5::retranslateUi() {
    setWindowTitle(tr("Подобрать утеплитель в ЧП \"ВЕРАСК\""));
    if (!isBuilt())
        return; // the rest is translated as it is built
    translateItems(ComboBox1, MaterialCatalogue::context);
    if (ComboBox1->currentIndex() < 0) {
        ComboBox1->setEditText(QCoreApplication::translate("TForm5", noProductText));
        ComboBox1->lineEdit()->setCursorPosition(0);
    }
    GroupBox1->setTitle(boardTitle(ComboBox1->currentIndex()));
    Label6->setText(tr("Необходимая толщина  утеплителя:"));
    Button4->setText(tr("---  Посчитать расход утеплителя  ---"));
    Button3->setText(tr("Узнать о наличии марок утеплителя в филиалах"));
    Button2->setText(tr("Возврат"));
}

void TForm5::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

Caption TForm5::boardCaption(int index) const {
    const auto& products = InsulationSelection::products();
    if (index < 0 || index >= int(products.size()))
        return {"TForm5", QString::fromUtf8(noProductCaption)};
    return {MaterialCatalogue::context, products.at(index).name};
}

QString TForm5::boardTitle(int index) const {
    return boardCaption(index).shown();
}

QWidget* TForm5::buildProductPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    QStringList names;
    for (const auto& product : InsulationSelection::products())
        names << product.name;
    ComboBox1 = editableList(QStringLiteral("ComboBox1"), names, QString());
    ComboBox1->setParent(panel);
    ComboBox1->lineEdit()->setReadOnly(true); // a board is picked, not typed
    ComboBox1->setMinimumContentsLength(34);
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { guarded(forms_.platform, [&] { ComboBox1Change(index); }); });
    column->addWidget(ComboBox1);

    GroupBox1 = new QGroupBox(panel);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* values = new QGridLayout(GroupBox1);
    Label2 = boldLabel(QStringLiteral("0"), QStringLiteral("Label2"));
    Label4 = boldLabel(QStringLiteral("0"), QStringLiteral("Label4"));
    values->addWidget(namedLabel(QStringLiteral("Ld = "), QStringLiteral("Label1")), 0, 0);
    values->addWidget(Label2, 0, 1);
    values->addWidget(new QLabel(QStringLiteral("Вт/(м·К)")), 0, 2);
    values->addWidget(namedLabel(QStringLiteral("S = "), QStringLiteral("Label3")), 1, 0);
    values->addWidget(Label4, 1, 1);
    values->addWidget(new QLabel(QStringLiteral("Вт/(м²·К)")), 1, 2);
    values->setColumnStretch(2, 1);
    column->addWidget(GroupBox1);
    return panel;
}

QWidget* TForm5::buildThicknessPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 6, 0, 6);
    Label6 = namedLabel(QString(), QStringLiteral("Label6"));
    column->addWidget(Label6, 0, Qt::AlignHCenter);
    Label5 = boldLabel(InsulationSelection::unknownThickness, QStringLiteral("Label5"), 1.6);
    setTextColor(Label5, Rgb{0, 0, 128});
    column->addWidget(Label5, 0, Qt::AlignHCenter);
    return panel;
}

QWidget* TForm5::buildButtons() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    Button4 = namedButton(QString(), QStringLiteral("Button4"));
    Button3 = namedButton(QString(), QStringLiteral("Button3"));
    Button2 = namedButton(QString(), QStringLiteral("Button2"));
    connect(Button4, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { Button4Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { openWindow(forms_.form10); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { Button2Click(); }); });
    column->addWidget(Button4);
    column->addWidget(Button3);
    column->addWidget(Button2);
    return panel;
}

bool TForm5::searching() const {
    return Timer1->isActive();
}

// Makes the board layer 12, lets the layer window estimate its thickness and
// starts the search from there; a new choice restarts a running search.
void TForm5::ComboBox1Change(int index) {
    const auto& product = InsulationSelection::products().at(index);
    const QChar separator = forms_.separator();
    Timer1->stop();
    Label5->setText(InsulationSelection::unknownThickness); // until its first step
    Label2->setText(NumberText::general(product.ld, separator));
    Label4->setText(NumberText::general(product.s, separator));
    GroupBox1->setTitle(boardTitle(index));

    TForm2& layers = *forms_.form2;
    layers.writeLayer12Board(product.name);
    layers.writeLd(boardLayer, Label2->text());
    layers.writeS(boardLayer, Label4->text());
    layers.pressCalculate();
    if (!checkIsCurrent())
        return stopUnconfirmed();
    layers.pressLayer12Thickness();
    switchOn(*Timer1);
}

// One search step: confirm the thickness in layer 12, or try 10 mm more. The
// window claims a thickness only once a completed check has judged it.
void TForm5::Timer1Timer() {
    Timer1->stop();
    Label5->setText(InsulationSelection::unknownThickness);
    const QChar separator = forms_.separator();
    TForm2& layers = *forms_.form2;
    QString tried = layers.selectedLayer12Thickness();
    const double thickness = NumberText::parse(tried, separator);
    if (thickness < 0)
        tried = NumberText::general(0, separator); // layers that suffice need no board

    layers.writeThickness(boardLayer, tried);
    layers.pressCalculate();
    forms_.mainForm->writeLayerName(boardLayer, boardCaption(ComboBox1->currentIndex()));
    if (!checkIsCurrent())
        return;
    Label5->setText(InsulationSelection::thicknessText(tried));
    if (verdictMet())
        return;

    const QString rkBefore = forms_.mainForm->rkText();
    const double next = InsulationSelection::nextThickness(std::max(0.0, thickness));
    layers.writeSelectedLayer12Thickness(NumberText::general(next, separator));
    layers.writeThickness(boardLayer, layers.selectedLayer12Thickness());
    layers.pressCalculate();
    // A board that adds no resistance could never meet the condition.
    if (NumberText::parse(forms_.mainForm->rkText(), separator) <=
        NumberText::parse(rkBefore, separator))
        return stopUnconfirmed();
    switchOn(*Timer1);
}

bool TForm5::checkIsCurrent() const {
    const TMainForm& main = *forms_.mainForm;
    return ResultState::checkJudges(*forms_.calculation, main.rkText(), main.r0Text(), main.rqmin(),
                                    forms_.separator());
}

bool TForm5::boardIsLayer12() const {
    const int index = ComboBox1->currentIndex();
    return index >= 0 &&
           forms_.form2->layer12Board() == InsulationSelection::products().at(index).name;
}

bool TForm5::verdictMet() const {
    const Calculation& calculation = *forms_.calculation;
    return calculation.hasSnapshot && calculation.snapshot.met;
}

// No check confirms the thickness: claim none and end the search.
void TForm5::stopUnconfirmed() {
    Timer1->stop();
    Label5->setText(InsulationSelection::unknownThickness);
}

void TForm5::Button2Click() {
    hide();
    openWindow(forms_.form2);
}

void TForm5::Button4Click() {
    const int index = ComboBox1->currentIndex();
    if (index >= 0)
        forms_.calculation.setOrderingGrade(InsulationSelection::products().at(index).grade);
    forms_.form9->startRecalculation();
    openWindow(forms_.form9);
}

Project::InsulationInputs TForm5::inputs() const {
    if (!isBuilt())
        return freshInputs();
    return {ComboBox1->currentIndex()};
}

// No board chosen yet.
Project::InsulationInputs TForm5::freshInputs() const {
    return {};
}

void TForm5::setInputs(const Project::InsulationInputs& in) {
    Timer1->stop();
    const auto& products = InsulationSelection::products();
    Label5->setText(InsulationSelection::unknownThickness);
    if (in.product < 0 || in.product >= int(products.size())) {
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(QCoreApplication::translate("TForm5", noProductText));
        Label2->setText(QStringLiteral("0"));
        Label4->setText(QStringLiteral("0"));
        GroupBox1->setTitle(boardTitle(-1));
        return;
    }
    const auto& product = products.at(in.product);
    ComboBox1->setCurrentIndex(in.product);
    Label2->setText(NumberText::general(product.ld, forms_.separator()));
    Label4->setText(NumberText::general(product.s, forms_.separator()));
    GroupBox1->setTitle(boardTitle(in.product));
}

std::optional<ReportDocument::Insulation> TForm5::chosenInsulation() const {
    if (!boardIsLayer12())
        return std::nullopt;
    ReportDocument::Insulation board{GroupBox1->title(), forms_.form2->thickness(boardLayer), {}};
    const CheckSnapshot& check = forms_.calculation->snapshot;
    try {
        board.needed = InsulationSelection::neededThickness(
            forms_.form2->lastCalculation(),
            InsulationSelection::products().at(ComboBox1->currentIndex()).ld,
            {check.alphaExt, check.alphaInt, check.rqmin}, forms_.separator());
    } catch (const AppError&) {
        // A check that could not read its texts gives no needed thickness.
    }
    return board;
}

void TForm5::restoreLayer12Board(const QString& boardSource) {
    const int index = ComboBox1->currentIndex();
    if (index < 0 || boardSource != InsulationSelection::products().at(index).name)
        return;
    forms_.form2->writeLayer12Board(boardSource);
}
