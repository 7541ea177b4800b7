#include "ui/Unit2.h"

#include "core/ListTexts.h"
#include "core/MaterialCatalogue.h"
#include "core/NumberText.h"
#include "core/ResistanceCheck.h"
#include "formats/UserConstructionFiles.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/ListPrompt.h"
#include "ui/Main.h"
#include "ui/MoistureWindow.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit3.h"
#include "ui/Unit5.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int airGapLayer = 11;
// Layer 12's list shows the board the selection wrote there, nothing having replaced it.
constexpr char boardMark[] = "board";
constexpr int fieldWidth = 76;
constexpr Rgb blinkColor{128, 0, 0};
constexpr Rgb black{0, 0, 0};

// The captions of the user list (layer 12) before and after a set is opened.
using ListTexts::openedUserListCaption;
using ListTexts::userListCaption;

// Layers whose categories the window offers but does not let the user fill.
bool hiddenLayer(int layer) {
    return layer == 9 || layer == 10;
}

QLabel* plainLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* boldLabel(const QString& text) {
    QLabel* label = plainLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLineEdit* numberField(const QString& name, bool computed) {
    auto* field = new QLineEdit(QStringLiteral("0"));
    field->setObjectName(name);
    field->setFixedWidth(fieldWidth);
    field->setAlignment(Qt::AlignRight);
    showWrittenTextFromStart(field);
    if (computed) {
        // Results are rewritten by every calculation; Tab skips them.
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus);
    }
    return field;
}

QString indexed(const char* prefix, int number) {
    return QLatin1String(prefix) + QString::number(number);
}

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

// Applies each step of the layer calculation to the window as soon as it is done.
class LayerWindowSteps : public LayerStack::Steps {
  public:
    explicit LayerWindowSteps(TForm2& window) : window_(window) {}

    void warn(const QString& text) override {
        window_.forms_.platform.warning(LayerStack::warningTitle(), text);
    }

    void showResistances(const LayerStack::PerLayer<QString>& r, const QString& rk,
                         const QString& totalThickness) override {
        for (int i = 0; i < layerCount; ++i)
            window_.rows_[i].r->setText(r[i]);
        window_.Edit37->setText(rk);
        window_.Edit38->setText(totalThickness);
    }

    void handOverRk(const QString& rk) override {
        window_.forms_.mainForm->writeRk(rk);
        window_.announceLayers();
    }

    void showInertia(const LayerStack::PerLayer<QString>& d, const QString& inertia) override {
        for (int i = 0; i < layerCount; ++i)
            window_.rows_[i].d->setText(d[i]);
        window_.Edit51->setText(inertia);
    }

    void handOverInertia(const QString& inertia) override {
        window_.forms_.form3->writeInertia(inertia);
    }

    void finish() override { window_.forms_.form3->enableCalculateButton(); }

  private:
    TForm2& window_;
};

TForm2::TForm2(Forms& forms) : forms_(forms), layer12Caption_(userListCaption) {
    setObjectName(QStringLiteral("TForm2"));
    retranslateUi();
}

void TForm2::build() {
    userListDialog_ = userConstructionsDialog();

    auto* layout = new QVBoxLayout(this);
    heading_ = boldLabel(QString());
    heading_->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading_);

    auto* table = new QGroupBox;
    table->setObjectName(QStringLiteral("LayerTable"));
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    buildLayerTable(grid);
    layout->addWidget(table);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildTotals(), 3);
    lower->addWidget(buildVerdictAndButtons(), 2);
    layout->addLayout(lower);

    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = namedTimer(this, QStringLiteral("Timer2"), 1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });

    for (int layer = 1; layer <= layerCount; ++layer)
        connectLayerRow(layer);
    connect(Edit38, &QLineEdit::textChanged, this,
            [this](const QString& text) { forms_.mainForm->writeTotalThickness(text); });
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::openUserList);
    connect(rows_[layerCount - 1].selector, &QComboBox::activated, this,
            &TForm2::chooseUserListEntry);
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm2::editUserList);
    retranslateUi();
}

