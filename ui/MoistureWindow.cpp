#include "ui/MoistureWindow.h"

#include "core/MoistureClimate.h"
#include "core/NumberText.h"
#include "ui/DrawingExport.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/MoistureDiagram.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/WholeRowsTable.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr Rgb refusedColor{255, 0, 0};
constexpr Rgb computedColor{96, 96, 96};

} // namespace

MoistureWindow::MoistureWindow(Forms& forms) : QWidget(nullptr), forms_(forms) {
    setObjectName(QStringLiteral("MoistureWindow"));
    pngDialog_ = DrawingExport::saveDialog(QStringLiteral("png"));
    svgDialog_ = DrawingExport::saveDialog(QStringLiteral("svg"));
    retranslateUi();
}

void MoistureWindow::retranslateUi() {
    setWindowTitle(tr("Влажностный режим конструкции"));
    pngDialog_.filters[0].name = tr("Рисунок PNG (*.png)");
    svgDialog_.filters[0].name = tr("Рисунок SVG (*.svg)");
    for (FileDialog* dialog : {&pngDialog_, &svgDialog_}) {
        dialog->filters[1].name = tr("Все файлы (*.*)");
        dialog->proposedName = tr("Давление водяного пара");
    }
    SectionLayers::retranslateNames(layers_);
    if (!built_)
        return;
    layersBox_->setTitle(tr("Слои (от помещения) и их паропроницаемость"));
    climateBox_->setTitle(tr("Климат"));
    placeCaption_->setText(tr("Место:"));
    savePlace_->setText(tr("Сохранить в список мест"));
    paste_->setText(tr("Вставить 12 строк из буфера"));
    climateSource_->setText(
        tr("Среднемесячные температура и относительная влажность наружного воздуха — по "
           "ДСТУ-Н Б В.1.1-27 (таблицы климатических параметров по месяцам)."));
    for (int half = 0; half < 2; ++half) {
        temperatureCaptions_[half]->setText(tr("θн, °C"));
        humidityCaptions_[half]->setText(tr("φн, %"));
    }
    for (int m = 0; m < 12; ++m) {
        monthCaptions_[m]->setText(Moisture::monthName(m));
        diagramMonthList_->setItemText(m, Moisture::monthName(m));
    }
    resultsBox_->setTitle(tr("Результаты (ДСТУ EN ISO 13788)"));
    diagramCaption_->setText(tr("Диаграмма за месяц:"));
    againstSd_->setText(tr("по оси x — sd вместо толщины"));
    pngButton_->setText(tr("Сохранить рисунок PNG..."));
    svgButton_->setText(tr("Сохранить рисунок SVG..."));
    closeButton_->setText(tr("Закрыть"));
    exportStatus_->clear();
    showLayerRows();
    recompute();
}

void MoistureWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void MoistureWindow::setInputs(const MoistureInputs& inputs) {
    inputs_ = inputs;
    if (!built_)
        return;
    showClimateTexts();
    showLayerRows();
    recompute();
}

void MoistureWindow::followLayers(const QList<SectionLayers::Layer>& layers) {
    layers_ = layers;
    if (!built_)
        return;
    showLayerRows();
    recompute();
}

void MoistureWindow::followEnvelope(const EnvelopeKind::Envelope& envelope) {
    envelopeKind_ = envelope.deltaTcrKind;
    if (built_)
        recompute();
}

void MoistureWindow::followIndoor() {
    if (built_ && isVisible()) {
        showLayerRows();
        recompute();
    }
}

MoistureCheck::Evaluation MoistureWindow::evaluation() const {
    return MoistureCheck::evaluate(layers_, inputs_, forms_.profileWindow->inputs(), envelopeKind_,
                                   forms_.separator());
}

void MoistureWindow::setVisible(bool visible) {
    if (visible && !built_)
        build();
    if (visible) {
        loadPlaces();
        showLayerRows();
        recompute();
    }
    QWidget::setVisible(visible);
}

