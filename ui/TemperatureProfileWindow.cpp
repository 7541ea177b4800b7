#include "ui/TemperatureProfileWindow.h"

#include "core/NumberText.h"
#include "core/PartitionRqmin.h"
#include "ui/DrawingExport.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/ListChoice.h"
#include "ui/Main.h"
#include "ui/MoistureWindow.h"
#include "ui/OwnFiles.h"
#include "ui/SectionView.h"
#include "ui/WholeRowsTable.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using TemperatureCheck::Field;
using TemperatureProfile::PlaneKind;

constexpr Rgb black{0, 0, 0};
constexpr Rgb refusedColor{255, 0, 0};
const QString nothing = QStringLiteral("—");

// The filters' names and the proposed name are the window's texts, set with the others.
QString planeName(const TemperatureCheck::Evaluation& e, qsizetype index) {
    const auto& planes = e.profile->planes;
    switch (planes[index].kind) {
    case PlaneKind::RoomAir:
        return TemperatureProfileWindow::tr("Воздух помещения");
    case PlaneKind::InnerSurface:
        return TemperatureProfileWindow::tr("Внутренняя поверхность");
    case PlaneKind::Interface:
        return TemperatureProfileWindow::tr("Между слоями %1 и %2")
            .arg(e.layers[index - 2].number)
            .arg(e.layers[index - 1].number);
    case PlaneKind::OuterSurface:
        return TemperatureProfileWindow::tr("Наружная поверхность");
    case PlaneKind::OutdoorAir:
        break;
    }
    return TemperatureProfileWindow::tr("Наружный воздух");
}

} // namespace

TemperatureProfileWindow::TemperatureProfileWindow(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("TemperatureProfileWindow"));
    pngDialog_ = DrawingExport::saveDialog(QStringLiteral("png"));
    svgDialog_ = DrawingExport::saveDialog(QStringLiteral("svg"));
    retranslateUi();
}

// Every text in the current language. The inputs stay; the checks, worded as they are
// made, are evaluated again, and the cold side's caption is asked for again.
void TemperatureProfileWindow::retranslateUi() {
    setWindowTitle(tr("Температурный режим конструкции"));
    pngDialog_.filters[0].name = tr("Рисунок PNG (*.png)");
    svgDialog_.filters[0].name = tr("Рисунок SVG (*.svg)");
    for (FileDialog* dialog : {&pngDialog_, &svgDialog_}) {
        dialog->filters[1].name = tr("Все файлы (*.*)");
        dialog->proposedName = tr("Температурный профиль");
    }
    SectionLayers::retranslateNames(layers_);
    if (!built_)
        return;
    retranslateBuilt();
    showColdSide();
    recompute(); // also says the reading under the mouse again
}

// The texts of the built widgets that do not depend on the inputs.
void TemperatureProfileWindow::retranslateBuilt() {
    inputsBox_->setTitle(tr("Исходные данные"));
    const QString inputs[] = {tr("Температура внутреннего воздуха tв"),
                              tr("Влажность внутреннего воздуха φв"), QString(),
                              tr("Нормативный перепад Δtн")};
    for (int i : {0, 1, 3}) // the outdoor caption follows the cold side
        inputCaptions_[i]->setText(inputs[i]);
    coldSideNote_->setText(tr("Температуру воздуха чердака или подвала введите сами."));
    listsCaption_->setText(tr("Δtн по назначению здания и виду конструкции:"));
    translateItems(purposeList_, "PartitionRqmin");
    translateItems(kindList_, "PartitionRqmin");
    insideIsLayer1_->setText(tr("Слой 1 — со стороны помещения"));

    resultsBox_->setTitle(tr("Результаты"));
    const QString results[] = {tr("Температура внутренней поверхности τв"),
                               tr("Температура наружной поверхности τн"),
                               tr("Точка росы внутреннего воздуха tр"), tr("Перепад tв − τв")};
    for (int i = 0; i < 4; ++i)
        resultCaptions_[i]->setText(results[i]);
    planes_->setHorizontalHeaderLabels(
        {tr("Плоскость"), QStringLiteral("x, мм"), QStringLiteral("t, °C")});

    pngButton_->setText(tr("Сохранить рисунок PNG..."));
    svgButton_->setText(tr("Сохранить рисунок SVG..."));
    closeButton_->setText(tr("Закрыть"));
    moistureButton_->setText(tr("Влажностный режим..."));
    shadingNote_->setText(tr("Штриховка — где холоднее точки росы внутреннего воздуха. Выпадет ли "
                             "там конденсат, зависит от паропроницаемости слоев: см. "
                             "«Влажностный режим...»."));
    showExportStatus();
}

