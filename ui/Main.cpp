#include "ui/Main.h"

#include "core/ListTexts.h"
#include "core/MaterialCatalogue.h"
#include "core/NumberText.h"
#include "core/RequiredResistance.h"
#include "core/ResistanceCheck.h"
#include "core/SurfaceCoefficients.h"
#include "ui/About.h"
#include "ui/CalculationDetailsWindow.h"
#include "ui/CalculationState.h"
#include "ui/CharacterWidthList.h"
#include "ui/Contacts.h"
#include "ui/ElidedLabel.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/LanguageMenu.h"
#include "ui/SessionCommands.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The source of a caption translated in `context`; empty for any other caption.
QString sourceIn(const Caption& caption, const char* context) {
    return caption.context && qstrcmp(caption.context, context) == 0 ? caption.source : QString();
}
QString sourceIn(const std::optional<Caption>& caption, const char* context) {
    return caption ? sourceIn(*caption, context) : QString();
}

// A caption a project kept: by its source when it has one, else as the text it showed.
Caption captionOf(const QString& source, const char* context, const QString& shown) {
    return source.isEmpty() ? Caption::plain(shown) : Caption{context, source};
}

// The help texts are made when asked for, in the language of the moment.
QString usageText() {
    return QCoreApplication::translate("TMainForm",
                                       "Просто выбираем или вводим все необходимые значения");
}

QString calculationHelpText() {
    const QChar cr(13);
    const QChar tab(9);
    auto text = [](const char* source) { return QCoreApplication::translate("TMainForm", source); };
    return text(QT_TRANSLATE_NOOP(
               "TMainForm",
               "Расчет производится в соответствии с ДБН В.2.6-31:2006 (СНиП II-3-79 (1998))")) +
           cr + cr + QStringLiteral("  R0>=Rqmin") + tab +
           text(QT_TRANSLATE_NOOP("TMainForm", "                   - Условие")) + cr +
           text(QT_TRANSLATE_NOOP(
               "TMainForm", "  R0:=(1/Alfa н)+Rk+(1/Alfa в) - сопр.теплопередаче, м2*К/Вт ")) +
           cr + QStringLiteral("  Rk:=R1+R2+R3+...") + tab +
           text(QT_TRANSLATE_NOOP("TMainForm", "           - термическое сопр., м2*К/Вт ")) + cr +
           QStringLiteral("  R1:=(Dt1/Ld1)") + tab + tab +
           text(QT_TRANSLATE_NOOP("TMainForm",
                                  "           - (толщина,м) / (коэф.теплопроводности, Вт/(м*К))."));
}

using ListTexts::constructionKinds;

QList<FileFilter> textFileFilters() {
    auto text = [](const char* source) { return QCoreApplication::translate("TMainForm", source); };
    return {{text(QT_TRANSLATE_NOOP("TMainForm", "Текстовые (*.txt)")), QStringLiteral("*.txt")},
            {QStringLiteral("MWord(.doc)"), QStringLiteral("*.doc")},
            {text(QT_TRANSLATE_NOOP("TMainForm", "rtf-формат (*.rtf)")), QStringLiteral("*.rtf")},
            {text(QT_TRANSLATE_NOOP("TMainForm", "Расчетные (*.rww)")), QStringLiteral("*.rww")},
            {text(QT_TRANSLATE_NOOP("TMainForm", "Все файлы (*.*)")), QStringLiteral("*.*")}};
}

