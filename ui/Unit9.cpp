#include "ui/Unit9.h"

#include "core/InsulationQuantity.h"
#include "core/LayerCount.h"
#include "core/NumberText.h"
#include "core/ResultState.h"
#include "formats/OrderText.h"
#include "ui/CalculationState.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm9::TForm9(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm9"));
    saveDialog_.defaultExtension = QStringLiteral("txt");
    saveDialog_.overwritePrompt = true;

    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 1000);
    Timer1->setTimerType(Qt::PreciseTimer); // one step a second, never early
    connect(Timer1, &QTimer::timeout, this,
            [this] { guarded(forms_.platform, [this] { Timer1Timer(); }); });
    retranslateUi();
}

void TForm9::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildInputs());
    layout->addWidget(buildResults());
    layout->addWidget(buildButtons());
    layout->addStretch(1);
    layout->setContentsMargins(14, 12, 14, 12);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    retranslateUi();
}

void TForm9::retranslateUi() {
    setWindowTitle(tr("Подсчет расхода утеплителя"));
    if (!isBuilt())
        return; // the rest is translated as it is built
    saveDialog_.filters = {{tr("Текстовый файл"), QStringLiteral("*.txt")}};
    saveDialog_.proposedName = tr("Расход утеплителя");
    Label1->setText(tr("Высота, м"));
    Label2->setText(tr("Общая длина, м"));
    Label4->setText(tr("Расход утеплителя -"));
    Panel1->setText(summaryText());
    // Wide enough for the longest summary of the language, so that the window keeps its
    // width whatever the summary says.
    const QString widest = InsulationQuantity::summary(QStringLiteral("35"), QStringLiteral("1000"),
                                                       QStringLiteral("10000"));
    Panel1->setMinimumWidth(Panel1->fontMetrics().horizontalAdvance(widest) +
                            2 * (Panel1->margin() + Panel1->frameWidth()) + 8);
    Button1->setText(tr("Сохранить текст для заказа"));
    setHint(Button1, tr("Сохранить текстовый файл"));
    Button2->setText(tr("З а к а з а т ь"));
    setHint(Button2, tr("Заказать на сайте"));
    Button3->setText(tr("В ы х о д"));
    setHint(Button3, tr("Выйти из программы"));
}

void TForm9::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QString TForm9::summaryText() const {
    return InsulationQuantity::summary(summary_.grade, summary_.thickness, summary_.area);
}

QComboBox* TForm9::numberBox(const QString& name, const QStringList& items, const QString& text) {
    QComboBox* box = editableList(name, items, text); // typed numbers are not completed
    box->setParent(this);
    box->setMinimumContentsLength(6);
    installDecimalKeyFilter(box, forms_.separator());
    onUserChange(box, this, [this] { startRecalculation(); });
    return box;
}

QWidget* TForm9::buildInputs() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    ComboBox1 = numberBox(QStringLiteral("ComboBox1"), InsulationQuantity::heightItems(),
                          InsulationQuantity::initialHeight);
    ComboBox2 = numberBox(QStringLiteral("ComboBox2"), InsulationQuantity::lengthItems(),
                          InsulationQuantity::initialLength);
    Label1 = namedLabel(QString(), QStringLiteral("Label1"));
    Label2 = namedLabel(QString(), QStringLiteral("Label2"));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(ComboBox1, 1, 0);
    grid->addWidget(ComboBox2, 1, 1);
    return panel;
}

QWidget* TForm9::buildResults() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 6, 0, 6);
    Panel1 = namedLabel(QString(), QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setMargin(6);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Its text never widens the window: the minimum width the language sets does.
    Panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(Panel1);

    auto* volume = new QHBoxLayout;
    volume->addStretch(1);
    Label4 = namedLabel(QString(), QStringLiteral("Label4"));
    volume->addWidget(Label4);
    Label5 = namedLabel(InsulationQuantity::initialVolume, QStringLiteral("Label5"));
    QFont font = Label5->font();
    font.setBold(true);
    Label5->setFont(font);
    volume->addWidget(Label5);
    volume->addStretch(1);
    column->addLayout(volume);
    return panel;
}