ProfileInputs TemperatureProfileWindow::inputs() const {
    return inputs_;
}

void TemperatureProfileWindow::setInputs(const ProfileInputs& inputs) {
    const ProfileInputs wanted = inputs; // the fields' reactions below rewrite inputs_
    inputs_ = wanted;
    // A value the table gives for the purpose shown goes on following the envelope.
    criticalDifferenceIsUsers_ = !tableGives(wanted.criticalDifference);
    if (!built_)
        return;
    const QString texts[] = {wanted.indoorTemperature, wanted.indoorHumidity,
                             wanted.outdoorTemperature, wanted.criticalDifference};
    for (int i = 0; i < 4; ++i)
        inputFields_[i]->setText(texts[i]);
    insideIsLayer1_->setChecked(wanted.insideIsLayer1);
    inputs_ = wanted;
    recompute();
}

void TemperatureProfileWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TemperatureProfileWindow::followLayers(const QList<SectionLayers::Layer>& layers) {
    layers_ = layers;
    if (built_)
        recompute();
}

void TemperatureProfileWindow::followEnvelope(const EnvelopeKind::Envelope& envelope,
                                              std::optional<int> purpose) {
    coldSide_ = envelope.coldSide;
    if (built_)
        showColdSide();
    if (criticalDifferenceIsUsers_)
        return;
    criticalKind_ = envelope.deltaTcrKind;
    if (purpose)
        criticalPurpose_ = *purpose;
    else if (criticalPurpose_ > 1) // residential and civil buildings are the table's rows 0 and 1
        criticalPurpose_ = 0;
    applyCriticalDifference();
}

bool TemperatureProfileWindow::tableGives(const QString& criticalDifference) const {
    for (int kind = 0; kind < int(PartitionRqmin::constructionKindItems().size()); ++kind) {
        const auto choice = TemperatureCheck::criticalDifference(criticalPurpose_, kind, inputs_,
                                                                 forms_.separator());
        if (choice && choice->text == criticalDifference)
            return true;
    }
    return false;
}

void TemperatureProfileWindow::setVisible(bool visible) {
    if (visible && !built_)
        build();
    if (visible)
        recompute(); // the coefficients may have changed in the main window
    QWidget::setVisible(visible);
}

void TemperatureProfileWindow::build() {
    built_ = true;
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildInputs());
    left->addWidget(buildResults(), 1);
    layout->addLayout(left, 0);
    layout->addWidget(buildDrawingPanel(), 1);
    retranslateBuilt();
    resize(1180, 660);
    purposeList_->setCurrentIndex(criticalPurpose_);
    kindList_->setCurrentIndex(criticalKind_);
    showColdSide();
    const bool usersOwn = criticalDifferenceIsUsers_;
    setInputs(inputs_);
    criticalDifferenceIsUsers_ = usersOwn;
    if (!usersOwn)
        applyCriticalDifference(); // with its hint
}

QLineEdit* TemperatureProfileWindow::inputField(const QString& name, const QString& text) {
    auto* field = new QLineEdit(text);
    field->setObjectName(name);
    field->setFixedWidth(80);
    field->setAlignment(Qt::AlignRight);
    installDecimalKeyFilter(field, forms_.separator());
    connect(field, &QLineEdit::textChanged, this, [this] {
        readInputs();
        recompute();
    });
    return field;
}