QLabel* caption(const QString& text = QString(), QWidget* parent = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* wrapped(const QString& text = QString()) {
    QLabel* label = caption(text);
    label->setWordWrap(true);
    return label;
}

QLabel* heading(const QString& text = QString()) {
    QLabel* label = caption(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TMainForm::TMainForm(Forms& forms) : QWidget(nullptr), forms_(forms), platform_(forms.platform) {
    setObjectName(QStringLiteral("TMainForm"));
    texts_.title(this,
                 QT_TR_NOOP("Подбор утеплителя для теплоизоляции многослойных конструкций _V5.1"));
    resize(727, 709);

    saveDialog_.proposedName = QStringLiteral("Vuvuvudozizod");
    saveDialog_.defaultExtension = QStringLiteral("txt");
    saveDialog_.overwritePrompt = true;

    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 200);
    Timer2 = namedTimer(this, QStringLiteral("Timer2"), 300);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    buildMenu(layout);
    layout->addWidget(buildToolBar());

    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    QLabel* title = texts_.text(
        heading(), QT_TR_NOOP("Подбор утеплителя для теплоизоляции многослойных конструкций"));
    title->setAlignment(Qt::AlignCenter);
    body->addWidget(title);
    auto* upper = new QHBoxLayout;
    upper->addWidget(buildInputPanel(), 3);
    auto* right = new QVBoxLayout;
    right->addWidget(buildDealerPanel());
    right->addWidget(buildResultsPanel());
    upper->addLayout(right, 2);
    body->addLayout(upper);
    body->addWidget(buildLowerPanel(), 1);
    layout->addLayout(body, 1);

    statusLine = new QStatusBar(this);
    statusLine->setObjectName(QStringLiteral("StatusBar1"));
    statusLine->setSizeGripEnabled(false);
    layout->addWidget(statusLine);

    connectCheck();
    retranslateUi();
    // The main window listens to the hints of every window.
    qApp->installEventFilter(this);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

// Every text of the window in the language installed now; what the user typed and the
// results stay, and what the program wrote is written again from the window's state.
void TMainForm::retranslateUi() {
    texts_.retranslate();
    openDialog_.filters = textFileFilters();
    saveDialog_.filters = textFileFilters();
    for (int i = 0; i < ComboBox1->count(); ++i)
        ComboBox1->setItemText(i, texts_(constructionKinds[i]));
    ComboBox1->setPlaceholderText(tr("(вид конструкции)"));
    // The other windows hand these captions over; until then they name what comes there.
    Label17->setText(envelopeCaption_ ? envelopeCaption_->shown()
                                      : texts_(ListTexts::envelopeCaption));
    Label18->setText(constructionType_.shown());
    for (int i = 0; i < layerCount; ++i)
        layerNames[i]->setText(layerNameCaptions_[i].shown());
    statusLine->clearMessage(); // a hint in the language before
    showVerdict();
    refreshResultState();
    if (forms_.form2) // the layer window shows the note in the new language from now on
        forms_.form2->showOutOfDate(staleNote->text());
}

// The verdict and the relation of the last check, or the heading before the first one.
void TMainForm::showVerdict() {
    if (!shownVerdict_) {
        Label8->setText(tr("              Результат"));
        return;
    }
    const auto [met, relation] = *shownVerdict_;
    Label8->setText(ResistanceCheck::verdictText(met));
    Label7->setText(ResistanceCheck::relationCaption(relation));
    forms_.form2->showVerdict(Label8->text(), ResistanceCheck::verdictColor(met));
}

void TMainForm::buildMenu(QVBoxLayout* layout) {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QString());
    texts_.title(file, QT_TR_NOOP("&File"));
    addProjectItems(file);
    QAction* open = texts_.action(file->addAction(QString()), QT_TR_NOOP("&Open text..."),
                                  QT_TR_NOOP("Open an existing file"));
    connect(open, &QAction::triggered, this,
            [this] { guarded(platform_, [this] { forms_.form1->openFromDialog(openDialog_); }); });
    QAction* saveAs = texts_.action(file->addAction(QString()), QT_TR_NOOP("Save &As..."),
                                    QT_TR_NOOP("Save current file under a new name"));
    connect(saveAs, &QAction::triggered, this,
            [this] { guarded(platform_, [this] { forms_.form1->saveWithDialog(saveDialog_); }); });
    file->setDefaultAction(saveAs);
    file->addSeparator();
    QAction* exit = texts_.action(file->addAction(QString()), QT_TR_NOOP("E&xit"),
                                  QT_TR_NOOP("Exit this application"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    addLanguageMenu(bar, platform_);
    QMenu* help = bar->addMenu(QString());
    texts_.title(help, QT_TR_NOOP("&Help"));
    QMenu* contents = help->addMenu(QString());
    texts_.title(contents, QT_TR_NOOP("&Contents"));
    texts_.hint(contents->menuAction(), QT_TR_NOOP("Display the help contents screen"));
    QAction* usage = texts_.text(contents->addAction(QString()), QT_TR_NOOP("О пользовании"));
    connect(usage, &QAction::triggered, this, [this] { platform_.information(usageText()); });
    QAction* calculation = texts_.text(contents->addAction(QString()), QT_TR_NOOP("По расчету"));
    connect(calculation, &QAction::triggered, this, &TMainForm::showCalculationHelp);
    help->addSeparator();
    QAction* about = texts_.action(help->addAction(QString()), QT_TR_NOOP("&About..."),
                                   QT_TR_NOOP("Show program information"));
    connect(about, &QAction::triggered, this, [this] { openWindow(forms_.aboutBox); });
    help->setDefaultAction(about);
    layout->setMenuBar(bar);
}

QWidget* TMainForm::buildToolBar() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    // A tool without a text shows its picture only.
    auto addTool = [&](const QString& name, const char* text, QStyle::StandardPixmap icon,
                       const char* hint) {
        auto* button = new QToolButton(strip);
        button->setObjectName(name);
        if (text)
            texts_.text(button, text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(text ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        texts_.hint(button, hint);
        row->addWidget(button);
        return button;
    };
    QToolButton* text = addTool(QStringLiteral("TextButton"), QT_TR_NOOP("Text"),
                                QStyle::SP_DialogOpenButton, QT_TR_NOOP("Открыть текст"));
    connect(text, &QToolButton::clicked, this,
            [this] { guarded(platform_, [this] { forms_.form1->openFromDialog(openDialog_); }); });
    QToolButton* save = addTool(QStringLiteral("SaveButton"), nullptr, QStyle::SP_DialogSaveButton,
                                QT_TR_NOOP("Сохранить результаты расчета"));
    connect(save, &QToolButton::clicked, this,
            [this] { guarded(platform_, [this] { forms_.form1->saveWithDialog(saveDialog_); }); });
    viewButton = addTool(QStringLiteral("ViewButton"), QT_TR_NOOP("Просмотр/редактир."),
                         QStyle::SP_FileDialogContentsView,
                         QT_TR_NOOP("Просмотр и редактирование сохраненного расчета"));
    viewButton->setEnabled(false);
    connect(viewButton, &QToolButton::clicked, this, [this] { openWindow(forms_.form1); });
    QToolButton* help =
        addTool(QStringLiteral("HelpButton"), QT_TR_NOOP("Справка"), QStyle::SP_DialogHelpButton,
                QT_TR_NOOP("Справка о пользовании программой"));
    connect(help, &QToolButton::clicked, this, &TMainForm::showCalculationHelp);
    QToolButton* info =
        addTool(QStringLiteral("InfoButton"), QT_TR_NOOP("Информация"),
                QStyle::SP_MessageBoxInformation, QT_TR_NOOP("Информация о программе"));
    connect(info, &QToolButton::clicked, this, [this] { openWindow(forms_.aboutBox); });
    // A picture only, so that the tool bar keeps the main window's given width.
    QToolButton* profile = addTool(
        QStringLiteral("TemperatureProfileButton"), nullptr, QStyle::SP_FileDialogDetailedView,
        QT_TR_NOOP("Температурный профиль|Температуры в толще конструкции, точка "
                   "росы и проверка внутренней поверхности"));
    connect(profile, &QToolButton::clicked, this, [this] { openWindow(forms_.profileWindow); });
    QToolButton* exit = addTool(QStringLiteral("ExitButton"), QT_TR_NOOP("Выход"),
                                QStyle::SP_DialogCloseButton, QT_TR_NOOP("Закрыть программу"));
    connect(exit, &QToolButton::clicked, this, &QWidget::close);
    row->addStretch(1);
    return strip;
}

QLineEdit* TMainForm::numberField(const QString& name, bool decimalKeys) {
    auto* field = new QLineEdit(QStringLiteral("0"), this);
    field->setObjectName(name);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setFixedWidth(66);
    if (decimalKeys)
        installDecimalKeyFilter(field, forms_.separator());
    return field;
}

QWidget* TMainForm::buildInputPanel() {
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("InputPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(4);
    grid->setContentsMargins(6, 6, 6, 6);

    Edit5 = numberField(QStringLiteral("Edit5"), true);
    auto* chooseRqmin =
        texts_.text(namedButton(QString(), QStringLiteral("ChooseRqmin")), QT_TR_NOOP("Выбор..."));
    connect(chooseRqmin, &QPushButton::clicked, this, [this] { openWindow(forms_.form3); });
    grid->addWidget(texts_.text(wrapped(), QT_TR_NOOP("Сопрот.требуемое")), 0, 0);
    grid->addWidget(caption(QStringLiteral("Rqmin")), 0, 1);
    grid->addWidget(chooseRqmin, 0, 2);
    grid->addWidget(Edit5, 0, 3);

    // The captions and the layer list copy the user's texts: they keep their width.
    Label17 = new ElidedLabel(QString());
    Label17->setObjectName(QStringLiteral("Label17"));
    Label17->setWordWrap(true);
    ComboBox1 = new CharacterWidthList(12, this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(QStringList(std::size(constructionKinds), QString()));
    ComboBox1->setCurrentIndex(-1);
    connect(ComboBox1, &QComboBox::activated, this, [this] { constructionKindChosen_ = true; });
    // What the list is for: the heading of both reports.
    auto* kindColumn = new QVBoxLayout;
    kindColumn->setSpacing(1);
    kindColumn->addWidget(texts_.text(caption(), QT_TR_NOOP("Заголовок отчета:")));
    kindColumn->addWidget(ComboBox1);
    grid->addWidget(Label17, 1, 0, 1, 2);
    grid->addLayout(kindColumn, 1, 2, 1, 2);

    Edit2 = numberField(QStringLiteral("Edit2"), true);
    Edit3 = numberField(QStringLiteral("Edit3"), true);
    auto* chooseCoefficients = texts_.text(
        namedButton(QString(), QStringLiteral("ChooseCoefficients")), QT_TR_NOOP("Выбор..."));
    connect(chooseCoefficients, &QPushButton::clicked, this, [this] { openWindow(forms_.form4); });
    grid->addWidget(texts_.text(wrapped(), QT_TR_NOOP("Коэф.ТП наружн.")), 2, 0);
    grid->addWidget(texts_.text(caption(), QT_TR_NOOP("Alfa н")), 2, 1);
    grid->addWidget(chooseCoefficients, 2, 2, 2, 1);
    grid->addWidget(Edit2, 2, 3);
    grid->addWidget(texts_.text(wrapped(), QT_TR_NOOP("Коэф.ТП внутр.")), 3, 0);
    grid->addWidget(texts_.text(caption(), QT_TR_NOOP("Alfa в")), 3, 1);
    grid->addWidget(Edit3, 3, 3);

    Label18 = new ElidedLabel(QString());
    Label18->setObjectName(QStringLiteral("Label18"));
    Label18->setWordWrap(true);
    grid->addWidget(Label18, 4, 0, 1, 4);

    Edit1 = numberField(QStringLiteral("Edit1"), true);
    auto* layers = texts_.text(namedButton(QString(), QStringLiteral("LayersButton")),
                               QT_TR_NOOP("Слои конструкции..."));
    connect(layers, &QPushButton::clicked, this, [this] { openWindow(forms_.form2); });
    grid->addWidget(texts_.text(wrapped(), QT_TR_NOOP("Термическое сопротивление")), 5, 0);
    grid->addWidget(caption(QStringLiteral("Rk")), 5, 1);
    grid->addWidget(layers, 5, 2);
    grid->addWidget(Edit1, 5, 3);
    return panel;
}

QWidget* TMainForm::buildDealerPanel() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* site =
        texts_.text(namedButton(QString(), QStringLiteral("SiteButton")), QT_TR_NOOP("Сайт фирмы"));
    texts_.hint(site, QT_TR_NOOP("ПОСЕТИТЬ САЙТ"));
    connect(site, &QPushButton::clicked, this, &TMainForm::openDealerSite);
    auto* picture = new ClickableLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(28, 28));
    picture->setCursor(Qt::PointingHandCursor);
    texts_.hint(picture, QT_TR_NOOP("ПОСЕТИТЬ САЙТ ФИРМЫ"));
    connect(picture, &ClickableLabel::clicked, this, &TMainForm::openDealerSite);
    auto* contacts = texts_.text(namedButton(QString(), QStringLiteral("ContactsButton")),
                                 QT_TR_NOOP("Контакты"));
    texts_.hint(contacts, QT_TR_NOOP("Контакты и гиперссылки на сайт"));
    connect(contacts, &QPushButton::clicked, this, [this] { openWindow(forms_.form10); });
    row->addWidget(site);
    row->addWidget(contacts);
    row->addStretch(1);
    row->addWidget(picture);
    return panel;
}

QWidget* TMainForm::buildResultsPanel() {
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("ResultsPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(4);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addWidget(texts_.text(heading(), QT_TR_NOOP("Р е з у л ь т а т ы :")), 0, 0, 1, 3);
    QLabel* r0Caption =
        texts_.text(caption(), QT_TR_NOOP("Сопротивление теплопередаче конструкции, Ro"));
    r0Caption->setWordWrap(true);
    grid->addWidget(r0Caption, 1, 0, 1, 3);
    auto* calculate = texts_.text(namedButton(QString(), QStringLiteral("CalculateButton")),
                                  QT_TR_NOOP("Расчет!!!"));
    connect(calculate, &QPushButton::clicked, this,
            [this] { guarded(platform_, [this] { computeR0(); }); });
    Edit4 = numberField(QStringLiteral("Edit4"), false);
    grid->addWidget(calculate, 2, 0);
    grid->addWidget(Edit4, 2, 1, 1, 2);

    Label8 = heading();
    Label8->setObjectName(QStringLiteral("Label8"));
    setTextColor(Label8, ResistanceCheck::initialColor());
    grid->addWidget(Label8, 3, 0, 1, 3);

    Edit6 = numberField(QStringLiteral("Edit6"), true);
    Edit7 = numberField(QStringLiteral("Edit7"), true);
    Label7 = heading(ResistanceCheck::initialRelationCaption());
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAlignment(Qt::AlignCenter);
    setTextColor(Label7, ResistanceCheck::initialColor());
    grid->addWidget(Edit6, 4, 0);
    grid->addWidget(Label7, 4, 1);
    grid->addWidget(Edit7, 4, 2);

    staleNote = outOfDateNote(QStringLiteral("StaleResultsNote"));
    grid->addWidget(staleNote, 5, 0, 1, 3);
    return panel;
}

QWidget* TMainForm::buildLowerPanel() {
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("LowerPanel"));
    auto* column = new QVBoxLayout(panel);
    auto* required = new QHBoxLayout;
    required->addWidget(
        texts_.text(caption(), QT_TR_NOOP("Необходимое термическое сопротивление  Rk ")));
    Edit8 = numberField(QStringLiteral("Edit8"), false);
    required->addWidget(Edit8);
    required->addStretch(1);
    selectInsulationButton =
        texts_.text(namedButton(QString(), QStringLiteral("SelectInsulationButton")),
                    QT_TR_NOOP("- Подбор  утеплителя -"));
    selectInsulationButton->setEnabled(false);
    connect(selectInsulationButton, &QPushButton::clicked, this, [this] {
        openWindow(forms_.form2);
        openWindow(forms_.form5);
    });
    saveReportButton = texts_.text(namedButton(QString(), QStringLiteral("SaveReportButton")),
                                   QT_TR_NOOP("Сохранить расчет "));
    texts_.hint(saveReportButton, QT_TR_NOOP("Сохранить расчет"));
    saveReportButton->setEnabled(false);
    connect(saveReportButton, &QPushButton::clicked, this,
            [this] { guarded(platform_, [this] { forms_.session->saveReport(saveDialog_); }); });
    required->addWidget(selectInsulationButton);
    required->addWidget(saveReportButton);
    column->addLayout(required);
    column->addWidget(buildLayerList(), 1);
    return panel;
}

QWidget* TMainForm::buildLayerList() {
    auto* list = new QFrame(this);
    list->setFrameShape(QFrame::StyledPanel);
    list->setBackgroundRole(QPalette::Base);
    list->setAutoFillBackground(true);
    auto* grid = new QGridLayout(list);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(texts_.text(heading(), QT_TR_NOOP("Слои конструкции:")), 0, 1);
    grid->addWidget(texts_.text(heading(), QT_TR_NOOP("Толщина, мм")), 0, 2);
    for (int i = 0; i < layerCount; ++i) {
        grid->addWidget(caption(QStringLiteral("%1.").arg(i + 1)), i + 1, 0);
        layerNameCaptions_[i] = Caption::plain(QStringLiteral("---"));
        layerNames[i] = new ElidedLabel(layerNameCaptions_[i].source);
        layerNames[i]->setObjectName(QStringLiteral("Label%1").arg(19 + i));
        layerThicknesses[i] = new ElidedLabel(QStringLiteral("---"));
        layerThicknesses[i]->setObjectName(QStringLiteral("Label%1").arg(31 + i));
        layerThicknesses[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(layerNames[i], i + 1, 1);
        grid->addWidget(layerThicknesses[i], i + 1, 2);
    }
    Label46 = texts_.text(heading(), QT_TR_NOOP("Итого:"));
    Label46->setObjectName(QStringLiteral("Label46"));
    Label46->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label46->hide();
    Label45 = new ElidedLabel(QStringLiteral("---"));
    Label45->setFont(Label46->font());
    Label45->setObjectName(QStringLiteral("Label45"));
    Label45->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(Label46, 13, 1);
    grid->addWidget(Label45, 13, 2);
    grid->setRowStretch(14, 1);
    grid->setColumnMinimumWidth(2, 110);
    return list;
}

ResultState::Changes TMainForm::resultChange() const {
    if (!forms_.calculation->hasSnapshot || !forms_.form2) // nothing shown to be out of date
        return {};
    ResultState::Now now;
    now.layers = forms_.form2->inputs();
    now.rk = Edit1->text();
    now.alphaExt = Edit2->text();
    now.alphaInt = Edit3->text();
    now.rqmin = Edit5->text();
    now.inertia = NumberText::tryParse(forms_.form2->inertiaTotalText(), forms_.separator());
    return ResultState::changes(*forms_.calculation, now);
}

void TMainForm::refreshResultState() {
    const QString note = ResultState::note(resultChange());
    staleNote->setText(note);
    staleNote->setVisible(!note.isEmpty());
    if (forms_.form2) // a layer window never opened keeps the note for its building
        forms_.form2.created()->showOutOfDate(note);
}

void TMainForm::connectCheck() {
    connect(&forms_.calculation, &CalculationState::changed, this, &TMainForm::refreshResultState);
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit5})
        connect(field, &QLineEdit::textChanged, &forms_.calculation,
                &CalculationState::inputsEdited);
    connect(Edit1, &QLineEdit::textChanged, this,
            [this] { guarded(platform_, [this] { computeR0(); }); });
    for (QLineEdit* field : {Edit4, Edit6, Edit7})
        connect(field, &QLineEdit::textChanged, this,
                [this] { guarded(platform_, [this] { runCheck(); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { guarded(platform_, [this] { runCheck(); }); });
    connect(Timer2, &QTimer::timeout, this,
            [this] { guarded(platform_, [this] { computeRkRequired(); }); });
}

void TMainForm::computeR0() {
    const double r0 =
        ResistanceCheck::computeR0(Edit1->text(), Edit2->text(), Edit3->text(), forms_.separator());
    Edit4->setText(NumberText::result(r0, forms_.separator()));
    switchOn(*Timer1);
}

void TMainForm::runCheck() {
    Timer1->stop();
    const auto verdict = ResistanceCheck::check(Edit1->text(), Edit2->text(), Edit3->text(),
                                                Edit4->text(), Edit5->text(), forms_.separator());
    Edit6->setText(verdict.r0Text);
    Edit7->setText(verdict.rqminText);

    const Rgb color = ResistanceCheck::verdictColor(verdict.met);
    setTextColor(Label8, color);
    setTextColor(Label7, color);
    shownVerdict_ = std::pair(verdict.met, verdict.relation);
    showVerdict();

    forms_.calculation.recordCheck({Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text(),
                                    Edit5->text(), constructionType_, verdict.met,
                                    verdict.relation});

    switchOn(*Timer2);
    if (NumberText::parse(Edit4->text(), forms_.separator()) > 0) {
        saveReportButton->setEnabled(true);
        exportPdf_->setEnabled(true);
        printReport_->setEnabled(true);
    }
}

void TMainForm::computeRkRequired() {
    Timer2->stop();
    const double rkRequired = ResistanceCheck::computeRkRequired(Edit2->text(), Edit3->text(),
                                                                 Edit5->text(), forms_.separator());
    Edit8->setText(NumberText::result(rkRequired, forms_.separator()));
    selectInsulationButton->setEnabled(true);
}

void TMainForm::showCalculationHelp() {
    platform_.information(calculationHelpText());
}

void TMainForm::openDealerSite() {
    platform_.openAddress(Contacts::dealerSite);
}

void TMainForm::writeRqmin(const QString& text) {
    Edit5->setText(text);
}
void TMainForm::writeEnvelopeCaption(const Caption& caption) {
    envelopeCaption_ = caption;
    Label17->setText(caption.shown());
}
void TMainForm::writeEnvelopeCaption(const QString& text) {
    writeEnvelopeCaption(Caption::plain(text));
}
void TMainForm::writeAlphaExt(const QString& text) {
    Edit2->setText(text);
}
void TMainForm::writeAlphaInt(const QString& text) {
    Edit3->setText(text);
}
void TMainForm::writeConstructionType(const QString& text) {
    writeConstructionType(Caption::plain(text));
}
void TMainForm::writeConstructionType(const Caption& caption) {
    constructionType_ = caption;
    Label18->setText(caption.shown());
}
void TMainForm::writeRk(const QString& text) {
    Edit1->setText(text);
}

void TMainForm::writeLayerName(int layer, const Caption& name) {
    layerNameCaptions_.at(layer - 1) = name;
    layerNames.at(layer - 1)->setText(name.shown());
}

void TMainForm::writeLayerName(int layer, const QString& text) {
    writeLayerName(layer, Caption::plain(text));
}

void TMainForm::writeLayerThickness(int layer, const QString& text) {
    layerThicknesses.at(layer - 1)->setText(text);
}

void TMainForm::writeTotalThickness(const QString& text) {
    Label45->setText(text);
    Label46->show();
}

QString TMainForm::rqmin() const {
    return Edit5->text();
}
QString TMainForm::rkRequired() const {
    return Edit8->text();
}
QString TMainForm::rkText() const {
    return Edit1->text();
}
QString TMainForm::r0Text() const {
    return Edit4->text();
}
QString TMainForm::alphaExtText() const {
    return Edit2->text();
}
QString TMainForm::alphaIntText() const {
    return Edit3->text();
}
QString TMainForm::envelopeCaption() const {
    return Label17->text();
}
QString TMainForm::constructionType() const {
    return Label18->text();
}
QString TMainForm::constructionKind() const {
    return ComboBox1->currentText();
}
QString TMainForm::relationCaption() const {
    return Label7->text();
}
QString TMainForm::layerName(int layer) const {
    return layerNames.at(layer - 1)->text();
}
QString TMainForm::layerThickness(int layer) const {
    return layerThicknesses.at(layer - 1)->text();
}
QString TMainForm::totalThickness() const {
    return Label45->text();
}

void TMainForm::enableViewButton() {
    viewButton->setEnabled(true);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    forms_.session->keepOnClosing();
    event->accept();
    platform_.quit();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusLine->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The project items come first in "&File", with their own keys and dialogs.
void TMainForm::addProjectItems(QMenu* file) {
    QAction* open = texts_.action(file->addAction(QString()), QT_TR_NOOP("Открыть проект..."),
                                  QT_TR_NOOP("Открыть сохраненный проект расчета"));
    open->setObjectName(QStringLiteral("OpenProject"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] { forms_.session->openProjectFromDialog(); });
    QAction* save = texts_.action(file->addAction(QString()), QT_TR_NOOP("Сохранить проект..."),
                                  QT_TR_NOOP("Сохранить исходные данные расчета в файл проекта"));
    save->setObjectName(QStringLiteral("SaveProject"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this,
            [this] { guarded(platform_, [this] { forms_.session->saveProject(); }); });
    addRestoreItem(file);
    file->addSeparator();
    addHandInItems(file);
}

// The calculation kept when the program last ended, enabled while there is one.
void TMainForm::addRestoreItem(QMenu* file) {
    QAction* restore =
        texts_.action(file->addAction(QString()), QT_TR_NOOP("Восстановить последний расчет"),
                      QT_TR_NOOP("Открыть расчет, который был открыт при закрытии программы"));
    restore->setObjectName(QStringLiteral("RestoreLastSession"));
    const auto available = [this] { return forms_.session->lastSessionOffered(); };
    restore->setEnabled(available());
    connect(file, &QMenu::aboutToShow, restore,
            [restore, available] { restore->setEnabled(available()); });
    connect(restore, &QAction::triggered, this,
            [this] { guarded(platform_, [this] { forms_.session->restoreLastSession(); }); });
}

// Enabled with "Сохранить расчет ", by the first check that finds R0 > 0.
void TMainForm::addHandInItems(QMenu* file) {
    QAction* details =
        texts_.action(file->addAction(QString()), QT_TR_NOOP("Сведения о расчете..."),
                      QT_TR_NOOP("Объект, заказчик и исполнитель для заголовка отчета"));
    details->setObjectName(QStringLiteral("CalculationDetails"));
    connect(details, &QAction::triggered, this, [this] { openWindow(forms_.detailsWindow); });
    exportPdf_ = texts_.action(file->addAction(QString()), QT_TR_NOOP("Отчет PDF..."),
                               QT_TR_NOOP("Сохранить отчет с таблицей слоев и разрезом в PDF"));
    exportPdf_->setObjectName(QStringLiteral("ExportPdf"));
    exportPdf_->setEnabled(false);
    connect(exportPdf_, &QAction::triggered, this,
            [this] { guarded(platform_, [this] { forms_.session->exportPdf(); }); });
    printReport_ = texts_.action(file->addAction(QString()), QT_TR_NOOP("Печать..."),
                                 QT_TR_NOOP("Напечатать отчет с таблицей слоев и разрезом"));
    printReport_->setObjectName(QStringLiteral("PrintReport"));
    printReport_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printReport_->setEnabled(false);
    connect(printReport_, &QAction::triggered, this,
            [this] { guarded(platform_, [this] { forms_.session->printReport(); }); });
    file->addSeparator();
}

void TMainForm::openProject(const QString& path) {
    forms_.session->openProject(path);
}

Project::MainInputs TMainForm::inputs() const {
    Project::MainInputs in;
    in.rqmin = Edit5->text();
    in.envelopeCaption = Label17->text();
    in.alphaExt = Edit2->text();
    in.alphaInt = Edit3->text();
    in.constructionType = Label18->text();
    in.envelopeSource = sourceIn(envelopeCaption_, RequiredResistance::context);
    in.constructionTypeSource = sourceIn(constructionType_, SurfaceCoefficients::context);
    in.rk = Edit1->text();
    in.constructionKind = ComboBox1->currentIndex();
    for (int i = 0; i < layerCount; ++i)
        in.layerList[i] = {layerNames[i]->text(), layerThicknesses[i]->text(),
                           sourceIn(layerNameCaptions_[i], MaterialCatalogue::context)};
    return in;
}

void TMainForm::setInputs(const Project::MainInputs& in) {
    writeRqmin(in.rqmin);
    writeEnvelopeCaption(
        captionOf(in.envelopeSource, RequiredResistance::context, in.envelopeCaption));
    writeAlphaExt(in.alphaExt);
    writeAlphaInt(in.alphaInt);
    writeConstructionType(
        captionOf(in.constructionTypeSource, SurfaceCoefficients::context, in.constructionType));
    const bool kindShown = in.constructionKind >= 0 && in.constructionKind < ComboBox1->count();
    ComboBox1->setCurrentIndex(kindShown ? in.constructionKind : -1);
    for (int layer = 1; layer <= layerCount; ++layer) {
        const Project::ListedLayer& listed = in.layerList[layer - 1];
        writeLayerName(layer,
                       captionOf(listed.nameSource, MaterialCatalogue::context, listed.name));
        writeLayerThickness(layer, in.layerList[layer - 1].thickness);
    }
}

void TMainForm::followEnvelope(const EnvelopeKind::Envelope& envelope) {
    if (!constructionKindChosen_)
        ComboBox1->setCurrentIndex(EnvelopeKind::headingKind(envelope));
}

void TMainForm::recheck() {
    computeR0();
    runCheck();
    computeRkRequired();
}