void TForm2::retranslateUi() {
    setWindowTitle(tr("Сопротивление слоев конструкции"));
    if (!isBuilt())
        return; // the rest is translated as it is built
    heading_->setText(
        tr("Термическое сопротивление теплопередаче  и тепловая инерция слоев конструкции"));
    const QString headings[] = {tr("Коэф. тепло-\nпроводности"), tr("Коэф. тепло-\nусвоения"),
                                tr("Толщина слоя\nDt, мм"), tr("Термическ.\nсопрот-ние"),
                                tr("Тепловая\nинерция")};
    for (std::size_t column = 0; column < columnHeadings_.size(); ++column)
        columnHeadings_[column]->setText(headings[column]);
    setHint(SpeedButton1, tr("Open|"));
    SpeedButton2->setText(tr("Редактировать пользовательский список"));
    totalCaptions_[0]->setText(tr("Термическое сопротивление теплопередаче конструкции:"));
    totalCaptions_[1]->setText(tr("Толщина конструкции"));
    totalCaptions_[2]->setText(tr("Тепловая инерция"));
    resultsHeading_->setText(tr("---  Р е з у л ь т а т ы  ---"));
    Button1->setText(tr("Расчет"));
    setHint(Button1, tr("---   Р А С Ч Е Т  ! ! !   ---"));
    Button3->setText(tr("Принять"));
    SpeedButton3->setText(tr("П о д о б р а т ь  у т е п л и т е л ь  в  ЧП \"ВЕРАСК\""));
    profileButton->setText(tr("Температурный профиль..."));
    moistureButton->setText(tr("Влажностный режим..."));
    retranslateLists();
}

// Catalogue names follow the language; the user's names and typed texts never do. A list
// still showing the caption the program gave it shows that caption in the new language.
void TForm2::retranslateLists() {
    for (int i = 0; i < layerCount; ++i) {
        QComboBox* list = rows_[i].selector;
        const bool showsCaption = showsProgramCaption(i);
        if (i < layerCount - 1)
            translateItems(list, MaterialCatalogue::context);
        if (showsCaption)
            showCaption(i);
    }
    renameLayer12Board();
}

// The board is the same in either language: the inputs name it by its catalogue name, so
// its new shown name changes no input and the results stay current.
void TForm2::renameLayer12Board() {
    if (layer12ShowsBoard())
        writeLayer12Board(layer12Board_);
}

QString TForm2::layer12Board() const {
    return layer12ShowsBoard() ? layer12Board_ : QString();
}

bool TForm2::layer12ShowsBoard() const {
    return !layer12Board_.isEmpty() && showsMarked(rows_[layerCount - 1].selector, boardMark);
}

void TForm2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

// A row kept as showing its caption shows it in the current language while its list has no
// item; layer 12's caption is that of an opened set or not.
void TForm2::restoreCaptions(const Project::LayerStackInputs& in) {
    for (int i = 0; i < layerCount; ++i) {
        if (!in.layers[i].material.prompt || rows_[i].selector->currentIndex() >= 0)
            continue;
        if (i == layerCount - 1)
            layer12Caption_ = in.userListOpened ? openedUserListCaption : userListCaption;
        showCaption(i);
    }
}

QString TForm2::captionSource(int i) const {
    return i < layerCount - 1 ? MaterialCatalogue::caption(i + 1)
                              : QString::fromUtf8(layer12Caption_);
}

QString TForm2::captionShown(int i) const {
    return i < layerCount - 1 ? MaterialCatalogue::shownCaption(i + 1)
                              : QCoreApplication::translate("TForm2", layer12Caption_);
}

bool TForm2::showsProgramCaption(int i) const {
    return showsPrompt(rows_[i].selector);
}

void TForm2::showCaption(int i) {
    showAsPrompt(rows_[i].selector, captionShown(i));
}