void MoistureWindow::build() {
    built_ = true;
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    auto* left = new QVBoxLayout;
    left->addWidget(buildLayers());
    left->addWidget(buildClimate());
    buildResults();
    left->addWidget(months_, 1);
    columns->addLayout(left, 0);
    columns->addWidget(resultsBox_, 1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("MoistureScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    showClimateTexts();
    retranslateUi();
    // 1366x768 holds it whole; a smaller screen scrolls.
    const QSize wanted(1340, 700);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    resize(screen.isValid() ? wanted.boundedTo(screen.size() - QSize(20, 40)) : wanted);
    if (screen.isValid())
        move(screen.topLeft() + QPoint(std::max(0, (screen.width() - width()) / 2),
                                       std::max(0, (screen.height() - height() - 30) / 2)));
}

QLineEdit* MoistureWindow::numberField(const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setFixedWidth(64);
    field->setAlignment(Qt::AlignRight);
    installDecimalKeyFilter(field, forms_.separator());
    return field;
}

QWidget* MoistureWindow::buildLayers() {
    layersBox_ = new QGroupBox;
    auto* column = new QVBoxLayout(layersBox_);
    layerRows_ = new QWidget;
    layerGrid_ = new QGridLayout(layerRows_);
    layerGrid_->setContentsMargins(0, 0, 0, 0);
    column->addWidget(layerRows_);
    return layersBox_;
}

// One row per calculated layer; δ or μ is typed here, the other shown beside.
void MoistureWindow::showLayerRows() {
    if (!built_)
        return;
    while (QLayoutItem* item = layerGrid_->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->setObjectName(QString()); // gone for every search from now on
            widget->deleteLater();            // it may be the sender of the signal that got here
        }
        delete item;
    }
    layerFields_.clear();
    const QChar sep = forms_.separator();
    const QStringList headers{tr("№"), tr("Материал"), tr("d, мм"),   tr("δ, мг/(м·ч·Па)"),
                              tr("μ"), tr("sd, м"),    tr("Значение")};
    for (int c = 0; c < headers.size(); ++c)
        layerGrid_->addWidget(new QLabel(headers[c]), 0, c);
    QWidget* previous = nullptr;
    const QList<SectionLayers::Layer> rows =
        SectionLayers::fromRoomSide(layers_, forms_.profileWindow->inputs().insideIsLayer1);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const int number = rows[r].number;
        const int line = int(r) + 1;
        layerGrid_->addWidget(new QLabel(QString::number(number)), line, 0);
        auto* name = new QLabel(rows[r].material.name.trimmed());
        name->setMaximumWidth(230);
        name->setToolTip(rows[r].material.name);
        layerGrid_->addWidget(name, line, 1);
        layerGrid_->addWidget(new QLabel(NumberText::general(rows[r].thickness, sep)), line, 2);
        LayerFields fields{number, numberField(QStringLiteral("Permeability%1").arg(number)),
                           numberField(QStringLiteral("ResistanceFactor%1").arg(number)),
                           new QLabel, new QLabel};
        connect(fields.permeability, &QLineEdit::textEdited, this,
                [this, number](const QString& text) {
                    inputs_.typed[number - 1] = {text, QString()};
                    recompute();
                });
        connect(fields.factor, &QLineEdit::textEdited, this, [this, number](const QString& text) {
            inputs_.typed[number - 1] = {QString(), text};
            recompute();
        });
        // A field left shows again what the check reads from it.
        for (QLineEdit* field : {fields.permeability, fields.factor})
            connect(field, &QLineEdit::editingFinished, this, [this] { recompute(); });
        layerGrid_->addWidget(fields.permeability, line, 3);
        layerGrid_->addWidget(fields.factor, line, 4);
        layerGrid_->addWidget(fields.equivalentThickness, line, 5);
        layerGrid_->addWidget(fields.origin, line, 6);
        if (previous)
            setTabOrder(previous, fields.permeability);
        setTabOrder(fields.permeability, fields.factor);
        previous = fields.factor;
        layerFields_.append(fields);
    }
    if (previous)
        setTabOrder(previous, place_);
}