QWidget* TemperatureProfileWindow::buildInputs() {
    inputsBox_ = new QGroupBox;
    auto* grid = new QGridLayout(inputsBox_);
    const struct {
        const char* name;
        QString unit;
    } rows[] = {
        {"IndoorTemperature", QStringLiteral("°C")},
        {"IndoorHumidity", QStringLiteral("%")},
        {"OutdoorTemperature", QStringLiteral("°C")},
        {"CriticalDifference", QStringLiteral("°C")},
    };
    for (int i = 0; i < 4; ++i) {
        inputFields_[i] = inputField(QString::fromLatin1(rows[i].name), QString());
        inputCaptions_[i] = new QLabel;
        inputCaptions_[i]->setBuddy(inputFields_[i]);
        const int row = i < 3 ? i : i + 1; // the cold side's note under its temperature
        grid->addWidget(inputCaptions_[i], row, 0);
        grid->addWidget(inputFields_[i], row, 1);
        grid->addWidget(new QLabel(rows[i].unit), row, 2);
    }
    outdoorCaption_ = inputCaptions_[2];
    outdoorCaption_->setObjectName(QStringLiteral("OutdoorTemperatureCaption"));
    coldSideNote_ = namedLabel(QString(), QStringLiteral("ColdSideNote"));
    coldSideNote_->setWordWrap(true);
    grid->addWidget(coldSideNote_, 3, 0, 1, 3);
    connect(inputFields_[int(Field::CriticalDifference)], &QLineEdit::textEdited, this,
            [this] { criticalDifferenceIsUsers_ = true; });
    purposeList_ = new QComboBox;
    purposeList_->setObjectName(QStringLiteral("CriticalDifferencePurpose"));
    addSourceItems(purposeList_, PartitionRqmin::deltaTcrPurposeItems());
    kindList_ = new QComboBox;
    kindList_->setObjectName(QStringLiteral("CriticalDifferenceKind"));
    addSourceItems(kindList_, PartitionRqmin::constructionKindItems());
    for (QComboBox* list : {purposeList_, kindList_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(30);
        connect(list, &QComboBox::activated, this, [this] { chooseCriticalDifference(); });
    }
    criticalHint_ = namedLabel(QString(), QStringLiteral("CriticalDifferenceHint"));
    listsCaption_ = new QLabel;
    grid->addWidget(listsCaption_, 5, 0, 1, 3);
    grid->addWidget(purposeList_, 6, 0, 1, 3);
    grid->addWidget(kindList_, 7, 0, 1, 2);
    grid->addWidget(criticalHint_, 7, 2);

    insideIsLayer1_ = new QCheckBox;
    insideIsLayer1_->setObjectName(QStringLiteral("InsideIsLayer1"));
    connect(insideIsLayer1_, &QCheckBox::toggled, this, [this] {
        readInputs();
        recompute();
    });
    grid->addWidget(insideIsLayer1_, 8, 0, 1, 3);

    problems_ = namedLabel(QString(), QStringLiteral("InputProblem"));
    problems_->setWordWrap(true);
    setTextColor(problems_, refusedColor);
    grid->addWidget(problems_, 9, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    return inputsBox_;
}

QLineEdit* TemperatureProfileWindow::resultField(const QString& name) {
    auto* field = new QLineEdit(nothing);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setFixedWidth(80);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QWidget* TemperatureProfileWindow::buildResults() {
    resultsBox_ = new QGroupBox;
    auto* column = new QVBoxLayout(resultsBox_);
    auto* grid = new QGridLayout;
    innerSurface_ = resultField(QStringLiteral("InnerSurfaceTemperature"));
    outerSurface_ = resultField(QStringLiteral("OuterSurfaceTemperature"));
    dewPoint_ = resultField(QStringLiteral("DewPoint"));
    drop_ = resultField(QStringLiteral("TemperatureDrop"));
    QLineEdit* const fields[] = {innerSurface_, outerSurface_, dewPoint_, drop_};
    for (int row = 0; row < 4; ++row) {
        resultCaptions_[row] = new QLabel;
        grid->addWidget(resultCaptions_[row], row, 0);
        grid->addWidget(fields[row], row, 1);
        grid->addWidget(new QLabel(QStringLiteral("°C")), row, 2);
    }
    grid->setColumnStretch(0, 1);
    column->addLayout(grid);

    sanitaryVerdict_ = verdictLabel(nothing, QStringLiteral("SanitaryVerdict"));
    condensationVerdict_ = verdictLabel(nothing, QStringLiteral("SurfaceCondensationVerdict"));
    note_ = namedLabel(QString(), QStringLiteral("ProfileNote"));
    note_->setWordWrap(true);
    column->addWidget(sanitaryVerdict_);
    column->addWidget(condensationVerdict_);
    column->addWidget(note_);

    planes_ = new WholeRowsTable(0, 3);
    planes_->setObjectName(QStringLiteral("PlaneTable"));
    planes_->verticalHeader()->hide();
    planes_->verticalHeader()->setDefaultSectionSize(planes_->fontMetrics().height() + 6);
    planes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    planes_->setSelectionMode(QAbstractItemView::NoSelection);
    planes_->setTabKeyNavigation(false); // Tab goes on to the export buttons
    planes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    planes_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    planes_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    column->addWidget(planes_, 1);
    resultsBox_->setMinimumWidth(400);
    return resultsBox_;
}

QWidget* TemperatureProfileWindow::buildDrawingPanel() {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    view_ = new SectionView;
    view_->setObjectName(QStringLiteral("SectionDrawing"));
    column->addWidget(view_, 1);
    // Set on every calculation, which says the reading under the mouse, or none.
    hoverReadout_ = namedLabel(QString(), QStringLiteral("HoverReadout"));
    connect(view_, &SectionView::readingChanged, this, [this](const QString& text) {
        hoverReadout_->setText(
            text.isEmpty() ? tr("Наведите мышь на разрез, чтобы узнать температуру.") : text);
    });
    column->addWidget(hoverReadout_);
    shadingNote_ = namedLabel(QString(), QStringLiteral("ShadingNote"));
    shadingNote_->setWordWrap(true);
    column->addWidget(shadingNote_);

    auto* buttons = new QHBoxLayout;
    pngButton_ = namedButton(QString(), QStringLiteral("ExportPng"));
    svgButton_ = namedButton(QString(), QStringLiteral("ExportSvg"));
    closeButton_ = namedButton(QString(), QStringLiteral("CloseButton"));
    connect(pngButton_, &QPushButton::clicked, this, [this] { exportDrawing(pngDialog_, false); });
    connect(svgButton_, &QPushButton::clicked, this, [this] { exportDrawing(svgDialog_, true); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);
    exportStatus_ = namedLabel(QString(), QStringLiteral("ExportStatus"));
    buttons->addWidget(pngButton_);
    buttons->addWidget(svgButton_);
    buttons->addWidget(exportStatus_, 1);
    // After the drawing's own buttons in the Tab order too.
    moistureButton_ = namedButton(QString(), QStringLiteral("MoistureButton"));
    connect(moistureButton_, &QPushButton::clicked, this,
            [this] { openWindow(forms_.moistureWindow); });
    buttons->addWidget(moistureButton_);
    buttons->addWidget(closeButton_);
    column->addLayout(buttons);
    return panel;
}

void TemperatureProfileWindow::readInputs() {
    inputs_.indoorTemperature = inputFields_[0]->text();
    inputs_.indoorHumidity = inputFields_[1]->text();
    inputs_.outdoorTemperature = inputFields_[2]->text();
    inputs_.criticalDifference = inputFields_[3]->text();
    inputs_.insideIsLayer1 = insideIsLayer1_->isChecked();
    emit inputsChanged();
}

TemperatureCheck::Evaluation TemperatureProfileWindow::evaluation() const {
    return TemperatureCheck::evaluate(inputs_, forms_.mainForm->alphaIntText(),
                                      forms_.mainForm->alphaExtText(), layers_, forms_.separator());
}

void TemperatureProfileWindow::recompute() {
    if (!built_)
        return;
    const TemperatureCheck::Evaluation e = evaluation();
    showProblems(e);
    showResults(e);
    showPlanes(e);
    if (const auto picture = SectionDrawing::pictureOf(e, forms_.separator()))
        view_->showPicture(*picture);
    else
        view_->showNothing(e.blocker.isEmpty() ? tr("Исправьте исходные данные слева.")
                                               : e.blocker);
}

void TemperatureProfileWindow::showProblems(const TemperatureCheck::Evaluation& e) {
    QStringList lines;
    std::array<bool, 4> refused{};
    for (const auto& problem : e.problems) {
        refused[int(problem.field)] = true;
        lines << problem.reason;
    }
    for (int i = 0; i < 4; ++i) {
        setTextColor(inputFields_[i], refused[i] ? refusedColor : black);
        inputFields_[i]->setToolTip(refused[i] ? lines.join(QLatin1Char('\n')) : QString());
    }
    if (!e.blocker.isEmpty())
        lines << e.blocker;
    problems_->setText(lines.join(QLatin1Char('\n')));
}

void TemperatureProfileWindow::showResults(const TemperatureCheck::Evaluation& e) {
    const QChar sep = forms_.separator();
    auto temperature = [&](bool known, double value) {
        return known ? TemperatureCheck::temperatureText(value, sep) : nothing;
    };
    const bool shown = e.profile.has_value();
    const bool dew = shown && e.humidityKnown && e.profile->hasDewPoint;
    innerSurface_->setText(temperature(shown, shown ? e.profile->innerSurface : 0));
    outerSurface_->setText(temperature(shown, shown ? e.profile->outerSurface : 0));
    dewPoint_->setText(temperature(dew, dew ? e.profile->dewPoint : 0));
    drop_->setText(temperature(shown, shown ? e.profile->temperatureDrop : 0));

    auto verdict = [](QLabel* label, std::optional<bool> met, const QString& text) {
        label->setText(met ? text : nothing);
        setTextColor(label, met ? TemperatureCheck::verdictColor(*met) : black);
    };
    verdict(sanitaryVerdict_, e.sanitaryMet,
            TemperatureCheck::sanitaryVerdict(e.sanitaryMet.value_or(false)));
    verdict(condensationVerdict_, e.surfaceStaysDry,
            TemperatureCheck::condensationVerdict(e.surfaceStaysDry.value_or(false),
                                                  shown && !e.profile->hasDewPoint));
    note_->setText(e.note);
}

void TemperatureProfileWindow::showPlanes(const TemperatureCheck::Evaluation& e) {
    const int rows = e.profile ? int(e.profile->planes.size()) : 0;
    planes_->setRowCount(rows);
    const QChar sep = forms_.separator();
    for (int row = 0; row < rows; ++row) {
        const TemperatureProfile::Plane& plane = e.profile->planes[row];
        const bool inAir = plane.kind == PlaneKind::RoomAir || plane.kind == PlaneKind::OutdoorAir;
        const QString texts[] = {planeName(e, row),
                                 inAir ? QString() : NumberText::general(plane.depth, sep),
                                 TemperatureCheck::temperatureText(plane.temperature, sep)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            planes_->setItem(row, column, item);
        }
    }
}

void TemperatureProfileWindow::chooseCriticalDifference() {
    criticalDifferenceIsUsers_ = true;
    criticalPurpose_ = purposeList_->currentIndex();
    criticalKind_ = kindList_->currentIndex();
    applyCriticalDifference();
}

// Δt_cr of the table's cell; before the window is built, into its inputs only.
void TemperatureProfileWindow::applyCriticalDifference() {
    const auto choice = TemperatureCheck::criticalDifference(criticalPurpose_, criticalKind_,
                                                             inputs_, forms_.separator());
    if (!choice)
        return;
    if (!built_) {
        inputs_.criticalDifference = choice->text;
        return;
    }
    purposeList_->setCurrentIndex(criticalPurpose_);
    kindList_->setCurrentIndex(criticalKind_);
    criticalHint_->setText(choice->hint.isEmpty() ? QString() : tr("Δtн = ") + choice->hint);
    inputFields_[int(Field::CriticalDifference)]->setText(choice->text);
}

void TemperatureProfileWindow::showColdSide() {
    outdoorCaption_->setText(EnvelopeKind::coldSideCaption(coldSide_));
    coldSideNote_->setVisible(coldSide_ != EnvelopeKind::ColdSide::OutdoorAir);
}

void TemperatureProfileWindow::exportDrawing(FileDialog& dialog, bool asSvg) {
    guarded(forms_.platform, [&] {
        const auto& picture = view_->picture();
        if (!picture) {
            lastExport_ = ExportStatus::NoPicture;
            showExportStatus();
            return;
        }
        const std::optional<QString> path = forms_.platform.askSaveFile(dialog);
        if (!path)
            return;
        OwnFiles::checkDocument(forms_, *path);
        DrawingExport::write(*path, asSvg ? DrawingExport::svg(*picture, font(), windowTitle())
                                          : DrawingExport::png(*picture, font()));
        dialog.lastPath = *path;
        lastExport_ = ExportStatus::Written;
        writtenName_ = QFileInfo(*path).fileName();
        showExportStatus();
        exportStatus_->setToolTip(QDir::toNativeSeparators(*path));
    });
}

void TemperatureProfileWindow::showExportStatus() {
    switch (lastExport_) {
    case ExportStatus::None:
        break;
    case ExportStatus::NoPicture:
        exportStatus_->setText(tr("Нет рисунка: сначала исправьте данные."));
        break;
    case ExportStatus::Written:
        exportStatus_->setText(tr("Записано: ") + writtenName_);
        break;
    }
}