void TForm2::buildLayerTable(QGridLayout* grid) {
    // Column headings in two lines each, so the columns stay as narrow as their fields.
    for (int column = 0; column < int(columnHeadings_.size()); ++column) {
        QLabel* label = plainLabel(QString());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(label, 0, 2 + 2 * column, 1, 2);
        columnHeadings_[column] = label;
    }
    for (int layer = 1; layer <= layerCount; ++layer)
        addLayerRow(grid, layer);
    grid->addWidget(buildUserListControls(), layerCount + 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

namespace {

// A material list whose drop-down is as wide as its longest name; measured when
// it first opens, not at start-up.
class MaterialSelector : public QComboBox {
  public:
    void showPopup() override {
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
        QComboBox::showPopup();
    }
};

} // namespace

void TForm2::addLayerRow(QGridLayout* grid, int layer) {
    const int i = layer - 1;
    auto* selector = new MaterialSelector;
    selector->setObjectName(indexed("ComboBox", layer));
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setCompleter(nullptr); // what the user types stays exactly as typed
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setMinimumContentsLength(44);
    if (layer < layerCount) {
        addSourceItems(selector, MaterialCatalogue::names(layer));
        selector->setCurrentIndex(-1);
        selector->setEnabled(!hiddenLayer(layer));
    }
    rows_[i].selector = selector;
    showCaption(i);

    rows_[i].ld = numberField(indexed("Edit", layer), false);
    installDecimalKeyFilter(rows_[i].ld, forms_.separator());
    rows_[i].s = numberField(indexed("Edit", 38 + layer), false);
    rows_[i].dt = numberField(indexed("Edit", 12 + layer), false);
    rows_[i].r = numberField(indexed("Edit", 24 + layer), true);
    rows_[i].d = numberField(indexed("Edit", 51 + layer), true);

    const int row = layer;
    if (layer == layerCount) {
        SpeedButton1 = new QToolButton;
        SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
        SpeedButton1->setAutoRaise(true);
        SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
        grid->addWidget(SpeedButton1, row, 0);
    }
    grid->addWidget(selector, row, 1);

    const char* prefixes[] = {"Ld", "S", "Dt", "R", "D"};
    QLineEdit* fields[] = {rows_[i].ld, rows_[i].s, rows_[i].dt, rows_[i].r, rows_[i].d};
    for (int column = 0; column < 5; ++column) {
        QLabel* caption = plainLabel(indexed(prefixes[column], layer));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(fields[column]);
        grid->addWidget(caption, row, 2 + 2 * column);
        grid->addWidget(fields[column], row, 3 + 2 * column);
        if (hiddenLayer(layer)) {
            caption->hide();
            fields[column]->hide();
        }
    }
    if (hiddenLayer(layer))
        rows_[i].dt->setEnabled(false);
}

QWidget* TForm2::buildUserListControls() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    SpeedButton2 = new QPushButton;
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    row->addStretch(1);
    row->addWidget(SpeedButton2);
    return panel;
}

QWidget* TForm2::buildTotals() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("Totals"));
    auto* grid = new QGridLayout(box);
    Edit37 = numberField(QStringLiteral("Edit37"), true);
    Edit38 = numberField(QStringLiteral("Edit38"), true);
    Edit51 = numberField(QStringLiteral("Edit51"), true);
    const struct {
        QString symbol;
        QLineEdit* field;
    } rows[] = {
        {QStringLiteral("Rk"), Edit37},
        {QStringLiteral("Dt, мм"), Edit38},
        {QStringLiteral("D"), Edit51},
    };
    int row = 0;
    for (const auto& item : rows) {
        totalCaptions_[row] = plainLabel(QString());
        grid->addWidget(totalCaptions_[row], row, 0);
        QLabel* symbol = plainLabel(item.symbol);
        symbol->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(symbol, row, 1);
        grid->addWidget(item.field, row, 2);
        ++row;
    }
    grid->setColumnStretch(0, 1);

    // The selected thickness of layer 12 and its button serve the insulation selection only.
    Edit64 = numberField(QStringLiteral("Edit64"), true);
    Edit64->hide();
    Button12 = new QPushButton(QStringLiteral("Dt12"));
    Button12->setObjectName(QStringLiteral("Button12"));
    Button12->hide();
    grid->addWidget(Edit64, row, 1);
    grid->addWidget(Button12, row, 2);
    connect(Button12, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { pressLayer12Thickness(); }); });
    return box;
}