// The typed text stays; the other form, s_d and the value's origin follow it.
void MoistureWindow::showLayerValues(const MoistureCheck::Evaluation& e) {
    const QChar sep = forms_.separator();
    for (const MoistureCheck::LayerRow& row : e.rows)
        for (const LayerFields& fields : layerFields_) {
            if (fields.number != row.layer.number)
                continue;
            const VapourPermeability::Typed& typed = inputs_.typed[fields.number - 1];
            const auto& value = row.value.permeability;
            // The field being typed in keeps its text and its cursor.
            const auto put = [](QLineEdit* field, const QString& text) {
                if (!field->hasFocus() && field->text() != text)
                    field->setText(text);
            };
            put(fields.permeability, !typed.permeability.isEmpty() ? typed.permeability
                                     : value ? NumberText::general(*value, sep)
                                             : QString());
            put(fields.factor, !typed.factor.isEmpty() ? typed.factor
                               : row.factor            ? NumberText::fixed(*row.factor, 4, 1, sep)
                                                       : QString());
            setTextColor(fields.permeability, typed.permeability.isEmpty() ? computedColor : Rgb{});
            setTextColor(fields.factor, typed.factor.isEmpty() ? computedColor : Rgb{});
            fields.equivalentThickness->setText(
                row.equivalentThickness ? NumberText::fixed(*row.equivalentThickness, 4, 3, sep)
                : value                 ? tr("∞")
                                        : QString());
            const bool refused = !row.value.problem.isEmpty();
            fields.origin->setText(
                refused ? row.value.problem
                        : VapourPermeability::originText(row.value.origin, row.twoSources));
            setTextColor(fields.origin, refused ? refusedColor : Rgb{});
        }
    const ProfileInputs indoor = forms_.profileWindow->inputs();
    indoor_->setText(tr("Внутренний воздух: tв = %1 °C, φв = %2 % (задаются в окне "
                        "температурного режима)")
                         .arg(indoor.indoorTemperature, indoor.indoorHumidity));
}

