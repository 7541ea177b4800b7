#include "ui/QtPlatform.h"

#include "ui/PrintAndSvg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

// Icons and types of files known by their names alone. Qt's own provider reads a file's
// first bytes when its name says too little, and a file of /proc whose read never ends (the
// kernel's log) would hold the dialog's file list and then the program, which waits for
// that list's thread when the dialog closes.
class IconsByName : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override {
        if (!info.isFile()) // folders, drives, devices and pipes are known without reading
            return QFileIconProvider::icon(info);
        const QMimeType type = byName(info);
        QIcon shown = QIcon::fromTheme(type.iconName());
        if (shown.isNull())
            shown = QIcon::fromTheme(type.genericIconName());
        return shown.isNull() ? QFileIconProvider::icon(File) : shown;
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType type = byName(info);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

  private:
    QMimeType byName(const QFileInfo& info) const {
        return types_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
    QMimeDatabase types_;
};

QStringList nameFilters(const FileDialog& dialog) {
    QStringList filters;
    // The pattern goes in parentheses at the end, unless the name already shows it so.
    for (const auto& filter : dialog.filters) {
        const QString shown = QStringLiteral("(%1)").arg(filter.pattern);
        filters << (filter.name.endsWith(shown) ? filter.name
                                                : QStringLiteral("%1 %2").arg(filter.name, shown));
    }
    return filters;
}

std::optional<QString> runDialog(FileDialog& dialog, QFileDialog::AcceptMode mode) {
    QFileDialog box(QApplication::activeWindow());
    box.setAcceptMode(mode);
    box.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    box.setNameFilters(nameFilters(dialog));
    box.setDefaultSuffix(dialog.defaultExtension);
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.overwritePrompt);
    box.setSizeGripEnabled(true);
    static IconsByName* const icons = new IconsByName; // outlives every dialog's file list
    box.setIconProvider(icons);
    const QString start = dialog.lastPath.isEmpty() ? dialog.proposedName : dialog.lastPath;
    if (!start.isEmpty())
        box.selectFile(start);
    else // not the last folder of some other dialog, nor the list of drives
        box.setDirectory(QDir::currentPath());
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    dialog.lastPath = box.selectedFiles().constFirst();
    return dialog.lastPath;
}

// A text laid out with tabs (the calculation help) as it was written to be read: fixed
// pitch, a tab stop every eight characters, its lines never wrapped.
QString tabLaidOut(const QString& text) {
    constexpr int tabColumns = 8;
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")))) {
        QString expanded;
        for (const QChar c : line)
            if (c == QLatin1Char('\t'))
                expanded += QString(tabColumns - expanded.size() % tabColumns, QLatin1Char(' '));
            else
                expanded += c;
        lines << expanded.toHtmlEscaped();
    }
    return QStringLiteral("<pre>%1</pre>").arg(lines.join(QLatin1Char('\n')));
}

} // namespace

QtPlatform::QtPlatform() : Platform(QLocale::system().decimalPoint().at(0)) {}

void QtPlatform::information(const QString& text) {
    if (!text.contains(QLatin1Char('\t'))) {
        QMessageBox::information(QApplication::activeWindow(), applicationTitle, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, applicationTitle, tabLaidOut(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void QtPlatform::warning(const QString& title, const QString& text) {
    QMessageBox::warning(QApplication::activeWindow(), title, text);
}

void QtPlatform::error(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), applicationTitle, text);
}

int QtPlatform::ask(const QString& title, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton*> shown;
    for (const QString& caption : buttons)
        shown << box.addButton(caption,
                               shown.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    box.setDefaultButton(shown.first());
    box.setEscapeButton(shown.last());
    box.exec();
    const int pressed = int(shown.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return pressed >= 0 ? pressed : int(shown.size()) - 1;
}

std::optional<QString> QtPlatform::askOpenFile(FileDialog& dialog) {
    return runDialog(dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::askSaveFile(FileDialog& dialog) {
    return runDialog(dialog, QFileDialog::AcceptSave);
}

bool QtPlatform::askPrint(QPrinter& printer) {
    return PrintAndSvg::printDialog(printer, QApplication::activeWindow());
}

void QtPlatform::openAddress(const QString& address) {
    const bool isFile = QFileInfo(address).isAbsolute();
    QDesktopServices::openUrl(isFile ? QUrl::fromLocalFile(address) : QUrl(address));
}

void QtPlatform::quit() {
    QApplication::quit();
}
