#include "ui/Unit6.h"

#include "core/ListTexts.h"
#include "core/NumberText.h"
#include "core/PartitionRqmin.h"
#include "core/ResultState.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/ListPrompt.h"
#include "ui/Main.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Widgets.h"

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

// The lists' prompts, shown while nothing is chosen.
using ListTexts::kindPrompt;
using ListTexts::purposePrompt;

QLineEdit* numberField(const QString& name) {
    auto* field = new QLineEdit(QStringLiteral("0"));
    field->setObjectName(name);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    field->setMinimumWidth(70);
    field->setMaximumWidth(90);
    return field;
}

QComboBox* list(const QString& name, const QStringList& items) {
    QComboBox* box = editableList(name, items, QString());
    box->setMinimumContentsLength(44);
    return box;
}

} // namespace

TForm6::TForm6(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm6"));
    retranslateUi();
}

void TForm6::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeading());
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    buildTemperatureRows(grid);
    buildDeltaTcrRow(grid);
    buildResultRows(grid);
    layout->addLayout(grid);
    layout->addStretch(1);

    for (const ListPrompt& prompt : prompts())
        prompt.show();
    retranslateUi();
}

std::array<ListPrompt, 4> TForm6::prompts() const {
    return {{{ComboBox1, "TForm6", purposePrompt},
             {ComboBox2, "TForm6", purposePrompt},
             {ComboBox3, "TForm6", purposePrompt},
             {ComboBox4, "TForm6", kindPrompt}}};
}

// The accepted Rqmin is described again in the new language while the window still
// shows the choices it was accepted with.
void TForm6::retranslateUi() {
    const bool acceptanceShown = ResultState::acceptanceShown(*forms_.calculation, inputs());
    setWindowTitle(tr("Межквартирные перегородки"));
    if (!isBuilt())
        return; // the rest is translated as it is built
    texts_.heading->setText(tr("Требуемое сопротивление теплопередаче межквартирных перегородок"));
    for (QLabel* caption : {texts_.tv1Caption, texts_.tv2Caption})
        caption->setText(tr("Расчетная температура воздуха,оС"));
    texts_.deltaTcrCaption->setText(tr("Разность темп.возд.и внутр.поверхн."));
    texts_.alphaCaption->setText(tr("Коэф.теплоотдачи внутр.поверхн."));
    texts_.resultCaption->setText(tr("Требуемое сопротивление "));
    texts_.choose->setText(tr("Выбор..."));
    texts_.calculate->setText(tr("Расчет Rq min !"));
    texts_.accept->setText(tr("Принять"));
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3, ComboBox4})
        translateItems(box, "PartitionRqmin");
    for (const ListPrompt& prompt : prompts())
        prompt.retranslate();
    if (acceptanceShown)
        recordAcceptance(forms_.calculation->requirement->acceptedText);
}

void TForm6::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

