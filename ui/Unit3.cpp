#include "ui/Unit3.h"

#include "core/ListTexts.h"
#include "core/NumberText.h"
#include "core/RequiredResistance.h"
#include "core/RequirementDescription.h"
#include "core/ResultState.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/ListPrompt.h"
#include "ui/Main.h"
#include "ui/Unit2.h"
#include "ui/Unit6.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

using Project::BuildingKind;

namespace {

// The lists' prompts, shown while nothing is chosen.
using ListTexts::cityPrompt;
using ListTexts::envelopePrompt;
using ListTexts::regimePrompt;

// The lists whose items come from the code's tables.
constexpr const char* listContext = RequiredResistance::context;

} // namespace

TForm3::TForm3(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm3"));
    forms_.calculation.setBuilding(BuildingKind::Residential);

    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 200);
    Timer2 = namedTimer(this, QStringLiteral("Timer2"), 200);
    retranslateUi();
}

void TForm3::build() {
    auto* layout = new QVBoxLayout(this);
    heading_ = namedLabel(QString(), QStringLiteral("Heading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    heading_->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading_);
    layout->addWidget(buildZoneRow());
    layout->addWidget(buildBuildingChoice());

    ComboBox1 = editableList(QStringLiteral("ComboBox1"), RequiredResistance::residentialItems(),
                             QString());
    ComboBox1->setMaxVisibleItems(15);
    ComboBox1->setMinimumContentsLength(60);
    layout->addWidget(ComboBox1);
    layout->addWidget(buildProductionInputs());

    CheckBox1 = new QCheckBox;
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(CheckBox1);
    layout->addStretch(1);
    layout->addWidget(buildResultRow());

    // The tables' edition and what the code in force asks, in small print.
    editionNote_ = namedLabel(QString(), QStringLiteral("CodeEditionNote"));
    editionNote_->setWordWrap(true);
    editionNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont small = editionNote_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    editionNote_->setFont(small);
    layout->addWidget(editionNote_);

    for (const ListPrompt& prompt : prompts())
        prompt.show();
    retranslateUi();
    connectLists();
    showResidentialLayout();
}

std::array<ListPrompt, 4> TForm3::prompts() const {
    return {{{ComboBox4, "TForm3", cityPrompt},
             {ComboBox1, "TForm3", envelopePrompt},
             {ComboBox2, "TForm3", envelopePrompt},
             {ComboBox3, "TForm3", regimePrompt}}};
}

// The accepted Rqmin is described again in the new language while the window still
// shows the choices it was accepted with.
void TForm3::retranslateUi() {
    setWindowTitle(tr("Требуемое сопротивление"));
    if (!isBuilt())
        return; // the rest is translated as it is built
    const bool acceptanceShown = ResultState::acceptanceShown(*forms_.calculation, inputs());
    heading_->setText(tr("Требуемое сопротивление теплопередаче конструкции"));
    zoneCaption_->setText(tr("Температурная зона"));
    RadioButton1->setText(tr("Жилищно-гражданские здания"));
    RadioButton2->setText(tr("Производственные здания"));
    RadioButton3->setText(tr("Межквартирные перегородки"));
    CheckBox1->setText(
        tr("Реконструкция с целью термомодернизации (коэф. 0,8) /допускается по п.2.3 ДБН/"));
    Label12->setText(tr("Тепловая инерция"));
    Button2->setText(tr("Расчет"));
    Button3->setText(tr("Расчет требуемого сопротивления"));
    Button1->setText(tr("Принять"));
    editionNote_->setText(RequiredResistance::codeEditionNote());
    for (QComboBox* list : {ComboBox4, ComboBox1, ComboBox2, ComboBox3})
        translateItems(list, listContext);
    for (const ListPrompt& prompt : prompts())
        prompt.retranslate();
    if (acceptanceShown)
        recordAcceptance(forms_.calculation->requirement->acceptedText);
    else
        renameAcceptedItems();
}

void TForm3::renameAcceptedItems() {
    if (!forms_.calculation->requirement ||
        forms_.calculation->requirement->building == BuildingKind::WallsBetweenFlats)
        return;
    std::optional<RequirementSource> source = forms_.calculation->requirement;
    const QComboBox* envelopes =
        source->building == BuildingKind::Production ? ComboBox2 : ComboBox1;
    // The report prints the item as shown, the document trimmed (and only what it names).
    const auto rename = [](const QComboBox* list, int index, QString& shown, QString& trimmed) {
        if (index < 0)
            return;
        shown = list->itemText(index);
        if (!trimmed.isEmpty())
            trimmed = shown.trimmed();
    };
    const RequirementSource::Items& items = source->items;
    rename(ComboBox13, items.zone, source->report.zone, source->zone);
    rename(envelopes, items.envelope, source->report.envelopeCaption, source->envelope);
    rename(ComboBox3, items.regime, source->report.regime, source->regime);
    forms_.calculation.acceptRequirement(*source);
}

void TForm3::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

QWidget* TForm3::buildZoneRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    ComboBox13 =
        editableList(QStringLiteral("ComboBox13"), RequiredResistance::zoneItems(), QString());
    ComboBox13->setCurrentIndex(0);
    ComboBox13->setMinimumContentsLength(5);
    ComboBox4 =
        editableList(QStringLiteral("ComboBox4"), RequiredResistance::cityItems(), QString());
    ComboBox4->setMaxVisibleItems(25);
    ComboBox4->setMinimumContentsLength(24);
    zoneCaption_ = namedLabel(QString(), QStringLiteral("ZoneLabel"));
    zoneCaption_->setBuddy(ComboBox13);
    layout->addWidget(zoneCaption_);
    layout->addWidget(ComboBox13);
    layout->addSpacing(12);
    layout->addWidget(ComboBox4);
    layout->addStretch(1);
    return row;
}

QWidget* TForm3::buildBuildingChoice() {
    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(2);
    RadioButton1 = new QRadioButton;
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton;
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton;
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    auto* group = new QButtonGroup(row);
    for (QRadioButton* choice : {RadioButton1, RadioButton2, RadioButton3}) {
        group->addButton(choice);
        layout->addWidget(choice);
    }
    connect(RadioButton1, &QRadioButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { showResidentialLayout(); }); });
    connect(RadioButton2, &QRadioButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { showProductionLayout(); }); });
    connect(RadioButton3, &QRadioButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { chooseWallsBetweenFlats(); }); });
    return row;
}