QWidget* TForm2::buildVerdictAndButtons() {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    resultsHeading_ = boldLabel(QString());
    resultsHeading_->setAlignment(Qt::AlignCenter);
    column->addWidget(resultsHeading_);
    Label79 = new QLabel(this);
    Label79->setObjectName(QStringLiteral("Label79"));
    Label79->setTextFormat(Qt::PlainText);
    Label79->setAlignment(Qt::AlignCenter);
    setBold(Label79, true);
    setTextColor(Label79, ResistanceCheck::verdictLineInitialColor());
    column->addWidget(Label79);
    staleNote = outOfDateNote(QStringLiteral("LayerStaleNote"));
    staleNote->setAlignment(Qt::AlignCenter);
    column->addWidget(staleNote);
    staleNote->setText(outOfDate_);
    staleNote->setVisible(!outOfDate_.isEmpty());

    Button1 = new QPushButton;
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button3 = new QPushButton;
    Button3->setObjectName(QStringLiteral("Button3"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button3);
    column->addLayout(buttons);

    SpeedButton3 = new QPushButton;
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    column->addWidget(SpeedButton3);
    profileButton = namedButton(QString(), QStringLiteral("ProfileButton"));
    column->addWidget(profileButton);
    connect(profileButton, &QPushButton::clicked, this,
            [this] { openWindow(forms_.profileWindow); });
    moistureButton = namedButton(QString(), QStringLiteral("MoistureButton"));
    column->addWidget(moistureButton);
    connect(moistureButton, &QPushButton::clicked, this,
            [this] { openWindow(forms_.moistureWindow); });
    column->addStretch(1);

    connect(Button1, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { pressCalculate(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { hide(); });
    connect(SpeedButton3, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { SpeedButton3Click(); }); });
    return panel;
}

void TForm2::connectLayerRow(int layer) {
    const int i = layer - 1;
    if (layer < layerCount) {
        QComboBox* selector = rows_[i].selector;
        connect(selector, &QComboBox::activated, this, [this, layer](int index) {
            guarded(forms_.platform, [&] { chooseMaterial(layer, index); });
        });
        // Typed text chooses no entry.
        connect(selector->lineEdit(), &QLineEdit::textEdited, this,
                [this, layer] { guarded(forms_.platform, [&] { chooseMaterial(layer, -1); }); });
    }
    // Every change of the layer's inputs may leave the results out of date.
    for (QLineEdit* field : {rows_[i].ld, rows_[i].s, rows_[i].dt, rows_[i].selector->lineEdit()})
        connect(field, &QLineEdit::textChanged, &forms_.calculation,
                &CalculationState::inputsEdited);
    // Enter in any of the layer's number fields runs the calculation, as "Расчет" does.
    for (QLineEdit* field : {rows_[i].ld, rows_[i].s, rows_[i].dt})
        connect(field, &QLineEdit::returnPressed, this,
                [this] { guarded(forms_.platform, [this] { pressCalculate(); }); });
    connect(rows_[i].dt, &QLineEdit::textChanged, this, [this, layer](const QString& text) {
        forms_.mainForm->writeLayerThickness(layer, text);
        switchOn(*Timer1);
    });
}

void TForm2::chooseMaterial(int layer, int index) {
    const int i = layer - 1;
    const auto entry = MaterialCatalogue::lookup(layer, index);
    const bool airGap = entry && entry->kind == MaterialCatalogue::EntryKind::AirGap;
    if (entry && !airGap) {
        stack_.layers[i].ld = entry->ld;
        stack_.layers[i].s = entry->s;
    }
    if (layer == airGapLayer)
        layer11AirGap_ = false; // a new choice replaces an accepted gap
    rows_[i].ld->setText(NumberText::general(stack_.layers[i].ld, forms_.separator()));
    rows_[i].s->setText(NumberText::general(stack_.layers[i].s, forms_.separator()));
    forms_.mainForm->writeLayerName(layer,
                                    shownCaption(rows_[i].selector, MaterialCatalogue::context));
    if (entry)
        rows_[i].selector->lineEdit()->setCursorPosition(0); // a long name shows its beginning
    if (airGap) {
        forms_.calculation.setAirGapTarget(airGapLayer);
        if (!restoringInputs_)
            openWindow(forms_.form7);
    }
}

void TForm2::pressCalculate() {
    readRows();
    LayerWindowSteps steps(*this);
    LayerStack::calculate(stack_, forms_.calculation->building, forms_.separator(), steps);
    forms_.calculation.recordLayerRun(inputs());
}

// Each row's material and field texts as the calculation takes them.
void TForm2::readRows() {
    for (int i = 0; i < layerCount; ++i) {
        const LayerControls& controls = rows_[i];
        LayerStack::Layer& row = stack_.layers[i];
        const bool userList = i == layerCount - 1; // its entries are none of the catalogue's
        row.material.entry = userList ? -1 : pickedIndex(controls.selector);
        row.material.name = controls.selector->currentText();
        row.material.nameSource = !userList             ? pickedSource(controls.selector)
                                  : layer12ShowsBoard() ? layer12Board_
                                                        : QString();
        row.ldText = controls.ld->text();
        row.dtText = controls.dt->text();
        row.sText = controls.s->text();
    }
}

void TForm2::announceLayers() {
    emit layersCalculated(SectionLayers::calculated(stack_, layer11AirGap_));
}

void TForm2::pressLayer12Thickness() {
    const double thickness =
        LayerStack::layer12Thickness(stack_, forms_.mainForm->rkRequired(), forms_.separator());
    Edit64->setText(NumberText::fixed(thickness, 8, 0, forms_.separator()));
    rows_[layerCount - 1].dt->setText(Edit64->text());
    pressCalculate();
}

void TForm2::SpeedButton3Click() {
    pressCalculate();
    openWindow(forms_.form5);
}

void TForm2::Timer1Timer() {
    Timer1->stop();
    setTextColor(SpeedButton3, blinkColor);
    setBold(SpeedButton3, true);
    switchOn(*Timer2);
}

void TForm2::Timer2Timer() {
    Timer2->stop();
    setTextColor(SpeedButton3, black);
    setBold(SpeedButton3, false);
    switchOn(*Timer1);
}

// The names file of a chosen set becomes the list's entries.
void TForm2::openUserList() {
    guarded(forms_.platform, [this] {
        const std::optional<QString> path = forms_.platform.askOpenFile(userListDialog_);
        if (!path)
            return;
        const QStringList names =
            UserConstructionFiles::readLines(UserConstructionFiles::namesPath(*path));
        QComboBox* list = rows_[layerCount - 1].selector;
        list->clear();
        addSourceItems(list, names);
        list->setCurrentIndex(-1);
        layer12Caption_ = openedUserListCaption;
        showCaption(layerCount - 1);
    });
}

// Entry j takes line j of the set's Ld and S files, read again at every choice.
void TForm2::chooseUserListEntry(int index) {
    guarded(forms_.platform, [this, index] {
        const QString path = userListDialog_.lastPath.isEmpty() ? userListDialog_.proposedName
                                                                : userListDialog_.lastPath;
        using namespace UserConstructionFiles;
        const QStringList ld = readLines(ldPath(path));
        const QStringList s = readLines(sPath(path));
        const int i = layerCount - 1;
        rows_[i].ld->setText(UserConstructionList::lineAt(ld, index));
        rows_[i].s->setText(UserConstructionList::lineAt(s, index));
        forms_.mainForm->writeLayerName(layerCount, rows_[i].selector->currentText());
    });
}

void TForm2::editUserList() {
    forms_.form8->openForEditing();
}

void TForm2::acceptAirGap(const QString& thickness, const QString& ld, const QString& s) {
    const int i = airGapLayer - 1;
    rows_[i].dt->setText(thickness);
    rows_[i].ld->setText(ld);
    rows_[i].s->setText(s);
    layer11AirGap_ = true;
    forms_.calculation.inputsEdited();
}

void TForm2::showOutOfDate(const QString& note) {
    outOfDate_ = note;
    if (!isBuilt())
        return; // shown as the window is built
    staleNote->setText(note);
    staleNote->setVisible(!note.isEmpty());
}

void TForm2::showVerdict(const QString& text, Rgb color) {
    Label79->setText(text);
    setTextColor(Label79, color);
}

QRect TForm2::layerRowsOnScreen() const {
    QRect rows;
    for (int i = 0; i < layerCount; ++i)
        for (const QWidget* control :
             {static_cast<const QWidget*>(rows_[i].selector),
              static_cast<const QWidget*>(rows_[i].ld), static_cast<const QWidget*>(rows_[i].d)})
            if (!control->isHidden()) // rows 9 and 10 have their lists only
                rows |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    return rows;
}

// The note stands between the verdict and the button, hidden or not.
QRect TForm2::verdictOnScreen() const {
    QRect area;
    for (const QWidget* control :
         {static_cast<const QWidget*>(Label79), static_cast<const QWidget*>(Button1)})
        area |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    return area;
}

void TForm2::writeLayer12Board(const QString& source) {
    layer12Board_ = source;
    showMarked(rows_[layerCount - 1].selector, Caption{MaterialCatalogue::context, source}.shown(),
               boardMark);
}
void TForm2::writeLd(int layer, const QString& text) {
    rows_.at(layer - 1).ld->setText(text);
}
void TForm2::writeS(int layer, const QString& text) {
    rows_.at(layer - 1).s->setText(text);
}
void TForm2::writeThickness(int layer, const QString& text) {
    rows_.at(layer - 1).dt->setText(text);
}
void TForm2::writeSelectedLayer12Thickness(const QString& text) {
    Edit64->setText(text);
}

QString TForm2::selectedLayer12Thickness() const {
    return Edit64->text();
}
QString TForm2::thickness(int layer) const {
    return rows_.at(layer - 1).dt->text();
}
Rgb TForm2::verdictColor() const {
    return textColor(Label79);
}
QString TForm2::ldText(int layer) const {
    return rows_.at(layer - 1).ld->text();
}
QString TForm2::resistanceText(int layer) const {
    return rows_.at(layer - 1).r->text();
}
double TForm2::calculatedThickness(int layer) const {
    return stack_.layers.at(layer - 1).dt;
}
const LayerStack::Stack& TForm2::lastCalculation() const {
    return stack_;
}
bool TForm2::layer11HoldsAirGap() const {
    return layer11AirGap_;
}
QString TForm2::sText(int layer) const {
    return rows_.at(layer - 1).s->text();
}
QString TForm2::inertiaText(int layer) const {
    return rows_.at(layer - 1).d->text();
}
QString TForm2::inertiaTotalText() const {
    return Edit51->text();
}

Project::LayerStackInputs TForm2::inputs() const {
    if (!isBuilt())
        return freshInputs();
    Project::LayerStackInputs in;
    for (int i = 0; i < layerCount; ++i)
        in.layers[i] = {shownChoice(rows_[i].selector, pickedIndex(rows_[i].selector)),
                        rows_[i].ld->text(), rows_[i].s->text(), rows_[i].dt->text()};
    // The user list shows the user's own names, never translated, from a set that may be
    // gone when the project opens again: its text is kept as if typed.
    Project::ListChoice& userChoice = in.layers[layerCount - 1].material;
    // A board the selection put there is kept by its catalogue name, alike in either language.
    userChoice.text =
        layer12ShowsBoard() ? layer12Board_ : rows_[layerCount - 1].selector->currentText();
    userChoice.typed = true;
    // A caption the program shows is kept as its source text, alike in either language.
    for (int i = 0; i < layerCount; ++i)
        if (showsProgramCaption(i)) {
            in.layers[i].material.text = captionSource(i);
            in.layers[i].material.prompt = true;
        }
    in.userListPath = userListDialog_.lastPath;
    in.layer11HoldsAirGap = layer11AirGap_;
    in.userListOpened = layer12Caption_ == openedUserListCaption;
    return in;
}

// Every row shows its program caption over zeros until the user acts.
Project::LayerStackInputs TForm2::freshInputs() const {
    const QString zero = QStringLiteral("0");
    Project::LayerStackInputs in;
    for (int i = 0; i < layerCount; ++i)
        in.layers[i] = {{-1, captionSource(i), true, true}, zero, zero, zero};
    in.userListPath = userListDialog_.lastPath;
    in.layer11HoldsAirGap = layer11AirGap_;
    in.userListOpened = layer12Caption_ == openedUserListCaption;
    return in;
}

void TForm2::setInputs(const Project::LayerStackInputs& in) {
    // The user list offers the names of its set again; its Ld and S come from the project.
    userListDialog_.lastPath = in.userListPath;
    QComboBox* userList = rows_[layerCount - 1].selector;
    userList->clear();
    if (!in.userListPath.isEmpty())
        guarded(forms_.platform, [&] {
            addSourceItems(userList, UserConstructionFiles::readLines(
                                         UserConstructionFiles::namesPath(in.userListPath)));
        });
    restoringInputs_ = true;
    for (int layer = 1; layer < layerCount; ++layer) {
        QComboBox* selector = rows_[layer - 1].selector;
        restoreChoice(selector, in.layers[layer - 1].material, [this, layer, selector] {
            guarded(forms_.platform, [&] { chooseMaterial(layer, pickedIndex(selector)); });
        });
    }
    restoringInputs_ = false;
    restoreChoice(userList, in.layers[layerCount - 1].material);
    restoreCaptions(in);
    for (int i = 0; i < layerCount; ++i) {
        rows_[i].ld->setText(in.layers[i].ld);
        rows_[i].s->setText(in.layers[i].s);
        rows_[i].dt->setText(in.layers[i].thickness);
    }
    layer11AirGap_ = in.layer11HoldsAirGap;
    layer12Board_.clear(); // until the selection knows its board there again
}