QWidget* TForm6::buildHeading() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* heading = texts_.heading = namedLabel(QString(), QStringLiteral("Heading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* help = namedButton(QStringLiteral("?"), QStringLiteral("Button1"));
    help->setFixedWidth(help->sizeHint().height());
    connect(help, &QPushButton::clicked, this,
            [this] { forms_.platform.information(tr("Rq min=(tv1-tv2) / (DtTcr*Alf в1)")); });
    layout->addWidget(heading, 1);
    layout->addWidget(help);
    layout->addSpacing(16);
    for (const auto& [text, name] : {std::pair{QStringLiteral("tв1"), QStringLiteral("Warmer")},
                                     {QStringLiteral(">"), QStringLiteral("WarmerThan")},
                                     {QStringLiteral("tв2"), QStringLiteral("Cooler")}})
        layout->addWidget(namedLabel(text, name));
    return row;
}

void TForm6::buildTemperatureRows(QGridLayout* grid) {
    const QStringList purposes = PartitionRqmin::temperaturePurposeItems();
    ComboBox1 = list(QStringLiteral("ComboBox1"), purposes);
    ComboBox2 = list(QStringLiteral("ComboBox2"), purposes);
    Edit1 = numberField(QStringLiteral("Edit1"));
    Edit2 = numberField(QStringLiteral("Edit2"));
    texts_.tv1Caption = namedLabel(QString(), QStringLiteral("Tv1Caption"));
    texts_.tv2Caption = namedLabel(QString(), QStringLiteral("Tv2Caption"));
    grid->addWidget(texts_.tv1Caption, 0, 0);
    grid->addWidget(namedLabel(QStringLiteral("tв1"), QStringLiteral("Tv1Label")), 0, 1);
    grid->addWidget(ComboBox1, 0, 2);
    grid->addWidget(Edit1, 0, 3);
    grid->addWidget(texts_.tv2Caption, 1, 0);
    grid->addWidget(namedLabel(QStringLiteral("tв2"), QStringLiteral("Tv2Label")), 1, 1);
    grid->addWidget(ComboBox2, 1, 2);
    grid->addWidget(Edit2, 1, 3);

    onUserChange(ComboBox1, this, [this] {
        guarded(forms_.platform, [this] { temperatureChosen(ComboBox1, tv1_, Edit1); });
    });
    onUserChange(ComboBox2, this, [this] {
        guarded(forms_.platform, [this] { temperatureChosen(ComboBox2, tv2_, Edit2); });
    });
}

void TForm6::buildDeltaTcrRow(QGridLayout* grid) {
    ComboBox3 = list(QStringLiteral("ComboBox3"), PartitionRqmin::deltaTcrPurposeItems());
    ComboBox4 = list(QStringLiteral("ComboBox4"), PartitionRqmin::constructionKindItems());
    Edit3 = numberField(QStringLiteral("Edit3"));
    Label11 = namedLabel(QString(), QStringLiteral("Label11"));
    Label11->hide();
    texts_.deltaTcrCaption = namedLabel(QString(), QStringLiteral("DeltaTcrCaption"));
    grid->addWidget(texts_.deltaTcrCaption, 2, 0);
    grid->addWidget(namedLabel(QStringLiteral("DtTcr"), QStringLiteral("DeltaTcrLabel")), 2, 1);
    // The purpose and, below it, the kind of construction that picks the cell.
    grid->addWidget(ComboBox3, 2, 2);
    grid->addWidget(ComboBox4, 3, 2);
    grid->addWidget(Edit3, 2, 3);
    grid->addWidget(Label11, 2, 4);

    onUserChange(ComboBox4, this, [this] { guarded(forms_.platform, [this] { kindChanged(); }); });
}

void TForm6::buildResultRows(QGridLayout* grid) {
    Edit4 = numberField(QStringLiteral("Edit4"));
    Edit5 = numberField(QStringLiteral("Edit5"));
    QPushButton* choose = texts_.choose = namedButton(QString(), QStringLiteral("Button3"));
    QPushButton* calculate = texts_.calculate = namedButton(QString(), QStringLiteral("Button4"));
    QPushButton* acceptButton = texts_.accept = namedButton(QString(), QStringLiteral("Button2"));
    texts_.alphaCaption = namedLabel(QString(), QStringLiteral("AlphaCaption"));
    texts_.resultCaption = namedLabel(QString(), QStringLiteral("ResultCaption"));
    grid->addWidget(texts_.alphaCaption, 4, 0);
    grid->addWidget(namedLabel(QStringLiteral("Alf в1"), QStringLiteral("AlphaLabel")), 4, 1);
    grid->addWidget(choose, 4, 2, Qt::AlignRight);
    grid->addWidget(Edit4, 4, 3);
    grid->addWidget(texts_.resultCaption, 5, 0);
    grid->addWidget(namedLabel(QStringLiteral("Rq min"), QStringLiteral("ResultLabel")), 5, 1);
    grid->addWidget(calculate, 5, 2, Qt::AlignRight);
    grid->addWidget(Edit5, 5, 3);
    grid->addWidget(acceptButton, 5, 4);

    connect(choose, &QPushButton::clicked, this, [this] { openWindow(forms_.form4); });
    connect(calculate, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { compute(); }); });
    connect(acceptButton, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { accept(); }); });
}

void TForm6::temperatureChosen(const QComboBox* list, double& temperature, QLineEdit* field) {
    if (const auto value = PartitionRqmin::airTemperature(pickedIndex(list)))
        temperature = *value;
    field->setText(NumberText::general(temperature, forms_.separator()));
}

void TForm6::kindChanged() {
    if (const auto cell =
            PartitionRqmin::deltaTcr(pickedIndex(ComboBox4), pickedIndex(ComboBox3))) {
        deltaTcr_ = cell->value;
        Label11->setText(cell->hint);
        Label11->setVisible(!cell->hint.isEmpty());
    }
    Edit3->setText(NumberText::general(deltaTcr_, forms_.separator()));
    forms_.mainForm->writeEnvelopeCaption(ComboBox4->currentText());
}