QWidget* TForm9::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    Button1 = namedButton(QString(), QStringLiteral("Button1"));
    Button2 = namedButton(QString(), QStringLiteral("Button2"));
    Button3 = namedButton(QString(), QStringLiteral("Button3"));
    connect(Button1, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { openWindow(forms_.form10); });
    connect(Button3, &QPushButton::clicked, this, [this] { forms_.mainForm->close(); });
    row->addWidget(Button1);
    row->addWidget(Button2);
    row->addWidget(Button3);
    return panel;
}

void TForm9::startRecalculation() {
    switchOn(*Timer1);
}

void TForm9::Timer1Timer() {
    Timer1->stop();
    countFor(layer12Now());
}

void TForm9::countFor(const Project::LayerInputs& layer12) {
    const QString thickness = layer12.thickness;
    const int grade = forms_.calculation->orderingGrade;
    const auto quantity = InsulationQuantity::compute(
        ComboBox1->currentText(), ComboBox2->currentText(), thickness, grade, forms_.separator());
    summary_ = {NumberText::whole(grade, forms_.separator()), thickness,
                NumberText::whole(quantity.area, forms_.separator())};
    Panel1->setText(summaryText());
    Label5->setText(quantity.volumeText);
    countedLayer12_ = layer12;
    countedArea_ = quantity.area;
    countedVolume_ = quantity.volume;
}

Project::LayerInputs TForm9::layer12Now() const {
    return forms_.form2->inputs().layers.back();
}

// Writes exactly the two lines now shown, then opens the file with the default program.
void TForm9::Button1Click() {
    const QStringList lines = InsulationQuantity::orderLines(Panel1->text(), Label5->text());
    const std::optional<QString> path = forms_.platform.askSaveFile(saveDialog_);
    if (!path)
        return;
    const QString absolutePath = QFileInfo(*path).absoluteFilePath();
    OrderText::save(absolutePath, lines);
    forms_.platform.openAddress(absolutePath);
}

Project::QuantityInputs TForm9::inputs() const {
    if (!isBuilt())
        return freshInputs();
    Project::QuantityInputs in;
    in.height = ComboBox1->currentText();
    in.length = ComboBox2->currentText();
    in.counted = countedLayer12_.has_value();
    if (countedLayer12_ && *countedLayer12_ != layer12Now())
        in.countedFor = *countedLayer12_;
    in.orderingGrade = forms_.calculation->orderingGrade;
    return in;
}

// The lists' first sizes; nothing counted yet.
Project::QuantityInputs TForm9::freshInputs() const {
    Project::QuantityInputs in;
    in.height = InsulationQuantity::initialHeight;
    in.length = InsulationQuantity::initialLength;
    in.orderingGrade = forms_.calculation->orderingGrade;
    return in;
}

bool TForm9::followsLayer12() const {
    return countedLayer12_ && ResultState::quantityFollows(*countedLayer12_, layer12Now(),
                                                           forms_.mainForm->resultChange());
}

std::optional<ReportDocument::Quantity> TForm9::workedOutQuantity() const {
    if (!countedLayer12_)
        return std::nullopt;
    return ReportDocument::Quantity{countedArea_, countedVolume_, followsLayer12()};
}

void TForm9::setInputs(const Project::QuantityInputs& in) {
    Timer1->stop();
    countedLayer12_.reset();
    ComboBox1->setEditText(in.height);
    ComboBox2->setEditText(in.length);
    forms_.calculation.setOrderingGrade(in.orderingGrade);
    summary_ = {};
    Panel1->setText(summaryText());
    Label5->setText(InsulationQuantity::initialVolume);
    if (in.counted)
        guarded(forms_.platform, [&] {
            countFor(in.countedFor == Project::LayerInputs{} ? layer12Now() : in.countedFor);
        });
}
