#include "ui/Unit9.h"

#include "core/Calculation.h"
#include "core/InsulationQuantity.h"
#include "core/LayerCount.h"
#include "formats/OrderText.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* hintedButton(const QString& text, const QString& name, const QString& hint) {
    QPushButton* button = namedButton(text, name);
    setHint(button, hint);
    return button;
}

} // namespace

TForm9::TForm9(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Подсчет расхода утеплителя"));

    saveDialog_.filters = {{QStringLiteral("Текстовый файл"), QStringLiteral("*.txt")}};
    saveDialog_.proposedName = QStringLiteral("Расход утеплителя");
    saveDialog_.defaultExtension = QStringLiteral("txt");
    saveDialog_.overwritePrompt = true;

    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 1000);
    Timer1->setTimerType(Qt::PreciseTimer); // one step a second, never early
    connect(Timer1, &QTimer::timeout, this,
            [this] { guarded(forms_.platform, [this] { Timer1Timer(); }); });

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
    grid->addWidget(namedLabel(QStringLiteral("Высота, м"), QStringLiteral("Label1")), 0, 0);
    grid->addWidget(namedLabel(QStringLiteral("Общая длина, м"), QStringLiteral("Label2")), 0, 1);
    grid->addWidget(ComboBox1, 1, 0);
    grid->addWidget(ComboBox2, 1, 1);
    return panel;
}

QWidget* TForm9::buildResults() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 6, 0, 6);
    Panel1 = namedLabel(InsulationQuantity::initialSummary, QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setMargin(6);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(Panel1);

    auto* volume = new QHBoxLayout;
    volume->addStretch(1);
    volume->addWidget(namedLabel(InsulationQuantity::volumeCaption, QStringLiteral("Label4")));
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
    Button1 = hintedButton(QStringLiteral("Сохранить текст для заказа"), QStringLiteral("Button1"),
                           QStringLiteral("Сохранить текстовый файл"));
    Button2 = hintedButton(QStringLiteral("З а к а з а т ь"), QStringLiteral("Button2"),
                           QStringLiteral("Заказать на сайте"));
    Button3 = hintedButton(QStringLiteral("В ы х о д"), QStringLiteral("Button3"),
                           QStringLiteral("Выйти из программы"));
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
    const auto quantity = InsulationQuantity::compute(
        ComboBox1->currentText(), ComboBox2->currentText(), forms_.form2->thickness(layerCount),
        forms_.calculation.orderingGrade, forms_.separator());
    Panel1->setText(quantity.summary);
    Label5->setText(quantity.volumeText);
    countedLayer12_ = layer12Now();
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
    Project::QuantityInputs in;
    in.height = ComboBox1->currentText();
    in.length = ComboBox2->currentText();
    in.counted = countedLayer12_.has_value();
    in.orderingGrade = forms_.calculation.orderingGrade;
    return in;
}

std::optional<ReportDocument::Quantity> TForm9::workedOutQuantity() const {
    // A quantity of a board or thickness that has changed since, or of layers not yet
    // calculated, would contradict the report's layers.
    if (countedLayer12_ != layer12Now() ||
        forms_.mainForm->resultChange() == ResultState::Change::Layers)
        return std::nullopt;
    return ReportDocument::Quantity{Panel1->text(), Label5->text(), countedArea_, countedVolume_};
}

void TForm9::setInputs(const Project::QuantityInputs& in) {
    Timer1->stop();
    countedLayer12_.reset();
    ComboBox1->setEditText(in.height);
    ComboBox2->setEditText(in.length);
    forms_.calculation.orderingGrade = in.orderingGrade;
    Panel1->setText(InsulationQuantity::initialSummary);
    Label5->setText(InsulationQuantity::initialVolume);
    if (in.counted)
        guarded(forms_.platform, [this] { Timer1Timer(); });
}
