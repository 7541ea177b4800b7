#include "ui/Unit7.h"

#include "core/AirGaps.h"
#include "core/LayerStack.h"
#include "core/NumberText.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/Unit2.h"
#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int airGapLayer = 11;

QLabel* plainLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TForm7::TForm7(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm7"));
    retranslateUi();
}

void TForm7::build() {
    ComboBox2 = selector(QStringLiteral("ComboBox2"), AirGaps::placementPrompt(),
                         AirGaps::placements(), placementIndex_);
    ComboBox3 = selector(QStringLiteral("ComboBox3"), AirGaps::temperaturePrompt(),
                         AirGaps::temperatures(), temperatureIndex_);
    ComboBox1 = selector(QStringLiteral("ComboBox1"), AirGaps::thicknessPrompt(),
                         AirGaps::thicknesses(), thicknessIndex_);
    selectors_ = {Selector{ComboBox2, AirGaps::placementPrompt().toUtf8()},
                  Selector{ComboBox3, AirGaps::temperaturePrompt().toUtf8()},
                  Selector{ComboBox1, AirGaps::thicknessPrompt().toUtf8()}};
    for (const Selector& each : selectors_)
        each.prompt().show();
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { guarded(forms_.platform, [this] { ComboBox1Change(); }); });

    Edit1 = new QLineEdit(QStringLiteral("0"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(80);
    Edit1->setAlignment(Qt::AlignRight);
    installDecimalKeyFilter(Edit1, forms_.separator());

    Button1 = new QPushButton;
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { Button1Click(); }); });

    auto* grid = new QGridLayout;
    grid->addWidget(ComboBox2, 0, 0, 1, 2);
    grid->addWidget(ComboBox3, 1, 0);
    temperatureUnit_ = plainLabel(QString());
    grid->addWidget(temperatureUnit_, 1, 1);
    grid->addWidget(ComboBox1, 2, 0);
    grid->addWidget(plainLabel(QStringLiteral("мм")), 2, 1);
    grid->setColumnStretch(0, 1);

    auto* result = new QHBoxLayout;
    resultCaption_ = plainLabel(QString());
    resultCaption_->setBuddy(Edit1);
    result->addWidget(resultCaption_);
    result->addWidget(Edit1);
    result->addWidget(plainLabel(QStringLiteral(" м2*К/Вт")));
    result->addStretch(1);
    result->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(result);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslateUi();
}

void TForm7::retranslateUi() {
    setWindowTitle(tr("Воздушные прослойки"));
    if (!isBuilt())
        return; // the rest is translated as it is built
    Button1->setText(tr("Принять"));
    temperatureUnit_->setText(tr("град.С"));
    resultCaption_->setText(tr("Ld ="));
    for (const Selector& selector : selectors_) {
        translateItems(selector.list, AirGaps::context);
        selector.prompt().retranslate();
    }
}

void TForm7::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

// A prompt is kept as its source text, so that a project reads alike in either language.
Project::ListChoice TForm7::choiceOf(const Selector& selector, int item) {
    Project::ListChoice choice = selector.prompt().choice(item);
    if (choice.prompt)
        choice.text = QString::fromUtf8(selector.promptSource);
    return choice;
}

QComboBox* TForm7::selector(const QString& name, const QString& prompt, const QStringList& items,
                            int& chosen) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    addSourceItems(box, items);
    box->setCurrentIndex(-1);
    box->setEditText(prompt);
    box->setMinimumContentsLength(36);
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
    connect(box, &QComboBox::activated, this, [&chosen](int index) { chosen = index; });
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [&chosen] { chosen = -1; });
    return box;
}

// Only a change of the thickness looks the resistance up; the other selectors wait for it.
void TForm7::ComboBox1Change() {
    const auto resistance =
        AirGaps::resistance(thicknessIndex_, temperatureIndex_, placementIndex_);
    if (resistance)
        Edit1->setText(NumberText::general(*resistance, forms_.separator()));
}

void TForm7::Button1Click() {
    if (forms_.calculation->airGapTarget == airGapLayer) {
        const auto millimetres = AirGaps::thicknessMillimetres(thicknessIndex_);
        if (!millimetres) {
            forms_.platform.warning(LayerStack::warningTitle(), tr("Выберите толщину прослойки"));
            return;
        }
        const auto gap = AirGaps::gapLayer(*millimetres, Edit1->text(), forms_.separator());
        forms_.form2->acceptAirGap(gap.thickness, gap.conductivity, gap.heatAbsorption);
    }
    hide();
    openWindow(forms_.form2);
}

QString TForm7::placementText() const {
    return ComboBox2->currentText();
}
QString TForm7::temperatureText() const {
    return ComboBox3->currentText();
}

Project::AirGapInputs TForm7::inputs() const {
    if (!isBuilt())
        return freshInputs();
    return {choiceOf(selectors_[0], placementIndex_), choiceOf(selectors_[1], temperatureIndex_),
            choiceOf(selectors_[2], thicknessIndex_), Edit1->text()};
}

// Every list shows its prompt, kept as its source text, over a zero resistance.
Project::AirGapInputs TForm7::freshInputs() const {
    const auto prompt = [](int item, const QString& source) {
        return Project::ListChoice{item, source, true, true};
    };
    return {prompt(placementIndex_, AirGaps::placementPrompt()),
            prompt(temperatureIndex_, AirGaps::temperaturePrompt()),
            prompt(thicknessIndex_, AirGaps::thicknessPrompt()), QStringLiteral("0")};
}

void TForm7::setInputs(const Project::AirGapInputs& in) {
    placementIndex_ = selectors_[0].prompt().restore(in.placement) ? in.placement.item : -1;
    temperatureIndex_ = selectors_[1].prompt().restore(in.temperature) ? in.temperature.item : -1;
    thicknessIndex_ = selectors_[2].prompt().restore(in.thickness) ? in.thickness.item : -1;
    ComboBox1Change();
    Edit1->setText(in.resistance);
}