QWidget* TForm3::buildProductionInputs() {
    auto* inputs = new QWidget;
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(0, 0, 0, 0);
    ComboBox2 = editableList(QStringLiteral("ComboBox2"), RequiredResistance::productionKindItems(),
                             QString());
    ComboBox3 =
        editableList(QStringLiteral("ComboBox3"), RequiredResistance::regimeItems(), QString());
    grid->addWidget(ComboBox2, 0, 0, 1, 7);
    grid->addWidget(ComboBox3, 1, 0, 1, 7);

    Label12 = namedLabel(QString(), QStringLiteral("Label12"));
    Label5 = namedLabel(QStringLiteral("D"), QStringLiteral("Label5"));
    Edit2 = new QLineEdit(QStringLiteral("1"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaximumWidth(80);
    installDecimalKeyFilter(Edit2, forms_.separator());
    Label5->setBuddy(Edit2);
    Label2 = namedLabel(QStringLiteral("D < 1,5"), QStringLiteral("Label2"));
    Label2->setMinimumWidth(Label2->fontMetrics().horizontalAdvance(QStringLiteral("D =< 1,5  ")));
    Label4 = namedLabel(QStringLiteral("( D < 1,5 < D )"), QStringLiteral("Label4"));
    Button2 = namedButton(QString(), QStringLiteral("Button2"));
    Button2->setEnabled(false);
    Button3 = namedButton(QString(), QStringLiteral("Button3"));
    grid->addWidget(Label12, 2, 0);
    grid->addWidget(Label5, 2, 1, Qt::AlignRight);
    grid->addWidget(Edit2, 2, 2);
    grid->addWidget(Label2, 2, 3);
    grid->addWidget(Label4, 2, 4);
    grid->addWidget(Button2, 2, 5);
    grid->addWidget(Button3, 3, 0, 1, 7, Qt::AlignLeft);
    grid->setColumnStretch(6, 1);

    connect(Edit2, &QLineEdit::textChanged, this,
            [this] { guarded(forms_.platform, [this] { inertiaChanged(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { openWindow(forms_.form2); });
    connect(Button3, &QPushButton::clicked, this, [this] { switchOn(*Timer2); });
    return inputs;
}

QWidget* TForm3::buildResultRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Edit1 = new QLineEdit(QStringLiteral("0"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaximumWidth(100);
    QLabel* caption = namedLabel(QStringLiteral("R0tr"), QStringLiteral("R0trLabel"));
    caption->setBuddy(Edit1);
    Button1 = namedButton(QString(), QStringLiteral("Button1"));
    Button1->setEnabled(false);
    layout->addStretch(1);
    layout->addWidget(caption);
    layout->addWidget(Edit1);
    layout->addSpacing(12);
    layout->addWidget(Button1);
    connect(Button1, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { accept(); }); });
    return row;
}

void TForm3::connectLists() {
    onUserChange(ComboBox13, this, [this] { zoneChanged(); });
    onUserChange(ComboBox4, this, [this] { cityChanged(); });
    onUserChange(ComboBox1, this, [this] { switchOn(*Timer1); });
    onUserChange(ComboBox2, this, [this] { productionListChanged(ComboBox2, productionKind_); });
    onUserChange(ComboBox3, this, [this] { productionListChanged(ComboBox3, regime_); });
    // Ticking or unticking, by the user or by a switch of layout, repeats the lookup.
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { switchOn(*Timer1); });
    connect(Timer1, &QTimer::timeout, this,
            [this] { guarded(forms_.platform, [this] { residentialLookup(); }); });
    connect(Timer2, &QTimer::timeout, this,
            [this] { guarded(forms_.platform, [this] { productionLookup(); }); });
}

void TForm3::showResidentialLayout() {
    ComboBox1->show();
    for (QWidget* control : productionControls())
        control->hide();
    CheckBox1->show();
    forms_.calculation.setBuilding(BuildingKind::Residential);
}

void TForm3::showProductionLayout() {
    ComboBox1->hide();
    for (QWidget* control : productionControls())
        control->show();
    // The production inputs take more height than the residential list: no list or
    // button of theirs is squeezed below its own height.
    if (QLayout* rows = layout())
        rows->activate();
    resize(size().expandedTo(sizeHint()));
    forms_.calculation.setBuilding(BuildingKind::Production);
    untickReconstruction();
}

void TForm3::chooseWallsBetweenFlats() {
    hide();
    // The walls-between-flats window appears without taking the focus.
    forms_.form6->setAttribute(Qt::WA_ShowWithoutActivating, true);
    forms_.form6->show();
    forms_.form6->setAttribute(Qt::WA_ShowWithoutActivating, false);
    forms_.calculation.setBuilding(BuildingKind::WallsBetweenFlats);
    untickReconstruction();
}

// The factor is for residential buildings only; unticking starts a residential lookup.
void TForm3::untickReconstruction() {
    CheckBox1->hide();
    CheckBox1->setChecked(false);
}

QList<QWidget*> TForm3::productionControls() const {
    return {ComboBox2, ComboBox3, Label5, Label4, Label12, Button2, Edit2, Label2, Button3};
}

void TForm3::productionListChanged(QComboBox* box, int& value) {
    const int index = pickedIndex(box);
    if (index >= 0 && index <= 2)
        value = index;
    switchOn(*Timer2);
}

void TForm3::zoneChanged() {
    const BuildingKind building = forms_.calculation->building;
    if (building == BuildingKind::Residential)
        switchOn(*Timer1);
    else if (building == BuildingKind::Production)
        switchOn(*Timer2);
}

void TForm3::cityChanged() {
    if (const auto zone = RequiredResistance::cityZone(pickedIndex(ComboBox4)))
        ComboBox13->setCurrentIndex(*zone);
    zoneChanged();
}

void TForm3::inertiaChanged() {
    inertia_ = NumberText::parse(Edit2->text(), forms_.separator());
    Label2->setText(RequiredResistance::inertiaClassLabel(inertia_));
    switchOn(*Timer2);
}

void TForm3::residentialLookup() {
    Timer1->stop();
    // The factor applies to a value just taken from the table, so that lookups
    // without a table row do not shrink the kept value again and again.
    if (const auto value =
            RequiredResistance::residentialRqmin(pickedIndex(ComboBox1), pickedIndex(ComboBox13)))
        rqmin_ =
            CheckBox1->isChecked() ? *value * RequiredResistance::reconstructionFactor : *value;
    showLookupResult(ComboBox1);
}

void TForm3::productionLookup() {
    Timer2->stop();
    const int zone = pickedIndex(ComboBox13);
    inertia_ = NumberText::parse(Edit2->text(), forms_.separator());
    if (const auto value =
            RequiredResistance::productionRqmin(productionKind_, regime_, zone, inertia_))
        rqmin_ = *value;
    showLookupResult(ComboBox2);
}

void TForm3::showLookupResult(const QComboBox* envelopes) {
    Edit1->setText(NumberText::general(rqmin_, forms_.separator()));
    forms_.mainForm->writeEnvelopeCaption(shownCaption(envelopes, listContext));
    Button1->setEnabled(rqmin_ > 0);
}

void TForm3::accept() {
    rqmin_ = NumberText::parse(Edit1->text(), forms_.separator());
    const QString accepted = NumberText::result(rqmin_, forms_.separator());
    recordAcceptance(accepted);
    forms_.mainForm->writeRqmin(accepted);
    hide();
    announceEnvelope();
}

void TForm3::announceEnvelope() {
    const BuildingKind building = forms_.calculation->building;
    if (building == BuildingKind::Residential) {
        if (const auto envelope = EnvelopeKind::residential(pickedIndex(ComboBox1)))
            emit envelopeAccepted(*envelope, std::nullopt);
    } else if (building == BuildingKind::Production && ComboBox2->currentIndex() >= 0) {
        const auto purpose = ComboBox3->currentIndex() >= 0
                                 ? EnvelopeKind::productionPurpose(regime_)
                                 : std::nullopt;
        if (const auto envelope = EnvelopeKind::production(productionKind_))
            emit envelopeAccepted(*envelope, purpose);
    }
}

void TForm3::recallAcceptance(const QString& mainRqmin) {
    if (forms_.calculation->building == BuildingKind::WallsBetweenFlats)
        return;
    const auto shown = NumberText::tryParse(Edit1->text(), forms_.separator());
    if (shown && NumberText::result(*shown, forms_.separator()) == mainRqmin)
        recordAcceptance(mainRqmin);
}

std::optional<Project::RequirementInputs> TForm3::acceptedInputs() const {
    return ResultState::acceptedWith<Project::RequirementInputs>(*forms_.calculation);
}

void TForm3::restoreAcceptance(const Project::RequirementInputs& in, const QString& rqmin) {
    setInputs(in);
    recordAcceptance(rqmin);
}

void TForm3::recordAcceptance(const QString& accepted) {
    forms_.calculation.acceptRequirement(sourceOf(accepted));
}

namespace {

RequirementDescription::ShownList shownList(const QComboBox* list) {
    return {list->currentText(), pickedIndex(list)};
}

} // namespace

// What gave the accepted value, described by the choices shown now.
RequirementSource TForm3::sourceOf(const QString& accepted) const {
    const RequirementDescription::Shown shown{forms_.calculation->building,
                                              shownList(ComboBox13),
                                              shownList(ComboBox4),
                                              shownList(ComboBox1),
                                              shownList(ComboBox2),
                                              shownList(ComboBox3),
                                              productionKind_,
                                              regime_,
                                              inertia_,
                                              CheckBox1->isChecked(),
                                              Edit1->text(),
                                              forms_.mainForm->envelopeCaption(),
                                              forms_.form6->purposeText(),
                                              forms_.form6->deltaTcrText()};
    RequirementSource source =
        RequirementDescription::describe(shown, accepted, forms_.separator());
    source.acceptedWith = inputs();
    const QComboBox* envelopes =
        source.building == BuildingKind::Production ? ComboBox2 : ComboBox1;
    source.items = {ComboBox13->findText(source.report.zone, Qt::MatchExactly),
                    envelopes->findText(source.report.envelopeCaption, Qt::MatchExactly),
                    ComboBox3->findText(source.report.regime, Qt::MatchExactly)};
    return source;
}

void TForm3::writeInertia(const QString& text) {
    Edit2->setText(text);
}
void TForm3::enableCalculateButton() {
    Button2->setEnabled(true);
}
QString TForm3::zoneText() const {
    return ComboBox13->currentText();
}
QString TForm3::regimeText() const {
    return ComboBox3->currentText();
}
bool TForm3::reconstructionTicked() const {
    return CheckBox1->isChecked();
}
QString TForm3::cityText() const {
    return RequirementDescription::cityText(shownList(ComboBox4), shownList(ComboBox13));
}

Project::RequirementInputs TForm3::inputs() const {
    if (!isBuilt())
        return freshInputs();
    Project::RequirementInputs in;
    const auto [city, envelope, productionKind, regime] = prompts();
    in.zone = shownChoice(ComboBox13, pickedIndex(ComboBox13));
    in.city = city.choice(pickedIndex(ComboBox4));
    in.building = RadioButton2->isChecked()   ? BuildingKind::Production
                  : RadioButton3->isChecked() ? BuildingKind::WallsBetweenFlats
                                              : BuildingKind::Residential;
    in.envelope = envelope.choice(pickedIndex(ComboBox1));
    // A list never picked from keeps no item, whatever value stands for it.
    in.productionKind = productionKind.choice(ComboBox2->currentIndex() < 0 ? -1 : productionKind_);
    in.regime = regime.choice(ComboBox3->currentIndex() < 0 ? -1 : regime_);
    in.inertia = Edit2->text();
    in.reconstruction = CheckBox1->isChecked();
    in.rqmin = Edit1->text();
    return in;
}

// Zone I, every other list showing its prompt, D of 1 and no Rqmin yet.
Project::RequirementInputs TForm3::freshInputs() const {
    const auto [city, envelope, productionKind, regime] = prompts();
    Project::RequirementInputs in;
    in.zone = {0, QString(), false};
    in.city = city.fresh();
    in.envelope = envelope.fresh();
    in.productionKind = productionKind.fresh();
    in.regime = regime.fresh();
    in.inertia = QStringLiteral("1");
    in.rqmin = QStringLiteral("0");
    return in;
}

void TForm3::setInputs(const Project::RequirementInputs& in) {
    const auto [city, envelope, productionKind, regime] = prompts();
    restoreChoice(ComboBox13, in.zone);
    city.restore(in.city);
    envelope.restore(in.envelope);
    productionKind.restore(in.productionKind,
                           [this] { productionListChanged(ComboBox2, productionKind_); });
    regime.restore(in.regime, [this] { productionListChanged(ComboBox3, regime_); });
    Edit2->setText(in.inertia);
    switch (in.building) {
    case BuildingKind::Residential:
        RadioButton1->setChecked(true);
        showResidentialLayout();
        CheckBox1->setChecked(in.reconstruction);
        guarded(forms_.platform, [this] { residentialLookup(); });
        break;
    case BuildingKind::Production:
        RadioButton2->setChecked(true);
        showProductionLayout();
        guarded(forms_.platform, [this] { productionLookup(); });
        break;
    case BuildingKind::WallsBetweenFlats:
        RadioButton3->setChecked(true);
        untickReconstruction();
        forms_.calculation.setBuilding(BuildingKind::WallsBetweenFlats);
        break;
    }
    // The lookups just made stand for those the restoration started.
    Timer1->stop();
    Timer2->stop();
    Edit1->setText(in.rqmin);
}
