#include "ui/Unit1.h"

#include "core/Errors.h"
#include "formats/DocumentLimits.h"
#include "formats/RtfReader.h"
#include "formats/TextFile.h"
#include "ui/ErrorHandler.h"
#include "ui/Forms.h"
#include "ui/Widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QColor cream(255, 251, 240);

QString text(const char* source) {
    return QCoreApplication::translate("TForm1", source);
}

QList<FileFilter> ownSaveFilters() {
    return {{text(QT_TRANSLATE_NOOP("TForm1", "Текстовые (*.txt)")), QStringLiteral("*.txt")},
            {QStringLiteral("MWord(.doc)"), QStringLiteral("*.doc")},
            {text(QT_TRANSLATE_NOOP("TForm1", "RTF-формат (*.rtf)")), QStringLiteral("*.rtf")},
            {text(QT_TRANSLATE_NOOP("TForm1", "Таблица Excel")), QStringLiteral("*.xls")},
            {text(QT_TRANSLATE_NOOP("TForm1", "Расчетные (*.rww)")), QStringLiteral("*.rww")},
            {text(QT_TRANSLATE_NOOP("TForm1", "Все файлы (*.*)")), QStringLiteral("*.*")}};
}

// Line ends of any kind become the text area's paragraph ends.
QString withLineFeeds(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

} // namespace

TForm1::TForm1(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm1"));
    texts_.title(this, QT_TR_NOOP("Просмотр, редактирование"));
    retranslateUi();
}

void TForm1::build() {
    resize(725, 686);
    QPalette background = palette();
    background.setColor(QPalette::Window, cream);
    setPalette(background);
    setAutoFillBackground(true);

    saveDialog_.proposedName = QStringLiteral("Vuvuvudozizod");
    saveDialog_.defaultExtension = QStringLiteral("txt");
    saveDialog_.overwritePrompt = true;

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Reports line their columns up with blanks.
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    saveButton = texts_.text(new QPushButton(this), QT_TR_NOOP("        Сохранить..."));
    saveButton->setObjectName(QStringLiteral("SaveButton"));
    texts_.hint(saveButton, QT_TR_NOOP("Save As"));
    saveButton->hide();
    auto* closeButton = texts_.text(new QPushButton(this), QT_TR_NOOP("Закрыть"));
    closeButton->setObjectName(QStringLiteral("CloseButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(buttons);

    connect(RichEdit1, &QTextEdit::textChanged, saveButton, &QWidget::show);
    connect(saveButton, &QPushButton::clicked, this,
            [this] { guarded(forms_.platform, [this] { saveWithDialog(saveDialog_); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    retranslateUi();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

// The window's texts and its own save dialog's filters; the text shown is the user's.
void TForm1::retranslateUi() {
    texts_.retranslate();
    saveDialog_.filters = ownSaveFilters();
}

namespace {

// A file that was read but that the text area can't take: the reason apart.
class UnshowableText : public FileError {
  public:
    UnshowableText(const QString& path, QString reason)
        : FileError(TextFile::cannotOpenMessage(path, reason)), reason_(std::move(reason)) {}
    const QString& reason() const { return reason_; }

  private:
    QString reason_;
};

// Why a report that we wrote ourselves can't be shown, in our own words.
QString unshowableInOurWords(const QString& reason) {
    if (reason == TextFile::notTextReason())
        return text(QT_TRANSLATE_NOOP("TForm1", "в нем есть управляющие символы"));
    if (reason == DocumentLimits::lineTooLong(DocumentLimits::maxLineLength))
        return text(QT_TRANSLATE_NOOP("TForm1", "в нем есть строка длиннее %1 знаков"))
            .arg(DocumentLimits::maxLineLength);
    if (reason == DocumentLimits::tooManyLines(DocumentLimits::maxLines))
        return text(QT_TRANSLATE_NOOP("TForm1", "в нем больше %1 строк"))
            .arg(DocumentLimits::maxLines);
    return reason;
}

} // namespace

void TForm1::load(const QString& path) {
    // Only what the text area can lay out at once is shown; more is refused with
    // its reason, and the old text stays.
    const QByteArray bytes = TextFile::readBytes(path);
    if (RtfReader::looksLikeRtf(bytes)) {
        const RtfReader::Document document = RtfReader::read(bytes);
        if (!document.problem.isEmpty())
            throw UnshowableText(path, document.problem);
        RichEdit1->setHtml(document.html);
    } else {
        if (TextFile::looksBinary(bytes))
            throw UnshowableText(path, TextFile::notTextReason());
        const QString text = TextFile::textOf(bytes, path);
        if (const QString problem = DocumentLimits::problem(text); !problem.isEmpty())
            throw UnshowableText(path, problem);
        RichEdit1->setPlainText(withLineFeeds(text));
    }
    saveButton->hide();
}

void TForm1::openFromDialog(FileDialog& dialog) {
    const std::optional<QString> path = forms_.platform.askOpenFile(dialog);
    if (!path)
        return;
    load(*path);
    openWindow(this);
}

void TForm1::saveWithDialog(FileDialog& dialog) {
    const std::optional<QString> path = forms_.platform.askSaveFile(dialog);
    if (!path)
        return;
    QString text = RichEdit1->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    TextFile::write(*path, text);
    forms_.platform.information(tr("Записано в файл  ") +
                                QDir::toNativeSeparators(QFileInfo(*path).absoluteFilePath()));
}

void TForm1::showReport(const QString& path) {
    try {
        load(path);
    } catch (const UnshowableText& refused) {
        throw FileError(
            tr("Расчет записан в файл \"%1\", но показать его здесь нельзя: %2.")
                .arg(QDir::toNativeSeparators(path), unshowableInOurWords(refused.reason())));
    }
    openWindow(this);
}