QWidget* MoistureWindow::buildClimate() {
    climateBox_ = new QGroupBox;
    auto* column = new QVBoxLayout(climateBox_);
    indoor_ = namedLabel(QString(), QStringLiteral("IndoorAir"));
    indoor_->setWordWrap(true);
    column->addWidget(indoor_);
    auto* placeRow = new QHBoxLayout;
    placeCaption_ = new QLabel;
    place_ = new QComboBox;
    place_->setObjectName(QStringLiteral("ClimatePlace"));
    place_->setEditable(true);
    place_->setInsertPolicy(QComboBox::NoInsert);
    place_->setMinimumContentsLength(18);
    placeCaption_->setBuddy(place_);
    connect(place_, &QComboBox::activated, this, [this](int index) { choosePlace(index); });
    connect(place_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { inputs_.place = text; });
    placeRow->addWidget(placeCaption_);
    placeRow->addWidget(place_, 1);
    column->addLayout(placeRow);
    auto* buttons = new QHBoxLayout;
    paste_ = namedButton(QString(), QStringLiteral("PasteClimate"));
    savePlace_ = namedButton(QString(), QStringLiteral("SaveClimate"));
    connect(paste_, &QPushButton::clicked, this, [this] { pasteClimate(); });
    connect(savePlace_, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { savePlace(); }); });
    buttons->addWidget(paste_);
    buttons->addWidget(savePlace_);
    column->addLayout(buttons);
    listProblem_ = namedLabel(QString(), QStringLiteral("ClimateListProblem"));
    listProblem_->setWordWrap(true);
    setTextColor(listProblem_, refusedColor);
    column->addWidget(listProblem_);

    auto* grid = new QGridLayout;
    for (int half = 0; half < 2; ++half) {
        temperatureCaptions_[half] = new QLabel;
        humidityCaptions_[half] = new QLabel;
        grid->addWidget(temperatureCaptions_[half], 0, 3 * half + 1);
        grid->addWidget(humidityCaptions_[half], 0, 3 * half + 2);
    }
    QWidget* previous = savePlace_;
    setTabOrder(place_, paste_);
    setTabOrder(paste_, savePlace_);
    for (int m = 0; m < 12; ++m) {
        // Two columns of six months keep the window low.
        const int row = 1 + m % 6;
        const int column0 = m < 6 ? 0 : 3;
        monthCaptions_[m] = new QLabel;
        temperatures_[m] = numberField(QStringLiteral("OutdoorTemperature%1").arg(m + 1));
        humidities_[m] = numberField(QStringLiteral("OutdoorHumidity%1").arg(m + 1));
        for (QLineEdit* field : {temperatures_[m], humidities_[m]}) {
            connect(field, &QLineEdit::textEdited, this, [this] {
                readClimate();
                recompute();
            });
            field->installEventFilter(this);
        }
        grid->addWidget(monthCaptions_[m], row, column0);
        grid->addWidget(temperatures_[m], row, column0 + 1);
        grid->addWidget(humidities_[m], row, column0 + 2);
    }
    grid->setColumnMinimumWidth(3, 12);
    column->addLayout(grid);
    for (int m = 0; m < 12; ++m)
        for (QLineEdit* field : {temperatures_[m], humidities_[m]}) {
            setTabOrder(previous, field);
            previous = field;
        }
    climateSource_ = new QLabel;
    climateSource_->setWordWrap(true);
    column->addWidget(climateSource_);
    return climateBox_;
}

