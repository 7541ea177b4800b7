#include "ui/Unit8.h"

#include "formats/UserConstructionFiles.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Unit2.h"
#include "ui/Widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextEdit>
#include <QVBoxLayout>

FileDialog userConstructionsDialog() {
    FileDialog dialog;
    dialog.filters = {
        {QCoreApplication::translate("TForm8", "Расчетные (*.rww)"), QStringLiteral("*.rww")}};
    dialog.proposedName = QStringLiteral("Теплотех_х-ки_констр");
    dialog.defaultExtension = QStringLiteral("rww");
    dialog.overwritePrompt = false;
    return dialog;
}

namespace {

QPushButton* button(const QString& name, QWidget* parent) {
    auto* created = new QPushButton(parent);
    created->setObjectName(name);
    return created;
}

} // namespace

TForm8::TForm8(Forms& forms)
    : forms_(forms), openDialog_(userConstructionsDialog()),
      saveDialog_(userConstructionsDialog()) {
    setObjectName(QStringLiteral("TForm8"));
    texts_.title(this, QT_TR_NOOP("Конструкции"));
    retranslateUi();
}

void TForm8::build() {
    resize(700, 460);

    QLabel* rule = texts_.text(new QLabel(this),
                               QT_TR_NOOP("----- Номера строк данных конструкций должны "
                                          "соответствовать номерам строк коэффициентов !!! -----"));
    rule->setObjectName(QStringLiteral("RuleLabel"));
    rule->setAlignment(Qt::AlignCenter);
    rule->setWordWrap(true);
    QFont bold = rule->font();
    bold.setBold(true);
    rule->setFont(bold);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildColumn(RichEdit1, Label3, 1, QT_TR_NOOP("Конструкция :")), 4);
    columns->addWidget(buildColumn(RichEdit2, Label4, 2, QT_TR_NOOP("Коэф. тепло- проводности:")),
                       1);
    columns->addWidget(buildColumn(RichEdit3, Label5, 3, QT_TR_NOOP("Коэф. тепло- усвоения:")), 1);
    installDecimalKeyFilter(RichEdit2, forms_.separator());

    SpeedButton1 = texts_.text(button(QStringLiteral("SpeedButton1"), this), QT_TR_NOOP("Открыть"));
    Button1 = texts_.text(button(QStringLiteral("Button1"), this), QT_TR_NOOP("Добавить в файл"));
    SpeedButton2 =
        texts_.text(button(QStringLiteral("SpeedButton2"), this), QT_TR_NOOP("Перезаписать?"));
    Button2 = texts_.text(button(QStringLiteral("Button2"), this), QT_TR_NOOP("Возврат"));
    // Opening and appending are offered once the layer window has asked for editing.
    SpeedButton1->hide();
    Button1->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(Button1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch(1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rule);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    Platform& platform = forms_.platform;
    connect(SpeedButton1, &QPushButton::clicked, this,
            [this, &platform] { guarded(platform, [this] { openSet(); }); });
    connect(Button1, &QPushButton::clicked, this,
            [this, &platform] { guarded(platform, [this] { appendToSet(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this,
            [this, &platform] { guarded(platform, [this] { overwriteSet(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] {
        hide();
        openWindow(forms_.form2);
    });
    setTabOrder(RichEdit1, RichEdit2);
    setTabOrder(RichEdit2, RichEdit3);
    retranslateUi();
}

void TForm8::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

// The window's texts and its dialogs' file types; the columns hold the user's data.
void TForm8::retranslateUi() {
    texts_.retranslate();
    openDialog_.filters = userConstructionsDialog().filters;
    saveDialog_.filters = userConstructionsDialog().filters;
}

QWidget* TForm8::buildColumn(QTextEdit*& column, QLabel*& count, int number, const char* heading) {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* title = texts_.text(new QLabel(box), heading);
    title->setWordWrap(true);
    title->setMinimumHeight(title->fontMetrics().height() * 2 + 4);
    title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    column = new QTextEdit(box);
    column->setObjectName(QStringLiteral("RichEdit%1").arg(number));
    column->setAcceptRichText(false);
    column->setTabChangesFocus(true);
    column->setLineWrapMode(QTextEdit::NoWrap);
    column->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    count = new QLabel(QStringLiteral("0"), box);
    count->setObjectName(QStringLiteral("Label%1").arg(number + 2));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(texts_.text(new QLabel(box), QT_TR_NOOP("Количество строк:")));
    countRow->addWidget(count);
    countRow->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(column, 1);
    layout->addLayout(countRow);
    connect(column, &QTextEdit::textChanged, this, &TForm8::updateCounts);
    return box;
}

void TForm8::openForEditing() {
    SpeedButton1->show();
    Button1->show();
    openWindow(this);
}

QString TForm8::columnText(const QTextEdit* column) const {
    QString text = column->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void TForm8::updateCounts() {
    Label3->setText(QString::number(ColumnText::lineCount(columnText(RichEdit1))));
    Label4->setText(QString::number(ColumnText::lineCount(columnText(RichEdit2))));
    Label5->setText(QString::number(ColumnText::lineCount(columnText(RichEdit3))));
}

void TForm8::clearColumns() {
    RichEdit1->clear();
    RichEdit2->clear();
    RichEdit3->clear();
}

void TForm8::showList(const UserConstructionList& list) {
    const QString lineFeed(QLatin1Char('\n'));
    RichEdit1->setPlainText(list.names.join(lineFeed));
    RichEdit2->setPlainText(list.ldValues.join(lineFeed));
    RichEdit3->setPlainText(list.sValues.join(lineFeed));
}

void TForm8::openSet() {
    const std::optional<QString> path = forms_.platform.askOpenFile(openDialog_);
    if (!path)
        return;
    clearColumns();
    // What was read before a file that failed stays shown.
    UserConstructionList list;
    const auto show = qScopeGuard([&] { showList(list); });
    UserConstructionFiles::load(*path, list);
}

void TForm8::appendToSet() {
    const std::optional<QString> path = forms_.platform.askSaveFile(saveDialog_);
    if (!path)
        return;
    UserConstructionFiles::append(
        *path, {columnText(RichEdit1), columnText(RichEdit2), columnText(RichEdit3)});
    forms_.platform.information(tr("Добавлено в файл  ") + QDir::toNativeSeparators(*path));
    clearColumns();
}

void TForm8::overwriteSet() {
    forms_.platform.information(
        tr("Вы действительно хотите перезаписать все пользовательские данные?"));
    const std::optional<QString> path = forms_.platform.askSaveFile(saveDialog_);
    if (!path)
        return;
    UserConstructionFiles::overwrite(
        *path, {columnText(RichEdit1), columnText(RichEdit2), columnText(RichEdit3)});
    forms_.platform.information(tr("Записано в файл  ") + QDir::toNativeSeparators(*path));
    clearColumns();
}