// The typed texts count; each value is kept as soon as its field has been read.
void TForm6::compute() {
    const QChar separator = forms_.separator();
    tv1_ = NumberText::parse(Edit1->text(), separator);
    tv2_ = NumberText::parse(Edit2->text(), separator);
    deltaTcr_ = NumberText::parse(Edit3->text(), separator);
    alphaInt1_ = NumberText::parse(Edit4->text(), separator);
    rqmin_ = PartitionRqmin::rqmin(tv1_, tv2_, deltaTcr_, alphaInt1_);
    Edit5->setText(NumberText::fixed(rqmin_, 4, 2, separator));
}

// Writes the last computed value, not whatever was typed into the result field.
void TForm6::accept() {
    const QString accepted = NumberText::fixed(rqmin_, 4, 2, forms_.separator());
    recordAcceptance(accepted);
    forms_.mainForm->writeRqmin(accepted);
    hide();
}

void TForm6::recallAcceptance(const QString& mainRqmin) {
    if (forms_.calculation->building == Project::BuildingKind::WallsBetweenFlats &&
        Edit5->text() == mainRqmin)
        recordAcceptance(mainRqmin);
}

std::optional<Project::PartitionInputs> TForm6::acceptedInputs() const {
    return ResultState::acceptedWith<Project::PartitionInputs>(*forms_.calculation);
}

void TForm6::restoreAcceptance(const Project::PartitionInputs& in, const QString& rqmin) {
    setInputs(in);
    recordAcceptance(rqmin);
}

void TForm6::recordAcceptance(const QString& accepted) {
    forms_.calculation.acceptRequirement(sourceOf(accepted));
}

QString TForm6::acceptedEnvelope(const QString& purpose, const QString& warmer,
                                 const QString& cooler, const QString& deltaTcr) {
    return tr("стены между квартирами для домов: %1; tв1 = %2 °C, tв2 = %3 °C, deltaTcr = %4")
        .arg(purpose.trimmed(), warmer, cooler, deltaTcr);
}

RequirementSource TForm6::sourceOf(const QString& accepted) const {
    RequirementSource source;
    source.building = Project::BuildingKind::WallsBetweenFlats;
    source.envelope =
        acceptedEnvelope(ComboBox3->currentText(), Edit1->text(), Edit2->text(), Edit3->text());
    source.acceptedText = accepted;
    source.acceptedWith = inputs();
    source.report = {forms_.form3->zoneText(),
                     forms_.mainForm->envelopeCaption(),
                     forms_.form3->regimeText(),
                     ComboBox3->currentText(),
                     Edit3->text(),
                     forms_.form3->reconstructionTicked()};
    return source;
}

void TForm6::writeAlphaInt(const QString& text) {
    Edit4->setText(text);
}
QString TForm6::purposeText() const {
    return ComboBox3->currentText();
}
QString TForm6::deltaTcrText() const {
    return Edit3->text();
}

Project::PartitionInputs TForm6::inputs() const {
    if (!isBuilt())
        return freshInputs();
    const auto [warmer, cooler, difference, kind] = prompts();
    Project::PartitionInputs in;
    in.warmerPurpose = warmer.choice(pickedIndex(ComboBox1));
    in.coolerPurpose = cooler.choice(pickedIndex(ComboBox2));
    in.warmerTemperature = Edit1->text();
    in.coolerTemperature = Edit2->text();
    in.differencePurpose = difference.choice(pickedIndex(ComboBox3));
    in.constructionKind = kind.choice(pickedIndex(ComboBox4));
    in.temperatureDifference = Edit3->text();
    in.alphaInt = Edit4->text();
    in.rqmin = Edit5->text();
    return in;
}

// Every list shows its prompt over zeros.
Project::PartitionInputs TForm6::freshInputs() const {
    const auto [warmer, cooler, difference, kind] = prompts();
    const QString zero = QStringLiteral("0");
    return {warmer.fresh(), cooler.fresh(), zero, zero, difference.fresh(),
            kind.fresh(),   zero,           zero, zero};
}

void TForm6::setInputs(const Project::PartitionInputs& in) {
    const auto [warmer, cooler, difference, kind] = prompts();
    warmer.restore(in.warmerPurpose, [this] { temperatureChosen(ComboBox1, tv1_, Edit1); });
    cooler.restore(in.coolerPurpose, [this] { temperatureChosen(ComboBox2, tv2_, Edit2); });
    difference.restore(in.differencePurpose);
    kind.restore(in.constructionKind, [this] { kindChanged(); });
    Edit1->setText(in.warmerTemperature);
    Edit2->setText(in.coolerTemperature);
    Edit3->setText(in.temperatureDifference);
    Edit4->setText(in.alphaInt);
    // "Принять" hands over the value computed from these texts, as after "Расчет Rq min !".
    try {
        compute();
    } catch (const AppError&) {
    }
    Edit5->setText(in.rqmin);
}