QWidget* MoistureWindow::buildResults() {
    resultsBox_ = new QGroupBox;
    auto* column = new QVBoxLayout(resultsBox_);
    problems_ = namedLabel(QString(), QStringLiteral("MoistureProblems"));
    problems_->setWordWrap(true);
    setTextColor(problems_, refusedColor);
    interstitial_ = verdictLabel(QString(), QStringLiteral("InterstitialVerdict"));
    surface_ = verdictLabel(QString(), QStringLiteral("SurfaceVerdict"));
    method_ = namedLabel(QString(), QStringLiteral("MoistureMethod"));
    method_->setWordWrap(true);
    for (QLabel* label : {problems_, interstitial_, surface_, method_})
        column->addWidget(label);
    months_ = new WholeRowsTable(0, 4);
    months_->setObjectName(QStringLiteral("MonthTable"));
    months_->verticalHeader()->hide();
    months_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    months_->setFocusPolicy(Qt::ClickFocus);
    months_->setMinimumHeight(160);
    months_->verticalHeader()->setDefaultSectionSize(months_->fontMetrics().height() + 4);
    auto* diagramRow = new QHBoxLayout;
    diagramCaption_ = new QLabel;
    diagramMonthList_ = new QComboBox;
    diagramMonthList_->setObjectName(QStringLiteral("DiagramMonth"));
    for (int m = 0; m < 12; ++m)
        diagramMonthList_->addItem(QString());
    connect(diagramMonthList_, &QComboBox::activated, this, [this](int m) {
        diagramMonth_ = m;
        recompute();
    });
    againstSd_ = new QCheckBox;
    againstSd_->setObjectName(QStringLiteral("DiagramAgainstSd"));
    connect(againstSd_, &QCheckBox::toggled, this, [this] { recompute(); });
    diagramRow->addWidget(diagramCaption_);
    diagramRow->addWidget(diagramMonthList_);
    diagramRow->addWidget(againstSd_, 1);
    column->addLayout(diagramRow);
    diagram_ = new MoistureDiagramView;
    column->addWidget(diagram_, 1);
    auto* buttons = new QHBoxLayout;
    pngButton_ = namedButton(QString(), QStringLiteral("SavePng"));
    svgButton_ = namedButton(QString(), QStringLiteral("SaveSvg"));
    closeButton_ = namedButton(QString(), QStringLiteral("Close"));
    exportStatus_ = namedLabel(QString(), QStringLiteral("ExportStatus"));
    connect(pngButton_, &QPushButton::clicked, this, [this] { exportDiagram(pngDialog_, false); });
    connect(svgButton_, &QPushButton::clicked, this, [this] { exportDiagram(svgDialog_, true); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(pngButton_);
    buttons->addWidget(svgButton_);
    buttons->addWidget(exportStatus_, 1);
    buttons->addWidget(closeButton_);
    column->addLayout(buttons);
    return resultsBox_;
}

void MoistureWindow::recompute() {
    if (!built_)
        return;
    showEvaluation(evaluation());
}

void MoistureWindow::showEvaluation(const MoistureCheck::Evaluation& e) {
    const QChar sep = forms_.separator();
    showLayerValues(e);
    problems_->setText(e.problems.join(QLatin1Char('\n')));
    problems_->setVisible(!e.problems.isEmpty());
    interstitial_->setText(MoistureCheck::interstitialVerdict(e, sep));
    setTextColor(interstitial_, MoistureCheck::interstitialColor(e));
    surface_->setText(MoistureCheck::surfaceVerdict(e, sep));
    setTextColor(surface_, MoistureCheck::surfaceColor(e));
    QString method = e.surfacesName;
    if (e.balance && e.balance->verdict != Moisture::Verdict::NoCondensation)
        method += QLatin1Char('\n') +
                  (e.balance->everyMonthCondenses
                       ? tr("Конденсация во всех месяцах: год начат после самого теплого месяца.")
                       : tr("Год начат с месяца «%1», первого с конденсацией после месяца без нее.")
                             .arg(Moisture::monthName(e.balance->startMonth)));
    method_->setText(method);
    showMonths(e);
    showDiagram(e);
}

void MoistureWindow::showMonths(const MoistureCheck::Evaluation& e) {
    const QChar sep = forms_.separator();
    QStringList headers{tr("Месяц"), tr("θн, °C"), tr("φн, %"), tr("pн, Па")};
    const QList<qsizetype> planes = e.balance ? e.balance->planes : QList<qsizetype>{};
    for (qsizetype plane : planes) {
        const QString name = MoistureCheck::planeName(e, plane);
        headers << tr("%1: g, г/м²").arg(name) << tr("%1: Ma, г/м²").arg(name);
    }
    months_->setColumnCount(int(headers.size()));
    months_->setHorizontalHeaderLabels(headers);
    const int rows = e.balance ? int(e.balance->months.size()) : 0;
    months_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = MoistureCheck::monthCells(e, e.balance->months[r], sep);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            months_->setItem(r, c, item);
        }
    }
    months_->resizeColumnsToContents();
}

void MoistureWindow::showDiagram(const MoistureCheck::Evaluation& e) {
    if (!e.balance) {
        diagram_->setPicture(std::nullopt);
        return;
    }
    const int month =
        diagramMonth_ >= 0 ? diagramMonth_ : Moisture::diagramMonth(*e.balance, *e.climate);
    diagramMonthList_->setCurrentIndex(month);
    diagram_->setPicture(MoistureDiagram::pictureOf(e, month, againstSd_->isChecked()));
}

void MoistureWindow::showClimateTexts() {
    for (int m = 0; m < 12; ++m) {
        temperatures_[m]->setText(inputs_.outdoorTemperature[m]);
        humidities_[m]->setText(inputs_.outdoorHumidity[m]);
    }
    place_->setEditText(inputs_.place);
}

void MoistureWindow::readClimate() {
    for (int m = 0; m < 12; ++m) {
        inputs_.outdoorTemperature[m] = temperatures_[m]->text();
        inputs_.outdoorHumidity[m] = humidities_[m]->text();
    }
}

// Ctrl+V of several lines in any month's field pastes the whole table.
bool MoistureWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
        QApplication::clipboard()->text().contains(QLatin1Char('\n'))) {
        pasteClimate();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MoistureWindow::pasteClimate() {
    const auto pasted =
        MoistureClimate::parsePasted(QApplication::clipboard()->text(), forms_.separator());
    if (!pasted.problem.isEmpty()) {
        forms_.platform.warning(windowTitle(), pasted.problem);
        return;
    }
    inputs_.outdoorTemperature = pasted.temperature;
    inputs_.outdoorHumidity = pasted.humidity;
    showClimateTexts();
    recompute();
}

void MoistureWindow::loadPlaces() {
    const ClimateList::Loaded loaded = ClimateList::load(ClimateList::defaultPath());
    places_ = loaded.places;
    listDamaged_ = !loaded.problem.isEmpty();
    listProblem_->setText(loaded.problem);
    listProblem_->setVisible(listDamaged_);
    place_->clear();
    for (const ClimateList::Place& place : places_)
        place_->addItem(place.name);
    place_->setEditText(inputs_.place);
}

void MoistureWindow::choosePlace(int index) {
    if (index < 0 || index >= places_.size())
        return;
    const ClimateList::Place& place = places_[index];
    inputs_.place = place.name;
    for (int m = 0; m < 12; ++m) {
        inputs_.outdoorTemperature[m] =
            NumberText::general(place.temperature[m], forms_.separator());
        inputs_.outdoorHumidity[m] = NumberText::general(place.humidity[m], forms_.separator());
    }
    showClimateTexts();
    recompute();
}

void MoistureWindow::savePlace() {
    const QString name = place_->currentText().trimmed();
    const MoistureCheck::Evaluation e = evaluation();
    if (name.isEmpty() || !e.climate) {
        forms_.platform.warning(windowTitle(),
                                tr("Введите название места и все 12 месяцев климата."));
        return;
    }
    if (listDamaged_) {
        forms_.platform.warning(windowTitle(), listProblem_->text());
        return;
    }
    ClimateList::Place place{name, e.climate->outdoorTemperature, e.climate->outdoorHumidity};
    QList<ClimateList::Place> places = places_;
    qsizetype existing = -1;
    for (qsizetype i = 0; i < places.size(); ++i)
        if (places[i].name == name)
            existing = i;
    if (existing >= 0) {
        constexpr int replace = 0;
        if (forms_.platform.ask(
                windowTitle(), tr("Место \"%1\" уже есть в списке. Заменить его климат?").arg(name),
                {tr("Заменить"), tr("Отмена")}) != replace)
            return;
        places[existing] = place;
    } else {
        places.append(place);
    }
    ClimateList::save(ClimateList::defaultPath(), places);
    inputs_.place = name;
    loadPlaces();
}

void MoistureWindow::exportDiagram(FileDialog& dialog, bool asSvg) {
    guarded(forms_.platform, [&] {
        const auto& picture = diagram_->picture();
        if (!picture) {
            exportStatus_->setText(tr("Нет рисунка: сначала исправьте данные."));
            return;
        }
        const std::optional<QString> path = forms_.platform.askSaveFile(dialog);
        if (!path)
            return;
        DrawingExport::write(*path, asSvg ? MoistureDiagram::svg(*picture, font(), windowTitle())
                                          : MoistureDiagram::png(*picture, font()));
        dialog.lastPath = *path;
        exportStatus_->setText(tr("Сохранено: %1").arg(QFileInfo(*path).fileName()));
        exportStatus_->setToolTip(QDir::toNativeSeparators(*path));
    });
}
